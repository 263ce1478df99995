#pragma once
// The bytes that go to the printer besides the configuration script itself,
// and the header that its listings (and the settings files) begin with.

#include <string_view>

namespace vostrel {

// Written in front of every script and request, and at the head of every
// settings file: "~!!" CR LF, STX ESC "~A" CR LF, "~" ESC "~A" CR LF.
inline constexpr std::string_view kCommandPrefix{"~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17};

// The first two lines of the prefix, expected at the start of a listing.
inline constexpr std::string_view kReplyHeader = kCommandPrefix.substr(0, 11);
inline constexpr std::string_view kReplyHeaderFirstPart = kReplyHeader.substr(0, 5);  // "~!!\r\n"
inline constexpr std::string_view kReplyHeaderLastPart = kReplyHeader.substr(5);      // STX ESC "~A" CR LF

enum class HeaderPresence {
  Whole,    // use the text unchanged
  OnePart,  // put "\r\n" in front of the text
  None,     // reject the text
};

HeaderPresence CheckReplyHeader(std::string_view text);

}  // namespace vostrel

#pragma once
// The bytes that go to the printer besides the configuration script itself,
// and the header that its listings (and the settings files) begin with.

#include <array>
#include <cstddef>
#include <string_view>

#include "settings/reply_readers.h"

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

// Written before the configuration request, on a link of its own: SOH "#"
// NUL, exactly three bytes.
inline constexpr std::string_view kPreRequestCommand{"\x01#\0", 3};

// The RFID calibration commands, written without the prefix, and the status
// replies looked for anywhere in what arrives after a poll.
inline constexpr std::string_view kRfidCalibrationStart =
    "\x02\x1b"
    "iC\r\n";
inline constexpr std::string_view kRfidStatusPoll =
    "\x01"
    "A\r\n";
inline constexpr std::string_view kRfidStatusOk = "iC:OK\r\n";
inline constexpr std::string_view kRfidStatusNg = "iC:NG\r\n";

// The send buffer: every outgoing text is built in it, zero-filled, and keeps
// a terminating NUL, so that at most 4095 bytes go out at once.
inline constexpr std::size_t kSendBufferSize = 4096;
inline constexpr std::size_t kMaxOutgoingBytes = kSendBufferSize - 1;
using SendBuffer = std::array<char, kSendBufferSize>;

enum class PrefixUse { WithPrefix, WithoutPrefix };

enum class OutgoingStatus {
  Ready,    // the buffer holds byteCount bytes to write
  TooLong,  // the text does not fit: the buffer is all zeros, nothing is to be written
};

struct Outgoing {
  OutgoingStatus status = OutgoingStatus::TooLong;
  std::size_t byteCount = 0;  // the converted text's bytes, plus 17 with the prefix
};

// Fills `buffer` with zeros, then the prefix if asked for, then the whole text
// converted to the ANSI code page. A text that does not fit is refused whole,
// never cut.
Outgoing BuildOutgoing(SendBuffer& buffer, std::wstring_view text, PrefixUse prefix);

// The self-test and sample-print commands for a command language, written
// without the prefix; empty for an unknown language (nothing is written).
std::wstring_view SelfTestText(EmulationCode code);
std::wstring_view SamplePrintText(EmulationCode code);

}  // namespace vostrel

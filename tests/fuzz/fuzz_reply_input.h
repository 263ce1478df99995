#pragma once
// Turns a fuzz input into a reply text as the store holds it. The first byte
// chooses the form: even, the rest is a reply as the printer sends it (narrow
// text in the ANSI code page, converted the way the program converts it); odd,
// the rest is any sequence of 16-bit characters, unpaired surrogates and NULs
// included.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ansi_text.h"

namespace vostrel::fuzz {

inline std::wstring ReplyFromInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((data[0] & 1) == 0) return AnsiToWide(rest);
  std::wstring text;
  for (std::size_t i = 0; i + 1 < rest.size(); i += 2) {
    const auto unit =
        static_cast<std::uint16_t>(static_cast<std::uint8_t>(rest[i]) | static_cast<std::uint8_t>(rest[i + 1]) << 8);
    text.push_back(static_cast<wchar_t>(unit));
  }
  return text;
}

// Stops the run when a property of the readers does not hold.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

// True when no character of `text` ends a line: the readers' texts come from
// within one line.
inline bool HoldsNoLineEnd(std::wstring_view text) { return text.find_first_of(L"\r\n") == std::wstring_view::npos; }

}  // namespace vostrel::fuzz

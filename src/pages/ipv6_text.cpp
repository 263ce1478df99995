#include "pages/ipv6_text.h"

#include <array>
#include <cstdint>

namespace vostrel {
namespace {

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// The leading hexadecimal digits of a pair; 0 when it starts with none.
int ReadHexPair(std::wstring_view pair) {
  int value = 0;
  for (wchar_t c : pair) {
    const int digit = HexDigit(c);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return value;
}

// The leading decimal digits of a part, after optional blanks; 0 when none.
unsigned ReadDecimal(std::wstring_view part) {
  size_t i = 0;
  while (i < part.size() && (part[i] == L' ' || part[i] == L'\t')) ++i;
  unsigned value = 0;
  for (; i < part.size() && part[i] >= L'0' && part[i] <= L'9'; ++i) value = (value * 10 + (part[i] - L'0')) % 256;
  return value;
}

}  // namespace

std::wstring Ipv6TextToByteList(std::wstring_view text) {
  std::wstring out;
  std::wstring_view rest = text;
  bool more = true;
  for (int group = 0; group < 8; ++group) {
    std::wstring_view part;
    if (more) {
      const size_t colon = rest.find(L':');
      part = rest.substr(0, colon);
      if (colon == std::wstring_view::npos) {
        more = false;
      } else {
        rest.remove_prefix(colon + 1);
      }
    }
    const int high = ReadHexPair(part.substr(0, 2));
    const int low = ReadHexPair(part.size() > 2 ? part.substr(2, 2) : std::wstring_view{});
    if (group) out += L',';
    out += std::to_wstring(high);
    out += L',';
    out += std::to_wstring(low);
  }
  return out;
}

std::wstring ByteListToIpv6Text(std::wstring_view list) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out;
  std::wstring_view rest = list;
  bool more = true;
  for (int index = 0; index < 16; ++index) {
    std::wstring_view part;
    if (more) {
      const size_t comma = rest.find(L',');
      part = rest.substr(0, comma);
      if (comma == std::wstring_view::npos) {
        more = false;
      } else {
        rest.remove_prefix(comma + 1);
      }
    }
    const unsigned byte = ReadDecimal(part);
    if (index && index % 2 == 0) out += L':';
    out += kDigits[byte / 16];
    out += kDigits[byte % 16];
  }
  return out;
}

}  // namespace vostrel

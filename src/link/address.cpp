#include "link/address.h"

#include <winsock2.h>

#include <cstdio>

#include "app/preferences.h"
#include "app/split_text.h"
#include "platform/ansi_text.h"

namespace vostrel {
namespace {

bool IsDecimal(std::wstring_view text) {
  if (text.empty()) return false;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

// The value of a decimal text, stopping once it passes `limit`.
std::uint32_t DecimalValue(std::wstring_view digits, std::uint32_t limit) {
  std::uint32_t value = 0;
  for (wchar_t c : digits) {
    value = value * 10 + static_cast<std::uint32_t>(c - L'0');
    if (value > limit) return limit + 1;
  }
  return value;
}

}  // namespace

bool IsDottedIPv4(std::wstring_view text) {
  // The splitting drops an empty last piece, so a trailing dot is refused here.
  if (text.empty() || text.back() == L'.') return false;
  const std::vector<std::wstring> groups = SplitText(text, L".");
  if (groups.size() != 4) return false;
  for (const std::wstring& group : groups) {
    if (!IsDecimal(group) || DecimalValue(group, 255) > 255) return false;
  }
  return true;
}

std::optional<std::wstring> ResolveToDotted(std::wstring_view host) {
  const std::string name = WideToAnsi(host);
  const hostent* entry = ::gethostbyname(name.c_str());
  if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_length != 4 || entry->h_addr_list == nullptr ||
      entry->h_addr_list[0] == nullptr) {
    return std::nullopt;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]);
  wchar_t text[16] = {};
  std::swprintf(text, 16, L"%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
  return std::wstring(text);
}

std::int32_t ClassifyPortName(std::wstring_view portName) {
  if (portName.starts_with(L"COM") || portName.starts_with(L"TELMARO COM")) return kPortKindCom;
  if (portName.starts_with(L"USB")) return kPortKindUsb;
  return kPortKindNone;
}

std::uint16_t ParsePortNumber(std::wstring_view text) {
  if (!IsDecimal(text)) return 0;
  const std::uint32_t value = DecimalValue(text, 65535);
  return value > 65535 ? 0 : static_cast<std::uint16_t>(value);
}

}  // namespace vostrel

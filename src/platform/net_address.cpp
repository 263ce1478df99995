#include "platform/net_address.h"

#include <cstdint>
#include <vector>

#include "platform/split_text.h"

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

std::uint16_t ParsePortNumber(std::wstring_view text) {
  if (!IsDecimal(text)) return 0;
  const std::uint32_t value = DecimalValue(text, 65535);
  return value > 65535 ? 0 : static_cast<std::uint16_t>(value);
}

}  // namespace vostrel

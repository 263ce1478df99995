#include "settings/listing_numbers.h"

#include <cstddef>

namespace vostrel::listing {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Far beyond every accepted value, so that the running value never overflows.
constexpr std::int64_t kDigitCap = 100'000'000;
constexpr std::int64_t kInt16Min = -32768;
constexpr std::int64_t kInt16Max = 32767;

std::optional<std::int32_t> InInt16(std::int64_t value) {
  if (value < kInt16Min || value > kInt16Max) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> ParseWhole(std::string_view field) { return ParseScaled(field, 0); }

std::optional<std::int32_t> ParseScaled(std::string_view field, int decimals) {
  std::size_t i = 0;
  const bool negative = !field.empty() && field[0] == '-';
  if (negative) ++i;
  std::int64_t value = 0;
  std::size_t digits = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i, ++digits) {
    value = value * 10 + (field[i] - '0');
    if (value > kDigitCap) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  int taken = 0;
  if (decimals > 0 && i < field.size() && field[i] == '.') {
    for (++i; i < field.size() && IsDigit(field[i]); ++i) {
      if (taken < decimals) {
        value = value * 10 + (field[i] - '0');
        ++taken;
      } else if (field[i] != '0') {
        return std::nullopt;
      }
    }
  }
  if (i != field.size()) return std::nullopt;
  for (; taken < decimals; ++taken) value *= 10;
  return InInt16(negative ? -value : value);
}

std::optional<std::uint8_t> ParseOctet(std::string_view field) {
  int value = 0;
  bool digit = false;
  bool point = false;
  for (char c : field) {
    if (c == '.' && !point) {
      point = true;
    } else if (IsDigit(c)) {
      value = value * 10 + (c - '0');
      if (value > 255) return std::nullopt;
      digit = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

std::optional<std::int32_t> ParseCounter(std::string_view field) {
  std::int64_t value = 0;
  bool digit = false;
  for (char c : field) {
    if (c == ' ') continue;
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 9'999'999) return std::nullopt;
    digit = true;
  }
  if (!digit) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace vostrel::listing

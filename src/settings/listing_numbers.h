#pragma once
// The number syntaxes of listing values. Every parser takes one field (upper-
// cased) and either gives a value or rejects the field; none reads past it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vostrel::listing {

// An optional leading "-", then at least one decimal digit and nothing else.
// Values outside the signed 16-bit range are rejected rather than wrapped.
std::optional<std::int32_t> ParseWhole(std::string_view field);

// An optional leading "-", at least one digit, optionally "." and more digits,
// scaled by 10 to the power `decimals` (1 or 2): "2.3" with two is 230.
// Missing decimals count as zeros; further decimals must be "0". The scaled
// value must fit the signed 16-bit range.
std::optional<std::int32_t> ParseScaled(std::string_view field, int decimals);

// An address byte: the digits of the field taken together, one "." among
// them ignored; 0 to 255.
std::optional<std::uint8_t> ParseOctet(std::string_view field);

// A counter: digits and spaces only (spaces skipped), at least one digit,
// 0 to 9999999.
std::optional<std::int32_t> ParseCounter(std::string_view field);

}  // namespace vostrel::listing

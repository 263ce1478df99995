#pragma once
// The value parsers of the listing reader's keyword rows: each takes a line
// record and either stores the value in binary form or rejects it.

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/listing_line.h"
#include "settings/listing_tables.h"

namespace vostrel::listing {

// One keyword row's value in binary form.
struct ImageField {
  std::int32_t number = 0;  // scaled numbers, millivolts, choices
  std::array<std::uint8_t, 16> bytes{};
  std::array<char, kMaxTextBytes> text{};
  std::uint8_t textLength = 0;
};

// What a value depends on besides its own line.
struct ValueContext {
  std::uint8_t functionSelect = kFunctionSelectUnknown;  // the FUNCTION SELECT number read so far
  bool allow300Dpi = true;                               // the row's dot-density allowance
};

struct Parsed {
  bool accepted = false;
  int unit = kUnitNone;  // a UnitCode
};

// Parses the value of `line` by `row`; on acceptance stores it in `out`,
// which is left as it was otherwise.
Parsed ParseValue(const KeywordRow& row, const LineRecord& line, const ValueContext& context, ImageField& out);

// Whether an upper-cased field equals `word` compared upper-cased.
bool SameUpper(std::string_view upperField, std::string_view word);

}  // namespace vostrel::listing

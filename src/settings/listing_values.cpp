#include "settings/listing_values.h"

#include <algorithm>

#include "settings/listing_numbers.h"

namespace vostrel::listing {
namespace {

// A length: the value in field 2, its unit word in field 3, accepted when it
// lies in any of `ranges`.
Parsed ParseLength(const LineRecord& line, std::initializer_list<LengthRanges> ranges, ImageField& out) {
  const std::string_view unit = line.Upper(3);
  int code = kUnitNone;
  int decimals = 1;
  if (unit == "MM") {
    code = kUnitMillimetres;
  } else if (unit == "INCH") {
    code = kUnitInches;
    decimals = 2;
  } else if (unit == "V") {
    code = kUnitVolts;
  } else if (unit == "DOTS") {
    code = kUnitDots203;
  } else {
    return {};  // no unit word: the scale of the number is unknown
  }
  const auto number = ParseScaled(line.Upper(2), decimals);
  if (!number) return {};
  for (const LengthRanges& range : ranges) {
    if ((code == kUnitMillimetres ? range.millimetres : range.inches).Holds(*number)) {
      out.number = *number;
      return {true, code};
    }
  }
  return {};
}

Parsed ParsePaperPosition(const LineRecord& line, std::uint8_t functionSelect, ImageField& out) {
  switch (functionSelect) {
    case 0: return ParseLength(line, {kPaperPositionFromEdge}, out);  // OFF
    case 1:                                                           // TEAR
    case 2:                                                           // PEEL ON
    case 3: return ParseLength(line, {kPaperPositionCentred}, out);   // CUT ON
    default: return ParseLength(line, {kPaperPositionCentred, kPaperPositionFromEdge}, out);
  }
}

bool TextAllowed(std::string_view text, const KeywordRow& row) {
  if (!row.range.Holds(static_cast<std::int32_t>(text.size()))) return false;
  if (row.text == TextRule::AnyCharacter) return true;
  for (char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
    if (row.text == TextRule::PairingText && c == ',') return false;
  }
  return row.text != TextRule::PairingText || text.empty() || (text[0] != ' ' && text[0] != '"');
}

bool ParseOctets(const LineRecord& line, std::size_t count, ImageField& out) {
  if (line.FieldCount() != count + 1) return false;
  std::array<std::uint8_t, 16> bytes{};
  for (std::size_t i = 0; i < count; ++i) {
    const auto octet = ParseOctet(line.Upper(i + 2));
    if (!octet) return false;
    bytes[i] = *octet;
  }
  out.bytes = bytes;
  return true;
}

Parsed Number(std::optional<std::int32_t> value, Range range, ImageField& out, int unit = kUnitNone) {
  if (!value || !range.Holds(*value)) return {};
  out.number = *value;
  return {true, unit};
}

}  // namespace

bool SameUpper(std::string_view upperField, std::string_view word) {
  if (upperField.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (upperField[i] != AsciiUpper(word[i])) return false;
  }
  return true;
}

Parsed ParseValue(const KeywordRow& row, const LineRecord& line, const ValueContext& context, ImageField& out) {
  switch (row.parse) {
    case Parse::Whole: return Number(ParseWhole(line.Upper(2)), row.range, out);
    case Parse::OneDecimal: return Number(ParseScaled(line.Upper(2), 1), row.range, out);
    case Parse::Counter: return Number(ParseCounter(line.Upper(2)), row.range, out);
    case Parse::Length: return ParseLength(line, {LengthRanges{row.range, row.second}}, out);
    case Parse::PaperPosition: return ParsePaperPosition(line, context.functionSelect, out);
    case Parse::Level: {
      if (line.Upper(3) != "V") return {};
      const Parsed parsed = Number(ParseScaled(line.Upper(2), 2), row.range, out);
      if (parsed.accepted) out.number *= 10;  // hundredths of a volt to millivolts
      return parsed;
    }
    case Parse::DotPosition:
    case Parse::DotWidth: {
      const bool position = row.parse == Parse::DotPosition;
      if (position && line.Upper(2) != "DOT") return {};
      const auto dots = ParseWhole(line.Upper(position ? 3 : 2));
      const Parsed at203 = Number(dots, row.range, out, kUnitDots203);
      if (at203.accepted || !context.allow300Dpi) return at203;
      return Number(dots, row.second, out, kUnitDots300);
    }
    case Parse::OnOff: {
      const std::string_view word = line.Upper(2);
      if (word.empty() || word.size() > 8) return {};
      if (word == "ON") return Number(1, {1, 1}, out);
      if (word == "OFF") return Number(0, {0, 0}, out);
      return {};
    }
    case Parse::SymbolSet: {
      const std::string_view code = line.Field(2);
      if (line.FieldCount() < 2 || code.size() != 2) return {true, kUnitNone};  // nothing to change
      const auto* found = std::find(kSymbolSetCodes.begin(), kSymbolSetCodes.end(), code);
      if (found == kSymbolSetCodes.end()) return {};
      out.number = static_cast<std::int32_t>(found - kSymbolSetCodes.begin());
      return {true, kUnitNone};
    }
    case Parse::Power: {
      std::string_view value = line.Upper(2);
      if (value.size() > 4 && value.ends_with(" DBM")) value.remove_suffix(4);
      return Number(ParseWhole(value), row.range, out);
    }
    case Parse::Ipv4: return {ParseOctets(line, 4, out), kUnitNone};
    case Parse::Ipv6: return {ParseOctets(line, 16, out), kUnitNone};
    case Parse::Text: {
      const std::string_view text = row.text == TextRule::PrintableUpper ? line.Upper(2) : line.Field(2);
      if (!TextAllowed(text, row)) return {};
      std::copy(text.begin(), text.end(), out.text.begin());
      out.textLength = static_cast<std::uint8_t>(text.size());
      return {true, kUnitNone};
    }
  }
  return {};
}

}  // namespace vostrel::listing

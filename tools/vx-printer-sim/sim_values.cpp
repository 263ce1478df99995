#include "sim_values.h"

#include <algorithm>
#include <cstdlib>

namespace vostrel::sim {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits only, at most nine of them (the printer's largest value has seven).
std::optional<long long> ParseDigits(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string_view Field(const std::vector<std::string_view>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string_view{};
}

bool InRange(long long value, long long lo, long long hi) { return value >= lo && value <= hi; }

std::optional<std::string> Word(const SettingRow& row, std::string_view value, Model model) {
  const std::uint32_t mask = row.wordMask[static_cast<int>(model)];
  std::string_view words = row.words;
  for (int index = 0; !words.empty(); ++index) {
    const std::size_t bar = words.find('|');
    const std::string_view word = words.substr(0, bar);
    words = bar == std::string_view::npos ? std::string_view{} : words.substr(bar + 1);
    if (!EqualsIgnoringCase(word, value)) continue;
    if (mask != 0 && (mask & (1u << index)) == 0) return std::nullopt;
    return std::string(word);
  }
  return std::nullopt;
}

std::optional<std::string> Scaled(std::string_view text, int decimals, long long lo, long long hi) {
  const auto value = ParseScaled(text, decimals);
  if (!value || !InRange(*value, lo, hi)) return std::nullopt;
  return FormatScaled(*value, decimals);
}

std::optional<std::string> Length(const SettingRow& row, const std::vector<std::string_view>& fields,
                                  const ValueContext& context) {
  long long loMm = row.lo, hiMm = row.hi[0], loInch = row.loInch, hiInch = row.hiInch;
  if ((row.flags & row_flag::kRangeByFunction) != 0 && context.functionSelect == "OFF") {
    loMm = 0, hiMm = 508, loInch = 0, hiInch = 200;
  }
  const std::string_view unit = Field(fields, 1);
  std::optional<std::string> number;
  if (EqualsIgnoringCase(unit, "MM")) {
    number = Scaled(Field(fields, 0), 1, loMm, hiMm);
    if (number) return *number + "\tMM";
  } else if (EqualsIgnoringCase(unit, "INCH")) {
    number = Scaled(Field(fields, 0), 2, loInch, hiInch);
    if (number) return *number + "\tINCH";
  }
  return std::nullopt;
}

// Decimal byte values separated by commas, `count` of them.
std::optional<std::string> Bytes(std::string_view text, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t comma = text.find(',');
    const bool last = i + 1 == count;
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    const auto value = ParseDigits(text.substr(0, comma));
    if (!value || *value > 255) return std::nullopt;
    if (i > 0) out += ',';
    out += std::to_string(*value);
    if (!last) text.remove_prefix(comma + 1);
  }
  return out;
}

std::optional<std::string> Text(const SettingRow& row, std::string_view text) {
  if (!InRange(static_cast<long long>(text.size()), row.lo, row.hi[0])) return std::nullopt;
  const bool anyCharacter = (row.flags & row_flag::kAnyCharacter) != 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!anyCharacter && (byte < 0x20 || byte > 0x7E)) return std::nullopt;
    if ((row.flags & row_flag::kNoCommaNoLead) != 0 && c == ',') return std::nullopt;
  }
  if ((row.flags & row_flag::kNoCommaNoLead) != 0 && !text.empty() && (text[0] == ' ' || text[0] == '"')) {
    return std::nullopt;
  }
  std::string out(text);
  if ((row.flags & row_flag::kUpperCase) != 0) std::transform(out.begin(), out.end(), out.begin(), Upper);
  return out;
}

std::optional<std::string> Counter(const SettingRow& row, std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c != ' ') digits += c;
  }
  const auto value = ParseDigits(digits);
  if (!value || !InRange(*value, row.lo, row.hi[0])) return std::nullopt;
  return std::to_string(*value);
}

std::optional<std::string> Power(const SettingRow& row, std::string_view text) {
  if (text.size() > 4 && EqualsIgnoringCase(text.substr(text.size() - 4), " DBM")) text.remove_suffix(4);
  const auto value = ParseScaled(text, 0);
  if (!value || !InRange(*value, row.lo, row.hi[0])) return std::nullopt;
  return std::to_string(*value) + " DBM";
}

}  // namespace

std::optional<long long> ParseScaled(std::string_view text, int decimals) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (point != std::string_view::npos && (decimals == 0 || fraction.empty())) return std::nullopt;
  auto value = ParseDigits(whole);
  if (!value) return std::nullopt;
  for (int i = 0; i < decimals; ++i) {
    const char c = i < static_cast<int>(fraction.size()) ? fraction[i] : '0';
    if (!IsDigit(c)) return std::nullopt;
    *value = *value * 10 + (c - '0');
  }
  if (static_cast<int>(fraction.size()) > decimals) {
    fraction.remove_prefix(decimals);
    if (fraction.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
  }
  return negative ? -*value : *value;
}

std::string FormatScaled(long long value, int decimals) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  if (decimals > 0) {
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
      digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - decimals, 1, '.');
  }
  return negative ? "-" + digits : digits;
}

std::optional<std::string> NormaliseValue(const SettingRow& row, const std::vector<std::string_view>& fields,
                                          std::string_view rest, const ValueContext& context) {
  const std::string_view value = Field(fields, 0);
  const long long hi = row.hi[static_cast<int>(context.model)];
  switch (row.kind) {
    case ValueKind::Word: return Word(row, value, context.model);
    case ValueKind::Whole: return Scaled(value, 0, row.lo, hi);
    case ValueKind::Tenths: return Scaled(value, 1, row.lo, hi);
    case ValueKind::Hundredths: return Scaled(value, 2, row.lo, hi);
    case ValueKind::Length: return Length(row, fields, context);
    case ValueKind::DotPosition: {
      if (!EqualsIgnoringCase(value, "DOT")) return std::nullopt;
      const auto number = Scaled(Field(fields, 1), 0, row.lo, hi);
      if (!number) return std::nullopt;
      return "DOT\t" + *number;
    }
    case ValueKind::Counter: return Counter(row, value);
    case ValueKind::OnOff: {
      if (EqualsIgnoringCase(value, "ON")) return std::string("ON");
      if (EqualsIgnoringCase(value, "OFF")) return std::string("OFF");
      return std::nullopt;
    }
    case ValueKind::SymbolSet: {
      const auto codes = SymbolSetCodes();
      if (std::find(codes.begin(), codes.end(), value) == codes.end()) return std::nullopt;
      return std::string(value);
    }
    case ValueKind::Power: return Power(row, value);
    case ValueKind::Ipv4: return Bytes(value, 4);
    case ValueKind::Ipv6: return Bytes(value, 16);
    case ValueKind::Text: return Text(row, value);
    case ValueKind::Raw: {
      if (rest.empty() || rest.size() > 39) return std::nullopt;
      for (char c : rest) {
        const auto byte = static_cast<unsigned char>(c);
        if (c != '\t' && (byte < 0x20 || byte > 0x7E)) return std::nullopt;
      }
      return std::string(rest);
    }
  }
  return std::nullopt;
}

}  // namespace vostrel::sim

#include "settings_view.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "cli.h"
#include "platform/ansi_text.h"
#include "settings/catalogue.h"
#include "settings/listing_keyword_table.h"
#include "settings/listing_line.h"
#include "settings/listing_reader.h"
#include "settings/listing_values.h"
#include "settings/listing_word_table.h"

namespace vostrel::cli {
namespace {

using namespace listing;

constexpr std::array<std::wstring_view, 8> kUnitWords = {L"V", L"SEC", L"DOTS", L"DOT", L"%", L"M", L"MM", L"INCH"};

std::wstring Widen(std::string_view text) { return AnsiToWide(text); }

// The slot a line's keyword (upper-cased) fills, aliases included; -1 none.
int SlotOfKeyword(const std::wstring& keyword) {
  const int slot = FindReadSlot(keyword);
  if (slot >= 0) return slot;
  for (const AliasRow& alias : kAliasRows) {
    if (alias.keyword == keyword) return FindReadSlot(alias.target);
  }
  return -1;
}

const WordRow* WordRowOf(int slot) {
  for (std::size_t i = 0; i < kWordRows.size(); ++i) {
    if (kWordRowSlots[i] == slot) return &kWordRows[i];
  }
  return nullptr;
}

const KeywordRow* KeywordRowOf(int slot) {
  for (std::size_t i = 0; i < kKeywordRows.size(); ++i) {
    if (kKeywordRowSlots[i] == slot && kKeywordRows[i].output != listing::Output::None) return &kKeywordRows[i];
  }
  return nullptr;
}

// The last line that set each slot: its number, its value and unit as written.
struct LineValue {
  int line = 0;
  std::wstring value;
  std::wstring unit;
};

LineValue ValueOfLine(int number, const LineRecord& record, int slot) {
  LineValue found{number, {}, {}};
  if (const WordRow* row = WordRowOf(slot); row != nullptr && row->keyword == Widen(record.Upper(1))) {
    const std::string_view written = record.Upper(2);
    found.value = Widen(record.Field(2));
    for (const Word& word : row->words) {
      if (!word.text.empty() && SameUpper(written, word.text)) found.value = Widen(word.text);
    }
    return found;
  }
  const KeywordRow* row = KeywordRowOf(slot);
  const Parse parse = row != nullptr ? row->parse : Parse::Text;
  if (parse == Parse::DotPosition) {
    found.unit = Widen(record.Upper(2));
    found.value = Widen(record.Field(3));
    return found;
  }
  if (parse == Parse::Ipv4 || parse == Parse::Ipv6) {
    // The octets are fields of their own: the value is all of them.
    const wchar_t* separator = parse == Parse::Ipv4 ? L"," : L":";
    for (std::size_t field = 2; field <= record.FieldCount(); ++field) {
      if (field > 2) found.value += separator;
      found.value += Widen(record.Field(field));
    }
    return found;
  }
  found.value = Widen(record.Field(2));
  found.unit = Widen(record.Upper(3));
  return found;
}

std::map<int, LineValue> LinesBySlot(std::string_view text) {
  std::map<int, LineValue> lines;
  text = text.substr(0, text.find('\0'));
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    LineRecord record;
    record.Assign(line.substr(0, kMaxLineChars));
    if (record.FieldCount() == 0) continue;
    const int slot = SlotOfKeyword(Widen(record.Upper(1)));
    if (slot >= 0) lines[slot] = ValueOfLine(number, record, slot);
  }
  return lines;
}

std::wstring Trimmed(std::wstring_view unitSuffix) {
  while (!unitSuffix.empty() && unitSuffix.front() == L'\t') unitSuffix.remove_prefix(1);
  return std::wstring(unitSuffix);
}

std::wstring Scaled(std::int32_t value, int decimals) {
  const int scale = decimals == 1 ? 10 : decimals == 2 ? 100 : 1;
  if (scale == 1) return std::to_wstring(value);
  const std::int32_t magnitude = value < 0 ? -value : value;
  wchar_t text[32];
  std::swprintf(text, 32, L"%ls%d.%0*d", value < 0 ? L"-" : L"", magnitude / scale, decimals, magnitude % scale);
  return text;
}

std::wstring RangeText(Range range, int decimals, std::wstring_view unit) {
  std::wstring text = L"from " + Scaled(range.low, decimals) + L" to " + Scaled(range.high, decimals);
  if (!unit.empty()) text.append(L" ").append(unit);
  if (decimals == 1) text += L" (one decimal)";
  if (decimals == 2) text += L" (two decimals)";
  return text;
}

std::wstring LengthText(Range millimetres, Range inches) {
  return RangeText(millimetres, 1, L"MM") + L" or " + RangeText(inches, 2, L"INCH");
}

}  // namespace

bool IsUnitWord(std::wstring_view word) {
  return std::find(kUnitWords.begin(), kUnitWords.end(), word) != kUnitWords.end();
}

std::vector<SettingView> ViewStore(const SettingsStore& store) {
  std::string text = WideToAnsi(store.textBuffer);
  if (text.starts_with("\r\n")) text.erase(0, 2);
  const std::map<int, LineValue> lines = LinesBySlot(std::string_view(text).substr(0, kListingReadRoom));
  std::vector<SettingView> views;
  for (int slot = 0; slot < kCalibrationResultSlot; ++slot) {
    const SettingItem& item = store.slots[static_cast<std::size_t>(slot)];
    if (!IsTouched(item)) continue;
    const SlotInfo& info = kSlotCatalogue[static_cast<std::size_t>(slot)];
    SettingView view;
    view.slot = slot;
    view.keyword = std::wstring(info.keyword);
    view.valid = item.invalid == 0;
    const auto line = lines.find(slot);
    if (line != lines.end()) {
      view.line = line->second.line;
      view.value = line->second.value;
      view.unit = line->second.unit;
    }
    // The reader's own form of an accepted number ("100.0" for "100").
    const KeywordRow* row = KeywordRowOf(slot);
    const bool addressOrText = row != nullptr && (row->parse == Parse::Ipv4 || row->parse == Parse::Ipv6);
    if (view.valid && !item.value.empty() && !addressOrText) view.value = item.value;
    if (view.valid && addressOrText && !item.value.empty()) view.value = item.value;
    if (view.unit.empty() && row != nullptr && row->parse != Parse::Text) view.unit = Trimmed(info.unitSuffix);
    if (!IsUnitWord(view.unit)) view.unit.clear();
    views.push_back(std::move(view));
  }
  return views;
}

std::vector<ViewDifference> CompareViews(const std::vector<SettingView>& a, const std::vector<SettingView>& b,
                                         bool onlyA) {
  std::map<int, std::pair<const SettingView*, const SettingView*>> bySlot;
  for (const SettingView& view : a) bySlot[view.slot].first = &view;
  if (!onlyA) {
    for (const SettingView& view : b) bySlot[view.slot].second = &view;
  } else {
    for (const SettingView& view : b) {
      if (bySlot.contains(view.slot)) bySlot[view.slot].second = &view;
    }
  }
  std::vector<ViewDifference> differences;
  for (const auto& [slot, pair] : bySlot) {
    const auto [left, right] = pair;
    const bool same = left != nullptr && right != nullptr && left->valid == right->valid &&
                      ValueWithUnit(*left) == ValueWithUnit(*right);
    if (!same) differences.push_back({(left != nullptr ? left : right)->keyword, left, right});
  }
  return differences;
}

std::wstring ScriptValue(std::wstring_view keyword, std::wstring value) {
  const int slot = SlotOfKeyword(std::wstring(keyword));
  const KeywordRow* row = slot >= 0 ? KeywordRowOf(slot) : nullptr;
  const Parse parse = row != nullptr ? row->parse : Parse::Text;
  if (parse == Parse::Text) return value;
  if (parse == Parse::DotPosition) {
    // dump prints the number first ("12 DOT"); the line has DOT in front.
    if (value.starts_with(L"DOT ")) return L"DOT\t" + value.substr(4);
    if (value.ends_with(L" DOT")) return L"DOT\t" + value.substr(0, value.size() - 4);
    return value;
  }
  if (parse == Parse::Ipv4) std::replace(value.begin(), value.end(), L'.', L',');
  const std::size_t space = value.rfind(L' ');
  if (space != std::wstring::npos && IsUnitWord(value.substr(space + 1))) value[space] = L'\t';
  return value;
}

std::wstring ValueWithUnit(const SettingView& view) {
  return view.unit.empty() ? view.value : view.value + L" " + view.unit;
}

std::wstring ReadableLines(const std::vector<SettingView>& views) {
  std::size_t width = 0;
  for (const SettingView& view : views) width = std::max(width, view.keyword.size());
  std::wstring lines;
  for (const SettingView& view : views) {
    lines += view.keyword;
    lines.append(width - view.keyword.size() + 2, L' ');
    lines += ValueWithUnit(view);
    if (!view.valid) lines += L"  (rejected)";
    lines += L"\n";
  }
  return lines;
}

std::wstring AcceptedValues(int slot, PrinterModel model) {
  if (const WordRow* row = WordRowOf(slot)) {
    std::wstring words;
    for (const Word& word : row->words) {
      if (word.text.empty()) break;
      const int choice = model == PrinterModel::Vx135Zkq ? word.choiceSecondModel : word.choiceFirstModel;
      if (choice == kRejected) continue;
      if (!words.empty()) words += L", ";
      words += Widen(word.text);
    }
    return L"one of " + words;
  }
  const KeywordRow* row = KeywordRowOf(slot);
  if (row == nullptr) return L"what the printer lists";
  const std::wstring unit = Trimmed(kSlotCatalogue[static_cast<std::size_t>(slot)].unitSuffix);
  switch (row->parse) {
    case Parse::Whole: return L"a whole number " + RangeText(row->range, 0, unit == L"DOT" ? L"" : unit);
    case Parse::OneDecimal: return L"a number " + RangeText(row->range, 1, unit);
    case Parse::Length:
      if (row->output == listing::Output::OneDecimal) return L"a level " + RangeText(row->range, 1, L"V");
      return L"a length " + LengthText(row->range, row->second);
    case Parse::PaperPosition:
      return L"a length " + LengthText(kPaperPositionCentred.millimetres, kPaperPositionCentred.inches) +
             L" (from the centre), or " +
             LengthText(kPaperPositionFromEdge.millimetres, kPaperPositionFromEdge.inches) +
             L" when FUNCTION SELECT is OFF";
    case Parse::Level: return L"a level " + RangeText(row->range, 2, L"V");
    case Parse::DotPosition:
    case Parse::DotWidth:
      return L"a whole number of dots " + RangeText(row->range, 0, L"") + L" (203 dpi) or " +
             RangeText(row->second, 0, L"") + L" (300 dpi)";
    case Parse::OnOff: return L"one of ON, OFF";
    case Parse::SymbolSet: return L"a two-character symbol set code such as US or UK";
    case Parse::Counter: return L"a whole number " + RangeText(row->range, 0, L"");
    case Parse::Power: return L"a whole number " + RangeText(row->range, 0, L"") + L", DBM after it if at all";
    case Parse::Ipv4: return L"four numbers from 0 to 255 separated by commas (192,168,0,1)";
    case Parse::Ipv6: return L"sixteen bytes in hexadecimal separated by colons";
    case Parse::Text:
      return L"a text of " + std::to_wstring(row->range.low) + L" to " + std::to_wstring(row->range.high) +
             (row->text == TextRule::AnyCharacter ? L" characters" : L" printable ASCII characters") +
             (row->text == TextRule::PairingText ? L", no comma, not starting with a space or a double quote" : L"");
  }
  return {};
}

std::wstring JsonString(std::wstring_view text) {
  std::wstring json = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"': json += L"\\\""; break;
      case L'\\': json += L"\\\\"; break;
      case L'\n': json += L"\\n"; break;
      case L'\r': json += L"\\r"; break;
      case L'\t': json += L"\\t"; break;
      default:
        if (c < 0x20) {
          wchar_t escape[8];
          std::swprintf(escape, 8, L"\\u%04x", static_cast<unsigned>(c));
          json += escape;
        } else {
          json += c;
        }
    }
  }
  return json + L"\"";
}

std::wstring JsonSetting(const SettingView& view) {
  std::wstring json = L"{\"keyword\":" + JsonString(view.keyword) + L",\"value\":" + JsonString(view.value) +
                      L",\"unit\":" + JsonString(view.unit) + L",\"valid\":" + (view.valid ? L"true" : L"false");
  if (view.line > 0) json += L",\"line\":" + std::to_wstring(view.line);
  return json + L"}";
}

std::wstring JsonSettings(const std::vector<SettingView>& views) {
  std::wstring json = L"[";
  for (std::size_t i = 0; i < views.size(); ++i) {
    if (i > 0) json += L",";
    json += JsonSetting(views[i]);
  }
  return json + L"]";
}

}  // namespace vostrel::cli

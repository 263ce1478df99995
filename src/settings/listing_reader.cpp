#include "settings/listing_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/ansi_text.h"
#include "settings/listing_keyword_table.h"
#include "settings/listing_line.h"
#include "settings/listing_values.h"
#include "settings/listing_word_table.h"

namespace vostrel {
namespace {

using namespace listing;

// ----- Checks on the tables, at compile time. -----

constexpr bool EveryRowHasSlotBut(const auto& rows, const auto& slots,
                                  std::initializer_list<std::wstring_view> without) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool exempt = std::find(without.begin(), without.end(), rows[i].keyword) != without.end();
    if ((slots[i] < 0) != exempt) return false;
  }
  return true;
}
static_assert(EveryRowHasSlotBut(kWordRows, kWordRowSlots, {L"DOUBLE HEAT MENU"}));
static_assert(EveryRowHasSlotBut(kKeywordRows, kKeywordRowSlots,
                                 {L"FIX REFLECT SENSOR", L"FIX REFLECT SENSOR POSITION"}));
static_assert(std::ranges::none_of(kAliasTargets, [](int t) { return t < 0; }));
static_assert(kFunctionSelectRow >= 0);

constexpr bool TextsFitImage() {
  for (const KeywordRow& row : kKeywordRows) {
    if (row.parse == Parse::Text && (row.range.high < 0 || static_cast<std::size_t>(row.range.high) > kMaxTextBytes)) {
      return false;
    }
  }
  return true;
}
static_assert(TextsFitImage());

constexpr bool WordsFitRows() {
  for (const WordRow& row : kWordRows) {
    for (const Word& word : row.words) {
      if (word.text.size() > kMaxLineChars) return false;
    }
  }
  return true;
}
static_assert(WordsFitRows());

// A line is offered to the tables in turn; each keyword stands in one row only.
constexpr bool KeywordsUnique() {
  std::array<std::wstring_view, kWordRowCount + kKeywordRowCount + kRfidRows.size() + kAliasRows.size()> all{};
  std::size_t n = 0;
  for (const auto& row : kWordRows) all[n++] = row.keyword;
  for (const auto& row : kKeywordRows) all[n++] = row.keyword;
  for (const auto& row : kRfidRows) all[n++] = row.keyword;
  for (const auto& row : kAliasRows) all[n++] = row.keyword;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (all[i] == all[j]) return false;
    }
  }
  return true;
}
static_assert(KeywordsUnique());

// ----- The reader's state for one read: fixed-size, nothing per line. -----

// The narrow text, with its terminating NUL.
constexpr std::size_t kNarrowBufferBytes = 8192;

struct Marks {
  std::int32_t seen = 0;
  std::int32_t error = 0;
  std::int32_t unitFlag = 0;
};

struct Reader {
  Reader(SettingsStore& s, ListingMode m) : store(s), mode(m) {}

  SettingsStore& store;
  ListingMode mode;
  std::array<char, kNarrowBufferBytes> narrow{};
  LineRecord line;
  std::array<std::uint8_t, kWordRowCount> wordImage{};
  std::array<ImageField, kKeywordRowCount> image{};
  std::array<Marks, kWordRowCount> wordMarks{};
  std::array<Marks, kKeywordRowCount> keywordMarks{};
  std::array<Marks, kAliasRows.size()> aliasMarks{};
};

// ----- Filling the narrow buffer. -----

// Copies the text, up to its first NUL, into the buffer. A text too long for
// it is cut after the last line end that fits, so that no line is read cut.
std::size_t FillNarrow(std::array<char, kNarrowBufferBytes>& buffer, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  if (text.size() >= buffer.size()) {
    text = text.substr(0, buffer.size() - 1);
    const std::size_t end = text.find_last_of("\r\n");
    text = text.substr(0, end == std::string_view::npos ? 0 : end + 1);
  }
  std::memcpy(buffer.data(), text.data(), text.size());
  return text.size();
}

// ----- The four tables, offered a line in turn. -----

bool OfferToWordTable(Reader& reader) {
  const std::string_view keyword = reader.line.Upper(1);
  for (std::size_t i = 0; i < kWordRows.size(); ++i) {
    if (!SameKeyword(keyword, kWordRows[i].keyword)) continue;
    reader.wordMarks[i].seen = 1;
    const std::string_view value = reader.line.Upper(2);
    for (const Word& word : kWordRows[i].words) {
      if (word.text.empty()) break;
      if (SameUpper(value, word.text)) {
        reader.wordImage[i] = word.number;
        return true;
      }
    }
    reader.wordMarks[i].error = 1;
    return false;  // no other table has the keyword
  }
  return false;
}

void ApplyParsed(Reader& reader, std::size_t imageRow, Marks& marks) {
  marks.seen = 1;
  ValueContext context;
  context.functionSelect = reader.wordImage[kFunctionSelectRow];
  // Read mode allows the 300 dpi range; check mode follows the density the
  // Advanced page chose for the entry.
  const int slot = kKeywordRowSlots[imageRow];
  context.allow300Dpi = reader.mode == ListingMode::Read ||
                        (slot >= 0 && reader.store.slots[static_cast<std::size_t>(slot)].unitIndex != 0);
  ImageField parsed = reader.image[imageRow];
  const Parsed result = ParseValue(kKeywordRows[imageRow], reader.line, context, parsed);
  if (!result.accepted) {
    marks.error = 1;
    return;
  }
  reader.image[imageRow] = parsed;
  if (result.unit == kUnitMillimetres || result.unit == kUnitDots300) marks.unitFlag = 1;
  if (result.unit == kUnitInches || result.unit == kUnitDots203) marks.unitFlag = 0;
}

bool OfferToKeywordTable(Reader& reader) {
  const std::string_view keyword = reader.line.Upper(1);
  for (std::size_t i = 0; i < kKeywordRows.size(); ++i) {
    if (!SameKeyword(keyword, kKeywordRows[i].keyword)) continue;
    ApplyParsed(reader, i, reader.keywordMarks[i]);
    return true;
  }
  return false;
}

std::wstring TextToWide(std::string_view text);

bool OfferToRfidTable(Reader& reader) {
  const LineRecord& line = reader.line;
  for (const RfidRow& row : kRfidRows) {
    if (!SameKeyword(line.Upper(1), row.keyword)) continue;
    std::string text(line.Upper(2));
    if (row.text == RfidText::UpperSecondSpaceUpper3) text.append(" ").append(line.Upper(3));
    if (row.text == RfidText::SecondAsWritten) text.assign(line.Field(2));
    reader.store.Entry(row.entry).value = TextToWide(text);
    return true;
  }
  return false;
}

bool OfferToAliasTable(Reader& reader) {
  for (std::size_t i = 0; i < kAliasRows.size(); ++i) {
    if (!SameKeyword(reader.line.Upper(1), kAliasRows[i].keyword)) continue;
    ApplyParsed(reader, static_cast<std::size_t>(kAliasTargets[i]), reader.aliasMarks[i]);
    return true;
  }
  return false;
}

// ----- Converting the image into the slots. -----

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// A text as read back into the program: ASCII stands for itself in the code
// page, anything else goes through the conversion.
std::wstring TextToWide(std::string_view text) {
  const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
  return ascii ? Widen(text) : AnsiToWide(text);
}

// An integer count of tenths or hundredths as "%.1f" or "%.2f" would print
// the quotient (exact, so no rounding question arises).
std::wstring FormatScaled(std::int32_t value, int decimals) {
  const std::int64_t scale = decimals == 1 ? 10 : 100;
  const std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%0*lld", value < 0 ? "-" : "", static_cast<long long>(magnitude / scale),
                decimals, static_cast<long long>(magnitude % scale));
  return Widen(text);
}

std::wstring FormatWhole(std::int32_t value) { return Widen(std::to_string(value)); }

std::wstring FormatIpv4(const ImageField& field) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", field.bytes[0], field.bytes[1], field.bytes[2], field.bytes[3]);
  return Widen(text);
}

std::wstring FormatIpv6(const ImageField& field) {
  std::string text;
  for (std::size_t i = 0; i < 16; i += 2) {
    char group[8];
    std::snprintf(group, sizeof group, "%s%02x%02x", i == 0 ? "" : ":", field.bytes[i], field.bytes[i + 1]);
    text += group;
  }
  return Widen(text);
}

// Steps 2 and 3 of a row's conversion; false when the row stops there.
bool MarkInvalid(SettingItem& item, std::int32_t error, ListingMode mode) {
  if (item.invalid == 0) item.invalid = error;
  return !(error == 1 && mode == ListingMode::Check);
}

void ConvertWordRows(Reader& reader) {
  const bool secondModel = reader.store.modelIndex == PrinterModel::Vx135Zkq;
  for (std::size_t i = 0; i < kWordRows.size(); ++i) {
    const int slot = kWordRowSlots[i];
    if (reader.wordMarks[i].seen != 1 || slot < 0) continue;
    const WordRow& row = kWordRows[i];
    SettingItem& item = reader.store.slots[static_cast<std::size_t>(slot)];

    std::int32_t error = reader.wordMarks[i].error;
    int choice = kRejected;
    if (error == 0) {
      for (const Word& word : row.words) {
        if (!word.text.empty() && word.number == reader.wordImage[i]) {
          choice = secondModel ? word.choiceSecondModel : word.choiceFirstModel;
          break;
        }
      }
      if (choice == kRejected) error = 1;
    }
    if (row.fillsUnselectedSlotOnly && (error == 1 || choice == kLeaveSlot || item.selected == 1)) continue;
    if (!MarkInvalid(item, error, reader.mode)) continue;
    if (reader.mode == ListingMode::Read) {
      item.choice = error == 1 ? 0 : choice;
      item.selected = 1;
    }
  }
}

void ConvertKeywordRow(Reader& reader, std::size_t rowIndex, const Marks& marks) {
  const int slot = kKeywordRowSlots[rowIndex];
  if (marks.seen != 1 || slot < 0) return;
  const KeywordRow& row = kKeywordRows[rowIndex];
  SettingItem& item = reader.store.slots[static_cast<std::size_t>(slot)];
  if (!MarkInvalid(item, marks.error, reader.mode)) return;

  const bool read = reader.mode == ListingMode::Read;
  const bool rejected = marks.error == 1;
  const ImageField zero{};
  const ImageField& field = rejected ? zero : reader.image[rowIndex];
  switch (row.output) {
    case Output::None: break;
    case Output::Whole: item.value = FormatWhole(field.number); break;
    case Output::OneDecimal: item.value = FormatScaled(field.number, 1); break;
    case Output::Level: item.value = FormatScaled(field.number / 10, 2); break;
    case Output::Length:
      item.unitIndex = marks.unitFlag;
      item.value = FormatScaled(field.number, marks.unitFlag == 1 ? 1 : 2);
      break;
    case Output::DotPosition:
      item.value = FormatWhole(field.number);
      if (read) item.unitIndex = marks.unitFlag;
      break;
    case Output::Ipv4:
      if (read) item.value = rejected ? std::wstring() : FormatIpv4(field);
      break;
    case Output::Ipv6:
      if (read) item.value = rejected ? std::wstring() : FormatIpv6(field);
      break;
    case Output::Text:
      if (read) item.value = TextToWide(std::string_view(field.text.data(), field.textLength));
      break;
    case Output::Choice: item.choice = field.number; break;
  }
  if (read) item.selected = 1;
}

}  // namespace

void ReadListing(SettingsStore& store, ListingMode mode) {
  Reader reader(store, mode);
  reader.wordImage[kFunctionSelectRow] = kFunctionSelectUnknown;
  const std::string narrowText = WideToAnsi(store.textBuffer);
  const std::size_t length = FillNarrow(reader.narrow, narrowText);

  LineCursor lines(std::string_view(reader.narrow.data(), length));
  if (mode == ListingMode::Read) {
    // The two command lines in front of a listing or a settings file.
    lines.Next();
    lines.Next();
  }
  for (;;) {
    const std::string_view text = lines.Next();
    if (text.empty() || text == "END" || text == "EXIT") break;
    reader.line.Assign(text);
    if (reader.line.FieldCount() == 0) break;
    if (OfferToWordTable(reader) || OfferToKeywordTable(reader) || OfferToRfidTable(reader)) continue;
    OfferToAliasTable(reader);
  }

  ConvertWordRows(reader);
  for (std::size_t i = 0; i < kKeywordRows.size(); ++i) ConvertKeywordRow(reader, i, reader.keywordMarks[i]);
  for (std::size_t i = 0; i < kAliasRows.size(); ++i) {
    ConvertKeywordRow(reader, static_cast<std::size_t>(kAliasTargets[i]), reader.aliasMarks[i]);
  }
}

}  // namespace vostrel

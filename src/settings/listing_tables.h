#pragma once
// The row types of the listing reader's tables and the small tables that go
// with them: symbol set codes, aliases and the RFID calibration rows. The
// word rows and the keyword rows have files of their own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/catalogue.h"

namespace vostrel::listing {

// ----- Word rows: a keyword and the words its value may be. -----

// Choice values that are not list indexes.
inline constexpr std::int8_t kRejected = -1;   // the word is known but marks the setting invalid
inline constexpr std::int8_t kLeaveSlot = -2;  // the word leaves the slot as it is

struct Word {
  std::string_view text;  // compared upper-cased
  std::uint8_t number = 0;
  // The choice index the word gives, by model index (the second model, and
  // the first for every other index).
  std::int8_t choiceFirstModel = 0;
  std::int8_t choiceSecondModel = 0;
};

constexpr Word W(std::string_view text, int number) {
  return {text, static_cast<std::uint8_t>(number), static_cast<std::int8_t>(number), static_cast<std::int8_t>(number)};
}
constexpr Word W(std::string_view text, int number, int choice) {
  return {text, static_cast<std::uint8_t>(number), static_cast<std::int8_t>(choice), static_cast<std::int8_t>(choice)};
}
constexpr Word W(std::string_view text, int number, int choiceFirstModel, int choiceSecondModel) {
  return {text, static_cast<std::uint8_t>(number), static_cast<std::int8_t>(choiceFirstModel),
          static_cast<std::int8_t>(choiceSecondModel)};
}

inline constexpr std::size_t kMaxWordsPerRow = 10;

struct WordRow {
  std::wstring_view keyword;
  std::array<Word, kMaxWordsPerRow> words{};  // ends at the first empty text
  // The row writes its slot only while no other line has selected it (a
  // fallback for a setting that has a row of its own).
  bool fillsUnselectedSlotOnly = false;
};

// ----- Keyword rows: a keyword and the parser of its value. -----

enum class Parse : std::uint8_t {
  Whole,          // whole number in `range`
  OneDecimal,     // one decimal, in tenths, in `range`
  Length,         // field 3 the unit: "MM" in `range` (tenths), "INCH" in `second` (hundredths),
                  // "V" or "DOTS" one decimal in `second`
  Level,          // field 3 "V": two decimals in `range`; kept in millivolts
  DotPosition,    // field 2 "DOT", field 3 whole: `range` at 203 dpi, `second` at 300 dpi when allowed
  DotWidth,       // as DotPosition, the number in field 2
  OnOff,          // "ON" 1, "OFF" 0
  SymbolSet,      // a two-character symbol set code
  Counter,        // digits and spaces, in `range`
  Power,          // whole number in `range`, an optional " DBM" after it
  Ipv4,           // exactly 5 fields, four octets
  Ipv6,           // exactly 17 fields, sixteen octets
  Text,           // field 2, its length in `range`, characters by `text`
  PaperPosition,  // a length whose range follows FUNCTION SELECT
};

// What the conversion writes into the slot.
enum class Output : std::uint8_t {
  None,         // no slot: read and checked only
  Whole,        // value "%d"
  OneDecimal,   // value "%.1f" of tenths
  Level,        // value "%.2f" of volts
  Length,       // unit index and value in millimetres or inches
  DotPosition,  // value "%d"; unit index in read mode
  Ipv4,         // value "a.b.c.d", read mode only
  Ipv6,         // value in eight hex groups, read mode only
  Text,         // value, read mode only
  Choice,       // choice (ON/OFF and symbol set codes)
};

enum class TextRule : std::uint8_t {
  Printable,       // 0x20 to 0x7E
  PrintableUpper,  // the same, taken upper-cased
  AnyCharacter,
  PairingText,  // printable, no comma, not starting with a space or a double quote
};

struct Range {
  std::int32_t low = 0;
  std::int32_t high = 0;
  constexpr bool Holds(std::int32_t v) const { return v >= low && v <= high; }
};

struct KeywordRow {
  std::wstring_view keyword;
  Parse parse = Parse::Whole;
  Output output = Output::None;
  Range range{};   // numbers; millimetres in tenths; dots at 203 dpi; text length
  Range second{};  // inches in hundredths (and lengths in V or DOTS); dots at 300 dpi
  TextRule text = TextRule::Printable;
};

// Units that a parser names; they set a row's unit flag.
enum UnitCode : int {
  kUnitNone = -1,
  kUnitMillimetres = 0,
  kUnitInches = 1,
  kUnitVolts = 10,
  kUnitDots203 = 11,
  kUnitDots300 = 12,
};

// PAPER POSITION's ranges (millimetres in tenths, inches in hundredths).
struct LengthRanges {
  Range millimetres;
  Range inches;
};
inline constexpr LengthRanges kPaperPositionFromEdge{{0, 508}, {0, 200}};       // FUNCTION SELECT OFF
inline constexpr LengthRanges kPaperPositionCentred{{-254, 254}, {-100, 100}};  // TEAR, PEEL ON, CUT ON
inline constexpr std::uint8_t kFunctionSelectUnknown = 255;

// The longest text a keyword row keeps.
inline constexpr std::size_t kMaxTextBytes = 64;

// ----- Aliases: other keywords for a keyword row's setting. -----

struct AliasRow {
  std::wstring_view keyword;
  std::wstring_view target;  // the keyword row whose parser, image field and slot it uses
};

inline constexpr std::array<AliasRow, 7> kAliasRows = {{
    {L"RFID CALIB Y POSITION", L"RFID CALIB BASE POSITION"},
    {L"RFID Y POSITION", L"RFID FIXED POSITION"},
    {L"RFID WRITE POWER", L"RFID FIXED POWER"},
    {L"RFID NGMARK POSITION", L"RFID NG MARK POSITION"},
    {L"RFID NGMARK WIDTH", L"RFID NG MARK WIDTH"},
    {L"RFID NGMARK HEIGHT", L"RFID NG MARK HEIGHT"},
    {L"RFID NGMARK THICKNESS", L"RFID NG MARK THICKNESS"},
}};

// ----- RFID calibration rows: copied into their entry as the line is read. -----

enum class RfidText : std::uint8_t {
  UpperSecond,             // field 2 upper-cased
  UpperSecondSpaceUpper3,  // field 2, a space, field 3, upper-cased
  SecondAsWritten,         // field 2 as written
};

struct RfidRow {
  std::wstring_view keyword;
  int entry;
  RfidText text;
};

inline constexpr std::array<RfidRow, 3> kRfidRows = {{
    {L"RFID CALIB EXECUTED", entry::kRfidCalibExecuted, RfidText::UpperSecond},
    {L"RFID CALIB POSITION OFFSET", entry::kRfidCalibPositionOffset, RfidText::UpperSecondSpaceUpper3},
    {L"RFID CALIB POWER", entry::kRfidCalibPower, RfidText::SecondAsWritten},
}};

// ----- Symbol set codes, numbered from 0, matched as written. -----

// clang-format off
inline constexpr std::array<std::string_view, 88> kSymbolSetCodes = {
    "CP", "CU", "DN", "DT", "E1", "E2", "E5", "E6", "E7", "E9", "EH", "ER", "FR", "GR", "H0", "H8", "IT", "LG",
    "M8", "MC", "MS", "P9", "PB", "PC", "PD", "PE", "PG", "PH", "PI", "PM", "PR", "PT", "PU", "PV", "PY", "R8",
    "R9", "SP", "SW", "SY", "TS", "UK", "US", "VI", "VM", "VU", "W1", "WD", "WE", "WG", "WH", "WL", "WO", "WR",
    "WT", "u1", "EU", "GB", "JS", "SJ", "UC", "KS", "ZA", "ZB", "ZC", "ZD", "ZE", "ZF", "ZG", "ZH", "ZI", "ZJ",
    "ZK", "ZL", "ZM", "ZN", "ZO", "ZP", "ZQ", "ZR", "ZS", "ZT", "ZU", "ZV", "ZW", "ZX", "ZY", "ZZ",
};
// clang-format on

// ----- Helpers shared by the tables and the reader. -----

// A narrow field against a table keyword (both ASCII).
constexpr bool SameKeyword(std::string_view field, std::wstring_view keyword) {
  if (field.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (static_cast<unsigned char>(field[i]) != static_cast<std::uint32_t>(keyword[i])) return false;
  }
  return true;
}

template <typename Row, std::size_t N>
constexpr int FindRow(const std::array<Row, N>& rows, std::wstring_view keyword) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].keyword == keyword) return static_cast<int>(i);
  }
  return -1;
}

// The catalogue slot of each row, worked out once at compile time.
template <typename Row, std::size_t N>
constexpr std::array<std::int16_t, N> SlotsOf(const std::array<Row, N>& rows) {
  std::array<std::int16_t, N> slots{};
  for (std::size_t i = 0; i < N; ++i) slots[i] = static_cast<std::int16_t>(FindReadSlot(rows[i].keyword));
  return slots;
}

}  // namespace vostrel::listing

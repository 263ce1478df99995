#pragma once
// The simulated printer's own table of settings: every keyword it lists and
// accepts, the form and range of its value, the unit word it writes after the
// value and its factory value per model. One generic engine (sim_values,
// sim_printer) walks the rows; a row that needs special handling carries a flag.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vostrel::sim {

enum class Model : std::uint8_t { Vx120 = 0, Vx135 = 1 };
inline constexpr std::size_t kModelCount = 2;

enum class ValueKind : std::uint8_t {
  Word,         // one word of the row's list ("4 IPS")
  Whole,        // whole number in lo..hi
  Tenths,       // number with one decimal, lo..hi in tenths
  Hundredths,   // number with two decimals (volt levels), lo..hi in hundredths
  Length,       // number and "MM" (tenths, lo..hi) or "INCH" (hundredths, loInch..hiInch)
  DotPosition,  // "DOT" and a whole number 1..hi (per model)
  Counter,      // digits only, lo..hi (32 bits)
  OnOff,        // "ON" or "OFF"
  SymbolSet,    // one of the two-letter symbol set codes, as written
  Power,        // whole number lo..hi, written with " DBM" after it
  Ipv4,         // four bytes as decimal numbers separated by commas
  Ipv6,         // sixteen bytes as decimal numbers separated by commas
  Text,         // a text of lo..hi characters
  Raw,          // the rest of the line as it stands (calibration results)
};

// Which listing section a row belongs to; the optional ones are listed only
// when the printer was started with the matching hardware option.
enum class Group : std::uint8_t { Base, Wlan, Bluetooth, Rfid };

namespace row_flag {
inline constexpr std::uint16_t kNotListed = 1 << 0;        // accepted in scripts, never listed
inline constexpr std::uint16_t kUpperCase = 1 << 1;        // text kept upper-cased
inline constexpr std::uint16_t kAnyCharacter = 1 << 2;     // text may hold any character
inline constexpr std::uint16_t kNoCommaNoLead = 1 << 3;    // text: no comma, no leading space or double quote
inline constexpr std::uint16_t kEmulationLine = 1 << 4;    // the MACHINE EMULATION CODE line
inline constexpr std::uint16_t kRangeByFunction = 1 << 5;  // length range follows FUNCTION SELECT
inline constexpr std::uint16_t kSectionHead = 1 << 6;      // first line of its optional section
}  // namespace row_flag

struct SettingRow {
  std::string_view keyword;
  ValueKind kind;
  Group group = Group::Base;
  std::string_view words{};  // Word rows: the words, separated by '|'
  // Word rows: bit i set when word i is accepted, per model; 0 accepts all.
  std::uint32_t wordMask[kModelCount]{};
  std::int32_t lo = 0;
  std::int32_t hi[kModelCount]{};  // upper bound per model
  std::int32_t loInch = 0;
  std::int32_t hiInch = 0;
  std::string_view unit{};                  // written after a TAB behind the value
  std::string_view initial[kModelCount]{};  // factory value, in script form
  std::uint16_t flags = 0;
};

std::span<const SettingRow> SettingRows();

// The row index of `keyword` (upper case as the printer writes it), or -1.
int FindRow(std::string_view keyword);

// The two-letter symbol set codes the printer knows.
std::span<const std::string_view> SymbolSetCodes();

}  // namespace vostrel::sim

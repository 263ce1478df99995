#pragma once
// Readers of the printer's short replies: the information reply (serial
// number and counters), the RFID calibration values and RFID section of a
// listing, the result of a sensor adjustment and the emulation code of a
// standard listing. Each takes a few facts out of a reply text held in the
// store.
//
// All of them read the same prepared text: the reply converted to the ANSI
// code page in a zeroed 8192-byte buffer, followed by LF "END" CR LF, so that
// a line "END" always ends the reading. Lines are cut at 99 characters (the
// rest is read as the next line) and end with CR LF, LF or CR; empty lines
// are skipped. A reply that would not leave room for the closing line is read
// up to its last whole line within the room (a line cut by the limit is not
// read), and a reply is read up to its first NUL character.

#include <array>
#include <cstddef>
#include <string_view>

#include "settings/settings_store.h"

namespace vostrel {

// The printer's command language, from the "MACHINE EMULATION CODE" line of
// its standard listing; selects the self-test and sample-print commands.
enum class EmulationCode : int {
  Unknown = 0,  // no such line, or a code other than the three
  CodeZebra = 1,
  CodeEpl = 2,
  CodeTelmaro = 3,
};

inline constexpr std::size_t kReplyTextBufferSize = 8192;
inline constexpr std::string_view kReplyClosingLine = "\nEND\r\n";
// The most reply bytes the buffer takes besides the closing line and the NUL.
inline constexpr std::size_t kMaxReplyBytes = kReplyTextBufferSize - kReplyClosingLine.size() - 1;

inline constexpr std::size_t kReplyLineLimit = 99;
inline constexpr std::size_t kKeyTextSize = 40;  // bytes with the NUL: at most 39 characters
inline constexpr std::size_t kInformationKeyCount = 4;
inline constexpr std::size_t kRfidValueKeyCount = 3;

// One key of the information or RFID value reader: a line that holds `key`
// gives its text field the rest of the line, `skip` characters after the key.
struct KeyTextRow {
  std::string_view key;
  int slot;          // the store slot that gets the text
  std::size_t skip;  // characters after the key that are not part of the text
};

inline constexpr std::array<KeyTextRow, kInformationKeyCount> kInformationKeys = {{
    {"Serial Number : ", kInfoSerialNumberSlot, 0},
    {"Print Counter Length ", kInfoPrintCounterSlot, 0},
    {"Service Counter Length ", kInfoServiceCounterSlot, 0},
    {"Cut Counter ", kInfoCutCounterSlot, 0},
}};

// The separator after an RFID key is "\t:\t" or " : ", three characters.
inline constexpr std::array<KeyTextRow, kRfidValueKeyCount> kRfidValueKeys = {{
    {"RFID CALIB EXECUTED", entry::kRfidCalibExecuted, 3},
    {"RFID CALIB POSITION OFFSET", entry::kRfidCalibPositionOffset, 3},
    {"RFID CALIB POWER", entry::kRfidCalibPower, 3},
}};

// A NUL-terminated narrow text of at most kKeyTextSize - 1 bytes; a longer
// text is cut.
using KeyText = std::array<char, kKeyTextSize>;

// The key texts of the information and RFID value readers. They outlive the
// calls (the application keeps one for the whole run): a reply that lacks a
// key gives the slot the text of the last reply that carried it.
struct ReplyKeyTexts {
  std::array<KeyText, kInformationKeyCount> information{};
  std::array<KeyText, kRfidValueKeyCount> rfid{};
};

// Reads store.textBuffer; fills the four information slots (value and
// selected 1), from this reply where it carries their keys and from `texts`
// otherwise.
void ReadInformation(SettingsStore& store, ReplyKeyTexts& texts);

// Reads store.textBuffer; fills the slots of script entries 83 to 85 the same
// way.
void ReadRfidValues(SettingsStore& store, ReplyKeyTexts& texts);

// Reads store.rfidCheckText: true when a line holds "RFID SETTINGS".
bool HasRfidSection(const SettingsStore& store);

// Reads store.textBuffer, the reply to a sensor adjustment, into the
// calibrationResult slot. Returns true when the reply holds a line (with
// fields) other than the result line.
bool ReadCalibrationResult(SettingsStore& store);

// Reads store.emulationReply: the code of the first line holding
// "MACHINE EMULATION CODE".
EmulationCode ReadEmulationCode(const SettingsStore& store);

}  // namespace vostrel

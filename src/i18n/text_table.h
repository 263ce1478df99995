#pragma once
// The built-in text table: every text the program shows, in four languages.
//
// Five blocks of rows; a row holds one cell per Language, in Language order.
// A cell is a NUL-terminated wide text in a fixed slot: short cells hold 32
// units, long cells 512 (the terminator included). Texts are addressed by a
// TextId (block and row), a TextRange (consecutive rows of one block) or a
// TextEntry (the caption, choice and unit ranges of one control); the entry
// lists are in i18n/text_entries.h.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace vostrel {

enum class TextBlock : std::int32_t {
  LabelTexts = 0,      // captions, choices, counter labels
  GuideTexts = 1,      // calibration guidance and calibration messages
  PrintPageTexts = 2,  // captions of the Print page
  ValueWords = 3,      // "MM", "OFF", "ON"
  MessageTexts = 4,    // numbered messages, questions, the file filter
  StatusTexts = 5,     // the main window's status strip (StatusText names its rows)
};

inline constexpr int kTextBlockCount = 6;
inline constexpr int kShortCellUnits = 32;
inline constexpr int kLongCellUnits = 512;

struct TextId {
  TextBlock block = TextBlock::LabelTexts;
  std::int32_t row = 0;
};

// The rows of the StatusTexts block, by name. "%1", "%2", "%3" stand for the
// values FillText puts in.
enum class StatusText : std::int32_t {
  kQueueLink,             // %1 the queue, %2 its port
  kQueueLinkWithoutPort,  // %1 the queue
  kNoLink,
  kReady,
  kWorking,
  kConnecting,  // %1 the link
  kTalking,
  kPause,                // %1 seconds left
  kRfidRunning,          // %1 the time passed
  kMinutesAndSeconds,    // %1 minutes, %2 seconds
  kSeconds,              // %1 seconds
  kSent,                 // %1 settings, %2 the link, %3 the time of day
  kReceived,             // %1 settings, %2 the time of day
  kInformationReceived,  // %1 the time of day
  kImported,             // %1 settings, %2 the file
  kExported,             // %1 the file
  kSelfTestSent,
  kSampleSent,
  kFileSent,  // %1 the file
  kSensorAdjusted,
  kSensorNotAdjusted,
  kRfidCalibrated,
  kRfidNotCalibrated,
  kNoRfid,
  kFailed,  // %1 the code, %2 its message
  kCancelled,
  kCancelButton,
  kInformationHint,
  kCount,
};
inline constexpr int kStatusTextCount = static_cast<int>(StatusText::kCount);

constexpr TextId StatusTextId(StatusText row) { return {TextBlock::StatusTexts, static_cast<std::int32_t>(row)}; }

// Rows first.row .. first.row + count - 1 of first.block; count 0: no rows.
struct TextRange {
  std::int32_t count = 0;
  TextId first;
};

struct TextEntry {
  TextRange caption;
  TextRange choices;
  TextRange units;
};

constexpr int BlockRowCount(TextBlock block) {
  switch (block) {
    case TextBlock::LabelTexts: return 131;
    case TextBlock::GuideTexts: return 21;
    case TextBlock::PrintPageTexts: return 5;
    case TextBlock::ValueWords: return 3;
    case TextBlock::MessageTexts: return 18;
    case TextBlock::StatusTexts: return kStatusTextCount;
  }
  return 0;
}

constexpr int BlockCellUnits(TextBlock block) {
  return block == TextBlock::GuideTexts || block == TextBlock::MessageTexts || block == TextBlock::StatusTexts
             ? kLongCellUnits
             : kShortCellUnits;
}

constexpr bool RowExists(TextId id) { return id.row >= 0 && id.row < BlockRowCount(id.block); }

// The cell of a row in the given language. The text lives as long as the
// process; a row outside its block gives an empty text.
const wchar_t* CellText(TextId id, Language language);

// The cell of a row in the current language.
const wchar_t* GetText(TextId id);
const wchar_t* GetText(StatusText row);

// `text` with "%1", "%2" and "%3" replaced by the values in that order; a
// mark without a value is left out.
std::wstring FillText(std::wstring_view text, std::initializer_list<std::wstring_view> values);
// The cell of row first + index of the range in the current language; an
// index outside 0 .. count - 1 gives an empty text.
const wchar_t* GetText(const TextRange& range, std::int32_t index);

// Turns a text shown in any language back into the English cell of its row:
// each row of the range whose cell in some language equals the text (exactly,
// over the whole text) sets result to its English cell, so the last matching
// row wins. With no rows or no match, result keeps what the caller put there.
void EnglishText(const TextRange& range, std::wstring_view text, std::wstring& result);

}  // namespace vostrel

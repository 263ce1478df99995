#pragma once
// The rows of the text table that the program addresses one by one, by
// name: every row of the message block, and the label rows that no
// control's entry (i18n/text_entries.h) covers; the guide block's rows are
// named in i18n/guide_rows.h. Rows that a control shows are reached through
// its entry instead.

#include <cstdint>

#include "i18n/text_table.h"

namespace vostrel {

// The MessageTexts block, every row.
enum class MessageRow : std::int32_t {
  kImportFailed = 0,      // code 20
  kInvalidData = 1,       // code 21
  kExportFailed = 2,      // code 22
  kRejectedValue = 3,     // code 23
  kNothingSelected = 4,   // code 24
  kLinkNotOpened = 5,     // code 30
  kWriteFailed = 6,       // code 31
  kReadFailed = 7,        // code 32
  kNoInterface = 8,       // code 40
  kSendQuestion = 9,      // "Are you sure to send the configuration?"
  kRestoreQuestion = 10,  // "Are you sure to restore defaults?"
  kAdvancedWarning = 11,  // before the Advanced page first shows
  kExitQuestion = 12,     // "Exit program?"
  kReceiveQuestion = 13,  // "Are you sure to receive the configuration?"
  kPrintQuestion = 14,    // "Are you sure to print out?"
  kFileNotOpened = 15,    // code 80
  kFileNotRead = 16,      // code 81
  kFileFilter = 17,       // the file dialogs' filter (NUL-separated parts)
  kCount
};
static_assert(static_cast<int>(MessageRow::kCount) == BlockRowCount(TextBlock::MessageTexts));

// LabelTexts rows outside every control's entry.
enum class LabelRow : std::int32_t {
  kAbsentPortMark = 130,  // follows a saved port's name that is not there now
};
static_assert(static_cast<int>(LabelRow::kAbsentPortMark) < BlockRowCount(TextBlock::LabelTexts));

constexpr TextId Row(MessageRow row) { return {TextBlock::MessageTexts, static_cast<std::int32_t>(row)}; }
constexpr TextId Row(LabelRow row) { return {TextBlock::LabelTexts, static_cast<std::int32_t>(row)}; }

}  // namespace vostrel

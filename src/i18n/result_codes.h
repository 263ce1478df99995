#pragma once
// The program's numbered codes and the one table that says what each shows:
// the MessageTexts rows of its message and the look of its message box. The
// message boxes (ui) and the command-line companion read the same rows.

#include <cstdint>
#include <optional>
#include <string>

#include "i18n/text_rows.h"

namespace vostrel {

// The codes of the numbered messages; kDone is no message at all.
enum class ResultCode : int {
  kDone = 0,
  kCancelled = -1,        // the user ended a wait of the command: no message either
  kImportFailed = 20,     // a settings file did not open or does not start like one
  kInvalidData = 21,      // has a message, but nothing reports it
  kExportFailed = 22,     // a settings file cannot be written
  kRejectedValue = 23,    // a value was rejected
  kNothingSelected = 24,  // no setting ticked
  kLinkNotOpened = 30,
  kWriteFailed = 31,
  kReadFailed = 32,  // a read failed or brought no usable reply
  kNoInterface = 40,
  kFileNotOpened = 80,  // shows its own message and then the one of 81
  kFileNotRead = 81,
};

// How a numbered message is shown: an OK box with one of two icons.
enum class MessageStyle : std::int32_t { kError, kExclamation };

struct CodeMessage {
  ResultCode code;
  MessageRow row;
  std::optional<MessageRow> secondRow;  // shown in a second box after the first
  MessageStyle style;
};

// The row of a code that shows a message; nullptr for every other code
// (21 and kDone included).
const CodeMessage* FindCodeMessage(ResultCode code);
const CodeMessage* FindCodeMessage(int code);

// The message text of a code in the current language, the second row's text
// after the first one's on a line of its own; empty for a code without one.
std::wstring CodeMessageText(ResultCode code);

}  // namespace vostrel

#include "i18n/result_codes.h"

#include <array>

#include "i18n/text_table.h"

namespace vostrel {
namespace {

constexpr std::array<CodeMessage, 10> kCodeMessages = {{
    {ResultCode::kImportFailed, MessageRow::kImportFailed, std::nullopt, MessageStyle::kError},
    {ResultCode::kExportFailed, MessageRow::kExportFailed, std::nullopt, MessageStyle::kExclamation},
    {ResultCode::kRejectedValue, MessageRow::kRejectedValue, std::nullopt, MessageStyle::kError},
    {ResultCode::kNothingSelected, MessageRow::kNothingSelected, std::nullopt, MessageStyle::kError},
    {ResultCode::kLinkNotOpened, MessageRow::kLinkNotOpened, std::nullopt, MessageStyle::kError},
    {ResultCode::kWriteFailed, MessageRow::kWriteFailed, std::nullopt, MessageStyle::kError},
    {ResultCode::kReadFailed, MessageRow::kReadFailed, std::nullopt, MessageStyle::kError},
    {ResultCode::kNoInterface, MessageRow::kNoInterface, std::nullopt, MessageStyle::kError},
    {ResultCode::kFileNotOpened, MessageRow::kFileNotOpened, MessageRow::kFileNotRead, MessageStyle::kError},
    {ResultCode::kFileNotRead, MessageRow::kFileNotRead, std::nullopt, MessageStyle::kError},
}};

// Every row is a numbered message whose text starts with its own code.
constexpr bool RowsAreMessages() {
  for (const CodeMessage& message : kCodeMessages) {
    if (message.row >= MessageRow::kSendQuestion && message.row < MessageRow::kFileNotOpened) return false;
    if (message.row >= MessageRow::kFileFilter) return false;
  }
  return true;
}
static_assert(RowsAreMessages());

}  // namespace

const CodeMessage* FindCodeMessage(ResultCode code) {
  for (const CodeMessage& message : kCodeMessages) {
    if (message.code == code) return &message;
  }
  return nullptr;
}

const CodeMessage* FindCodeMessage(int code) { return FindCodeMessage(static_cast<ResultCode>(code)); }

std::wstring CodeMessageText(ResultCode code) {
  const CodeMessage* message = FindCodeMessage(code);
  if (message == nullptr) return {};
  std::wstring text = GetText(Row(message->row));
  if (message->secondRow) text.append(L"\r\n").append(GetText(Row(*message->secondRow)));
  return text;
}

}  // namespace vostrel

#include "i18n/result_codes.h"

#include <array>

#include "i18n/text_table.h"

namespace vostrel {
namespace {

constexpr std::array<CodeMessage, 10> kCodeMessages = {{
    {ResultCode::kImportFailed, 0, -1, MessageStyle::kError},
    {ResultCode::kExportFailed, 2, -1, MessageStyle::kExclamation},
    {ResultCode::kRejectedValue, 3, -1, MessageStyle::kError},
    {ResultCode::kNothingSelected, 4, -1, MessageStyle::kError},
    {ResultCode::kLinkNotOpened, 5, -1, MessageStyle::kError},
    {ResultCode::kWriteFailed, 6, -1, MessageStyle::kError},
    {ResultCode::kReadFailed, 7, -1, MessageStyle::kError},
    {ResultCode::kNoInterface, 8, -1, MessageStyle::kError},
    {ResultCode::kFileNotOpened, 15, 16, MessageStyle::kError},
    {ResultCode::kFileNotRead, 16, -1, MessageStyle::kError},
}};

// Every row is a numbered message whose text starts with its own code.
constexpr bool RowsAreMessages() {
  for (const CodeMessage& message : kCodeMessages) {
    if (message.row < 0 || message.row >= kFileFilterRow || message.secondRow >= kFileFilterRow) return false;
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
  std::wstring text = GetText(TextId{TextBlock::MessageTexts, message->row});
  if (message->secondRow >= 0)
    text.append(L"\r\n").append(GetText(TextId{TextBlock::MessageTexts, message->secondRow}));
  return text;
}

}  // namespace vostrel

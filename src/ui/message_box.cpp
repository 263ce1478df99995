#include "ui/message_box.h"

#include <string>

#include "i18n/result_codes.h"
#include "i18n/text_table.h"
#include "platform/module_path.h"

namespace vostrel {
namespace {

UINT BoxStyle(MessageStyle style) {
  return MB_OK | (style == MessageStyle::kExclamation ? MB_ICONEXCLAMATION : MB_ICONERROR);
}

}  // namespace

int ShowTextMessage(std::wstring_view text, UINT style, HWND owner) {
  const std::wstring body(text);
  const std::wstring title = ApplicationName();
  if (owner == nullptr) owner = ::GetActiveWindow();
  return ::MessageBoxW(owner, body.c_str(), title.c_str(), style);
}

int ShowMessage(MessageRow row, UINT style, HWND owner) {
  // The filter row holds NUL-separated parts, not a message: it shows empty.
  const bool shown = row < MessageRow::kFileFilter;
  return ShowTextMessage(shown ? GetText(Row(row)) : L"", style, owner);
}

void ReportCode(int code, HWND owner) {
  const CodeMessage* message = FindCodeMessage(code);
  if (message == nullptr) return;
  ShowMessage(message->row, BoxStyle(message->style), owner);
  if (message->secondRow) ShowMessage(*message->secondRow, BoxStyle(message->style), owner);
}

void ReportCode(ResultCode code, HWND owner) { ReportCode(static_cast<int>(code), owner); }

}  // namespace vostrel

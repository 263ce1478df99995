#include "ui/message_box.h"

#include <string>

#include "i18n/text_table.h"
#include "platform/module_path.h"

namespace vostrel {
namespace {

// The numbered codes and what each shows. A code with a second row shows it
// in a second box after the first is closed.
struct CodeMessage {
  int code;
  std::int32_t row;
  std::int32_t secondRow;  // -1: none
  UINT style;
};

constexpr CodeMessage kCodeMessages[] = {
    {20, 0, -1, MB_OK | MB_ICONERROR},  {22, 2, -1, MB_OK | MB_ICONEXCLAMATION}, {23, 3, -1, MB_OK | MB_ICONERROR},
    {24, 4, -1, MB_OK | MB_ICONERROR},  {30, 5, -1, MB_OK | MB_ICONERROR},       {31, 6, -1, MB_OK | MB_ICONERROR},
    {32, 7, -1, MB_OK | MB_ICONERROR},  {40, 8, -1, MB_OK | MB_ICONERROR},       {80, 15, 16, MB_OK | MB_ICONERROR},
    {81, 16, -1, MB_OK | MB_ICONERROR},
};

}  // namespace

int ShowTextMessage(std::wstring_view text, UINT style, HWND owner) {
  const std::wstring body(text);
  const std::wstring title = ApplicationName();
  if (owner == nullptr) owner = ::GetActiveWindow();
  return ::MessageBoxW(owner, body.c_str(), title.c_str(), style);
}

int ShowMessage(std::int32_t row, UINT style, HWND owner) {
  // The filter row holds NUL-separated parts, not a message: it shows empty.
  const bool shown = static_cast<std::uint32_t>(row) < static_cast<std::uint32_t>(kFileFilterRow);
  return ShowTextMessage(shown ? GetText(TextId{TextBlock::MessageTexts, row}) : L"", style, owner);
}

void ReportCode(int code, HWND owner) {
  for (const CodeMessage& message : kCodeMessages) {
    if (message.code != code) continue;
    ShowMessage(message.row, message.style, owner);
    if (message.secondRow >= 0) ShowMessage(message.secondRow, message.style, owner);
    return;
  }
}

}  // namespace vostrel

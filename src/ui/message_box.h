#pragma once
// The program's message boxes: the numbered messages and questions of the
// text table, titled with the application name.

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "i18n/result_codes.h"

namespace vostrel {

// Shows a text in a modal message box titled with the application name and
// returns the button pressed (IDOK, IDYES, IDNO, ...), or 0 if the box could
// not be shown. owner nullptr: the calling thread's active window, so that the
// box is modal to the dialog that asks.
int ShowTextMessage(std::wstring_view text, UINT style, HWND owner = nullptr);

// Shows a message row in the current language (the file filter, which is no
// message, shows an empty box).
int ShowMessage(MessageRow row, UINT style, HWND owner = nullptr);

// Shows the message of a numbered error code with its style; code 80 shows
// two boxes, one after the other. A code without a message shows nothing.
void ReportCode(int code, HWND owner = nullptr);
void ReportCode(ResultCode code, HWND owner = nullptr);

}  // namespace vostrel

// The yardstick of scripts/time-startup.sh: a dialog program with nothing in
// it, built like ZKQ_Vostrel.exe (same compiler, flags, static runtime,
// manifest), started and measured the same way.
#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    ::EndDialog(window, IDCANCEL);
    return TRUE;
  }
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, &Procedure, 0));
}

// Shows the Standard page the way the main window holds it (600 x 455 pixels
// at 10, 10 of a plain window with the send button), for looking at it as a
// user would. Built and run by show_standard_page.sh; not part of the tests.
#include <windows.h>

#include <string>

#include "i18n/language.h"
#include "pages/standard_page.h"
#include "settings/settings_store.h"
#include "ui/dialog.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  vostrel::ui::InitDialogControls();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &HostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VostrelPageViewer";
  if (!::RegisterClassW(&windowClass)) return 1;
  const HWND host = ::CreateWindowExW(0, windowClass.lpszClassName, L"Standard", WS_POPUP | WS_VISIBLE, 0, 0, 620, 510,
                                      nullptr, nullptr, instance, nullptr);
  if (!host) return 2;
  ::CreateWindowExW(0, L"BUTTON", L"Send", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 520, 472, 90, 26, host,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_SEND)), instance, nullptr);

  vostrel::SettingsStore store;
  vostrel::CDlgTabStandard page(store, instance);
  if (!page.CreateModeless(host)) return 3;
  ::MoveWindow(page.hwnd(), 10, 10, 600, 455, FALSE);
  // Arguments: the model index (0 or 1), then "end" to show the page scrolled
  // to its end.
  const std::wstring arguments = commandLine ? commandLine : L"";
  const vostrel::PrinterModel model = vostrel::ModelAt(arguments.find(L'1') != std::wstring::npos ? 1 : 0);
  // As at start-up: the texts of the current language (Japanese), then the
  // model.
  page.ApplyTexts();
  page.ApplyModel(model, vostrel::CurrentLanguage());
  ::ShowWindow(page.hwnd(), SW_SHOW);
  if (arguments.find(L"end") != std::wstring::npos) ::SendMessageW(page.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  ::UpdateWindow(host);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (vostrel::ui::Dialog::RouteMessage(&message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

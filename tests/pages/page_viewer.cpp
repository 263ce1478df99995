// Shows one page the way the main window holds it (600 x 455 pixels at 10,
// 10 of a plain window with the send button), for looking at it as a user
// would. Built and run by show_page.sh; not part of the tests.
//   viewer.exe PAGE MODEL [end] [stored] [marks]
// PAGE: easy, standard, information, calibration or print; MODEL 0 or 1;
// "end" scrolls a scrolling page to its end; "stored" shows sample values
// on the Information page; "marks" chooses black marks on the Calibration
// page.
#include <windows.h>

#include <memory>
#include <string>

#include "i18n/language.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/information_page.h"
#include "pages/print_page.h"
#include "pages/standard_page.h"
#include "prefs/preferences.h"
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

bool Has(const std::wstring& arguments, const wchar_t* word) { return arguments.find(word) != std::wstring::npos; }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  using namespace vostrel;
  ui::InitDialogControls();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &HostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VostrelPageViewer";
  if (!::RegisterClassW(&windowClass)) return 1;
  const HWND host = ::CreateWindowExW(0, windowClass.lpszClassName, L"Page", WS_POPUP | WS_VISIBLE, 0, 0, 620, 510,
                                      nullptr, nullptr, instance, nullptr);
  if (!host) return 2;
  ::CreateWindowExW(0, L"BUTTON", L"Send", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 520, 472, 90, 26, host,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_SEND)), instance, nullptr);

  const std::wstring arguments = commandLine ? commandLine : L"";
  const int model = Has(arguments, L" 1") ? 1 : 0;
  SettingsStore store;
  PreferencesRecord prefs;
  std::unique_ptr<SettingsPage> page;
  // As at start-up: the texts of the current language (Japanese), then the
  // model.
  auto start = [&](auto made) {
    auto* typed = made.get();
    page = std::move(made);
    if (!page->CreateModeless(host)) return false;
    ::MoveWindow(page->hwnd(), 10, 10, 600, 455, FALSE);
    typed->ApplyTexts();
    typed->ApplyModel(model, CurrentLanguage());
    return true;
  };
  bool made = false;
  if (Has(arguments, L"easy")) {
    made = start(std::make_unique<CDlgTabEasy>(store, instance));
  } else if (Has(arguments, L"information")) {
    made = start(std::make_unique<CDlgTabInformation>(store, instance));
    if (made && Has(arguments, L"stored")) {
      store.infoSerialNumber().value = L"ZK24010583";
      store.infoPrintCounter().value = L"001234 M";
      store.infoServiceCounter().value = L"000867 M";
      store.infoCutCounter().value = L"0000000";
      page->ShowStored();
    }
  } else if (Has(arguments, L"calibration")) {
    made = start(std::make_unique<CDlgTabCalibration>(store, instance));
    if (made && Has(arguments, L"marks")) {
      ::SendMessageW(page->Item(IDC_CAL_MARKS_RADIO), BM_CLICK, 0, 0);
    }
  } else if (Has(arguments, L"print")) {
    made = start(std::make_unique<CDlgTabPrint>(store, prefs, instance));
  } else {
    made = start(std::make_unique<CDlgTabStandard>(store, instance));
  }
  if (!made) return 3;
  ::ShowWindow(page->hwnd(), SW_SHOW);
  if (Has(arguments, L"end")) ::SendMessageW(page->hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  ::UpdateWindow(host);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (ui::Dialog::RouteMessage(&message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

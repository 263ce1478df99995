// Shows one page the way the main window holds it (600 x 455 pixels at 10, 10
// of a plain window with the send button, at 96 dpi; scaled at another DPI,
// with the scroll page the main window gives it), for looking at it as a user
// would.
// Built and run by show_page.sh; not part of the tests.
//   page_viewer.exe PAGE MODEL top|middle|end
// To show another page: one row in kPages.
#include <windows.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "i18n/language.h"
#include "pages/advanced_page.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/information_page.h"
#include "pages/print_page.h"
#include "pages/settings_page.h"
#include "pages/standard_page.h"
#include "prefs/preferences.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"
#include "ui/dialog.h"
#include "ui/dpi.h"

namespace {

using vostrel::PrinterModel;
using vostrel::SettingsStore;
using vostrel::ui::Dialog;

template <typename Page>
std::unique_ptr<Dialog> Make(SettingsStore& store, HINSTANCE instance) {
  static vostrel::PreferencesRecord prefs;
  if constexpr (std::is_constructible_v<Page, SettingsStore&, vostrel::PreferencesRecord&, HINSTANCE>) {
    return std::make_unique<Page>(store, prefs, instance);
  } else if constexpr (std::is_constructible_v<Page, SettingsStore&, HINSTANCE>) {
    return std::make_unique<Page>(store, instance);
  } else {
    return std::make_unique<Page>(instance);
  }
}

// As at start-up: the texts of the current language (Japanese) where the page
// has them, then the model.
template <typename Page>
void StartUp(Dialog& dialog, PrinterModel model) {
  Page& page = static_cast<Page&>(dialog);
  if constexpr (requires { page.ApplyTexts(); }) page.ApplyTexts();
  page.ApplyModel(model, vostrel::CurrentLanguage());
}

// The Information page after a Receive, with values of the usual lengths.
SettingsStore* viewedStore = nullptr;

void StartUpInformationStored(Dialog& dialog, PrinterModel model) {
  StartUp<vostrel::CDlgTabInformation>(dialog, model);
  viewedStore->infoSerialNumber().value = L"ZK24010583";
  viewedStore->infoPrintCounter().value = L"001234 M";
  viewedStore->infoServiceCounter().value = L"000867 M";
  viewedStore->infoCutCounter().value = L"0000000";
  static_cast<vostrel::CDlgTabInformation&>(dialog).ShowStored();
}

// The Calibration page's guide for black marks, chosen as a user would.
void StartUpCalibrationMarks(Dialog& dialog, PrinterModel model) {
  StartUp<vostrel::CDlgTabCalibration>(dialog, model);
  ::SendMessageW(dialog.Item(IDC_CAL_MARKS_RADIO), BM_CLICK, 0, 0);
}

// The Calibration page as the program shows it: with its RFID choice, here
// chosen.
void StartUpCalibrationRfid(Dialog& dialog, PrinterModel model) {
  StartUp<vostrel::CDlgTabCalibration>(dialog, model);
  static_cast<vostrel::CDlgTabCalibration&>(dialog).OfferThirdChoice(true);
  ::SendMessageW(dialog.Item(IDC_CAL_RFID_RADIO), BM_CLICK, 0, 0);
}

struct ViewedPage {
  std::wstring_view name;
  std::unique_ptr<Dialog> (*make)(SettingsStore&, HINSTANCE);
  void (*startUp)(Dialog&, PrinterModel);
};

constexpr ViewedPage kPages[] = {
    {L"standard", &Make<vostrel::CDlgTabStandard>, &StartUp<vostrel::CDlgTabStandard>},
    {L"easy", &Make<vostrel::CDlgTabEasy>, &StartUp<vostrel::CDlgTabEasy>},
    {L"information", &Make<vostrel::CDlgTabInformation>, &StartUp<vostrel::CDlgTabInformation>},
    {L"information-stored", &Make<vostrel::CDlgTabInformation>, &StartUpInformationStored},
    {L"calibration", &Make<vostrel::CDlgTabCalibration>, &StartUp<vostrel::CDlgTabCalibration>},
    {L"calibration-marks", &Make<vostrel::CDlgTabCalibration>, &StartUpCalibrationMarks},
    {L"calibration-rfid", &Make<vostrel::CDlgTabCalibration>, &StartUpCalibrationRfid},
    {L"print", &Make<vostrel::CDlgTabPrint>, &StartUp<vostrel::CDlgTabPrint>},
    {L"advanced", &Make<vostrel::CDlgTabAdvanced>, &StartUp<vostrel::CDlgTabAdvanced>},
};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  std::wistringstream arguments(commandLine ? commandLine : L"");
  std::wstring name, where;
  int position = 0;
  arguments >> name >> position >> where;
  const ViewedPage* viewed = nullptr;
  for (const ViewedPage& page : kPages) {
    if (page.name == name) viewed = &page;
  }
  if (!viewed) return 4;

  // Per-monitor aware, as the program's manifest says.
  using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
  const auto setContext = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  if (!setContext || !setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) ::SetProcessDPIAware();
  vostrel::ui::InitDialogControls();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &HostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VostrelPageViewer";
  if (!::RegisterClassW(&windowClass)) return 1;
  const std::wstring title = L"Page " + name;
  const int dpi = vostrel::ui::WindowDpi(nullptr);
  const auto s = [dpi](int pixels) { return vostrel::ui::ScaleToDpi(pixels, dpi); };
  const HWND host = ::CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_POPUP | WS_VISIBLE, 0, 0, s(620),
                                      s(510), nullptr, nullptr, instance, nullptr);
  if (!host) return 2;
  ::CreateWindowExW(0, L"BUTTON", L"Send", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, s(520), s(472), s(90), s(26), host,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_SEND)), instance, nullptr);

  SettingsStore store;
  viewedStore = &store;
  const std::unique_ptr<Dialog> page = viewed->make(store, instance);
  if (!page->CreateModeless(host)) return 3;
  RECT before{};
  ::GetClientRect(page->hwnd(), &before);
  ::MoveWindow(page->hwnd(), s(10), s(10), s(600), s(455), FALSE);
  viewed->startUp(*page, vostrel::ModelAt(position));
  // The scroll page of a page 455 pixels high in the main window, where it
  // stands at 60 (at 96 dpi; 300 then, as the page starts with).
  if (auto* settings = dynamic_cast<vostrel::SettingsPage*>(page.get())) {
    RECT after{};
    ::GetClientRect(page->hwnd(), &after);
    ::OffsetRect(&after, s(10), s(60));
    ::OffsetRect(&before, s(10), s(60));
    settings->AdaptScroll(after, before);
  }
  ::ShowWindow(page->hwnd(), SW_SHOW);
  if (where == L"end") ::SendMessageW(page->hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  // Three pages down: the Calibration page's second and third steps.
  if (where == L"middle") {
    for (int i = 0; i < 3; ++i) ::SendMessageW(page->hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  }
  ::UpdateWindow(host);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (Dialog::RouteMessage(&message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

#include "app/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/application.h"
#include "app/exit_question.h"
#include "app/recent_settings.h"
#include "i18n/text_entries.h"
#include "operations/export_settings.h"
#include "operations/import_settings.h"
#include "operations/print_action.h"
#include "operations/receive_configuration.h"
#include "operations/rfid_calibration.h"
#include "operations/send_configuration.h"
#include "operations/sensor_adjustment.h"
#include "operations/status_words.h"
#include "pages/calibration_page.h"
#include "pages/standard_page.h"
#include "platform/module_path.h"
#include "ui/com_settings_dialog.h"
#include "ui/controls.h"
#include "ui/dpi.h"

#include "res/main_window_ids.h"

namespace vostrel {
namespace {

// Captions the language replaces: control id and its text entry. IDC_MAIN_SEND
// follows the page shown (the tab host's table).
struct CaptionRow {
  int id;
  TextEntryName entry;
};
constexpr CaptionRow kCaptions[] = {
    {IDC_MAIN_CHECK_ALL, kEntryCheckAllItems}, {IDC_MAIN_MODEL_LABEL, kEntryModelLabel},
    {IDC_MAIN_QUEUE_RADIO, kEntryDriverName},  {IDC_MAIN_COM_DETAIL, kEntryDriverDetail},
    {IDC_MAIN_NET_RADIO, kEntryIpAddress},     {IDC_MAIN_PORT_NUMBER_LABEL, kEntryPortNumber},
    {IDC_MAIN_IMPORT, kEntryImport},           {IDC_MAIN_EXPORT, kEntryExport},
    {IDC_MAIN_RECEIVE, kEntryReceive},
};

// The link choice and the command buttons: the column right of the tab area.
constexpr int kRightColumn[] = {IDC_MAIN_LINK_GROUP,       IDC_MAIN_QUEUE_RADIO, IDC_MAIN_QUEUE_LIST,
                                IDC_MAIN_QUEUE_PORT_TEXT,  IDC_MAIN_COM_RADIO,   IDC_MAIN_COM_LIST,
                                IDC_MAIN_COM_DETAIL,       IDC_MAIN_USB_RADIO,   IDC_MAIN_USB_LIST,
                                IDC_MAIN_NET_RADIO,        IDC_MAIN_IP_ADDRESS,  IDC_MAIN_PORT_NUMBER_LABEL,
                                IDC_MAIN_PORT_NUMBER_EDIT, IDC_MAIN_SEND,        IDC_MAIN_IMPORT,
                                IDC_MAIN_EXPORT,           IDC_MAIN_RECEIVE,     IDC_MAIN_PRINT_ACTION};
// Where that column starts at the latest, in pixels at 96 dpi: clear of the
// tab area (7 + 614) with a small gap.
constexpr int kRightColumnLeft = 628;

constexpr wchar_t kTemplateCaption[] = L"ZKQ_Vostrel";
constexpr int kPortNumberLimit = 5;

// Posted by the keys that switch tabs, with the step as wParam: the switch
// may ask the Advanced warning, which is not to open inside the key's
// pre-translation.
constexpr UINT kStepTabMessage = WM_APP + 1;

// The tab step of a key pressed with Ctrl (and without Alt), as the tab
// control's users know it: Ctrl+Tab and Ctrl+PageDown forward, Ctrl+Shift+Tab
// and Ctrl+PageUp back; 0 for any other key.
int TabStepOf(WPARAM key) {
  const auto held = [](int virtualKey) { return (::GetKeyState(virtualKey) & 0x8000) != 0; };
  if (!held(VK_CONTROL) || held(VK_MENU)) return 0;
  switch (key) {
    case VK_TAB: return held(VK_SHIFT) ? -1 : 1;
    case VK_NEXT: return 1;
    case VK_PRIOR: return -1;
    default: return 0;
  }
}

// Tracking limits in pixels at 96 dpi.
constexpr int kMinTrackWidth = 350;
constexpr int kMinTrackHeight = 300;
constexpr int kMaxTrackWidth = 840;

// "%d.%d.%d.%d" of the program's file version; empty without a version
// resource.
std::wstring FileVersionText() {
  const std::wstring path = ModuleFileName();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> data(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) return {};
  wchar_t text[64] = {};
  std::swprintf(text, 64, L"%d.%d.%d.%d", static_cast<int>(HIWORD(info->dwFileVersionMS)),
                static_cast<int>(LOWORD(info->dwFileVersionMS)), static_cast<int>(HIWORD(info->dwFileVersionLS)),
                static_cast<int>(LOWORD(info->dwFileVersionLS)));
  return text;
}

}  // namespace

// A control of the window and what its click (or, for a list, its
// selection) runs: a command flow, busy work that talks to the printer or to
// files (`flow`, or `flowOf` where the page decides which), or a step of the
// window's own (`run`).
struct CDrennicDlg::CommandRow {
  int id;
  int code;
  Flow flow;
  Flow (CDrennicDlg::*flowOf)() const;
  void (CDrennicDlg::*run)();

  static constexpr CommandRow Command(int id, Flow flow) { return {id, BN_CLICKED, flow, nullptr, nullptr}; }
  static constexpr CommandRow CommandOf(int id, Flow (CDrennicDlg::*flowOf)() const) {
    return {id, BN_CLICKED, nullptr, flowOf, nullptr};
  }
  static constexpr CommandRow Step(int id, int code, void (CDrennicDlg::*run)()) {
    return {id, code, nullptr, nullptr, run};
  }
};

const CDrennicDlg::CommandRow CDrennicDlg::kCommands[] = {
    CommandRow::CommandOf(IDC_MAIN_SEND, &CDrennicDlg::MainFlow),
    CommandRow::Command(IDC_MAIN_IMPORT, &ImportSettings),
    CommandRow::Command(IDC_MAIN_EXPORT, &ExportSettings),
    CommandRow::Command(IDC_MAIN_RECEIVE, &ReceiveConfiguration),
    CommandRow::Command(IDC_MAIN_PRINT_ACTION, &RunPrintAction),
    CommandRow::Step(IDC_MAIN_COM_DETAIL, BN_CLICKED, &CDrennicDlg::RunSerialSettings),
    CommandRow::Step(IDC_MAIN_CHECK_ALL, BN_CLICKED, &CDrennicDlg::OnCheckAll),
    CommandRow::Step(IDC_MAIN_QUEUE_RADIO, BN_CLICKED, &CDrennicDlg::OnQueueRadio),
    CommandRow::Step(IDC_MAIN_COM_RADIO, BN_CLICKED, &CDrennicDlg::OnComRadio),
    CommandRow::Step(IDC_MAIN_USB_RADIO, BN_CLICKED, &CDrennicDlg::OnUsbRadio),
    CommandRow::Step(IDC_MAIN_NET_RADIO, BN_CLICKED, &CDrennicDlg::OnNetRadio),
    CommandRow::Step(IDC_MAIN_MODEL_LIST, CBN_SELCHANGE, &CDrennicDlg::OnModelChanged),
};

CDrennicDlg::CDrennicDlg(CDrennicApp& app, Clock& clock) : ui::Dialog(IDD_MAIN_WINDOW), app_(app), clock_(clock) {}

CDrennicDlg::~CDrennicDlg() = default;

int CDrennicDlg::Scaled(int pixels) const { return ui::ScaleToDpi(pixels, ui::WindowDpi(hwnd())); }

bool CDrennicDlg::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  SetIconAndTitle();
  strip_ = std::make_unique<StatusStrip>(*this);
  host_ = std::make_unique<WindowCommandHost>(*this, app_, clock_);

  MakeRoomForStrip();
  tabs_ = std::make_unique<TabHost>(*this, app_.store, app_.currentPrefs);
  tabs_->standardDefaultsPending = false;
  // The program shows Japanese; the pages come up in it, for the model
  // chosen last.
  SetCurrentLanguage(Language::Japanese);
  tabs_->CreatePages(app_.Model());
  KeepRightColumnClear();
  // The Sensor Adjustment tab offers the RFID calibration for every model.
  if (CDlgTabCalibration* calibration = tabs_->calibration()) calibration->OfferThirdChoice(true);

  FillModelList();

  links_ = std::make_unique<LinkChoice>(*this, app_.currentPrefs,
                                        DriverPort{app_.driverLinkKind, app_.driverPortAddress, app_.driverPortNumber});
  ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).SetText(L"");
  links_->linkChoice = LinkRadio::Queue;
  ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Set({192, 168, 0, 1});
  ui::Edit(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetLimit(kPortNumberLimit);
  ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(kDefaultNetPort);

  links_->FillPickers();
  links_->CreateTooltips();
  modelTip_.Create(hwnd(), Item(IDC_MAIN_MODEL_LIST));
  links_->ReadDefaultPrinter();
  links_->Restore();
  links_->Apply();

  ApplyLanguage();
  LoadRecent();
  // The pages were placed for a window of the template's size; fit them to
  // the window as it is now.
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  laidOut_ = true;
  OnSize(client.right, client.bottom);
  return true;
}

void CDrennicDlg::SetIconAndTitle() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  icon_ = static_cast<HICON>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  const auto small =
      static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small ? small : icon_));
  ::SetWindowTextW(hwnd(), (std::wstring(kTemplateCaption) + L" " + FileVersionText()).c_str());
}

void CDrennicDlg::KeepRightColumnClear() {
  RECT group{};
  ::GetWindowRect(Item(IDC_MAIN_LINK_GROUP), &group);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&group), 2);
  const int shift = Scaled(kRightColumnLeft) + tabs_->ExtraWidth() - group.left;
  if (shift <= 0) return;
  for (int id : kRightColumn) {
    RECT rect{};
    ::GetWindowRect(Item(id), &rect);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(Item(id), nullptr, rect.left + shift, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left + shift, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDrennicDlg::MakeRoomForStrip() {
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + strip_->Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring CDrennicDlg::QueuePortText() const { return ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).Text(); }

void CDrennicDlg::ShowLinkInStrip() {
  if (!links_ || !strip_) return;
  strip_->ShowLink(LinkInWords(links_->Shown(), QueuePortText()) + L"  ·  " + app_.currentPrefs.model);
}

void CDrennicDlg::FillModelList() {
  const ui::ComboBox models(Item(IDC_MAIN_MODEL_LIST));
  models.Clear();
  int selected = 0;
  for (size_t i = 0; i < app_.modelList.size(); ++i) {
    models.Add(app_.modelList[i]);
    if (app_.modelList[i] == app_.currentPrefs.model && selected == 0) selected = static_cast<int>(i);
  }
  models.Select(selected);
}

void CDrennicDlg::ApplyLanguage() {
  SetCurrentLanguage(Language::Japanese);
  tabs_->ApplyTabTexts();
  for (const CaptionRow& row : kCaptions) {
    ui::Control(Item(row.id)).SetText(GetText(ControlTextEntry(row.entry).caption, 0));
  }
  ui::Control(Item(IDC_MAIN_SEND)).SetText(GetText(ButtonsOf(tabs_->SelectedPage()).sendCaption));
  tabs_->ApplyPageTexts();
  strip_->ApplyLanguage();
  strip_->ShowText(GetText(StatusText::kReady));
  OnModelChanged();
  ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CDrennicDlg::OnModelChanged() {
  const int selected = ui::ComboBox(Item(IDC_MAIN_MODEL_LIST)).Selected();
  if (selected >= 0 && static_cast<size_t>(selected) < app_.modelList.size()) {
    app_.currentPrefs.model = app_.modelList[static_cast<size_t>(selected)];
  }
  app_.store.ClearValues();
  tabs_->ApplyModel(app_.Model(), CurrentLanguage());
  ClearCheckAll();
  if (ui::ComboBox(Item(IDC_MAIN_MODEL_LIST)).Count() > 0) {
    modelTip_.SetText(ui::Control(Item(IDC_MAIN_MODEL_LIST)).Text());
  }
  ShowLinkInStrip();
}

void CDrennicDlg::ClearCheckAll() { ui::CheckBox(Item(IDC_MAIN_CHECK_ALL)).SetChecked(false); }

void CDrennicDlg::OnCheckAll() {
  if (ui::CheckBox(Item(IDC_MAIN_CHECK_ALL)).IsChecked()) {
    tabs_->CheckAll(tabs_->SelectedPage());
  } else {
    tabs_->UncheckAll();
  }
}

void CDrennicDlg::LoadRecent() {
  recentPath_ = RecentSettingsPath();
  const PrinterModel model = ModelAt(ui::ComboBox(Item(IDC_MAIN_MODEL_LIST)).Selected());
  if (LoadRecentSettings(app_.store, model, recentPath_) == RecentLoad::NoSettings) {
    tabs_->standardDefaultsPending = true;
    return;
  }
  if (CDlgTabStandard* standard = tabs_->standard()) standard->ShowStored();
  tabs_->HandStandardToEasy();
  tabs_->UncheckAll();
}

void CDrennicDlg::OnClose() {
  if (tabs_->SelectedPage() == PageId::Easy) tabs_->HandEasyToStandard();
  tabs_->ResetStandardIfPending();
  links_->Collect();
  if (!SavePreferencesOnExit(app_.iniPath, app_.loadedPrefs, app_.currentPrefs, [] { return AskExitProgram(); })) {
    return;
  }
  if (CDlgTabStandard* standard = tabs_->standard()) {
    SaveRecentSettings(app_.store, *standard, ScriptContext{CurrentLanguage(), app_.currentPrefs.model},
                       ModelAt(ui::ComboBox(Item(IDC_MAIN_MODEL_LIST)).Selected()), recentPath_);
  }
  app_.link.Close();
  EndModal(IDCANCEL);
}

CDrennicDlg::Flow CDrennicDlg::MainFlow() const {
  switch (ButtonsOf(tabs_->VisiblePage()).action) {
    case MainAction::PrintAction: return &RunPrintAction;
    case MainAction::SensorAdjustment: {
      const CDlgTabCalibration* calibration = tabs_->calibration();
      if (calibration && calibration->calibMediaIndex() == CDlgTabCalibration::kRfidMedia) {
        return &StartRfidCalibration;
      }
      return &StartSensorAdjustment;
    }
    case MainAction::SendConfiguration: return &SendConfiguration;
  }
  return &SendConfiguration;
}

void CDrennicDlg::RunFlow(Flow flow) {
  {
    const ui::BusyWindow::Scope busy(host_->busy());
    host_->BeginCommand();
    flow(host_->ForCommand());
  }
  // Once the strip's Cancel goes, the window takes input again.
  host_->EndCommand();
}

void CDrennicDlg::RunSerialSettings() { CComSettingsDlg(app_.currentPrefs).RunModal(hwnd()); }

bool CDrennicDlg::OnCommand(int id, int code, HWND) {
  for (const CommandRow& row : kCommands) {
    if (row.id != id || row.code != code) continue;
    if (row.run) {
      (this->*row.run)();
    } else {
      RunFlow(row.flowOf ? (this->*row.flowOf)() : row.flow);
    }
    ShowLinkInStrip();
    return true;
  }
  bool handled = false;
  if (code == CBN_SELCHANGE && id == IDC_MAIN_QUEUE_LIST) {
    links_->OnQueueSelected();
    handled = true;
  } else if (code == CBN_SELCHANGE && id == IDC_MAIN_COM_LIST) {
    links_->OnComSelected();
    handled = true;
  }
  // A picker, the address or the port number changed: the strip says so.
  ShowLinkInStrip();
  return handled;
}

bool CDrennicDlg::OnNotify(const NMHDR& header, LRESULT* result) {
  if (header.idFrom != IDC_MAIN_TABS || header.code != TCN_SELCHANGE || !tabs_) return false;
  tabs_->SwitchPage();
  *result = 0;
  return true;
}

bool CDrennicDlg::PreTranslateMessage(MSG* message) {
  // Escape never closes the window; the tab keys switch tabs wherever the
  // focus is; everything else is the dialog's own.
  if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) return true;
  if (message->message == WM_KEYDOWN && tabs_) {
    if (const int steps = TabStepOf(message->wParam); steps != 0) {
      ::PostMessageW(hwnd(), kStepTabMessage, static_cast<WPARAM>(steps), 0);
      return true;
    }
  }
  return ui::Dialog::PreTranslateMessage(message);
}

void CDrennicDlg::OnStepTab(int steps) {
  tabs_->StepTab(steps);
  // The focus may have been on the page now hidden (hiding it hands the
  // focus to the window itself): the tab control takes it, as after a click
  // on a tab.
  const HWND focus = ::GetFocus();
  if (!focus || focus == hwnd() || !::IsWindowVisible(focus)) {
    ::SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_MAIN_TABS)), TRUE);
  }
}

void CDrennicDlg::OnSize(int cx, int cy) {
  if (!tabs_ || !laidOut_) return;
  strip_->Layout(cx, cy);
  const int above = cy - strip_->Height();
  const bool moved = tabs_->Layout(cx, above);
  // The tab control's frame reaches below the area it is laid out in (as it
  // reached below the window before the strip came): it stops at the strip.
  if (const HWND tabControl = Item(IDC_MAIN_TABS)) {
    const RECT tabRect = ui::RectInParent(tabControl, hwnd());
    ::SetWindowRgn(tabControl,
                   ::CreateRectRgn(0, 0, tabRect.right - tabRect.left, std::max<int>(above - tabRect.top, 0)), FALSE);
  }
  if (moved) {
    ::UpdateWindow(hwnd());
    ::InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

void CDrennicDlg::OnMinMaxInfo(MINMAXINFO& info) {
  info.ptMinTrackSize.x = Scaled(kMinTrackWidth);
  info.ptMinTrackSize.y = Scaled(kMinTrackHeight) + (strip_ ? strip_->Height() : 0);
  info.ptMaxTrackSize.x = Scaled(kMaxTrackWidth) + (tabs_ ? tabs_->ExtraWidth() : 0);
}

bool CDrennicDlg::PaintMinimized() {
  if (!::IsIconic(hwnd())) return false;
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(hwnd(), &paint);
  ::SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  if (icon_) ::DrawIcon(dc, x, y, icon_);
  ::EndPaint(hwnd(), &paint);
  return true;
}

void CDrennicDlg::OnDpiChanged(int dpi, const RECT& suggested) {
  std::vector<SettingsPage*> pages;
  for (PageId page : kAllPages) pages.push_back(tabs_ ? tabs_->Page(page) : nullptr);
  dpiChange_.Rescale(hwnd(), pages, dpi);
  // The pages' controls grew or shrank with their fonts: the tab area takes
  // the width they need at the new DPI, and the link column moves clear of it.
  if (tabs_) {
    tabs_->MeasureExtraWidth();
    KeepRightColumnClear();
  }
  dpiChange_.Place(hwnd(), suggested);
}

std::optional<INT_PTR> CDrennicDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kStepTabMessage:
      if (tabs_) OnStepTab(static_cast<int>(wParam));
      return TRUE;
    case WM_CLOSE: OnClose(); return TRUE;
    case WM_SIZE: OnSize(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return std::nullopt;
    case WM_GETMINMAXINFO: OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return TRUE;
    case WM_PAINT:
      if (PaintMinimized()) return TRUE;
      return std::nullopt;
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(icon_);
    case WM_VSCROLL: return TRUE;  // the main window does not scroll
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_DESTROY: dpiChange_.Forget(hwnd()); return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace vostrel

#include "app/tab_host.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "i18n/text_entries.h"
#include "pages/advanced_page.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/information_page.h"
#include "pages/print_page.h"
#include "pages/settings_page.h"
#include "pages/standard_page.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/message_box.h"

#include "res/main_window_ids.h"

namespace vostrel {
namespace {

bool advancedAccepted = false;

// The tabs as inserted; the language replaces the texts at once.
constexpr const wchar_t* kTabTexts[kPageCount] = {L"Easy",        L"Standard", L"Information",
                                                  L"Calibration", L"Print",    L"Advanced"};

// The order of the visibility test of VisiblePage.
constexpr PageId kVisibleOrder[] = {PageId::Easy,        PageId::Standard,    PageId::Advanced,
                                    PageId::Information, PageId::Calibration, PageId::Print};

using PageFactory = std::unique_ptr<SettingsPage> (*)(SettingsStore& store, PreferencesRecord& prefs);

template <typename Page>
std::unique_ptr<SettingsPage> MakePage(SettingsStore& store, PreferencesRecord&) {
  return std::make_unique<Page>(store);
}

std::unique_ptr<SettingsPage> MakePrintPage(SettingsStore& store, PreferencesRecord& prefs) {
  return std::make_unique<CDlgTabPrint>(store, prefs);
}

// The pages in their order of creation.
struct PageSlot {
  PageId page;
  PageFactory create;
};
constexpr PageSlot kPageSlots[] = {
    {PageId::Easy, &MakePage<CDlgTabEasy>},
    {PageId::Standard, &MakePage<CDlgTabStandard>},
    {PageId::Advanced, &MakePage<CDlgTabAdvanced>},
    {PageId::Information, &MakePage<CDlgTabInformation>},
    {PageId::Calibration, &MakePage<CDlgTabCalibration>},
    {PageId::Print, &MakePrintPage},
};

// The order in which the pages take the model.
constexpr PageId kModelOrder[] = {PageId::Standard,    PageId::Advanced,    PageId::Easy,
                                  PageId::Information, PageId::Calibration, PageId::Print};

// The pages whose contents scroll and adapt to a new size.
bool ScrollsWithSize(PageId page) {
  return page == PageId::Standard || page == PageId::Advanced || page == PageId::Calibration;
}

// Layout of the tab area in pixels at 96 dpi.
constexpr int kTabX = 7;
constexpr int kTabY = 35;
constexpr int kTabWidth = 614;
constexpr int kTabHeightLess = 10;
constexpr int kPageX = 10;
constexpr int kPageY = 60;
constexpr int kPageWidth = 600;
constexpr int kPageHeightLess = 82;
constexpr int kFirstPageRight = 610;
constexpr int kFirstPageBottom = 515;
// The room kept right of a page's rightmost control when the page has to
// grow for it.
constexpr int kPageRightMargin = 6;

}  // namespace

const PageButtons& ButtonsOf(PageId page) {
  for (const PageButtons& row : kPageButtons) {
    if (row.page == page) return row;
  }
  return kPageButtons[static_cast<size_t>(TabOf(PageId::Standard))];
}

bool AdvancedAccepted() { return advancedAccepted; }
void SetAdvancedAccepted() { advancedAccepted = true; }

TabHost::TabHost(const ui::Dialog& mainWindow, SettingsStore& store, PreferencesRecord& prefs)
    : main_(mainWindow), store_(store), prefs_(prefs) {}

TabHost::~TabHost() = default;

HWND TabHost::Tabs() const { return main_.Item(IDC_MAIN_TABS); }

int TabHost::Scaled(int pixels) const { return ui::ScaleToDpi(pixels, ui::WindowDpi(main_.hwnd())); }

SettingsPage* TabHost::Page(PageId page) const {
  const int index = TabOf(page);
  return index >= 0 && index < kPageCount ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

CDlgTabEasy* TabHost::easy() const { return static_cast<CDlgTabEasy*>(Page(PageId::Easy)); }
CDlgTabStandard* TabHost::standard() const { return static_cast<CDlgTabStandard*>(Page(PageId::Standard)); }
CDlgTabAdvanced* TabHost::advanced() const { return static_cast<CDlgTabAdvanced*>(Page(PageId::Advanced)); }
CDlgTabInformation* TabHost::information() const { return static_cast<CDlgTabInformation*>(Page(PageId::Information)); }
CDlgTabCalibration* TabHost::calibration() const { return static_cast<CDlgTabCalibration*>(Page(PageId::Calibration)); }
CDlgTabPrint* TabHost::print() const { return static_cast<CDlgTabPrint*>(Page(PageId::Print)); }

void TabHost::ApplyPageTexts() {
  if (standard()) standard()->ApplyTexts();
  if (information()) information()->ApplyTexts();
  if (easy()) easy()->ApplyTexts();
  if (calibration()) calibration()->ApplyTexts();
  if (print()) print()->ApplyTexts();
}

void TabHost::ApplyModel(PrinterModel model, Language language) {
  for (PageId index : kModelOrder) {
    if (SettingsPage* page = Page(index)) page->ApplyModel(model, language);
  }
}

void TabHost::CheckAll(PageId page) {
  if (page == PageId::Easy && easy()) easy()->CheckAll();
  if (page == PageId::Standard && standard()) standard()->CheckAll();
}

void TabHost::UncheckAll() {
  for (PageId index : {PageId::Standard, PageId::Advanced, PageId::Easy}) {
    if (SettingsPage* page = Page(index)) page->UncheckAll();
  }
}

void TabHost::HandEasyToStandard() {
  if (easy() && standard()) standard()->PutShared(easy()->TakeChoice());
}

void TabHost::HandStandardToEasy() {
  if (easy() && standard()) easy()->PutChoice(standard()->TakeShared());
}

void TabHost::HandCalibrationMedia(int media) {
  MediaChoice choice;
  choice.mediaSensorChecked = true;
  choice.mediaSensorIndex = media;
  choice.printMethodChecked = false;
  choice.printMethodIndex = -1;  // each list keeps its entry
  if (standard()) standard()->PutShared(choice);
  if (easy()) easy()->PutChoice(choice);
}

void TabHost::CreatePages(PrinterModel model) {
  for (const PageSlot& slot : kPageSlots) {
    std::unique_ptr<SettingsPage> page = slot.create(store_, prefs_);
    // A page is one of the main window's controls: Tab and Shift+Tab go from
    // the window's controls into the page shown and out again (hidden pages
    // are passed over), and Enter reaches the window's default button.
    ui::DialogTemplate form = page->TemplateFor(model, CurrentLanguage());
    form.AddStyle(DS_CONTROL, WS_EX_CONTROLPARENT);
    if (!page->CreateModeless(main_.hwnd(), form)) return;
    const HWND made = page->hwnd();
    if ((::GetWindowLongPtrW(made, GWL_STYLE) & DS_CONTROL) == 0) {
      ::SetWindowLongPtrW(made, GWL_STYLE, ::GetWindowLongPtrW(made, GWL_STYLE) | DS_CONTROL);
      ::SetWindowLongPtrW(made, GWL_EXSTYLE, ::GetWindowLongPtrW(made, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    }
    pages_[static_cast<size_t>(TabOf(slot.page))] = std::move(page);
  }

  MeasureExtraWidth();
  RECT area{};
  ::GetClientRect(Tabs(), &area);
  ::OffsetRect(&area, Scaled(kPageX), Scaled(kPageY));
  area.right = Scaled(kFirstPageRight) + ExtraWidth();
  area.bottom = Scaled(kFirstPageBottom);
  // Above the tab control, which would otherwise paint its face over them.
  for (const auto& page : pages_) {
    if (page) {
      ::SetWindowPos(page->hwnd(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE | SWP_NOREDRAW);
    }
  }

  for (int tab = 0; tab < kPageCount; ++tab) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    // Already in the current language: ApplyTabTexts then finds them so.
    const TextRange& labels = ControlTextEntry(kEntryTabLabels).caption;
    item.pszText = const_cast<wchar_t*>(tab < labels.count ? GetText(labels, tab) : kTabTexts[tab]);
    if (::SendMessageW(Tabs(), TCM_INSERTITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item)) != tab) {
      return;
    }
  }
  ::SendMessageW(Tabs(), TCM_SETCURSEL, 0, 0);
  SwitchPage();
}

int TabHost::SelectedTab() const { return static_cast<int>(::SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0)); }

PageId TabHost::SelectedPage() const { return PageOfTab(SelectedTab()); }

int TabHost::TabCount() const { return static_cast<int>(::SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0)); }

PageId TabHost::VisiblePage() const {
  for (PageId index : kVisibleOrder) {
    const SettingsPage* page = Page(index);
    if (page && ::IsWindowVisible(page->hwnd())) return index;
  }
  return PageId::None;
}

void TabHost::ShowPage(PageId index) {
  for (PageId page : kAllPages) {
    if (const SettingsPage* shown = Page(page)) ::ShowWindow(shown->hwnd(), page == index ? SW_SHOW : SW_HIDE);
  }
  const PageButtons& buttons = ButtonsOf(index);
  const auto button = [this](int id) { return ui::Control(main_.Item(id)); };
  button(IDC_MAIN_CHECK_ALL).Enable(buttons.checkAll);
  button(IDC_MAIN_SEND).SetText(GetText(buttons.sendCaption));
  button(IDC_MAIN_SEND).Enable(buttons.send);
  button(IDC_MAIN_IMPORT).Enable(buttons.import);
  button(IDC_MAIN_EXPORT).Enable(buttons.exportFile);
  button(IDC_MAIN_RECEIVE).Enable(buttons.receive);
  if ((index == PageId::Standard || index == PageId::Advanced) && standard()) standard()->ShowMediaSensorText();
}

void TabHost::SwitchPage() {
  const PageId selected = SelectedPage();
  const PageId shown = VisiblePage();
  if (shown == PageId::Standard) {
    HandStandardToEasy();
  } else if (shown == PageId::Easy) {
    HandEasyToStandard();
  }
  switch (selected) {
    case PageId::Standard:
      ShowPage(PageId::Standard);
      ResetStandardIfPending();
      break;
    case PageId::Easy:
    case PageId::Information:
    case PageId::Calibration:
    case PageId::Print: ShowPage(selected); break;
    case PageId::Advanced: AskAdvanced(); break;
    default: break;
  }
}

void TabHost::StepTab(int steps) {
  const int count = TabCount();
  if (count <= 0) return;
  const int selected = SelectedTab() < 0 ? 0 : SelectedTab();
  const int next = ((selected + steps) % count + count) % count;
  ::SendMessageW(Tabs(), TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  SwitchPage();
}

void TabHost::AskAdvanced() {
  if (!advancedAccepted) {
    const int answer = ShowMessage(MessageRow::kAdvancedWarning, MB_YESNO | MB_ICONEXCLAMATION, main_.hwnd());
    if (answer != IDYES && answer != IDOK) {
      // Back to the tab of the page still shown; setting the selection does
      // not notify, so no page switch runs.
      const PageId shown = VisiblePage();
      ::SendMessageW(Tabs(), TCM_SETCURSEL, static_cast<WPARAM>(TabOf(PageId::Standard)), 0);
      if (shown != PageId::None) ::SendMessageW(Tabs(), TCM_SETCURSEL, static_cast<WPARAM>(TabOf(shown)), 0);
      return;
    }
    advancedAccepted = true;
  }
  ShowPage(PageId::Advanced);
}

void TabHost::ResetStandardIfPending() {
  if (!standardDefaultsPending) return;
  if (CDlgTabStandard* page = standard()) page->ResetKeepShared();
  standardDefaultsPending = false;
}

void TabHost::ApplyTabTexts() {
  const TextRange& labels = ControlTextEntry(kEntryTabLabels).caption;
  const int count = TabCount();
  for (int tab = 0; tab < count && tab < labels.count; ++tab) {
    // A tab that reads so already is left alone: each change lays the tabs
    // out again.
    wchar_t shown[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = shown;
    item.cchTextMax = static_cast<int>(std::size(shown));
    ::SendMessageW(Tabs(), TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    const wchar_t* label = GetText(labels, tab);
    if (item.pszText && std::wstring_view(item.pszText) == label) continue;
    item.pszText = const_cast<wchar_t*>(label);
    ::SendMessageW(Tabs(), TCM_SETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
  }
}

void TabHost::MeasureExtraWidth() {
  const int dpi = ui::WindowDpi(main_.hwnd());
  int needed = 0;
  for (const auto& page : pages_) {
    if (!page) continue;
    const HWND hwnd = page->hwnd();
    int right = 0;
    for (const HWND child : page->Children()) right = std::max<int>(right, ui::RectInParent(child, hwnd).right);
    // The page's own scroll bar takes its room from the client area: the
    // system's DPI's width, or the one it has where it shows already (after
    // a DPI change).
    int bar = 0;
    if ((::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VSCROLL) != 0) {
      RECT frame{};
      RECT client{};
      ::GetWindowRect(hwnd, &frame);
      ::GetClientRect(hwnd, &client);
      bar = std::max<int>(::GetSystemMetrics(SM_CXVSCROLL), (frame.right - frame.left) - client.right);
    }
    needed = std::max(needed, right + ui::ScaleToDpi(kPageRightMargin, dpi) + bar);
  }
  extraWidth_ = std::max(0, needed - ui::ScaleToDpi(kPageWidth, dpi));
  extraDpi_ = dpi;
}

int TabHost::ExtraWidth() const { return ui::Rescale(extraWidth_, extraDpi_, ui::WindowDpi(main_.hwnd())); }

bool TabHost::Layout(int cx, int cy) {
  bool moved = false;
  if (const HWND tabs = Tabs()) {
    ::MoveWindow(tabs, Scaled(kTabX), Scaled(kTabY), Scaled(kTabWidth) + ExtraWidth(), cy - Scaled(kTabHeightLess),
                 FALSE);
    moved = true;
  }
  for (PageId index : kAllPages) {
    SettingsPage* page = Page(index);
    if (!page) continue;
    int width = Scaled(kPageWidth) + ExtraWidth();
    int height = cy - Scaled(kPageHeightLess);
    const bool adapts = ScrollsWithSize(index);
    if (adapts) {
      if (cx <= 0) width = 0;
      if (cy <= 0) height = 0;
    }
    RECT before{};
    ::GetClientRect(page->hwnd(), &before);
    ::MoveWindow(page->hwnd(), Scaled(kPageX), Scaled(kPageY), width, height, FALSE);
    moved = true;
    if (adapts) {
      RECT after{};
      ::GetClientRect(page->hwnd(), &after);
      ::OffsetRect(&after, Scaled(kPageX), Scaled(kPageY));
      ::OffsetRect(&before, Scaled(kPageX), Scaled(kPageY));
      page->AdaptScroll(after, before);
    }
  }
  return moved;
}

}  // namespace vostrel

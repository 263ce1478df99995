#pragma once
// The tab host of the main window: the six settings pages, the tabs that
// lead to them, the page shown and the main buttons each page sets. Which
// page offers which buttons is one table (kPageButtons); the pages are
// created from another (kPageSlots).

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "i18n/text_entries.h"
#include "i18n/text_table.h"
#include "pages/page_id.h"
#include "prefs/preferences.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"
#include "ui/dialog.h"

namespace vostrel {

class SettingsPage;
class CDlgTabEasy;
class CDlgTabStandard;
class CDlgTabAdvanced;
class CDlgTabInformation;
class CDlgTabCalibration;
class CDlgTabPrint;

// What IDC_MAIN_SEND (and Enter) does while a page is shown.
enum class MainAction { SendConfiguration, SensorAdjustment, PrintAction };

// The main buttons of one page.
struct PageButtons {
  PageId page;
  bool checkAll;  // IDC_MAIN_CHECK_ALL enabled
  TextId sendCaption;
  bool send;  // IDC_MAIN_SEND enabled
  bool import;
  bool exportFile;
  bool receive;
  MainAction action;
};

inline constexpr TextId kSendCaption = RowOf(ControlTextEntry(kEntrySendOrStart).caption, 0);
inline constexpr TextId kSensorCaption = RowOf(ControlTextEntry(kEntrySendOrStart).caption, 1);
inline constexpr TextId kExecuteCaption = RowOf(PrintPageEntry(kPrintEntryExecute).caption, 0);

inline constexpr std::array<PageButtons, kPageCount> kPageButtons = {{
    {.page = PageId::Easy,
     .checkAll = true,
     .sendCaption = kSendCaption,
     .send = true,
     .import = false,
     .exportFile = false,
     .receive = false,
     .action = MainAction::SendConfiguration},
    {.page = PageId::Standard,
     .checkAll = true,
     .sendCaption = kSendCaption,
     .send = true,
     .import = true,
     .exportFile = true,
     .receive = true,
     .action = MainAction::SendConfiguration},
    {.page = PageId::Information,
     .checkAll = false,
     .sendCaption = kSendCaption,
     .send = false,
     .import = false,
     .exportFile = false,
     .receive = true,
     .action = MainAction::SendConfiguration},
    {.page = PageId::Calibration,
     .checkAll = false,
     .sendCaption = kSensorCaption,
     .send = true,
     .import = false,
     .exportFile = true,
     .receive = false,
     .action = MainAction::SensorAdjustment},
    {.page = PageId::Print,
     .checkAll = false,
     .sendCaption = kExecuteCaption,
     .send = true,
     .import = false,
     .exportFile = false,
     .receive = false,
     .action = MainAction::PrintAction},
    {.page = PageId::Advanced,
     .checkAll = true,
     .sendCaption = kSendCaption,
     .send = true,
     .import = true,
     .exportFile = true,
     .receive = true,
     .action = MainAction::SendConfiguration},
}};

// The row of a page; pages outside the table count as the Easy page's
// neighbours do: Send Configuration with the Standard page's buttons.
const PageButtons& ButtonsOf(PageId page);

// Process-wide: the user accepted the Advanced page's warning during this
// run; only then do its items take part in export and sensor adjustment.
bool AdvancedAccepted();
void SetAdvancedAccepted();

class TabHost {
 public:
  // The pages keep the store and the preferences record in use; the main
  // window's controls are found through its kept look-ups.
  TabHost(const ui::Dialog& mainWindow, SettingsStore& store, PreferencesRecord& prefs);
  ~TabHost();
  TabHost(const TabHost&) = delete;
  TabHost& operator=(const TabHost&) = delete;

  // Creates the pages in order, places them, inserts the tabs and shows the
  // page of tab 0. A page that cannot be created stops the creation: the
  // later pages and every tab are left out and no page is shown.
  void CreatePages(PrinterModel model);

  // The first page found visible (Easy, Standard, Advanced, Information,
  // Calibration, Print), PageId::None when none is.
  PageId VisiblePage() const;
  // Shows page `index`, hides the others and sets the main buttons.
  void ShowPage(PageId page);
  // The tab control's selection changed (TCN_SELCHANGE).
  void SwitchPage();
  // Selects the tab `steps` away from the selected one, wrapping round, and
  // runs the page switch as a click on that tab does (the Advanced warning
  // included): Ctrl+Tab and Ctrl+PageDown step 1, with Shift or Ctrl+PageUp
  // -1.
  void StepTab(int steps);
  int SelectedTab() const;
  // The page of the selected tab (None without one).
  PageId SelectedPage() const;
  int TabCount() const;

  // The page of `index`, or nullptr when it could not be created.
  SettingsPage* Page(PageId page) const;
  CDlgTabEasy* easy() const;
  CDlgTabStandard* standard() const;
  CDlgTabAdvanced* advanced() const;
  CDlgTabInformation* information() const;
  CDlgTabCalibration* calibration() const;
  CDlgTabPrint* print() const;

  // The current language's texts on the pages that have texts.
  void ApplyPageTexts();
  // The model on every page: enable rules, lists and defaults.
  void ApplyModel(PrinterModel model, Language language);
  // Ticks the item check boxes of the page of `tab` (Easy or Standard).
  void CheckAll(PageId page);
  // Clears the item check boxes of the Standard, Advanced and Easy pages.
  void UncheckAll();

  // The Easy page's media type and print method (with their check states)
  // onto the Standard page, and back.
  void HandEasyToStandard();
  void HandStandardToEasy();
  // The media chosen for the sensor adjustment (0 labels with gaps, 1 black
  // marks) onto the Standard and Easy pages, checked; the print method is
  // unchecked and each page keeps the entry its list shows.
  void HandCalibrationMedia(int media);

  // Sets each tab's text from the table's tab labels (current language).
  void ApplyTabTexts();
  // Places the tab control and the pages for a client area of cx x cy.
  // True when something was moved.
  bool Layout(int cx, int cy);
  // How much wider than their width at 96 dpi, scaled, the tab control and
  // the pages are at the window's DPI: a page font whose dialog units grow
  // faster than the DPI (a bitmap font's sizes come in steps) would push the
  // controls past the page's right edge, where nothing scrolls sideways.
  int ExtraWidth() const;
  // Measures it from the widest page's controls (once the pages exist, and
  // again when the window's DPI changed).
  void MeasureExtraWidth();

  // No recent-settings file was found: the Standard page still has to be
  // reset to its model's defaults, at its first showing or at the close.
  bool standardDefaultsPending = false;
  // Runs the Standard page's reset if it is still pending.
  void ResetStandardIfPending();

 private:
  HWND Tabs() const;
  void AskAdvanced();
  int Scaled(int pixels) const;

  const ui::Dialog& main_;
  int extraWidth_ = 0;  // at extraDpi_
  int extraDpi_ = 96;
  SettingsStore& store_;
  PreferencesRecord& prefs_;
  std::array<std::unique_ptr<SettingsPage>, kPageCount> pages_{};
};

}  // namespace vostrel

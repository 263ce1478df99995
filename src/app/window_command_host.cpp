#include "app/window_command_host.h"

#include "app/drennic_app.h"
#include "app/drennic_dlg.h"
#include "app/tab_host.h"
#include "pages/calibration_page.h"
#include "res/main_window_ids.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace vostrel {

WindowCommandHost::WindowCommandHost(CDrennicDlg& window, CDrennicApp& app, Clock& base)
    : window_(window), app_(app), busy_(window.hwnd(), base) {
  app_.linkClock.RelayTo(busy_);
}

WindowCommandHost::~WindowCommandHost() { app_.linkClock.RelayTo(SystemClock()); }

HWND WindowCommandHost::Owner() { return window_.hwnd(); }
SettingsStore& WindowCommandHost::Store() { return app_.store; }
PreferencesRecord& WindowCommandHost::CurrentPrefs() { return app_.currentPrefs; }
std::int32_t WindowCommandHost::DriverLinkKind() { return app_.driverLinkKind; }
PrinterLink& WindowCommandHost::Link() { return app_.link; }
ReplyKeyTexts& WindowCommandHost::ReplyTexts() { return app_.replyTexts; }

PrinterModel WindowCommandHost::Model() { return ModelAt(ui::ComboBox(window_.Item(IDC_MAIN_MODEL_LIST)).Selected()); }

Language WindowCommandHost::CurrentLanguage() { return vostrel::CurrentLanguage(); }

CommandPages WindowCommandHost::Pages() {
  TabHost& tabs = window_.tabs();
  return CommandPages{tabs.easy(),        tabs.standard(),    tabs.advanced(),
                      tabs.information(), tabs.calibration(), tabs.print()};
}

CommandTab WindowCommandHost::VisibleTab() {
  switch (window_.tabs().VisiblePage()) {
    case kPageEasy: return CommandTab::Easy;
    case kPageStandard: return CommandTab::Standard;
    case kPageInformation: return CommandTab::Information;
    case kPageCalibration: return CommandTab::Calibration;
    case kPagePrint: return CommandTab::Print;
    case kPageAdvanced: return CommandTab::Advanced;
    default: return CommandTab::None;
  }
}

bool WindowCommandHost::AdvancedAccepted() { return vostrel::AdvancedAccepted(); }

std::int32_t WindowCommandHost::LinkChoice() { return window_.linkChoice().linkChoice; }
void WindowCommandHost::CollectLinkChoice() { window_.linkChoice().Collect(); }
bool WindowCommandHost::UseDirectPort() { return window_.linkChoice().UseDirectPort(); }
void WindowCommandHost::UseQueue() { window_.linkChoice().UseQueue(); }

void WindowCommandHost::HandEasyToStandard() { window_.tabs().HandEasyToStandard(); }
void WindowCommandHost::HandStandardToEasy() { window_.tabs().HandStandardToEasy(); }

void WindowCommandHost::HandCalibrationMedia() {
  const CDlgTabCalibration* calibration = window_.tabs().calibration();
  window_.tabs().HandCalibrationMedia(calibration ? calibration->calibMediaIndex() : 0);
}

void WindowCommandHost::ClearCheckAll() { window_.ClearCheckAll(); }

void WindowCommandHost::ShowPause(int secondsLeft) { busy_.ShowCountdown(secondsLeft); }
void WindowCommandHost::EndPause() { busy_.EndCountdown(); }
void WindowCommandHost::ShowElapsed(int secondsPassed) { busy_.ShowCountdown(secondsPassed); }

void WindowCommandHost::ShowOutcome(const ExchangeOutcome& outcome) {
  busy_.EndCountdown();
  busy_.DropQueuedInput();
  ReportCode(outcome.code, Owner());
}

}  // namespace vostrel

#include "app/window_command_host.h"

#include <cstdio>

#include "app/application.h"
#include "app/main_window.h"
#include "app/status_strip.h"
#include "app/tab_host.h"
#include "operations/rfid_calibration.h"
#include "operations/status_words.h"
#include "pages/calibration_page.h"
#include "res/main_window_ids.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace vostrel {

namespace {

// "10:42": the time of day a command ended.
std::wstring TimeOfDay() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  wchar_t text[8] = {};
  std::swprintf(text, 8, L"%02u:%02u", static_cast<unsigned>(now.wHour), static_cast<unsigned>(now.wMinute));
  return text;
}

constexpr int kRfidLimitSeconds = static_cast<int>(kRfidCalibrationLimitMs / 1000);

}  // namespace

WindowCommandHost::WindowCommandHost(CDrennicDlg& window, CDrennicApp& app, Clock& base)
    : window_(window), app_(app), busy_(window.hwnd(), base) {
  app_.linkClock.RelayTo(busy_);
  busy_.SetCancelButton(window_.statusStrip().cancelButton());
}

WindowCommandHost::~WindowCommandHost() { app_.linkClock.RelayTo(SystemClock()); }

CommandHost WindowCommandHost::ForCommand() {
  return {{window_.hwnd(), app_.store, app_.currentPrefs, app_.link, app_.replyTexts, busy_, *this}, *this};
}

PrinterModel WindowCommandHost::Model() { return ModelAt(ui::ComboBox(window_.Item(IDC_MAIN_MODEL_LIST)).Selected()); }

CommandPages WindowCommandHost::Pages() {
  TabHost& tabs = window_.tabs();
  return CommandPages{tabs.easy(),        tabs.standard(),    tabs.advanced(),
                      tabs.information(), tabs.calibration(), tabs.print()};
}

PageId WindowCommandHost::VisiblePage() { return window_.tabs().VisiblePage(); }

bool WindowCommandHost::AdvancedAccepted() { return vostrel::AdvancedAccepted(); }

LinkRadio WindowCommandHost::LinkChoice() { return window_.linkChoice().linkChoice; }
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

void WindowCommandHost::BeginCommand() {
  ended_ = false;
  StatusStrip& strip = window_.statusStrip();
  strip.ShowText(GetText(StatusText::kWorking));
  strip.ShowProgress(0, 0);
  strip.ShowCancel(true, false);
  busy_.PaintPending();
}

void WindowCommandHost::EndCommand() {
  StatusStrip& strip = window_.statusStrip();
  strip.ShowProgress(0, 0);
  strip.ShowCancel(false, false);
  // A command that ended without a word (a question answered No).
  if (!ended_) strip.ShowText(GetText(StatusText::kReady));
}

void WindowCommandHost::ShowEnd(const std::wstring& text) {
  ended_ = true;
  window_.statusStrip().ShowText(text);
  busy_.PaintPending();
}

void WindowCommandHost::BeginWait(CancellableWait wait) {
  busy_.AllowCancel(true);
  StatusStrip& strip = window_.statusStrip();
  strip.ShowCancel(true, busy_.cancelAllowed());
  pauseSeconds_ = 0;
  switch (wait) {
    case CancellableWait::Connect:
      strip.ShowText(
          FillText(GetText(StatusText::kConnecting), {LinkInWords(app_.currentPrefs, window_.QueuePortText())}));
      break;
    case CancellableWait::Pause: break;  // ShowPause has the seconds
    case CancellableWait::RfidPolls:
      strip.ShowText(FillText(GetText(StatusText::kRfidRunning), {DurationInWords(0)}));
      strip.ShowProgress(0, kRfidLimitSeconds);
      break;
  }
  busy_.PaintPending();
}

void WindowCommandHost::EndWait() {
  busy_.AllowCancel(false);
  StatusStrip& strip = window_.statusStrip();
  // The wait's words go before its Cancel does: whoever still reads them
  // finds Cancel enabled.
  if (!busy_.WaitCancelled()) strip.ShowText(GetText(StatusText::kTalking));
  strip.ShowCancel(true, false);
  strip.ShowProgress(0, 0);
  busy_.PaintPending();
}

void WindowCommandHost::ShowPause(int secondsLeft) {
  // The first second shown is the whole pause.
  if (pauseSeconds_ == 0) pauseSeconds_ = secondsLeft;
  StatusStrip& strip = window_.statusStrip();
  strip.ShowText(FillText(GetText(StatusText::kPause), {std::to_wstring(secondsLeft)}));
  strip.ShowProgress(pauseSeconds_ - secondsLeft, pauseSeconds_);
  busy_.PaintPending();
}

void WindowCommandHost::ShowElapsed(int secondsPassed) {
  StatusStrip& strip = window_.statusStrip();
  strip.ShowText(FillText(GetText(StatusText::kRfidRunning), {DurationInWords(secondsPassed)}));
  strip.ShowProgress(secondsPassed, kRfidLimitSeconds);
  busy_.PaintPending();
}

void WindowCommandHost::ShowOutcome(const ExchangeOutcome& outcome) {
  busy_.DropQueuedInput();
  if (!outcome.done()) ShowEnd(FailureInWords(outcome.code));
  ReportCode(outcome.code, window_.hwnd());
}

void WindowCommandHost::ReportDone(const CommandDone& done) {
  ShowEnd(DoneInWords(done, LinkInWords(app_.currentPrefs, window_.QueuePortText()), TimeOfDay()));
}

}  // namespace vostrel

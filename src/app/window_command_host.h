#pragma once
// The main window as the command flows see it: its pages, its link choice,
// the application's store, preferences and link, and the clock and front
// that keep the window painted, showing the wait cursor and ignoring input
// while a command waits.

#include <windows.h>

#include "operations/command_host.h"
#include "operations/printer_exchange.h"
#include "ui/busy_window.h"

namespace vostrel {

class CDrennicApp;
class CDrennicDlg;

class WindowCommandHost final : public CommandWindow, private ExchangeFront {
 public:
  // `base` is the clock that really sleeps; the application's link waits on
  // this host's clock from now on.
  WindowCommandHost(CDrennicDlg& window, CDrennicApp& app, Clock& base);
  ~WindowCommandHost() override;
  WindowCommandHost(const WindowCommandHost&) = delete;
  WindowCommandHost& operator=(const WindowCommandHost&) = delete;

  // The window is busy for the life of the scope (one per command).
  ui::BusyWindow& busy() { return busy_; }
  // A command begins and ends: the status strip follows it, and keeps how
  // it ended until the next one.
  void BeginCommand();
  void EndCommand();

  // What a command runs with: the application's objects, this host's clock
  // and front, and this window.
  CommandHost ForCommand();

  PrinterModel Model() override;

  CommandPages Pages() override;
  PageId VisiblePage() override;
  bool AdvancedAccepted() override;

  LinkRadio LinkChoice() override;
  void CollectLinkChoice() override;
  bool UseDirectPort() override;
  void UseQueue() override;

  void HandEasyToStandard() override;
  void HandStandardToEasy() override;
  void HandCalibrationMedia() override;
  void ClearCheckAll() override;
  void ReportDone(const CommandDone& done) override;

 private:
  // The waits in the status strip, with Cancel enabled while one lasts; the
  // outcome as its numbered message, after the input that came in meanwhile
  // is gone, and in the strip.
  void BeginWait(CancellableWait wait) override;
  void EndWait() override;
  void ShowPause(int secondsLeft) override;
  void ShowElapsed(int secondsPassed) override;
  void ShowOutcome(const ExchangeOutcome& outcome) override;
  // How the command ended, in the strip until the next one.
  void ShowEnd(const std::wstring& text);

  CDrennicDlg& window_;
  CDrennicApp& app_;
  ui::BusyWindow busy_;
  int pauseSeconds_ = 0;
  bool ended_ = false;
};

}  // namespace vostrel

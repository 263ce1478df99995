#pragma once
// The main window as the command flows see it, for tests: the real pages in
// a host window, the real link, a clock of the test's choice, a link choice
// whose queue stands on a port the test names, and a front that records the
// countdowns and the outcomes and shows each outcome's message as the
// window does. The printer simulator and the scratch folders come from
// tests/support.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "link/printer_link.h"
#include "operations/command_host.h"
#include "operations/printer_exchange.h"
#include "pages/advanced_page.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/media_choice.h"
#include "pages/pages_host.h"
#include "pages/print_page.h"
#include "pages/standard_page.h"
#include "platform/clock.h"
#include "settings/reply_readers.h"
#include "support/fake_clock.h"
#include "support/message_box_catcher.h"
#include "support/scratch_folder.h"
#include "support/simulator_process.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace vostrel::testing {

namespace fs = std::filesystem;

// Fake time; the real time a sleep takes is a tenth of it (none once
// `hurry` is set), so that a printer in another process or on another
// thread has time to answer while the long timeouts pass quickly.
class HurriedClock final : public Clock {
 public:
  std::uint32_t TickCount() override { return fake_.TickCount(); }
  void Sleep(std::uint32_t milliseconds) override {
    fake_.Sleep(milliseconds);
    if (!hurry && milliseconds > 0) ::Sleep(std::max<std::uint32_t>(1, milliseconds / 10));
  }
  // The user's Cancel: at once, or from fake time `cancelAt` on (0: never).
  bool WaitCancelled() override { return cancelled || (cancelAt != 0 && fake_.now() >= cancelAt); }
  std::uint32_t now() const { return fake_.now(); }
  std::atomic<bool> hurry{false};
  std::atomic<bool> cancelled{false};
  std::atomic<std::uint32_t> cancelAt{0};

 private:
  FakeClock fake_{1000};
};

class FlowHost final : public CommandWindow, public ExchangeFront {
 public:
  explicit FlowHost(Clock& clock) : link(prefs, driverKind, clock), clock_(clock), print(store, prefs) {}

  bool Create(PrinterModel chosen) {
    if (!ui::InitDialogControls() || !window.CreateModeless(nullptr)) return false;
    for (SettingsPage* page : std::initializer_list<SettingsPage*>{&standard, &advanced, &easy, &calibration, &print}) {
      if (!page->CreateModeless(window.hwnd())) return false;
    }
    model = chosen;
    standard.ApplyTexts();
    standard.ApplyModel(model, Language::Japanese);
    advanced.ApplyModel(model, Language::Japanese);
    easy.ApplyModel(model, Language::Japanese);
    calibration.OfferThirdChoice(true);
    calibration.ApplyTexts();
    calibration.ApplyModel(model, Language::Japanese);
    print.ApplyTexts();
    print.ApplyModel(model, Language::Japanese);
    store.modelIndex = model;
    return true;
  }

  // The link the pickers name: a port of its own, or (`queue`) a printer
  // queue standing on that port.
  void ChoosePort(const PreferencesRecord& port, bool queue) {
    portPrefs = port;
    linkChoice = queue ? LinkRadio::Queue : LinkRadio::Com;
    prefs = port;
    if (queue) {
      prefs.portKind = PortKind::Prt;
      prefs.portName = L"Test queue";
    }
  }
  void ChooseNet(int port, bool queue = false) {
    PreferencesRecord net;
    net.portKind = PortKind::Net;
    net.portName = L"127.0.0.1";
    net.portNumber = std::to_wstring(port);
    ChoosePort(net, queue);
  }

  // What a flow runs with; the box owner exists once Create has run.
  CommandHost ForCommand() { return {{window.hwnd(), store, prefs, link, replyTexts, clock_, *this}, *this}; }

  PrinterModel Model() override { return model; }
  CommandPages Pages() override { return {&easy, &standard, &advanced, nullptr, &calibration, &print}; }
  PageId VisiblePage() override { return PageId::Calibration; }
  bool AdvancedAccepted() override { return false; }
  LinkRadio LinkChoice() override { return linkChoice; }
  void CollectLinkChoice() override {
    ++collects;
    if (linkChoice != LinkRadio::Queue) {
      prefs.portKind = portPrefs.portKind;
      prefs.portName = portPrefs.portName;
      prefs.portNumber = portPrefs.portNumber;
    } else {
      prefs.portKind = PortKind::Prt;
    }
  }
  bool UseDirectPort() override {
    ++directSwitches;
    linkChoice = LinkRadio::Com;
    return true;
  }
  void UseQueue() override {
    ++queueSwitches;
    linkChoice = LinkRadio::Queue;
    prefs.portKind = PortKind::Prt;
  }
  void HandEasyToStandard() override {}
  void HandStandardToEasy() override {}
  void HandCalibrationMedia() override {
    MediaChoice choice;
    choice.mediaSensorChecked = true;
    choice.mediaSensorIndex = calibration.calibMediaIndex();
    standard.PutShared(choice);
    easy.PutChoice(choice);
  }
  void ClearCheckAll() override { ++checkAllCleared; }
  void ReportDone(const CommandDone& done) override { reports.push_back(done); }

  void ShowPause(int secondsLeft) override { pauses.push_back(secondsLeft); }
  void ShowElapsed(int secondsPassed) override { elapsed.push_back(secondsPassed); }
  void ShowOutcome(const ExchangeOutcome& outcome) override {
    outcomes.push_back(outcome);
    // Shown once the link is closed and the queue chosen again.
    linkOpenAtEnd = linkOpenAtEnd || link.socket.valid() || link.handle.valid();
    queueLeftAtEnd = queueLeftAtEnd || directSwitches != queueSwitches;
    ReportCode(outcome.code, window.hwnd());
  }

  // The link was closed and the queue chosen again on every path.
  void ExpectLinkPutBack(bool queue) const {
    EXPECT_FALSE(link.socket.valid());
    EXPECT_FALSE(link.handle.valid());
    EXPECT_FALSE(linkOpenAtEnd);
    EXPECT_FALSE(queueLeftAtEnd);
    if (queue) {
      EXPECT_EQ(linkChoice, LinkRadio::Queue);
      EXPECT_GE(directSwitches, 1);
      EXPECT_EQ(directSwitches, queueSwitches);
    } else {
      EXPECT_EQ(directSwitches, 0);
      EXPECT_EQ(queueSwitches, 0);
    }
  }

  PagesHost window;
  SettingsStore store;
  PreferencesRecord prefs;
  PreferencesRecord portPrefs;
  PortKind driverKind = PortKind::None;
  PrinterLink link;
  ReplyKeyTexts replyTexts;
  PrinterModel model = PrinterModel::Vx120Zkq;
  LinkRadio linkChoice = LinkRadio::Com;
  int collects = 0, directSwitches = 0, queueSwitches = 0, checkAllCleared = 0;
  bool queueLeftAtEnd = false;
  bool linkOpenAtEnd = false;
  std::vector<int> pauses, elapsed;
  std::vector<ExchangeOutcome> outcomes;
  std::vector<CommandDone> reports;

 private:
  Clock& clock_;

 public:
  CDlgTabStandard standard{store};
  CDlgTabAdvanced advanced{store};
  CDlgTabEasy easy{store};
  CDlgTabCalibration calibration{store};
  CDlgTabPrint print;
};

// The texts of the boxes.
inline std::vector<std::wstring> TextsOf(const std::vector<testing_support::CaughtBox>& boxes) {
  std::vector<std::wstring> texts;
  for (const auto& box : boxes) texts.push_back(box.text);
  return texts;
}

}  // namespace vostrel::testing

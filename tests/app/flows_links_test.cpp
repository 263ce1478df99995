// Send and Receive from the main window over the other links: a COM port on
// a socat pty pair with the simulator on its far end, the USB stand-in (a
// named pipe behind a device path) with the printer played on a thread, and
// a printer queue whose raw jobs the spooler hands to a capture file.
#include <gtest/gtest.h>

#include <thread>

#include "app/flow_fixture.h"
#include "link/link_fixtures.h"
#include "link/pty_pair.h"
#include "link/usb_pipe_device.h"
#include "protocol/command_set.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

using testing_support::CapturedPort;
using testing_support::PtyPair;
using testing_support::SpoolerTurn;
using testing_support::TestQueue;
using testing_support::TestRegistryRoot;
using testing_support::UniqueSuffix;
using testing_support::UsbPipeDevice;

const std::string kPrefix(kCommandPrefix);
const std::string kConfigRequest = kPrefix + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kListing =
    std::string(kReplyHeader) + "PRINT DARKNESS\t:\t23\r\nHOST NAME\t:\tusb-printer\r\nEND\r\n";

class FlowsLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.created);
    ui.SelectTab(PageId::Standard);
  }
  void TickDarkness(const wchar_t* value) {
    ui.SetPageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT, value);
    ui.SetPageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK, true);
  }
  void ExpectQueueChosenAgain() {
    EXPECT_EQ(ui.window->linkChoice().linkChoice, LinkRadio::Queue);
    EXPECT_TRUE(ui::CheckBox(ui.Item(IDC_MAIN_QUEUE_RADIO)).IsChecked());
    EXPECT_EQ(ui.app.currentPrefs.portKind, PortKind::Prt);
  }

  FlowWindow ui;
};

TEST_F(FlowsLinksTest, OverComTheSimulatorTakesTheSettingsAndSendsThemBackThroughAQueueOnThePort) {
  PtyPair pty;
  ASSERT_TRUE(pty.started());
  Simulator sim(0, L"--com " + pty.peerName());
  ASSERT_TRUE(sim.firstLine().starts_with("serving COM")) << sim.firstLine();

  ui.ChoosePort(IDC_MAIN_COM_RADIO, IDC_MAIN_COM_LIST, pty.linkPort());
  TickDarkness(L"19");
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  ::Sleep(1500);  // a second of quiet ends the simulator's first "connection"
  EXPECT_EQ(sim.Captured(1, "in"), kPrefix + "PRINT DARKNESS\t:\t19\r\nEND\r\n");

  // A queue on that COM port: Receive goes to the port and comes back.
  std::wstring comName = pty.linkPort();
  comName.pop_back();
  ui.ChooseQueue(L"Flow COM queue", PortKind::Com, comName + L", 9600, 8, 1, None, None");
  ui.window->tabs().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  EXPECT_EQ(boxes.size(), 1u) << (boxes.size() > 1 ? std::string(boxes[1].text.begin(), boxes[1].text.end()) : "")
                              << sim.Log();
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"19");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"VX120ZKQ");
  // The pause on a COM port: 5 s in steps of 100 ms.
  const auto& sleeps = ui.clock.fake().sleeps();
  EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 100u), 50);
  ExpectQueueChosenAgain();
  EXPECT_FALSE(ui.app.link.handle.valid());
  ::Sleep(1500);
  // The pre-request may be purged with the port's close before it left the
  // pty; the request came whole.
  EXPECT_TRUE(sim.Captured(2, "in").ends_with(kConfigRequest));
}

TEST_F(FlowsLinksTest, OverUsbReceiveReadsTheListingAndAQueueOnAMissingPortGets30) {
  TestRegistryRoot registry;
  UsbPipeDevice device(registry, 41);
  ASSERT_TRUE(device.ready());
  ui.app.link.deviceRegistryRoot = registry.key();
  ui.clock.pauseStepMs = 10;  // time for the stand-in to take the second open
  std::vector<std::string> written;
  std::thread printer([&] {
    if (!device.Connected()) return;
    for (const std::string& m : device.Messages()) written.push_back(m);
    device.Reconnect();
    if (!device.Connected()) return;
    for (const std::string& m : device.Messages()) written.push_back(m);
    device.Send(kListing);
  });
  // The USB list as the port discovery fills it with the device present.
  FlowWindow::Pick(ui.Item(IDC_MAIN_USB_LIST), L"USB077");
  FlowWindow::Pick(ui.Item(IDC_MAIN_USB_LIST), L"USB041");
  ui.ChooseQueue(L"Flow USB queue", PortKind::Usb, L"USB041");
  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  printer.join();
  EXPECT_EQ(boxes.size(), 1u);
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], std::string(kPreRequestCommand));
  EXPECT_EQ(written[1], kConfigRequest);
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"23");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"usb-printer");
  ExpectQueueChosenAgain();

  // A queue on a USB port without a device: the port does not open.
  ui.ChooseQueue(L"Flow USB queue 2", PortKind::Usb, L"USB077");
  const std::vector<CaughtBox> failed = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  ASSERT_EQ(failed.size(), 2u);
  EXPECT_EQ(failed[1].text.substr(0, 9), kCode30);
  ExpectQueueChosenAgain();
  EXPECT_FALSE(ui.app.link.handle.valid());
}

TEST_F(FlowsLinksTest, OverUsbSendFromTheEasyAndStandardTabsWritesTheScripts) {
  TestRegistryRoot registry;
  UsbPipeDevice device(registry, 42);
  ASSERT_TRUE(device.ready());
  ui.app.link.deviceRegistryRoot = registry.key();
  std::vector<std::string> written;
  std::thread printer([&] {
    for (int open = 0; open < 2; ++open) {
      if (!device.Connected()) return;
      std::string bytes;
      for (const std::string& m : device.Messages()) bytes += m;
      written.push_back(bytes);
      device.Reconnect();
    }
  });
  ui.ChoosePort(IDC_MAIN_USB_RADIO, IDC_MAIN_USB_LIST, L"USB042");
  TickDarkness(L"14");
  ui.SetPageChecked(PageId::Standard, IDC_STD_MEDIA_SENSOR_CHECK, true);
  EXPECT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  ui.SelectTab(PageId::Easy);
  ui.ClickPage(PageId::Easy, IDC_EASY_CONTINUOUS_RADIO);
  ui.SetPageChecked(PageId::Easy, IDC_EASY_MEDIA_CHECK, true);
  EXPECT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  printer.join();
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], kPrefix + "PRINT DARKNESS\t:\t14\r\nEND\r\n");
  EXPECT_EQ(written[1], kPrefix + "MEDIA SENSOR\t:\tNONE\r\nEND\r\n");
  EXPECT_FALSE(ui.app.link.handle.valid());
}

TEST_F(FlowsLinksTest, SendToAPrinterQueueIsOneRawJobAndAQueueOnNoPortCannotReceive) {
  SpoolerTurn turn;
  const std::wstring port = L"VOSTRELFLOW" + UniqueSuffix();
  CapturedPort captured(port);
  TestQueue queue(L"Vostrel flow queue " + UniqueSuffix(), port);
  ASSERT_TRUE(queue.added());
  ui.ChooseQueue(queue.name(), PortKind::None, port);
  TickDarkness(L"11");
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  EXPECT_EQ(captured.Bytes(), kPrefix + "PRINT DARKNESS\t:\t11\r\nEND\r\n");

  // Its port is no COM, USB or TCP/IP port: nothing to ask.
  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text.substr(0, 9), kCode30);
  ExpectQueueChosenAgain();
}

}  // namespace
}  // namespace vostrel::testing

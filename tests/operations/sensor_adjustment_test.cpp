// The sensor adjustment on the real pages, against the printer simulator over
// TCP and against a printer played on a COM port: the bytes on the wire, the
// answer's reading and each message, and the link and the queue put back.
#include "operations/sensor_adjustment.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "link/link_fixtures.h"
#include "link/pty_pair.h"
#include "link/usb_pipe_device.h"
#include "operations/flow_host.h"
#include "protocol/command_set.h"

namespace vostrel::testing {
namespace {

using testing_support::MessageBoxCatcher;
using testing_support::PtyPair;
using testing_support::TestRegistryRoot;
using testing_support::UsbPipeDevice;

constexpr const wchar_t* kAsk = L"センサー調整を開始してよろしいですか？";
constexpr const wchar_t* kSucceeded = L"センサー調整に成功しました。";
constexpr const wchar_t* kFailed = L"センサー調整に失敗しました。\n再度お試しください。";
constexpr const wchar_t* kReadFailed = L"code : 32\r\n取得したデータにエラーがあります。";

const std::string kPrefix(kCommandPrefix);

std::string ScriptFor(int media) {
  return kPrefix + "MEDIA SENSOR\t:\t" + (media == 0 ? "SEE THROUGH" : "REFLECT") +
         "\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n";
}

class SensorAdjustment : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Create(PrinterModel::Vx120Zkq)); }

  // Button 172 with the answers given to the boxes; the boxes' texts.
  std::vector<std::wstring> Run(std::vector<int> answers = {IDYES}) {
    MessageBoxCatcher catcher(std::move(answers));
    StartSensorAdjustment(host.ForCommand());
    return TextsOf(catcher.Boxes());
  }
  void ChooseMedia(int media) {
    const HWND radio = host.calibration.Item(media == 0 ? IDC_CAL_GAPS_RADIO : IDC_CAL_MARKS_RADIO);
    ::SendMessageW(radio, BM_CLICK, 0, 0);
    ASSERT_EQ(host.calibration.calibMediaIndex(), media);
  }

  HurriedClock clock;
  FlowHost host{clock};
};

TEST_F(SensorAdjustment, BothMediaOverTcpAndAQueueOnThatPort) {
  for (const bool queue : {false, true}) {
    for (const int media : {0, 1}) {
      SCOPED_TRACE(std::to_string(media) + (queue ? " queue" : " port"));
      Simulator sim(1);
      ASSERT_NE(sim.port(), 0);
      host.ChooseNet(sim.port(), queue);
      ChooseMedia(media);
      // Rows ticked before are not part of the adjustment.
      host.standard.CheckAll();
      const auto texts = Run();
      EXPECT_EQ(texts, (std::vector<std::wstring>{kAsk, kSucceeded}));
      EXPECT_EQ(sim.Captured(1, "in"), ScriptFor(media));
      EXPECT_EQ(sim.Captured(1, "out"), "AUTO CALIBRATION : SUCCEEDED\r\n");
      host.ExpectLinkPutBack(queue);
      EXPECT_EQ(host.checkAllCleared, 1);
      // The Standard page is unticked afterwards and shows the media handed to it.
      EXPECT_FALSE(ui::CheckBox(host.standard.Item(IDC_STD_MEDIA_SENSOR_CHECK)).IsChecked());
      EXPECT_FALSE(ui::CheckBox(host.standard.Item(IDC_STD_PRINT_SPEED_CHECK)).IsChecked());
      EXPECT_EQ(ui::ComboBox(host.standard.Item(IDC_STD_MEDIA_SENSOR_LIST)).Selected(), media);
      host.checkAllCleared = 0;
      host.directSwitches = host.queueSwitches = 0;
      host.outcomes.clear();
    }
  }
}

TEST_F(SensorAdjustment, TheAnswerDecidesTheMessage) {
  const struct {
    const wchar_t* calibration;
    std::vector<std::wstring> texts;
  } cases[] = {
      {L"succeeded", {kAsk, kSucceeded}},
      {L"failed", {kAsk, kFailed}},
      {L"no-result", {kAsk, kFailed}},
      {L"unknown-word", {kAsk, kFailed}},
      // Read from its "A".
      {L"empty-line-first", {kAsk, kSucceeded}},
      // No "A" in its first three bytes.
      {L"ok-first", {kAsk, kReadFailed}},
      // Another line than the result.
      {L"extra-line", {kAsk, kReadFailed}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::wstring(c.calibration));
    Simulator sim(1, L"--calibration " + std::wstring(c.calibration));
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port());
    EXPECT_EQ(Run(), c.texts);
    EXPECT_EQ(sim.Captured(1, "in"), ScriptFor(0));
    host.ExpectLinkPutBack(false);
  }
}

TEST_F(SensorAdjustment, NoSendsNothingAndAPrinterThatIsNotThereIsCode30) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  EXPECT_EQ(Run({IDNO}), std::vector<std::wstring>{kAsk});
  EXPECT_FALSE(sim.HasConnection(1));
  EXPECT_EQ(host.directSwitches, 0);

  // Nobody listens on this port any more.
  PreferencesRecord none;
  none.portKind = PortKind::Net;
  none.portName = L"127.0.0.1";
  none.portNumber = L"1";
  host.ChoosePort(none, true);
  const auto texts = Run();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[1].starts_with(L"code : 30\r\n")) << texts[1];
  host.ExpectLinkPutBack(true);
}

TEST_F(SensorAdjustment, OverComTheAnswerIsReadAndTwoBytesEndOnlyAtTheTimeout) {
  const struct {
    const char* name;
    std::string answer;
    std::vector<std::wstring> texts;
    std::wstring detail;  // part of the outcome's words
    int media;
  } cases[] = {
      {"succeeded", "AUTO CALIBRATION : SUCCEEDED\r\n", {kAsk, kSucceeded}, L"", 0},
      {"black marks, failed", "AUTO CALIBRATION : FAILED\r\n", {kAsk, kFailed}, L"", 1},
      // A reply all the same: its bytes are looked at, and hold no "A".
      {"two bytes", "OK", {kAsk, kReadFailed}, L"does not begin with its result line", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ChooseMedia(c.media);
    PtyPair pty;
    ASSERT_TRUE(pty.started());
    ASSERT_TRUE(pty.OpenPeer());
    PreferencesRecord com;
    com.portKind = PortKind::Com;
    com.portName = pty.linkPort();
    host.ChoosePort(com, false);
    host.outcomes.clear();
    std::string wire;
    std::thread printer([&] {
      const std::string expected = ScriptFor(c.media);
      for (int waited = 0; wire.size() < expected.size() && waited < 5000; waited += 100) {
        wire += pty.Receive(expected.size() - wire.size(), 100);
      }
      pty.Send(c.answer);
    });
    const std::uint32_t start = clock.now();
    const auto texts = Run();
    printer.join();
    EXPECT_EQ(wire, ScriptFor(c.media));
    EXPECT_EQ(texts, c.texts);
    ASSERT_EQ(host.outcomes.size(), 1u);
    if (!c.detail.empty()) {
      EXPECT_NE(host.outcomes[0].detail.find(c.detail), std::wstring::npos);
      // The read went on until the Long timeout.
      EXPECT_GE(clock.now() - start, 10000u);
    }
    host.ExpectLinkPutBack(false);
  }
}

TEST_F(SensorAdjustment, AQueueOnAUsbPortRunsOverUsbAndIsChosenAgain) {
  TestRegistryRoot registry;
  UsbPipeDevice device(registry, 41);
  ASSERT_TRUE(device.ready());
  host.link.deviceRegistryRoot = registry.key();
  PreferencesRecord usb;
  usb.portKind = PortKind::Usb;
  usb.portName = L"USB041";
  host.ChoosePort(usb, true);
  ChooseMedia(1);
  std::vector<std::string> messages;
  std::thread printer([&] {
    if (!device.Connected()) return;
    messages = device.Messages(200);
    device.Send("AUTO CALIBRATION : SUCCEEDED\r\n");
  });
  const auto texts = Run();
  printer.join();
  EXPECT_EQ(texts, (std::vector<std::wstring>{kAsk, kSucceeded}));
  EXPECT_EQ(messages, std::vector<std::string>{ScriptFor(1)});
  host.ExpectLinkPutBack(true);
  EXPECT_EQ(host.linkChoice, LinkRadio::Queue);
}

}  // namespace
}  // namespace vostrel::testing

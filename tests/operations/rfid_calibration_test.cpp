// The RFID calibration of the Sensor Adjustment tab's third choice: against
// the printer simulator with and without its RFID option, and its
// six-minute limit against a printer played on a thread that never reports a
// result, on the fake clock.
#include "operations/rfid_calibration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>

#include "link/tcp_peer.h"
#include "operations/flow_host.h"
#include "protocol/command_set.h"

namespace vostrel::testing {
namespace {

using testing_support::MessageBoxCatcher;
using testing_support::TcpPeer;

constexpr const wchar_t* kAsk = L"RFIDセンサー調整を開始してよろしいですか？";
constexpr const wchar_t* kSucceeded = L"RFIDセンサー調整に成功しました。";
constexpr const wchar_t* kFailed = L"RFIDセンサー調整に失敗しました。\n再度お試しください。";
constexpr const wchar_t* kNoRfid = L"RFID対応機種ではありません。";
const std::string kRequest = std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kStart(kRfidCalibrationStart);
const std::string kPoll(kRfidStatusPoll);

class RfidCalibration : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Create(PrinterModel::Vx135Zkq));
    ::SendMessageW(host.calibration.Item(IDC_CAL_RFID_RADIO), BM_CLICK, 0, 0);
    ASSERT_EQ(host.calibration.calibMediaIndex(), CDlgTabCalibration::kRfidMedia);
  }

  std::vector<std::wstring> Run(std::vector<int> answers = {IDYES}) {
    MessageBoxCatcher catcher(std::move(answers));
    StartRfidCalibration(host.ForCommand());
    return TextsOf(catcher.Boxes());
  }

  // A printer with RFID on `peer`: it answers the support check, takes the
  // calibration's start into `calibration`, runs `afterStart`, then keeps
  // whatever else comes until `quietMs` pass without a byte.
  std::thread RfidPrinter(TcpPeer& peer, std::string& calibration, std::function<void()> afterStart, int quietMs) {
    return std::thread([&peer, &calibration, afterStart, quietMs] {
      if (!peer.Accept()) return;
      peer.Receive(kRequest.size());
      peer.Send(std::string(kReplyHeader) + "RFID SETTINGS\r\nRFID CALIB POWER\t:\t18\r\nEND\r\n");
      peer.SeesClosed(5000);
      peer.CloseConnection();
      if (!peer.Accept()) return;
      calibration = peer.Receive(kStart.size());
      afterStart();
      for (std::string got; !(got = peer.Receive(1, quietMs)).empty();) calibration += got;
    });
  }

  HurriedClock clock;
  FlowHost host{clock};
};

TEST_F(RfidCalibration, ThePrintersResultIsShown) {
  const struct {
    const wchar_t* result;
    const wchar_t* text;
  } cases[] = {{L"ok", kSucceeded}, {L"ng", kFailed}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::wstring(c.result));
    Simulator sim(2, L"--model VX-135-ZKQ --rfid --rfid-result " + std::wstring(c.result));
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port(), true);
    host.standard.CheckAll();
    host.directSwitches = host.queueSwitches = 0;
    EXPECT_EQ(Run(), (std::vector<std::wstring>{kAsk, c.text}));
    // The support check on a connection of its own; then the start, and the
    // first poll before the sixth read, which brings the result.
    EXPECT_EQ(sim.Captured(1, "in"), kRequest);
    EXPECT_EQ(sim.Captured(2, "in"), kStart + kPoll);
    host.ExpectLinkPutBack(true);
    EXPECT_EQ(host.directSwitches, 2);
    EXPECT_FALSE(ui::CheckBox(host.standard.Item(IDC_STD_PRINT_SPEED_CHECK)).IsChecked());
  }
}

TEST_F(RfidCalibration, TheSectionIsFoundInAListingLongerThanOneBufferAndACutListingIs32) {
  {
    Simulator sim(2, L"--model VX-135-ZKQ --rfid --long-reply");
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port());
    EXPECT_EQ(Run(), (std::vector<std::wstring>{kAsk, kSucceeded}));
    const std::string listing = sim.Captured(1, "out");
    ASSERT_GT(listing.find("RFID"), 4095u);
    EXPECT_EQ(sim.Captured(2, "in"), kStart + kPoll);
  }
  {
    Simulator sim(1, L"--model VX-135-ZKQ --rfid --listing-size 9000");
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port(), true);
    const auto texts = Run();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[1].starts_with(L"code : 32\r\n")) << texts[1];
    EXPECT_EQ(sim.Captured(1, "in"), kRequest);
    EXPECT_FALSE(sim.HasConnection(2));
    host.ExpectLinkPutBack(true);
  }
}

TEST_F(RfidCalibration, APrinterWithoutRfidIsToldSoAndGetsNothingMore) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  EXPECT_EQ(Run(), (std::vector<std::wstring>{kAsk, kNoRfid}));
  EXPECT_EQ(sim.Captured(1, "in"), kRequest);
  EXPECT_FALSE(sim.HasConnection(2));
  host.ExpectLinkPutBack(true);

  // No: nothing is sent.
  EXPECT_EQ(Run({IDNO}), std::vector<std::wstring>{kAsk});
  EXPECT_FALSE(sim.HasConnection(2));
}

TEST_F(RfidCalibration, APrinterThatNeverAnswersFailsAfterSixMinutes) {
  TcpPeer peer;
  host.ChooseNet(peer.port());
  std::string calibration;
  // From the start on, the polls' reads time out at once.
  std::thread printer = RfidPrinter(
      peer, calibration, [&] { clock.hurry = true; }, 5000);
  const std::uint32_t start = clock.now();
  const auto texts = Run();
  printer.join();
  EXPECT_EQ(texts, (std::vector<std::wstring>{kAsk, kFailed}));
  EXPECT_GT(clock.now() - start, kRfidCalibrationLimitMs);
  EXPECT_LT(clock.now() - start, kRfidCalibrationLimitMs + 10000);
  ASSERT_TRUE(calibration.starts_with(kStart));
  // Then nothing but polls.
  const std::string polls = calibration.substr(kStart.size());
  ASSERT_FALSE(polls.empty());
  ASSERT_EQ(polls.size() % kPoll.size(), 0u);
  for (size_t i = 0; i < polls.size(); i += kPoll.size()) EXPECT_EQ(polls.substr(i, kPoll.size()), kPoll) << i;
  // The elapsed seconds were shown after every read (each takes the link's
  // read timeout here), up to the last one within the limit.
  ASSERT_GT(host.elapsed.size(), 30u);
  EXPECT_LT(host.elapsed.front(), 10);
  EXPECT_TRUE(std::is_sorted(host.elapsed.begin(), host.elapsed.end()));
  EXPECT_GT(host.elapsed.back(), 350);
  host.ExpectLinkPutBack(false);
}

TEST_F(RfidCalibration, CancelDuringThePollsWritesNoPollShowsNoBoxAndChoosesTheQueueAgain) {
  TcpPeer peer;
  host.ChooseNet(peer.port(), true);
  std::string calibration;
  // The user's Cancel while the polls wait; then whatever still comes.
  std::thread printer = RfidPrinter(
      peer, calibration, [&] { clock.cancelled = true; }, 2000);
  const auto texts = Run();
  printer.join();
  EXPECT_EQ(texts, std::vector<std::wstring>{kAsk});
  EXPECT_EQ(calibration, kStart);
  ASSERT_FALSE(host.outcomes.empty());
  EXPECT_EQ(host.outcomes.back().code, ResultCode::kCancelled);
  EXPECT_TRUE(host.reports.empty());
  host.ExpectLinkPutBack(true);
}

}  // namespace
}  // namespace vostrel::testing

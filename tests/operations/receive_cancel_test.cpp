// Receive ended by the user's Cancel during the pause after the
// pre-request: nothing more reaches the printer, no box is shown, the
// outcome says it was cancelled, and a queue switched to its port is chosen
// again. Against the printer simulator, on the fake clock.
#include <gtest/gtest.h>

#include "operations/flow_host.h"
#include "operations/receive_configuration.h"
#include "protocol/command_set.h"

namespace vostrel::testing {
namespace {

using testing_support::MessageBoxCatcher;

TEST(ReceiveCancel, CancelDuringThePauseSendsNoRequestAndChoosesTheQueueAgain) {
  HurriedClock clock;
  FlowHost host{clock};
  ASSERT_TRUE(host.Create(PrinterModel::Vx120Zkq));
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  // Five seconds into the twenty of the pause.
  clock.cancelAt = clock.now() + 5000;
  std::vector<std::wstring> texts;
  {
    MessageBoxCatcher catcher({IDYES});
    ReceiveConfiguration(host.ForCommand());
    texts = TextsOf(catcher.Boxes());
  }
  EXPECT_EQ(texts, std::vector<std::wstring>{L"プリンタから設定データを取得しますか？"});
  EXPECT_EQ(sim.Captured(1, "in"), std::string(kPreRequestCommand));
  EXPECT_FALSE(sim.HasConnection(2));
  ASSERT_EQ(host.outcomes.size(), 1u);
  EXPECT_EQ(host.outcomes[0].code, ResultCode::kCancelled);
  EXPECT_TRUE(host.reports.empty());
  // The countdown began and stopped early.
  ASSERT_FALSE(host.pauses.empty());
  EXPECT_EQ(host.pauses.front(), 20);
  EXPECT_GT(host.pauses.back(), 10);
  host.ExpectLinkPutBack(true);
}

TEST(ReceiveCancel, AReceiveThatWentThroughReportsTheSettingsItRead) {
  HurriedClock clock;
  FlowHost host{clock};
  ASSERT_TRUE(host.Create(PrinterModel::Vx120Zkq));
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port());
  {
    MessageBoxCatcher catcher({IDYES});
    ReceiveConfiguration(host.ForCommand());
  }
  ASSERT_EQ(host.reports.size(), 1u);
  EXPECT_EQ(host.reports[0].kind, CommandDoneKind::Received);
  // Every setting line of the listing the program knows, and no more.
  const int lines = [&] {
    const std::string listing = sim.Captured(2, "out");
    int count = 0;
    for (std::size_t at = listing.find("\t:\t"); at != std::string::npos; at = listing.find("\t:\t", at + 3)) ++count;
    return count;
  }();
  EXPECT_GT(host.reports[0].settings, 20);
  EXPECT_LE(host.reports[0].settings, lines);
}

}  // namespace
}  // namespace vostrel::testing

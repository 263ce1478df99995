// Receive in the real program over TCP with the real clock: the 20-second
// pause is counted down in the title while the window keeps answering, and
// the simulator's listing ends up on the Standard page.
#include <gtest/gtest.h>

#include <set>

#include "app/program_fixture.h"
#include "protocol/command_set.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

using ProgramReceiveTest = ProgramTest;

TEST_F(ProgramReceiveTest, ReceiveOverTcpCountsThePauseDownAnswersMeanwhileAndShowsTheListing) {
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=" + std::to_wstring(sim.port()) + L"\r\n");
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  const std::wstring title = TextOf(window());
  ASSERT_FALSE(title.empty());

  Click(Item(IDC_MAIN_RECEIVE));
  const HWND question = program().WaitForMessageBox();
  ASSERT_NE(question, nullptr);
  Answer(question, IDYES);

  // Until the title has its own text again: every second of the pause shows,
  // and the window answers within a second all along.
  std::set<std::wstring> countdown;
  const DWORD start = ::GetTickCount();
  bool answered = true;
  for (;;) {
    DWORD_PTR ignored = 0;
    answered = answered && ::SendMessageTimeoutW(window(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored) != 0;
    const std::wstring now = TextOf(window());
    if (now.starts_with(title + L" - ")) countdown.insert(now.substr(title.size() + 3));
    if (now == title && !countdown.empty()) break;
    ASSERT_LT(::GetTickCount() - start, 60000u) << "still busy";
    ::Sleep(200);
  }
  EXPECT_TRUE(answered);
  // 20 down to 1, each read at least once at this pace.
  EXPECT_EQ(countdown.size(), 20u);
  EXPECT_TRUE(countdown.contains(L"20"));
  EXPECT_TRUE(countdown.contains(L"1"));

  ASSERT_TRUE(WaitUntil([&] { return sim.ExitCode() != STILL_ACTIVE; }, 10000));
  EXPECT_EQ(sim.Captured(1, "in"), std::string(kPreRequestCommand));
  EXPECT_EQ(sim.Captured(2, "in"), std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n");
  const HWND standard = PageWith(IDC_STD_HOST_NAME_EDIT);
  ASSERT_TRUE(WaitUntil([&] { return TextOf(ControlOf(standard, IDC_STD_HOST_NAME_EDIT)) == L"VX120ZKQ"; }, 5000));
  EXPECT_TRUE(IsChecked(ControlOf(standard, IDC_STD_HOST_NAME_CHECK)));
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

}  // namespace
}  // namespace vostrel::testing

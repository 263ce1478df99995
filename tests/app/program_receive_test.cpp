// Receive in the real program over TCP with the real clock: the 20-second
// pause is counted down in the status strip (the title stays as it is)
// while the window keeps answering, and the simulator's listing ends up on
// the Standard page, the strip saying how many settings came.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app/program_fixture.h"
#include "platform/ansi_text.h"
#include "protocol/command_set.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

using ProgramReceiveTest = ProgramTest;

TEST_F(ProgramReceiveTest, ReceiveOverTcpCountsThePauseDownInTheStripAnswersMeanwhileAndShowsTheListing) {
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=" + std::to_wstring(sim.port()) + L"\r\n");
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  const std::wstring title = TextOf(window());
  ASSERT_FALSE(title.empty());
  const HWND strip = Item(IDC_MAIN_STATUS_TEXT);
  EXPECT_EQ(TextOf(Item(IDC_MAIN_STATUS_LINK)), L"TCP 127.0.0.1:" + std::to_wstring(sim.port()) + L"  ·  VX-120-ZKQ");
  EXPECT_EQ(TextOf(strip), L"待機中");

  Click(Item(IDC_MAIN_RECEIVE));
  const HWND question = program().WaitForMessageBox();
  ASSERT_NE(question, nullptr);
  Answer(question, IDYES);

  // Until the strip says how it ended: every second of the pause shows,
  // with its bar, and the window answers within a second all along.
  const std::wstring before = L"プリンタが設定データを準備しています… あと ";
  std::set<std::wstring> countdown;
  bool barShown = false;
  const DWORD start = ::GetTickCount();
  bool answered = true;
  std::wstring now;
  for (;;) {
    DWORD_PTR ignored = 0;
    answered = answered && ::SendMessageTimeoutW(window(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored) != 0;
    EXPECT_EQ(TextOf(window()), title);
    now = TextOf(strip);
    const auto counting = [&](const std::wstring& text) { return text.starts_with(before) && text.ends_with(L" 秒"); };
    if (counting(now)) {
      countdown.insert(now.substr(before.size(), now.size() - before.size() - 2));
      barShown = barShown || IsShown(Item(IDC_MAIN_STATUS_PROGRESS));
      // Cancel is offered while the pause shows: read between two readings
      // of the pause's words (the program changes the words before it takes
      // Cancel away, so a reading that still shows them finds it enabled).
      const bool enabled = IsEnabled(Item(IDC_MAIN_STATUS_CANCEL));
      if (counting(TextOf(strip))) {
        EXPECT_TRUE(enabled);
      }
    }
    if (now.ends_with(L"件の設定を受信しました")) break;
    ASSERT_LT(::GetTickCount() - start, 60000u) << "still busy";
    ::Sleep(200);
  }
  EXPECT_TRUE(answered);
  EXPECT_TRUE(barShown);
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
  // "HH:MM に N 件の設定を受信しました", kept after the command: the bar and
  // Cancel are gone.
  EXPECT_TRUE(std::regex_match(now, std::wregex(LR"(\d\d:\d\d に \d+ 件の設定を受信しました)"))) << WideToAnsi(now);
  EXPECT_GT(std::stoi(now.substr(now.find(L" に ") + 3)), 20);
  EXPECT_TRUE(WaitUntil([&] { return !IsShown(Item(IDC_MAIN_STATUS_CANCEL)); }, 10000));
  EXPECT_FALSE(IsShown(Item(IDC_MAIN_STATUS_PROGRESS)));
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

}  // namespace
}  // namespace vostrel::testing

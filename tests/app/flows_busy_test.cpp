// The main window while a command waits, in this process: the pause's
// seconds in the status strip (the title stays as it is), the wait cursor,
// paint messages handled during the wait, input thrown away (a click made
// during the wait does not run a second command), a close request kept
// until the command is over.
#include <gtest/gtest.h>

#include "app/flow_fixture.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

std::wstring TitleOf(HWND window) { return ui::Control(window).Text(); }

TEST(FlowsBusyTest, TheStripCountsThePauseDownTheWindowStaysPaintedAndDropsInputWhileReceiveWaits) {
  FlowWindow ui;
  ASSERT_TRUE(ui.created);
  Simulator sim(4);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Standard);
  const std::wstring title = TitleOf(ui.hwnd());
  const HWND page = ui.window->tabs().Page(PageId::Standard)->hwnd();

  std::vector<std::wstring> titles;
  std::vector<std::wstring> strip;
  int steps = 0;
  bool paintPending = false;
  bool paintedDuringTheWait = false;
  HCURSOR cursor = nullptr;
  ui.clock.onSleep = [&](std::uint32_t ms) {
    if (ms != kPauseStepMs) return;
    if (paintPending) paintedDuringTheWait = !::GetUpdateRect(page, nullptr, FALSE);
    if (++steps % 10 == 1) {
      titles.push_back(TitleOf(ui.hwnd()));
      strip.push_back(ui::Control(ui.Item(IDC_MAIN_STATUS_TEXT)).Text());
    }
    if (steps == 5) {
      // The user clicks Receive and Send again, and the window is uncovered.
      ::PostMessageW(ui.Item(IDC_MAIN_RECEIVE), BM_CLICK, 0, 0);
      ::PostMessageW(ui.Item(IDC_MAIN_SEND), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
      ::PostMessageW(ui.Item(IDC_MAIN_SEND), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
      ::PostMessageW(ui.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
      ::InvalidateRect(page, nullptr, TRUE);
      paintPending = true;
      ::SendMessageW(ui.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(ui.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      cursor = ::GetCursor();
      ::SendMessageW(ui.hwnd(), WM_CLOSE, 0, 0);
    }
  };
  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  ui.clock.onSleep = nullptr;
  EXPECT_EQ(boxes.size(), 1u);

  // 20 s: 20, 19, ... 1 in the strip; the title never changes.
  ASSERT_EQ(strip.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(strip[static_cast<size_t>(i)],
              L"プリンタが設定データを準備しています… あと " + std::to_wstring(20 - i) + L" 秒");
    EXPECT_EQ(titles[static_cast<size_t>(i)], title);
  }
  EXPECT_EQ(TitleOf(ui.hwnd()), title);
  EXPECT_TRUE(paintedDuringTheWait);
  EXPECT_EQ(cursor, ::LoadCursorW(nullptr, IDC_WAIT));

  // Nothing of the clicks is left to run a second command; the close
  // request is handed back.
  MSG message{};
  EXPECT_FALSE(::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
  EXPECT_FALSE(::PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_FALSE(::PeekMessageW(&message, nullptr, BM_CLICK, BM_CLICK, PM_NOREMOVE));
  EXPECT_TRUE(::PeekMessageW(&message, ui.hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
  EXPECT_FALSE(sim.HasConnection(3));
}

}  // namespace
}  // namespace vostrel::testing

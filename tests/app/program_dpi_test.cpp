// The real program at the DPI of the prefix it runs in: 96 in the suite;
// tests/pages/page_dpi.sh runs these tests again at 120 and 144 dpi in a Wine prefix
// of its own (VOSTREL_EXPECT_DPI). Every scrolling page, scrolled to its end,
// shows its last controls; a WM_DPICHANGED rescales the window.
//
// Wine never sends WM_DPICHANGED (it has one DPI for every monitor and keeps
// GetDpiForWindow at the system's value), so the test sends it as Windows
// does when the window moves to a monitor of another scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/program_fixture.h"

namespace vostrel::testing {
namespace {

int ExpectedDpi() {
  const char* text = std::getenv("VOSTREL_EXPECT_DPI");
  return text && *text ? std::atoi(text) : 96;
}

int S(int pixels, int dpi) { return ::MulDiv(pixels, dpi, 96); }

RECT ClientRectOf(HWND parent, HWND child) {
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class ProgramDpiTest : public ProgramTest {
 protected:
  // The tab control stands at 7, 35 of the client area at 96 dpi, scaled:
  // the program lays itself out for `dpi`.
  void ExpectLaidOutFor(int dpi) {
    const RECT tabs = ClientRectOf(window(), Item(IDC_MAIN_TABS));
    EXPECT_EQ(tabs.left, S(7, dpi));
    EXPECT_EQ(tabs.top, S(35, dpi));
  }

  // The page that holds `mark`, scrolled to its end: every shown control of
  // it inside its client area.
  void ExpectEndShowsEverything(int mark, const char* what) {
    SCOPED_TRACE(what);
    const HWND page = PageWith(mark);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(IsShown(page));
    ::SendMessageW(page, WM_VSCROLL, SB_BOTTOM, 0);
    RECT client{};
    ::GetClientRect(page, &client);
    int bottom = 0;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (!IsShown(child)) continue;
      const RECT rect = ClientRectOf(page, child);
      EXPECT_LE(rect.bottom, client.bottom) << "control " << ::GetDlgCtrlID(child);
      bottom = std::max<int>(bottom, rect.bottom);
    }
    EXPECT_GT(bottom, client.bottom / 2);
    ::SendMessageW(page, WM_VSCROLL, SB_TOP, 0);
  }

  void ExpectEveryScrollingPageReachesItsEnd() {
    ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
    ExpectEndShowsEverything(IDC_STD_PRINT_SPEED_CHECK, "Standard");
    ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 3));
    ExpectEndShowsEverything(IDC_CAL_PROMPT, "Calibration");
    if (!advancedOpened_) {
      ClickTab(program(), window(), IDC_MAIN_TABS, 5);
      const HWND box = program().WaitForMessageBox();
      ASSERT_NE(box, nullptr);
      AnswerAndSettle(box, IDYES);
      advancedOpened_ = true;
    } else {
      ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 5));
    }
    ExpectEndShowsEverything(IDC_ADV_THROUGH_POS_CHECK, "Advanced");
  }

  // Nothing scrolls sideways: every control of every page (shown or not:
  // the model shows others) lies inside the page's client area, every page
  // inside the tab control, and the link column right of the tab control
  // stays clear of it.
  void ExpectEveryPageHoldsItsWidth() {
    const RECT tabs = ClientRectOf(window(), Item(IDC_MAIN_TABS));
    int pages = 0;
    for (HWND page = ::GetWindow(window(), GW_CHILD); page; page = ::GetWindow(page, GW_HWNDNEXT)) {
      wchar_t name[16] = {};
      ::GetClassNameW(page, name, 16);
      if (std::wstring(name) != L"#32770") continue;
      ++pages;
      RECT client{};
      ::GetClientRect(page, &client);
      for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = ClientRectOf(page, child);
        EXPECT_GE(rect.left, 0) << "control " << ::GetDlgCtrlID(child) << " of page " << pages;
        EXPECT_LE(rect.right, client.right) << "control " << ::GetDlgCtrlID(child) << " of page " << pages;
      }
      EXPECT_LE(ClientRectOf(window(), page).right, tabs.right) << "page " << pages;
    }
    EXPECT_EQ(pages, 6);
    EXPECT_LT(tabs.right, ClientRectOf(window(), Item(IDC_MAIN_LINK_GROUP)).left);
  }

  bool advancedOpened_ = false;
};

TEST_F(ProgramDpiTest, EveryScrollingPageReachesItsLastControl) {
  ASSERT_NE(Start(), nullptr);
  ExpectLaidOutFor(ExpectedDpi());
  ExpectEveryPageHoldsItsWidth();
  ExpectEveryScrollingPageReachesItsEnd();
}

TEST_F(ProgramDpiTest, MovingToAMonitorOfAnotherScaleRescalesTheWindow) {
  ASSERT_NE(Start(), nullptr);
  const int from = ExpectedDpi();
  const int to = from == 96 ? 144 : 96;
  // A window small enough that it fits the screen at either DPI (Wine keeps
  // a window within the screen's size; the tests' screen is 1024 x 768).
  ::SetWindowPos(window(), nullptr, 20, 20, S(600, from), S(480, from), SWP_NOZORDER | SWP_NOACTIVATE);
  RECT frame{};
  ::GetWindowRect(window(), &frame);
  const RECT suggested{frame.left, frame.top, frame.left + S(frame.right - frame.left, to * 96 / from),
                       frame.top + S(frame.bottom - frame.top, to * 96 / from)};
  void* remote = program().CopyIn(&suggested, sizeof(suggested));
  ASSERT_NE(remote, nullptr);
  ::SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(remote));

  RECT now{};
  ::GetWindowRect(window(), &now);
  EXPECT_TRUE(::EqualRect(&now, &suggested))
      << now.left << "," << now.top << " " << now.right << "," << now.bottom << " instead of " << suggested.left << ","
      << suggested.top << " " << suggested.right << "," << suggested.bottom;
  ExpectLaidOutFor(to);
  // The Easy page's pictures are those of the new DPI.
  const HWND easy = PageWith(IDC_EASY_MEDIA_CHECK);
  ASSERT_NE(easy, nullptr);
  const RECT picture = ClientRectOf(easy, ControlOf(easy, IDC_EASY_GAPS_PICTURE));
  EXPECT_EQ(picture.right - picture.left, S(81, to));
  EXPECT_EQ(picture.bottom - picture.top, S(109, to));
  ExpectEveryPageHoldsItsWidth();
  ExpectEveryScrollingPageReachesItsEnd();
}

}  // namespace
}  // namespace vostrel::testing

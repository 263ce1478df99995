// Scrolling of a tall page: the position arithmetic and the page's own bar.
#include "pages/page_scroll.h"

#include <gtest/gtest.h>

#include <vector>

#include "pages/test_page.h"

namespace vostrel::testing {
namespace {

constexpr ScrollState kStandard{0, 430, 300, 0};

TEST(ScrollArithmetic, ScrollBarRequestsMoveWithinTheLastFullView) {
  struct Case {
    int position;
    int request;
    int track;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {0, SB_LINEDOWN, 0, 10}, {5, SB_LINEUP, 0, 0},          {0, SB_PAGEDOWN, 0, 131},      {10, SB_PAGEDOWN, 0, 131},
      {131, SB_PAGEUP, 0, 0},  {20, SB_THUMBTRACK, 77, 77},   {20, SB_THUMBTRACK, 500, 131}, {100, SB_TOP, 0, 0},
      {0, SB_BOTTOM, 0, 131},  {50, SB_THUMBPOSITION, 9, {}}, {50, SB_ENDSCROLL, 0, {}},     {125, SB_LINEDOWN, 0, 131},
  };
  for (const Case& c : cases) {
    ScrollState state = kStandard;
    state.position = c.position;
    EXPECT_EQ(ScrollBarPosition(state, c.request, c.track), c.expected) << c.position << " " << c.request;
  }
  // A page step is 160 where the page is tall enough.
  constexpr ScrollState kTall{0, 670, 300, 0};
  EXPECT_EQ(ScrollBarPosition(kTall, SB_PAGEDOWN, 0), 160);
}

TEST(ScrollArithmetic, WheelStepsFiftyWhateverTheDelta) {
  struct Case {
    int position;
    int delta;
    int expected;
  };
  const Case cases[] = {{0, -120, 50}, {100, -1, 131}, {131, -240, 131}, {131, 120, 81},
                        {30, 360, 0},  {0, 120, 0},    {60, 0, 10}};
  for (const Case& c : cases) {
    ScrollState state = kStandard;
    state.position = c.position;
    EXPECT_EQ(WheelPosition(state, c.delta), c.expected) << c.position << " " << c.delta;
  }
  // Three notches down on a tall page.
  ScrollState tall{0, 670, 300, 0};
  for (int notch = 0; notch < 3; ++notch) tall.position = WheelPosition(tall, -120);
  EXPECT_EQ(tall.position, 150);
}

RECT Rect(int top, int bottom) { return RECT{10, top, 610, bottom}; }

TEST(ScrollArithmetic, AdaptFollowsTheNewHeight) {
  struct Case {
    const char* what;
    ScrollState before;
    RECT newRect, oldRect;
    ScrollState after;
  };
  const Case cases[] = {
      {"same height", {0, 430, 300, 40}, Rect(60, 515), Rect(60, 515), {0, 430, 300, 40}},
      {"page size unchanged", {0, 430, 300, 40}, Rect(0, 515), Rect(60, 515), {0, 430, 300, 40}},
      {"grown, room below", {0, 430, 300, 40}, Rect(60, 565), Rect(60, 515), {0, 430, 350, 40}},
      {"grown at the end", {0, 430, 300, 131}, Rect(60, 565), Rect(60, 515), {0, 430, 350, 81}},
      {"grown past the top", {0, 430, 300, 20}, Rect(60, 715), Rect(60, 515), {0, 430, 500, 0}},
      {"shrunk at the end", {0, 430, 300, 131}, Rect(60, 465), Rect(60, 515), {0, 430, 250, 181}},
      {"shrunk mid-way", {0, 430, 300, 40}, Rect(60, 465), Rect(60, 515), {0, 430, 250, 40}},
      {"no room for a page", {0, 430, 300, 40}, Rect(60, 200), Rect(60, 515), {0, 430, 300, 40}},
  };
  for (const Case& c : cases) {
    const ScrollState after = AdaptedScrollState(c.before, c.newRect, c.oldRect);
    EXPECT_EQ(after.page, c.after.page) << c.what;
    EXPECT_EQ(after.position, c.after.position) << c.what;
  }
}

using PageScrolling = PageFixture;

int LabelTop(HWND page) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(page, IDC_PAGE_BOTTOM_LABEL), &rect);
  return rect.top;
}

TEST_F(PageScrolling, StartsAtTheTopWithTheGivenRange) {
  const ScrollState state = page().scrollState();
  EXPECT_EQ(state.minimum, 0);
  EXPECT_EQ(state.maximum, kTestScrollMaximum);
  EXPECT_EQ(state.page, kTestScrollPage);
  EXPECT_EQ(state.position, 0);
}

TEST_F(PageScrolling, TheBarAndTheWheelMoveThePageAndItsControls) {
  struct Step {
    UINT message;
    WPARAM wParam;
    int position;
  };
  const Step steps[] = {
      {WM_VSCROLL, SB_PAGEDOWN, 131},
      {WM_VSCROLL, SB_PAGEDOWN, 131},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 81},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 1), 31},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 50},
      {WM_VSCROLL, SB_LINEDOWN, 60},
      {WM_VSCROLL, SB_BOTTOM, 131},
      {WM_VSCROLL, SB_ENDSCROLL, 131},
      {WM_VSCROLL, SB_TOP, 0},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 77), 77},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9), 77},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), 131},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0},
  };
  const HWND window = page().hwnd();
  const int topAtZero = LabelTop(window);
  for (const Step& step : steps) {
    ::SendMessageW(window, step.message, step.wParam, 0);
    EXPECT_EQ(page().scrollState().position, step.position) << step.message << " " << step.wParam;
    EXPECT_EQ(LabelTop(window), topAtZero - step.position);
  }
}

TEST_F(PageScrolling, AdaptMovesTheViewWhenThePageGrowsAtItsEnd) {
  ::SendMessageW(page().hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  const int topAtEnd = LabelTop(page().hwnd());
  page().AdaptScroll(Rect(60, 565), Rect(60, 515));
  EXPECT_EQ(page().scrollState().page, 350);
  EXPECT_EQ(page().scrollState().position, 81);
  EXPECT_EQ(LabelTop(page().hwnd()), topAtEnd + 50);
}

TEST_F(PageScrolling, MouseActivationTakesTheFocus) {
  ::SetFocus(host_.Item(IDC_TEST_HOST_SEND));
  ASSERT_EQ(::GetFocus(), host_.Item(IDC_TEST_HOST_SEND));
  ::SendMessageW(page().hwnd(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host_.hwnd()),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  const HWND focus = ::GetFocus();
  EXPECT_TRUE(focus == page().hwnd() || ::IsChild(page().hwnd(), focus));
}

// Keys typed into the page while the main window's modal loop runs.
TEST(PageKeys, EscapeIsSwallowedAndEnterClicksTheSendButton) {
  ASSERT_TRUE(ui::InitDialogControls());
  struct Case {
    std::vector<WPARAM> keys;
    bool sendDisabled;
    INT_PTR result;
    int clicks;
  };
  const Case cases[] = {
      {{VK_ESCAPE}, false, 42, 0},
      {{VK_RETURN}, false, IDC_TEST_HOST_SEND, 1},
      {{VK_ESCAPE, VK_ESCAPE, VK_RETURN}, false, IDC_TEST_HOST_SEND, 1},
      {{VK_RETURN}, true, 42, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys.size() * 10 + c.sendDisabled);
    SettingsStore store;
    TestHost host(store);
    host.keysToPost = c.keys;
    host.sendDisabled = c.sendDisabled;
    EXPECT_EQ(host.RunModal(nullptr), c.result);
    EXPECT_TRUE(host.pageCreated);
    EXPECT_EQ(host.sendClicks, c.clicks);
    EXPECT_EQ(host.page.cancels, 0);  // Escape never became a cancel command
  }
}

}  // namespace
}  // namespace vostrel::testing

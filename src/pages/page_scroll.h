#pragma once
// Vertical scrolling of a tall page: the position arithmetic (pure, on a
// ScrollState) and the window side that reads and writes the page's own scroll
// bar and moves its contents.

#include <windows.h>

#include <optional>

#include "ui/dialog.h"
#include "ui/dpi.h"

namespace vostrel {

struct ScrollState {
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int position = 0;

  // The last position that still fills the view: maximum - page + 1.
  int LastPosition() const { return maximum - page + 1; }
  int Clamp(int wanted) const;
};

// The steps and figures in pixels at 96 dpi; the page scales them by its DPI.
inline constexpr int kWheelStep = 50;
inline constexpr int kLineStep = 10;
inline constexpr int kPageStep = 160;
// The rows above a page's view in the main window: a page's view ends this
// far above its rectangle's bottom.
inline constexpr int kPageTopOffset = 215;
// Where a page's view starts in the main window. A page shown in a view of
// height h has the scroll page h - (kPageTopOffset - kPageTop): scrolled to
// its end it shows its contents down to maximum + kPageTopOffset - kPageTop
// + 1, whatever the window's height.
inline constexpr int kPageTop = 60;

// The steps of one page at its DPI.
struct ScrollSteps {
  int wheel = kWheelStep;
  int line = kLineStep;
  int page = kPageStep;
  int topOffset = kPageTopOffset;
};
ScrollSteps ScrollStepsAt(int dpi);

// The position after one wheel message: up (delta >= 0) or down by one step,
// whatever the size of the delta.
int WheelPosition(const ScrollState& state, int wheelDelta, const ScrollSteps& steps = {});

// The position after a scroll-bar request (SB_...); nothing for requests that
// do not move the view.
std::optional<int> ScrollBarPosition(const ScrollState& state, int request, int trackPosition,
                                     const ScrollSteps& steps = {});

// The state after the main window moved and sized the page from `oldRect` to
// `newRect` (both in the main window's coordinates).
ScrollState AdaptedScrollState(const ScrollState& state, const RECT& newRect, const RECT& oldRect,
                               const ScrollSteps& steps = {});

// The position that shows `item` (its top and bottom in the page's client
// coordinates) in a view `viewHeight` pixels high: unchanged when it is
// shown whole, else just far enough to show it (its top when it is taller
// than the view), within the range.
int PositionShowing(const ScrollState& state, int itemTop, int itemBottom, int viewHeight);

// The window side: the page's own vertical scroll bar.
class PageScroller {
 public:
  PageScroller() = default;
  ~PageScroller();
  PageScroller(const PageScroller&) = delete;
  PageScroller& operator=(const PageScroller&) = delete;

  void Attach(const ui::Dialog& page) { dialog_ = &page; }
  // The range and page given for 96 dpi, at the page's DPI, at the top
  // (FitContent then widens the range where the controls need it).
  void Init(int maximum, int view);
  ScrollState Read() const;
  void OnWheel(int wheelDelta);
  // A WM_VSCROLL request with the position its message carries (16 bits).
  void OnScrollBar(int request, int messagePosition);
  void Adapt(const RECT& newRect, const RECT& oldRect);
  // The page's DPI changed from `from` to `to` and its controls were moved
  // to their places at the new DPI (the scrolled offset scaled with them):
  // range, page and position follow, nothing moves.
  void ChangeDpi(int from, int to);
  // Widens the range where the page's controls reach further down than its
  // end would show (their sizes follow the font, which does not always grow
  // in proportion to the DPI): never below the maximum given to Init.
  void FitContent();
  // Scrolls just far enough to show the page's child `control` (a direct
  // child, or the child that holds it) whole, when it is not.
  void ShowControl(HWND control);
  // While `track`, a control of the page that takes the focus (by Tab, a
  // mnemonic, a click or the program) is scrolled into view: the page asks
  // for it while it is shown.
  void TrackFocus(bool track);

  int dpi() const { return dpi_; }

 private:
  // Stores `position` and moves the contents by the change; true when moved.
  bool MoveTo(const ScrollState& state, int position, bool updateNow);
  // Gives the scroll bar the range, page and position of `next`.
  void Write(const ScrollState& next);

  HWND page() const { return dialog_ ? dialog_->hwnd() : nullptr; }

  const ui::Dialog* dialog_ = nullptr;
  int dpi_ = 96;
  int baseMaximum_ = 0;
};

}  // namespace vostrel

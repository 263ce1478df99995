#pragma once
// Vertical scrolling of a tall page: the position arithmetic (pure, on a
// ScrollState) and the window side that reads and writes the page's own scroll
// bar and moves its contents.

#include <windows.h>

#include <optional>

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

inline constexpr int kWheelStep = 50;
inline constexpr int kLineStep = 10;
inline constexpr int kPageStep = 160;
// The rows above a page's view in the main window: a page's view ends this
// far above its rectangle's bottom.
inline constexpr int kPageTopOffset = 215;

// The position after one wheel message: up (delta >= 0) or down by one step,
// whatever the size of the delta.
int WheelPosition(const ScrollState& state, int wheelDelta);

// The position after a scroll-bar request (SB_...); nothing for requests that
// do not move the view.
std::optional<int> ScrollBarPosition(const ScrollState& state, int request, int trackPosition);

// The state after the main window moved and sized the page from `oldRect` to
// `newRect` (both in the main window's coordinates).
ScrollState AdaptedScrollState(const ScrollState& state, const RECT& newRect, const RECT& oldRect);

// The window side: the page's own vertical scroll bar.
class PageScroller {
 public:
  void Attach(HWND page) { page_ = page; }
  void Init(int maximum, int page);
  ScrollState Read() const;
  void OnWheel(int wheelDelta);
  // A WM_VSCROLL request with the position its message carries (16 bits).
  void OnScrollBar(int request, int messagePosition);
  void Adapt(const RECT& newRect, const RECT& oldRect);

 private:
  // Stores `position` and moves the contents by the change; true when moved.
  bool MoveTo(const ScrollState& state, int position, bool updateNow);

  HWND page_ = nullptr;
};

}  // namespace vostrel

#include "pages/page_scroll.h"

#include <algorithm>
#include <vector>

#include "ui/controls.h"

namespace vostrel {
namespace {

// Moves the page's contents by dy pixels: its controls are moved one by one
// (also while the page is hidden, when the system would not scroll them) and
// the page is repainted with its background.
void ScrollContents(const ui::Dialog* dialog, int dy) {
  const HWND page = dialog ? dialog->hwnd() : nullptr;
  if (dy == 0 || !page) return;
  for (const HWND child : dialog->Children()) {
    const RECT rect = ui::RectInParent(child, page);
    ::SetWindowPos(child, nullptr, rect.left, rect.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The shown scrolling pages of this thread, for the focus hook: a control that
// takes the focus is scrolled into view, however the focus came there (Tab,
// a mnemonic, a click, the program).
struct FocusFollowers {
  std::vector<PageScroller*> scrollers;
  HHOOK hook = nullptr;
};
thread_local FocusFollowers followers;

LRESULT CALLBACK FollowFocus(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SETFOCUS) {
    const auto focus = reinterpret_cast<HWND>(wParam);
    // A copy: showing a control may not change the list, but stay safe.
    const std::vector<PageScroller*> scrollers = followers.scrollers;
    for (PageScroller* scroller : scrollers) scroller->ShowControl(focus);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ScrollSteps ScrollStepsAt(int dpi) {
  return {ui::ScaleToDpi(kWheelStep, dpi), ui::ScaleToDpi(kLineStep, dpi), ui::ScaleToDpi(kPageStep, dpi),
          ui::ScaleToDpi(kPageTopOffset, dpi)};
}

int ScrollState::Clamp(int wanted) const {
  const int last = std::max(minimum, LastPosition());
  return std::clamp(wanted, minimum, last);
}

int WheelPosition(const ScrollState& state, int wheelDelta, const ScrollSteps& steps) {
  return state.Clamp(state.position + (wheelDelta >= 0 ? -steps.wheel : steps.wheel));
}

std::optional<int> ScrollBarPosition(const ScrollState& state, int request, int trackPosition,
                                     const ScrollSteps& steps) {
  int wanted = state.position;
  switch (request) {
    case SB_LINEUP: wanted -= steps.line; break;
    case SB_LINEDOWN: wanted += steps.line; break;
    case SB_PAGEUP: wanted -= steps.page; break;
    case SB_PAGEDOWN: wanted += steps.page; break;
    case SB_THUMBTRACK: wanted = trackPosition; break;
    case SB_TOP: wanted = 0; break;
    case SB_BOTTOM: wanted = state.LastPosition(); break;
    default: return std::nullopt;
  }
  return state.Clamp(wanted);
}

ScrollState AdaptedScrollState(const ScrollState& state, const RECT& newRect, const RECT& oldRect,
                               const ScrollSteps& steps) {
  const int grown = (newRect.bottom - newRect.top) - (oldRect.bottom - oldRect.top);
  int page = newRect.bottom - steps.topOffset;
  if (page <= 0) page = state.page;
  if (grown == 0 || page == state.page) return state;

  ScrollState next = state;
  if (grown > 0) {
    const int roomBelow = state.maximum - state.position - state.page + 1;
    if (roomBelow <= grown) next.position = std::max(state.position - grown, state.minimum);
  } else if (state.page < state.maximum && state.position >= state.maximum - state.page + 1) {
    next.position = std::min(state.position - grown, state.maximum - page + 1);
  }
  next.page = page;
  return next;
}

int PositionShowing(const ScrollState& state, int itemTop, int itemBottom, int viewHeight) {
  int wanted = state.position;
  if (itemTop < 0 || itemBottom - itemTop > viewHeight) {
    wanted += itemTop;
  } else if (itemBottom > viewHeight) {
    wanted += itemBottom - viewHeight;
  }
  return state.Clamp(wanted);
}

PageScroller::~PageScroller() { TrackFocus(false); }

void PageScroller::Init(int maximum, int view) {
  if (!page()) return;
  dpi_ = ui::WindowDpi(page());
  baseMaximum_ = maximum;
  Write({0, ui::ScaleToDpi(maximum, dpi_), ui::ScaleToDpi(view, dpi_), 0});
}

void PageScroller::TrackFocus(bool track) {
  const auto at = std::find(followers.scrollers.begin(), followers.scrollers.end(), this);
  if (track && at == followers.scrollers.end()) followers.scrollers.push_back(this);
  if (!track && at != followers.scrollers.end()) followers.scrollers.erase(at);
  // The hook is there only while a scrolling page shows: while it is set,
  // every window the thread makes passes through it, which under Wine costs
  // a round to the server each.
  if (!followers.scrollers.empty() && !followers.hook) {
    followers.hook = ::SetWindowsHookExW(WH_CBT, FollowFocus, nullptr, ::GetCurrentThreadId());
  } else if (followers.scrollers.empty() && followers.hook) {
    ::UnhookWindowsHookEx(followers.hook);
    followers.hook = nullptr;
  }
}

ScrollState PageScroller::Read() const {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!page() || !::GetScrollInfo(page(), SB_VERT, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

void PageScroller::Write(const ScrollState& next) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = next.minimum;
  info.nMax = next.maximum;
  info.nPage = static_cast<UINT>(next.page);
  info.nPos = next.position;
  ::SetScrollInfo(page(), SB_VERT, &info, TRUE);
}

bool PageScroller::MoveTo(const ScrollState& state, int position, bool updateNow) {
  if (position == state.position) return false;
  ::SetScrollPos(page(), SB_VERT, position, TRUE);
  ScrollContents(dialog_, state.position - position);
  if (updateNow) ::UpdateWindow(page());
  return true;
}

void PageScroller::OnWheel(int wheelDelta) {
  const ScrollState state = Read();
  MoveTo(state, WheelPosition(state, wheelDelta, ScrollStepsAt(dpi_)), true);
}

void PageScroller::OnScrollBar(int request, int messagePosition) {
  ScrollState state = Read();
  int track = messagePosition;
  if (request == SB_THUMBTRACK) {
    // The message has only the low 16 bits of the tracked position; while the
    // thumb is dragged the bar knows all of it.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    if (::GetScrollInfo(page(), SB_VERT, &info) && (info.nTrackPos & 0xFFFF) == messagePosition) {
      track = info.nTrackPos;
    }
  }
  if (const std::optional<int> position = ScrollBarPosition(state, request, track, ScrollStepsAt(dpi_))) {
    MoveTo(state, *position, false);
  }
}

void PageScroller::Adapt(const RECT& newRect, const RECT& oldRect) {
  const ScrollState state = Read();
  const ScrollState next = AdaptedScrollState(state, newRect, oldRect, ScrollStepsAt(dpi_));
  if (next.page == state.page && next.position == state.position) return;
  ScrollContents(dialog_, state.position - next.position);
  Write(next);
}

void PageScroller::ChangeDpi(int from, int to) {
  if (!page() || from == to || baseMaximum_ == 0) return;
  dpi_ = to;
  const ScrollState state = Read();
  ScrollState next = state;
  next.maximum = ui::ScaleToDpi(baseMaximum_, to);
  next.page = ui::Rescale(state.page, from, to);
  const int scaled = ui::Rescale(state.position, from, to);
  next.position = next.Clamp(scaled);
  // The controls stand where the scaled position puts them.
  ScrollContents(dialog_, scaled - next.position);
  Write(next);
  FitContent();
}

void PageScroller::FitContent() {
  if (!page() || baseMaximum_ == 0) return;
  const ScrollState state = Read();
  int bottom = 0;
  for (const HWND child : dialog_->Children()) {
    const RECT rect = ui::RectInParent(child, page());
    bottom = std::max<int>(bottom, rect.bottom + state.position);
  }
  const int beyondPage = ui::ScaleToDpi(kPageTopOffset, dpi_) - ui::ScaleToDpi(kPageTop, dpi_);
  const int maximum = std::max(ui::ScaleToDpi(baseMaximum_, dpi_), bottom - beyondPage - 1);
  if (maximum == state.maximum) return;
  ScrollState next = state;
  next.maximum = maximum;
  next.position = next.Clamp(state.position);
  ScrollContents(dialog_, state.position - next.position);
  Write(next);
}

void PageScroller::ShowControl(HWND control) {
  if (!page() || !control || !::IsChild(page(), control)) return;
  HWND child = control;
  while (::GetParent(child) != page()) child = ::GetParent(child);
  const RECT rect = ui::RectInParent(child, page());
  RECT client{};
  ::GetClientRect(page(), &client);
  const ScrollState state = Read();
  MoveTo(state, PositionShowing(state, rect.top, rect.bottom, client.bottom), true);
}

}  // namespace vostrel

#include "pages/page_scroll.h"

#include <algorithm>

namespace vostrel {
namespace {

// Moves the page's contents by dy pixels: its controls are moved one by one
// (also while the page is hidden, when the system would not scroll them) and
// the page is repainted with its background.
void ScrollContents(HWND page, int dy) {
  if (dy == 0) return;
  for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(child, nullptr, rect.left, rect.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

int ScrollState::Clamp(int wanted) const {
  const int last = std::max(minimum, LastPosition());
  return std::clamp(wanted, minimum, last);
}

int WheelPosition(const ScrollState& state, int wheelDelta) {
  return state.Clamp(state.position + (wheelDelta >= 0 ? -kWheelStep : kWheelStep));
}

std::optional<int> ScrollBarPosition(const ScrollState& state, int request, int trackPosition) {
  int wanted = state.position;
  switch (request) {
    case SB_LINEUP: wanted -= kLineStep; break;
    case SB_LINEDOWN: wanted += kLineStep; break;
    case SB_PAGEUP: wanted -= kPageStep; break;
    case SB_PAGEDOWN: wanted += kPageStep; break;
    case SB_THUMBTRACK: wanted = trackPosition; break;
    case SB_TOP: wanted = 0; break;
    case SB_BOTTOM: wanted = state.LastPosition(); break;
    default: return std::nullopt;
  }
  return state.Clamp(wanted);
}

ScrollState AdaptedScrollState(const ScrollState& state, const RECT& newRect, const RECT& oldRect) {
  const int grown = (newRect.bottom - newRect.top) - (oldRect.bottom - oldRect.top);
  int page = newRect.bottom - kPageTopOffset;
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

void PageScroller::Init(int maximum, int page) {
  if (!page_) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = maximum;
  info.nPage = static_cast<UINT>(page);
  info.nPos = 0;
  ::SetScrollInfo(page_, SB_VERT, &info, TRUE);
}

ScrollState PageScroller::Read() const {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!page_ || !::GetScrollInfo(page_, SB_VERT, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

bool PageScroller::MoveTo(const ScrollState& state, int position, bool updateNow) {
  if (position == state.position) return false;
  ::SetScrollPos(page_, SB_VERT, position, TRUE);
  ScrollContents(page_, state.position - position);
  if (updateNow) ::UpdateWindow(page_);
  return true;
}

void PageScroller::OnWheel(int wheelDelta) {
  const ScrollState state = Read();
  MoveTo(state, WheelPosition(state, wheelDelta), true);
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
    if (::GetScrollInfo(page_, SB_VERT, &info) && (info.nTrackPos & 0xFFFF) == messagePosition) {
      track = info.nTrackPos;
    }
  }
  if (const std::optional<int> position = ScrollBarPosition(state, request, track)) {
    MoveTo(state, *position, false);
  }
}

void PageScroller::Adapt(const RECT& newRect, const RECT& oldRect) {
  const ScrollState state = Read();
  const ScrollState next = AdaptedScrollState(state, newRect, oldRect);
  if (next.page == state.page && next.position == state.position) return;
  ScrollContents(page_, state.position - next.position);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_PAGE | SIF_POS;
  info.nPage = static_cast<UINT>(next.page);
  info.nPos = next.position;
  ::SetScrollInfo(page_, SB_VERT, &info, TRUE);
}

}  // namespace vostrel

#include "ui/busy_window.h"

#include <commctrl.h>

#include <algorithm>

namespace vostrel::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x6275;  // "bu"
// A window that never validates its update region must not hold the wait
// forever.
constexpr int kMostPaintsPerLook = 64;

// Removes every queued message of [first, last] for the thread's windows;
// `keep` may take one instead (true: it was handled).
template <typename Keep>
void DropRange(UINT first, UINT last, Keep keep) {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Not ours to drop: the loop around the command ends on it.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    keep(message);
  }
}

}  // namespace

BusyWindow::BusyWindow(HWND window, Clock& base) : window_(window), base_(base) {}

BusyWindow::~BusyWindow() {
  if (depth_ > 0) {
    depth_ = 1;
    End();
  }
}

void BusyWindow::Begin() {
  if (depth_++ > 0) return;
  closeRequested_ = false;
  cancellable_ = false;
  cancelled_ = false;
  if (window_) ::SetWindowSubclass(window_, &BusyWindow::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

void BusyWindow::End() {
  if (depth_ == 0 || --depth_ > 0) return;
  DropQueuedInput();
  cancellable_ = false;
  if (window_) ::RemoveWindowSubclass(window_, &BusyWindow::Subclass, kSubclassId);
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  if (closeRequested_ && window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
  closeRequested_ = false;
}

void BusyWindow::Sleep(std::uint32_t milliseconds) {
  if (depth_ == 0) {
    base_.Sleep(milliseconds);
    return;
  }
  if (cancelled_ && cancellable_) {
    Pump();
    return;
  }
  const std::uint32_t most = milliseconds <= kOnePieceSleepMs ? kOnePieceSleepMs : kLongSleepSliceMs;
  std::uint32_t left = milliseconds;
  do {
    Pump();
    const std::uint32_t slice = std::min(left, most);
    base_.Sleep(slice);
    left -= slice;
  } while (left > 0);
  Pump();
}

void BusyWindow::Cancel() {
  if (cancellable_) cancelled_ = true;
}

void BusyWindow::DropQueuedInput() {
  const auto drop = [](const MSG&) {};
  DropRange(WM_KEYFIRST, WM_KEYLAST, drop);
  DropRange(WM_MOUSEFIRST, WM_MOUSELAST, drop);
  DropRange(WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, drop);
  // A click posted to a button (as automation does) is input too.
  DropRange(BM_CLICK, BM_CLICK, drop);
}

void BusyWindow::PaintPending() {
  MSG message{};
  for (int i = 0; i < kMostPaintsPerLook && ::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i) {
    ::DispatchMessageW(&message);
  }
}

void BusyWindow::Pump() {
  // Escape is the keyboard's Cancel; the Cancel button takes its own clicks.
  DropRange(WM_KEYFIRST, WM_KEYLAST, [this](const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) Cancel();
  });
  DropRange(WM_MOUSEFIRST, WM_MOUSELAST, [this](const MSG& message) {
    if (cancellable_ && cancelButton_ && message.hwnd == cancelButton_) ::DispatchMessageW(&message);
  });
  // A press on the caption starts the system's move loop, which paints the
  // window as it goes; every other press outside the client area is dropped.
  DropRange(WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, [this](const MSG& message) {
    if (message.message == WM_NCLBUTTONDOWN && message.wParam == HTCAPTION && message.hwnd == window_) {
      ::DispatchMessageW(&message);
    }
  });
  DropRange(BM_CLICK, BM_CLICK, [this](const MSG& message) {
    if (cancelButton_ && message.hwnd == cancelButton_) Cancel();
  });
  PaintPending();
}

LRESULT CALLBACK BusyWindow::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) noexcept {
  auto* busy = reinterpret_cast<BusyWindow*>(data);
  switch (message) {
    case WM_SETCURSOR:
      // The children ask their parent first, so this covers the pages too;
      // the Cancel button that may be pressed has the arrow.
      ::SetCursor(::LoadCursorW(
          nullptr, busy->cancellable_ && reinterpret_cast<HWND>(wParam) == busy->cancelButton_ ? IDC_ARROW : IDC_WAIT));
      return TRUE;
    case WM_COMMAND:
      if (busy->cancelButton_ && reinterpret_cast<HWND>(lParam) == busy->cancelButton_ &&
          HIWORD(wParam) == BN_CLICKED) {
        busy->Cancel();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Closing now would end the window under the command: later.
      busy->closeRequested_ = true;
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        busy->closeRequested_ = true;
        return 0;
      }
      break;
    default: break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace vostrel::ui

#pragma once
// The main window while a command runs: the wait cursor, no input, and still
// painted. Everything stays on the one user-interface thread: the command's
// waits go through this clock, whose Sleep sleeps in short slices and in
// between paints the program's windows. Input that arrives meanwhile (keys,
// mouse buttons, posted button clicks) is thrown away, never left queued,
// so that a click made during a wait cannot start a second command once the
// first is over. A close request is kept and handed back at the end.
//
// While the command only waits (AllowCancel), Escape and a click on the
// window's Cancel button end the wait: WaitCancelled is true from then on,
// and the sleeps of that wait return at once.

#include <windows.h>

#include <cstdint>

#include "platform/clock.h"

namespace vostrel::ui {

class BusyWindow final : public Clock {
 public:
  // How a sleep is cut between two looks at the message queue: one up to
  // kOnePieceSleepMs (a step of the printer pause) goes in one piece, a
  // longer one (a link's poll) in slices of kLongSleepSliceMs.
  static constexpr std::uint32_t kOnePieceSleepMs = 100;
  static constexpr std::uint32_t kLongSleepSliceMs = 50;

  // `window`: the top-level window that goes busy; `base`: the clock that
  // really sleeps (the system's, or a test's).
  BusyWindow(HWND window, Clock& base);
  ~BusyWindow() override;
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

  std::uint32_t TickCount() override { return base_.TickCount(); }
  // Outside a busy state: the base clock's sleep. Inside: in slices, with the paint messages handled and the input
  // dropped between them; none once the user ended a wait that may be ended.
  void Sleep(std::uint32_t milliseconds) override;
  // The user ended a wait of this busy state.
  bool WaitCancelled() override { return cancelled_; }

  bool busy() const { return depth_ > 0; }
  // The button that ends a wait (a child of the window).
  void SetCancelButton(HWND button) { cancelButton_ = button; }
  // Whether the command only waits now, so that the user may end it.
  void AllowCancel(bool allowed) { cancellable_ = allowed && depth_ > 0; }
  bool cancelAllowed() const { return cancellable_; }
  // The user's Cancel: ends the wait when it may be ended.
  void Cancel();
  // Throws away the keyboard and mouse input and the posted button clicks
  // queued for the thread's windows.
  void DropQueuedInput();
  // Handles the paint messages waiting for the thread's windows.
  void PaintPending();

  // Starts the busy state for the life of the object (nests).
  class Scope {
   public:
    explicit Scope(BusyWindow& busy) : busy_(busy) { busy_.Begin(); }
    ~Scope() { busy_.End(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    BusyWindow& busy_;
  };

 private:
  void Begin();
  void End();
  // Between two slices: the queue's paint messages; input dropped, except a
  // press on the caption, which moves the window.
  void Pump();
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR data) noexcept;

  HWND window_;
  Clock& base_;
  int depth_ = 0;
  bool closeRequested_ = false;
  HWND cancelButton_ = nullptr;
  bool cancellable_ = false;
  bool cancelled_ = false;
};

}  // namespace vostrel::ui

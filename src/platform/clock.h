#pragma once
// Every wait of the program goes through a Clock: a millisecond tick counter
// that wraps like the system's and a sleep. The program uses the system clock;
// tests hand in a fake one that runs the printer protocol's long pauses in no
// time.

#include <cstdint>

namespace vostrel {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since some start; wraps around after about 49.7 days.
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Whether the user ended the wait in progress (the main window's Cancel):
  // a wait that may be ended stops at its next look, one that may not (a
  // write) goes on. Never for a clock without a user.
  virtual bool WaitCancelled() { return false; }
};

// Milliseconds from `start` to `now`, correct across one wrap of the counter.
constexpr std::uint32_t ElapsedMs(std::uint32_t start, std::uint32_t now) { return now - start; }

#if defined(_WIN32)
// GetTickCount and Sleep.
Clock& SystemClock();
#endif

}  // namespace vostrel

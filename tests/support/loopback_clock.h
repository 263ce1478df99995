#pragma once
// The fake clock, except that the link's polls also pass on the wall clock,
// so that a printer in another process or on another thread (the simulator,
// a stand-in port) has time to answer. The printer pause's steps pass at
// once, or in `pauseStepMs` of real time where a stand-in needs a moment
// between two opens.
#if defined(_WIN32)

#include <windows.h>

#include <cstdint>
#include <functional>

#include "operations/printer_exchange.h"
#include "platform/clock.h"
#include "support/fake_clock.h"

namespace vostrel::testing {

class LoopbackClock final : public Clock {
 public:
  std::uint32_t TickCount() override { return fake_.TickCount(); }
  void Sleep(std::uint32_t milliseconds) override {
    if (onSleep) onSleep(milliseconds);
    fake_.Sleep(milliseconds);
    ::Sleep(milliseconds == kPauseStepMs ? pauseStepMs : milliseconds);
  }
  const FakeClock& fake() const { return fake_; }

  DWORD pauseStepMs = 0;
  // Runs at every sleep, before it: what a user does meanwhile.
  std::function<void(std::uint32_t)> onSleep;

 private:
  FakeClock fake_{1000};
};

}  // namespace vostrel::testing

#endif  // _WIN32

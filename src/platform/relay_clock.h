#pragma once
// A clock that passes every call on to another one, which can be changed:
// an object made before the clock it should wait on (the application's
// printer link, before the window that keeps itself painted while it waits)
// holds this one instead.

#include <cstdint>

#include "platform/clock.h"

namespace vostrel {

class RelayClock final : public Clock {
 public:
  explicit RelayClock(Clock& target) : target_(&target) {}

  std::uint32_t TickCount() override { return target_->TickCount(); }
  void Sleep(std::uint32_t milliseconds) override { target_->Sleep(milliseconds); }
  bool WaitCancelled() override { return target_->WaitCancelled(); }

  void RelayTo(Clock& target) { target_ = &target; }
  Clock& target() const { return *target_; }

 private:
  Clock* target_;
};

}  // namespace vostrel

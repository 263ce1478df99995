#pragma once
// A clock for tests: time moves only when the code under test sleeps (and,
// if asked, by a fixed step on every look at the counter, for polling loops
// that do not sleep). It records the sleeps so tests can assert the pauses.

#include <cstdint>
#include <vector>

#include "platform/clock.h"

namespace vostrel::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::uint32_t start = 0, std::uint32_t stepPerTick = 0) : now_(start), step_(stepPerTick) {}

  std::uint32_t TickCount() override {
    const std::uint32_t t = now_;
    now_ += step_;
    return t;
  }
  void Sleep(std::uint32_t milliseconds) override {
    sleeps_.push_back(milliseconds);
    now_ += milliseconds;
  }

  void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }
  std::uint32_t now() const { return now_; }
  const std::vector<std::uint32_t>& sleeps() const { return sleeps_; }
  std::uint64_t TotalSlept() const {
    std::uint64_t total = 0;
    for (auto s : sleeps_) total += s;
    return total;
  }

 private:
  std::uint32_t now_;
  std::uint32_t step_;
  std::vector<std::uint32_t> sleeps_;
};

}  // namespace vostrel::testing

#include "platform/clock.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

namespace vostrel {
namespace {

TEST(Clock, ElapsedSurvivesTheWrapOfTheCounter) {
  EXPECT_EQ(ElapsedMs(1000, 1500), 500u);
  EXPECT_EQ(ElapsedMs(0xFFFFFF00u, 0x00000100u), 0x200u);
  EXPECT_EQ(ElapsedMs(7, 7), 0u);
}

// A typical wait of the protocol: poll until a deadline, sleeping in steps.
bool WaitUntil(Clock& clock, std::uint32_t timeoutMs, std::uint32_t stepMs, const bool& ready) {
  const std::uint32_t start = clock.TickCount();
  while (!ready) {
    if (ElapsedMs(start, clock.TickCount()) >= timeoutMs) return false;
    clock.Sleep(stepMs);
  }
  return true;
}

TEST(Clock, FakeClockRunsLongWaitsAcrossTheWrapWithoutWaiting) {
  testing::FakeClock clock(0xFFFFF000u);
  const bool never = false;
  EXPECT_FALSE(WaitUntil(clock, 20000, 100, never));
  EXPECT_EQ(clock.TotalSlept(), 20000u);
  EXPECT_EQ(clock.sleeps().size(), 200u);
}

}  // namespace
}  // namespace vostrel

// The Windows side of the platform glue, run under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ansi_text.h"
#include "platform/clock.h"
#include "platform/unique_handle.h"

namespace vostrel {
namespace {

TEST(WinPlatform, TestsRunWithTheJapaneseAnsiCodePage) {
  EXPECT_EQ(::GetACP(), 932u);
  // The conversion pair goes through the system's code page.
  EXPECT_EQ(WideToAnsi(L"\u8868"), "\x95\x5c");
}

TEST(WinPlatform, SystemClockSleepsAndCounts) {
  Clock& clock = SystemClock();
  const std::uint32_t start = clock.TickCount();
  clock.Sleep(60);
  const std::uint32_t elapsed = ElapsedMs(start, clock.TickCount());
  EXPECT_GE(elapsed, 40u);  // tick granularity allows a little less than asked
  EXPECT_LT(elapsed, 5000u);
}

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != 0;
}

TEST(WinPlatform, ScopedHandleClosesOnceAndMoves) {
  HANDLE raw = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(raw, nullptr);
  {
    ScopedHandle a(raw);
    EXPECT_TRUE(a.valid());
    ScopedHandle b(std::move(a));
    EXPECT_FALSE(a.valid());
    EXPECT_EQ(b.get(), raw);
    ScopedHandle c;
    c = std::move(b);
    EXPECT_TRUE(IsOpen(raw));
  }
  EXPECT_FALSE(IsOpen(raw));
}

TEST(WinPlatform, ScopedHandleTreatsBothFailureValuesAsEmpty) {
  const ScopedHandle none;
  const ScopedHandle invalid(INVALID_HANDLE_VALUE);
  const ScopedHandle failedOpen(::CreateFileW(L"Z:\\no\\such\\file.prn", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(none.valid());
  EXPECT_FALSE(invalid.valid());
  EXPECT_FALSE(failedOpen.valid());
}

TEST(WinPlatform, ScopedKeyFromAnOutParameter) {
  ScopedKey key;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()), ERROR_SUCCESS);
  EXPECT_TRUE(key.valid());
  HKEY raw = key.release();
  EXPECT_FALSE(key.valid());
  ::RegCloseKey(raw);
}

}  // namespace
}  // namespace vostrel

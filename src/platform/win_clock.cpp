#include <windows.h>

#include "platform/clock.h"

namespace vostrel {
namespace {

class Win32Clock final : public Clock {
 public:
  std::uint32_t TickCount() override { return ::GetTickCount(); }
  void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

Clock& SystemClock() {
  static Win32Clock clock;
  return clock;
}

}  // namespace vostrel

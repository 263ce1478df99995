#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "link/link_fixtures.h"
#include "link/printer_link.h"
#include "link/usb_pipe_device.h"
#include "support/fake_clock.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using testing_support::TestRegistryRoot;
using testing_support::UsbPipeDevice;
using vostrel::testing::FakeClock;

constexpr ULONG_PTR kStatusPending = 259;

class UsbLinkTest : public ::testing::Test {
 protected:
  UsbLinkTest() : device(registry, 41), link(prefs, driverKind, clock) {
    prefs.portKind = PortKind::Usb;
    prefs.portName = L"USB041";
    link.deviceRegistryRoot = registry.key();
  }
  void SetUp() override { ASSERT_TRUE(device.ready()); }
  void OpenConnected(TimeoutClass timeouts = TimeoutClass::kNormal) {
    ASSERT_TRUE(link.Open(timeouts));
    ASSERT_TRUE(device.Connected());
  }

  TestRegistryRoot registry;
  UsbPipeDevice device;
  PreferencesRecord prefs;
  PortKind driverKind = PortKind::None;
  FakeClock clock{1000};
  PrinterLink link;
};

TEST_F(UsbLinkTest, OpenLeavesAReadPendingAndCloseEndsIt) {
  prefs.portName = L"USB41x";  // any six characters ending in the number
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(link.kind, PortKind::Usb);
  EXPECT_EQ(link.usbPortName, L"USB041");
  EXPECT_EQ(link.portName, L"USB041");
  EXPECT_EQ(link.readOverlap.Internal, kStatusPending);
  EXPECT_EQ(link.usbReadTimeout, 5000u);
  EXPECT_EQ(link.usbWriteTimeout, 5000u);
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  link.Close();
  EXPECT_EQ(link.kind, PortKind::None);
  EXPECT_FALSE(link.handle.valid());
  EXPECT_NE(link.readOverlap.Internal, kStatusPending);
  EXPECT_EQ(link.usbReadTimeout, 0u);
  EXPECT_EQ(link.usbWriteTimeout, 0u);
  link.Close();
  EXPECT_EQ(link.kind, PortKind::None);
}

TEST_F(UsbLinkTest, LongTimeoutsReadForTenSeconds) {
  ASSERT_TRUE(link.Open(TimeoutClass::kLong));
  EXPECT_EQ(link.usbReadTimeout, 10000u);
  EXPECT_EQ(link.usbWriteTimeout, 5000u);
}

TEST_F(UsbLinkTest, AUsbNameOnAComLinkOpensTheDeviceButFails) {
  prefs.portKind = PortKind::Com;
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_TRUE(device.Connected());
  EXPECT_TRUE(link.handle.valid());
  EXPECT_EQ(link.usbReadTimeout, 0u);
  link.Close();  // the callers close after a failed open
  EXPECT_FALSE(link.handle.valid());
  EXPECT_EQ(link.kind, PortKind::None);
}

TEST_F(UsbLinkTest, ADeviceTheServiceDoesNotRunIsNotOpened) {
  TestRegistryRoot otherRegistry;
  UsbPipeDevice unplugged(otherRegistry, 41, /*running=*/false);
  link.deviceRegistryRoot = otherRegistry.key();
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_FALSE(link.handle.valid());
}

TEST_F(UsbLinkTest, AWriteTheDeviceDoesNotTakeEndsWith1460) {
  OpenConnected();
  const std::string flood(512 * 1024, 'u');  // far more than the pipe holds
  std::uint32_t written = 0;
  const std::uint32_t start = clock.now();
  EXPECT_EQ(link.Write(flood.data(), static_cast<std::uint32_t>(flood.size()), &written), kLinkWriteTimedOut);
  EXPECT_GT(clock.now() - start, link.usbWriteTimeout);
  EXPECT_LT(written, flood.size());
  EXPECT_EQ(written % 512, 0u);
}

TEST_F(UsbLinkTest, APortThatIsNotFoundIsLookedForOneSecond) {
  prefs.portName = L"USB042";
  const std::uint32_t start = clock.now();
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(link.kind, PortKind::None);
  EXPECT_FALSE(link.handle.valid());
  EXPECT_GT(clock.now() - start, 1000u);
  EXPECT_LE(clock.now() - start, 1100u);
  EXPECT_THAT(clock.sleeps(), ::testing::Each(100u));
}

// A clock on which a device arrives during the third pause of the lookup.
class ArrivalClock final : public Clock {
 public:
  explicit ArrivalClock(std::function<void()> arrive) : arrive_(std::move(arrive)) {}
  std::uint32_t TickCount() override { return now_; }
  void Sleep(std::uint32_t milliseconds) override {
    now_ += milliseconds;
    if (++sleeps_ == 3) arrive_();
  }
  int sleeps() const { return sleeps_; }

 private:
  std::function<void()> arrive_;
  std::uint32_t now_ = 0;
  int sleeps_ = 0;
};

TEST(UsbLinkArrival, ADeviceThatArrivesWithinASecondIsOpened) {
  TestRegistryRoot registry;
  std::optional<UsbPipeDevice> device;
  ArrivalClock clock([&] { device.emplace(registry, 7); });
  PreferencesRecord prefs;
  prefs.portKind = PortKind::Usb;
  prefs.portName = L"USB007";
  PortKind driverKind = PortKind::None;
  PrinterLink link(prefs, driverKind, clock);
  link.deviceRegistryRoot = registry.key();
  EXPECT_TRUE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(clock.sleeps(), 3);
  ASSERT_TRUE(device.has_value());
  EXPECT_TRUE(device->Connected());
  link.Close();
}

TEST_F(UsbLinkTest, WritesLeaveIn512ByteChunks) {
  OpenConnected();
  std::string bytes;
  for (int i = 0; i < 1300; ++i) bytes.push_back(static_cast<char>(i * 31));
  std::uint32_t written = 0;
  EXPECT_EQ(link.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written), kLinkOk);
  EXPECT_EQ(written, 1300u);
  EXPECT_THAT(device.Messages(), ElementsAre(bytes.substr(0, 512), bytes.substr(512, 512), bytes.substr(1024)));
  EXPECT_EQ(link.Write("", 0, &written), kLinkOk);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(link.Write(nullptr, 1, &written), kLinkMissingArgument);
}

struct UsbReadCase {
  const char* name;
  ReplyRule rule;
  std::string sent;
  LinkStatus status;
  std::uint32_t count;
};

TEST_F(UsbLinkTest, ReadEndsAsTheReplyRulesSay) {
  const UsbReadCase cases[] = {
      {"END line alone", ReplyRule::kUntilEnd, "END\r\n", kLinkOk, 5},
      {"listing", ReplyRule::kUntilEnd, "A=1\r\nEND\r\n", kLinkOk, 10},
      {"ND CR LF T is no end here", ReplyRule::kUntilEnd, "xxND\r\nT", kLinkTimedOut, 7},
      {"no END line", ReplyRule::kUntilEnd, "A=1\r\n", kLinkTimedOut, 5},
      {"any reply of three bytes", ReplyRule::kAnyReply, "ABC", kLinkOk, 3},
      {"any reply of two bytes waits", ReplyRule::kAnyReply, "AB", kLinkTimedOut, 2},
      {"silence", ReplyRule::kUntilEnd, "", kLinkTimedOut, 0},
  };
  OpenConnected();
  for (const UsbReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.sent.empty()) {
      ASSERT_TRUE(device.Send(c.sent));
    }
    ::Sleep(50);  // let the pipe deliver before the fake clock runs the read
    char buffer[kReplyBufferSize] = {};
    std::uint32_t count = 99;
    const std::uint32_t start = clock.now();
    EXPECT_EQ(link.Read(buffer, sizeof buffer, c.rule, &count), c.status);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(std::string(buffer), c.sent);
    if (c.status == kLinkTimedOut) {
      EXPECT_GT(clock.now() - start, link.usbReadTimeout);
    }
    EXPECT_EQ(link.readOverlap.Internal, kStatusPending);  // the next read is waiting already
  }
}

}  // namespace
}  // namespace vostrel

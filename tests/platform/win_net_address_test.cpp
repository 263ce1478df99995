// The dotted IPv4 check, port numbers and the host-name lookup that the
// preferences and the NET link share.
#include "platform/net_address.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace vostrel {
namespace {

TEST(IsDottedIPv4, AcceptsOnlyFourDecimalGroupsUpTo255) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"192.168.0.1", true}, {L"0.0.0.0", true},    {L"255.255.255.255", true},
      {L"001.02.3.4", true},  {L"256.1.1.1", false}, {L"1.1.1.1000", false},
      {L"1.2.3", false},      {L"1.2.3.4.5", false}, {L"1.2.3.4.", false},
      {L"1..3.4", false},     {L".1.2.3", false},    {L"1.2.3.-4", false},
      {L"1.2.3.+4", false},   {L"1.2.3. 4", false},  {L"a.b.c.d", false},
      {L"", false},           {L"localhost", false}, {L"99999999999.1.1.1", false},
      {L"１.2.3.4", false},   {L"1.2.3.4 ", false},  {L"printer.local", false},
  };
  for (const auto& [text, dotted] : cases)
    EXPECT_EQ(IsDottedIPv4(text), dotted) << ::testing::PrintToString(std::wstring(text));
}

TEST(ParsePortNumber, DecimalPortOrZero) {
  const std::pair<const wchar_t*, std::uint16_t> cases[] = {
      {L"9100", 9100}, {L"1", 1}, {L"65535", 65535}, {L"65536", 0}, {L"", 0}, {L"91x0", 0}, {L"-1", 0}, {L"00080", 80},
  };
  for (const auto& [text, port] : cases)
    EXPECT_EQ(ParsePortNumber(text), port) << ::testing::PrintToString(std::wstring(text));
}

TEST(ResolveToDotted, ResolvesTheLoopbackNameOnItsOwn) {
  const auto dotted = ResolveToDotted(L"localhost");
  ASSERT_TRUE(dotted.has_value());
  EXPECT_TRUE(IsDottedIPv4(*dotted));
  EXPECT_EQ(dotted->rfind(L"127.", 0), 0u) << ::testing::PrintToString(*dotted);
}

}  // namespace
}  // namespace vostrel

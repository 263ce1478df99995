#include "link/address.h"

#include <gtest/gtest.h>

#include <tuple>

#include "link/printer_link.h"

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
      {L"１.2.3.4", false},
  };
  for (const auto& [text, dotted] : cases)
    EXPECT_EQ(IsDottedIPv4(text), dotted) << ::testing::PrintToString(std::wstring(text));
}

TEST(ClassifyPortName, ComparesTheBeginningExactly) {
  const std::pair<const wchar_t*, std::int32_t> cases[] = {
      {L"COM3:", 2},        {L"COM", 2},   {L"TELMARO COM4", 2}, {L"USB001", 3}, {L"USB", 3},
      {L"com3:", 0},        {L"LPT1:", 0}, {L"Telmaro COM4", 0}, {L"usb001", 0}, {L" COM3:", 0},
      {L"TELMARO USB1", 0}, {L"", 0},      {L"FILE:", 0},
  };
  for (const auto& [name, kind] : cases)
    EXPECT_EQ(ClassifyPortName(name), kind) << ::testing::PrintToString(std::wstring(name));
}

TEST(ParsePortNumber, DecimalPortOrZero) {
  const std::pair<const wchar_t*, std::uint16_t> cases[] = {
      {L"9100", 9100}, {L"1", 1}, {L"65535", 65535}, {L"65536", 0}, {L"", 0}, {L"91x0", 0}, {L"-1", 0}, {L"00080", 80},
  };
  for (const auto& [text, port] : cases)
    EXPECT_EQ(ParsePortNumber(text), port) << ::testing::PrintToString(std::wstring(text));
}

TEST(ResolveToDotted, ResolvesTheLoopbackName) {
  WSADATA data{};
  ::WSAStartup(MAKEWORD(2, 0), &data);
  const auto dotted = ResolveToDotted(L"localhost");
  ASSERT_TRUE(dotted.has_value());
  EXPECT_TRUE(IsDottedIPv4(*dotted));
  EXPECT_EQ(dotted->rfind(L"127.", 0), 0u) << ::testing::PrintToString(*dotted);
  ::WSACleanup();
}

TEST(LinkArguments, CallersCodesChooseTimeoutsAndReplyRules) {
  const std::tuple<std::int32_t, TimeoutClass, ReplyRule> cases[] = {
      {0, TimeoutClass::kNormal, ReplyRule::kUntilEnd},
      {1, TimeoutClass::kNormal, ReplyRule::kUntilEnd},
      {2, TimeoutClass::kLong, ReplyRule::kAnyReply},
  };
  for (const auto& [code, timeouts, rule] : cases) {
    EXPECT_EQ(TimeoutClassFromCode(code), timeouts) << code;
    EXPECT_EQ(ReplyRuleFromCode(code), rule) << code;
  }
}

TEST(ReplyEndsWith, LooksAtTheLastFiveBytesOnly) {
  const char reply[] = "ABC\r\nEND\r\n";
  EXPECT_TRUE(ReplyEndsWith(reply, 10, "END\r\n"));
  EXPECT_FALSE(ReplyEndsWith(reply, 9, "END\r\n"));
  EXPECT_TRUE(ReplyEndsWith("END\r\n", 5, "END\r\n"));
  EXPECT_FALSE(ReplyEndsWith("ND\r\n", 4, "ND\r\nT"));
  EXPECT_TRUE(ReplyEndsWith("xxND\r\nT", 7, "ND\r\nT"));
}

}  // namespace
}  // namespace vostrel

#include "link/address.h"

#include <gtest/gtest.h>

#include <tuple>

#include "link/printer_link.h"

namespace vostrel {
namespace {

TEST(ClassifyPortName, ComparesTheBeginningExactly) {
  const std::pair<const wchar_t*, std::int32_t> cases[] = {
      {L"COM3:", 2},        {L"COM", 2},   {L"TELMARO COM4", 2}, {L"USB001", 3}, {L"USB", 3},
      {L"com3:", 0},        {L"LPT1:", 0}, {L"Telmaro COM4", 0}, {L"usb001", 0}, {L" COM3:", 0},
      {L"TELMARO USB1", 0}, {L"", 0},      {L"FILE:", 0},
  };
  for (const auto& [name, kind] : cases)
    EXPECT_EQ(ClassifyPortName(name), kind) << ::testing::PrintToString(std::wstring(name));
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

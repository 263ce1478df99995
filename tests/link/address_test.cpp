#include "link/address.h"

#include <gtest/gtest.h>

#include <tuple>

#include "link/printer_link.h"

namespace vostrel {
namespace {

TEST(ClassifyPortName, ComparesTheBeginningExactly) {
  const std::pair<const wchar_t*, PortKind> cases[] = {
      {L"COM3:", PortKind::Com},   {L"COM", PortKind::Com},           {L"TELMARO COM4", PortKind::Com},
      {L"USB001", PortKind::Usb},  {L"USB", PortKind::Usb},           {L"com3:", PortKind::None},
      {L"LPT1:", PortKind::None},  {L"Telmaro COM4", PortKind::None}, {L"usb001", PortKind::None},
      {L" COM3:", PortKind::None}, {L"TELMARO USB1", PortKind::None}, {L"", PortKind::None},
      {L"FILE:", PortKind::None},
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

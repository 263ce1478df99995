#include "operations/command_set.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel {
namespace {

TEST(CommandSet, PrefixAndHeaderBytes) {
  const unsigned char prefix[] = {0x7E, 0x21, 0x21, 0x0D, 0x0A, 0x02, 0x1B, 0x7E, 0x41,
                                  0x0D, 0x0A, 0x7E, 0x1B, 0x7E, 0x41, 0x0D, 0x0A};
  EXPECT_EQ(kCommandPrefix, std::string_view(reinterpret_cast<const char*>(prefix), sizeof prefix));
  EXPECT_EQ(kReplyHeader, kCommandPrefix.substr(0, 11));
}

TEST(CommandSet, CheckReplyHeader) {
  struct Case {
    std::string text;
    HeaderPresence expected;
  };
  const Case cases[] = {
      {std::string(kReplyHeader) + "PRINT SPEED\t:\t4 IPS\r\n", HeaderPresence::Whole},
      {std::string(kCommandPrefix), HeaderPresence::Whole},
      {"~!!\r\nPRINT SPEED\t:\t4 IPS\r\n", HeaderPresence::OnePart},
      {"~!!\r\n", HeaderPresence::OnePart},
      {"\x02\x1b~A\r\nEND\r\n", HeaderPresence::OnePart},
      {"~A\r\nEND\r\n", HeaderPresence::None},
      {"~!!\n\x02\x1b~A\r\n", HeaderPresence::None},
      {"x~!!\r\n", HeaderPresence::None},
      {"~!!", HeaderPresence::None},
      {"", HeaderPresence::None},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckReplyHeader(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace vostrel

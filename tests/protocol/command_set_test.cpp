#include "protocol/command_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ansi_text.h"
#include "settings/config_script.h"

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

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(CommandSet, FixedCommandBytes) {
  EXPECT_EQ(kPreRequestCommand, Bytes({0x01, 0x23, 0x00}));
  EXPECT_EQ(kRfidCalibrationStart, Bytes({0x02, 0x1B, 0x69, 0x43, 0x0D, 0x0A}));
  EXPECT_EQ(kRfidStatusPoll, Bytes({0x01, 0x41, 0x0D, 0x0A}));
  EXPECT_EQ(kRfidStatusOk, "iC:OK\r\n");
  EXPECT_EQ(kRfidStatusNg, "iC:NG\r\n");
}

TEST(CommandSet, TestPrintTextsByEmulationCode) {
  struct Case {
    EmulationCode code;
    std::string selfTest, samplePrint;
  };
  const Case cases[] = {
      {EmulationCode::CodeZebra, Bytes({0x7E, 0x57, 0x43, 0x0A}), Bytes({0x7E, 0x21, 0x51, 0x34, 0x0A})},
      {EmulationCode::CodeEpl, Bytes({0x55, 0x0A}), Bytes({0x7E, 0x21, 0x51, 0x34, 0x0A})},
      {EmulationCode::CodeTelmaro, Bytes({0x02, 0x5A, 0x0D, 0x0A}), Bytes({0x02, 0x1B, 0x51, 0x34, 0x0D, 0x0A})},
      {EmulationCode::Unknown, "", ""},
      {static_cast<EmulationCode>(4), "", ""},
      {static_cast<EmulationCode>(-1), "", ""},
  };
  for (const Case& c : cases) {
    const int code = static_cast<int>(c.code);
    EXPECT_EQ(WideToAnsi(SelfTestText(c.code)), c.selfTest) << code;
    EXPECT_EQ(WideToAnsi(SamplePrintText(c.code)), c.samplePrint) << code;
    SendBuffer buffer;
    const Outgoing out = BuildOutgoing(buffer, SelfTestText(c.code), PrefixUse::WithoutPrefix);
    EXPECT_EQ(out.status, OutgoingStatus::Ready) << code;
    EXPECT_EQ(std::string(buffer.data(), out.byteCount), c.selfTest) << code;
  }
}

TEST(CommandSet, ListingWithoutEmulationLineWritesNoSelfTest) {
  SettingsStore store;
  store.emulationReply = L"~!!\r\n\x02\x1b~A\r\nPRINT SPEED\t:\t4 IPS\r\nEND\r\n";
  SendBuffer buffer;
  buffer.fill('x');
  const Outgoing out = BuildOutgoing(buffer, SelfTestText(ReadEmulationCode(store)), PrefixUse::WithoutPrefix);
  EXPECT_EQ(out.status, OutgoingStatus::Ready);
  EXPECT_EQ(out.byteCount, 0u);
  EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](char b) { return b == '\0'; }));
}

TEST(BuildOutgoing, ConfigurationRequestWithPrefixIs47Bytes) {
  SendBuffer buffer;
  buffer.fill('x');
  const Outgoing out = BuildOutgoing(buffer, kConfigurationRequest, PrefixUse::WithPrefix);
  ASSERT_EQ(out.status, OutgoingStatus::Ready);
  EXPECT_EQ(out.byteCount, 47u);
  EXPECT_EQ(std::string(buffer.data(), out.byteCount),
            std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n");
  EXPECT_TRUE(std::all_of(buffer.begin() + 47, buffer.end(), [](char b) { return b == '\0'; }));
}

TEST(BuildOutgoing, FitsOrIsRefusedWhole) {
  const std::wstring shi(1, L'\x30b7');  // two bytes in the ANSI code page
  struct Case {
    const char* name;
    std::wstring text;
    PrefixUse prefix;
    OutgoingStatus status;
    std::size_t byteCount;
  };
  const Case cases[] = {
      {"empty with prefix", L"", PrefixUse::WithPrefix, OutgoingStatus::Ready, 17},
      {"empty without prefix", L"", PrefixUse::WithoutPrefix, OutgoingStatus::Ready, 0},
      {"4078 bytes after the prefix", std::wstring(4078, L'A'), PrefixUse::WithPrefix, OutgoingStatus::Ready, 4095},
      {"4079 bytes after the prefix", std::wstring(4079, L'A'), PrefixUse::WithPrefix, OutgoingStatus::TooLong, 0},
      {"4095 bytes alone", std::wstring(4095, L'A'), PrefixUse::WithoutPrefix, OutgoingStatus::Ready, 4095},
      {"4096 bytes alone", std::wstring(4096, L'A'), PrefixUse::WithoutPrefix, OutgoingStatus::TooLong, 0},
      {"far too long", std::wstring(100000, L'A'), PrefixUse::WithPrefix, OutgoingStatus::TooLong, 0},
      {"double-byte characters count twice", std::wstring(4076, L'A') + shi, PrefixUse::WithPrefix,
       OutgoingStatus::Ready, 4095},
      {"a double-byte character past the end", std::wstring(4077, L'A') + shi, PrefixUse::WithPrefix,
       OutgoingStatus::TooLong, 0},
      {"2039 wide characters of two bytes",
       [&] {
         std::wstring t;
         for (int i = 0; i < 2039; ++i) t += shi;
         return t;
       }(),
       PrefixUse::WithPrefix, OutgoingStatus::Ready, 4095},
      {"an embedded NUL is a byte like any other", std::wstring(L"A\0B", 3), PrefixUse::WithoutPrefix,
       OutgoingStatus::Ready, 3},
  };
  for (const Case& c : cases) {
    SendBuffer buffer;
    buffer.fill('x');
    const Outgoing out = BuildOutgoing(buffer, c.text, c.prefix);
    EXPECT_EQ(out.status, c.status) << c.name;
    EXPECT_EQ(out.byteCount, c.byteCount) << c.name;
    const std::string head = c.prefix == PrefixUse::WithPrefix ? std::string(kCommandPrefix) : std::string();
    const std::string expected = c.status == OutgoingStatus::Ready ? head + WideToAnsi(c.text) : std::string();
    EXPECT_EQ(std::string(buffer.data(), expected.size()), expected) << c.name;
    EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(expected.size()), buffer.end(), [](char b) {
      return b == '\0';
    })) << c.name;
  }
}

}  // namespace
}  // namespace vostrel

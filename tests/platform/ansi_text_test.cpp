#include "platform/ansi_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel {
namespace {

// The users' ANSI code page is 932: the tests of both trees run with it.
TEST(AnsiText, WideToAnsiWritesCodePage932) {
  struct Case {
    std::wstring wide;
    std::string ansi;
  };
  const Case cases[] = {
      {L"", ""},
      {L"PRINT SPEED\t:\t4 IPS\r\n", "PRINT SPEED\t:\t4 IPS\r\n"},
      {L"C:\\Labels\\a~b", "C:\\Labels\\a~b"},                            // 0x5C and 0x7E stay ASCII
      {L"\u30d7\u30ea\u30f3\u30bf", "\x83\x76\x83\x8a\x83\x93\x83\x5e"},  // プリンタ
      {L"\u8868", "\x95\x5c"},                                            // 表: trail byte 0x5C
      {L"\uff71", "\xb1"},                                                // half-width katakana
      {L"\ud55c-\ud55c", "?-?"},                                          // Hangul: not in the code page
      {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},                 // NUL passes through
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WideToAnsi(c.wide), c.ansi) << c.ansi;
  }
}

TEST(AnsiText, AnsiToWideReadsCodePage932) {
  EXPECT_EQ(AnsiToWide("END\r\n"), L"END\r\n");
  EXPECT_EQ(AnsiToWide("\x83\x76\x83\x8a\x83\x93\x83\x5e"), L"\u30d7\u30ea\u30f3\u30bf");
  EXPECT_EQ(AnsiToWide("\x95\x5c"), L"\u8868");
  EXPECT_EQ(AnsiToWide(std::string("x\0y", 3)), std::wstring(L"x\0y", 3));
}

TEST(AnsiText, BrokenBytesNeverStopTheConversion) {
  // A lead byte at the very end and a lead byte followed by a byte that cannot
  // trail: each yields one character, and what follows is still read.
  const std::wstring truncated = AnsiToWide("AB\x83");
  ASSERT_EQ(truncated.size(), 3u);
  EXPECT_EQ(truncated.substr(0, 2), L"AB");

  const std::wstring bad = AnsiToWide(
      "\x81\x0a"
      "END");
  EXPECT_EQ(bad.substr(bad.size() - 3), L"END");
}

TEST(AnsiText, RoundTripOfJapaneseText) {
  const std::wstring text = L"\u30db\u30b9\u30c8\u540d: \u5009\u5eab-1 \\ ~";
  EXPECT_EQ(AnsiToWide(WideToAnsi(text)), text);
}

}  // namespace
}  // namespace vostrel

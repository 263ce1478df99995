#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/listing_line.h"
#include "settings/listing_numbers.h"

namespace vostrel::listing {
namespace {

struct ScaledCase {
  const char* field;
  int decimals;
  std::optional<std::int32_t> expected;
};

TEST(ListingNumbers, ScaledAndWholeNumbers) {
  const ScaledCase cases[] = {
      {"0", 0, 0},
      {"-0", 0, 0},
      {"30", 0, 30},
      {"-256", 0, -256},
      {"32767", 0, 32767},
      {"-32768", 0, -32768},
      {"32768", 0, std::nullopt},  // beyond 16 bits: rejected, not wrapped
      {"65546", 0, std::nullopt},  // would wrap to 10
      {"99999999999999999999", 0, std::nullopt},
      {"1.0", 0, std::nullopt},  // a point rejects a whole number
      {"", 0, std::nullopt},
      {"-", 0, std::nullopt},
      {"--1", 0, std::nullopt},
      {"+1", 0, std::nullopt},
      {"1-", 0, std::nullopt},
      {"12 ", 0, std::nullopt},  // spaces stay part of the field
      {"2.3", 2, 230},
      {"2.30", 2, 230},
      {"2.300", 2, 230},
      {"2.301", 2, std::nullopt},  // a dropped decimal must be 0
      {"3.937", 2, std::nullopt},
      {"3.930", 2, 393},
      {"100", 1, 1000},
      {"100.", 1, 1000},  // missing decimals count as zeros
      {"-0.5", 1, -5},
      {"-.5", 1, std::nullopt},
      {".5", 1, std::nullopt},
      {"1.2.3", 1, std::nullopt},
      {"2539.7", 1, 25397},
      {"3276.7", 1, 32767},
      {"3276.8", 1, std::nullopt},
      {"327.68", 2, std::nullopt},
      {"1e3", 1, std::nullopt},
  };
  for (const ScaledCase& c : cases) {
    EXPECT_EQ(ParseScaled(c.field, c.decimals), c.expected) << '"' << c.field << "\" with " << c.decimals;
  }
  EXPECT_EQ(ParseWhole("-12"), -12);
  EXPECT_EQ(ParseWhole("1.5"), std::nullopt);
}

TEST(ListingNumbers, OctetsTakeTheirDigitsTogether) {
  const std::pair<const char*, std::optional<std::uint8_t>> cases[] = {
      {"0", 0},
      {"255", 255},
      {"256", std::nullopt},
      {"1.5", 15},
      {"25.5", 255},
      {"1.", 1},
      {"1..5", std::nullopt},
      {".", std::nullopt},
      {"-1", std::nullopt},
      {"1a", std::nullopt},
      {"", std::nullopt},
      {"000000000000000000001", 1},
      {"99999999999", std::nullopt},
  };
  for (const auto& [field, expected] : cases) EXPECT_EQ(ParseOctet(field), expected) << '"' << field << '"';
}

TEST(ListingNumbers, CountersSkipSpaces) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"0", 0},
      {"9999999", 9999999},
      {"1 000 000", 1000000},
      {"10000000", std::nullopt},
      {"12.5", std::nullopt},
      {" ", std::nullopt},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& [field, expected] : cases) EXPECT_EQ(ParseCounter(field), expected) << '"' << field << '"';
}

struct SplitCase {
  std::string line;
  std::vector<std::string> fields;
};

TEST(ListingLine, FieldsSplitAtSeparatorRunsAndComments) {
  const SplitCase cases[] = {
      {"PRINT SPEED\t:\t4 IPS", {"PRINT SPEED", "4 IPS"}},
      {"a,b:c\td", {"a", "b", "c", "d"}},
      {",,:\t a ::b,", {" a ", "b"}},
      {"HOST NAME\t:\tx;y", {"HOST NAME", "x;y"}},
      {"HOST NAME\t:\t;comment\t:\tmore", {"HOST NAME"}},
      {";all comment", {}},
      {"\t\t", {}},
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"}},
  };
  LineRecord record;
  for (const SplitCase& c : cases) {
    record.Assign(c.line);
    ASSERT_EQ(record.FieldCount(), c.fields.size()) << c.line;
    for (std::size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(record.Field(i + 1), c.fields[i]) << c.line;
    EXPECT_EQ(record.Field(c.fields.size() + 1), "");
    EXPECT_EQ(record.Field(0), "");
  }
  record.Assign("Print Speed:4 ips");
  EXPECT_EQ(record.Upper(1), "PRINT SPEED");
  EXPECT_EQ(record.Upper(2), "4 IPS");
  EXPECT_EQ(record.Field(2), "4 ips");
}

TEST(ListingLine, LinesEndInAnyOfThreeWaysAndAreReadAtMost99Characters) {
  const std::string long_line(150, 'x');
  const std::string text = "a\r\nb\nc\rd\r\r\n" + long_line + "\r\n" + std::string(99, 'y') + "\r\nz";
  LineCursor lines(text);
  EXPECT_EQ(lines.Next(), "a");
  EXPECT_EQ(lines.Next(), "b");
  EXPECT_EQ(lines.Next(), "c");
  EXPECT_EQ(lines.Next(), "d");
  EXPECT_EQ(lines.Next(), "");  // the CR LF after CR is an empty line
  EXPECT_EQ(lines.Next(), std::string(99, 'x'));
  EXPECT_EQ(lines.Next(), std::string(51, 'x'));
  EXPECT_EQ(lines.Next(), std::string(99, 'y'));
  EXPECT_EQ(lines.Next(), "");  // a 99-character line's own line end
  EXPECT_EQ(lines.Next(), "z");
  EXPECT_EQ(lines.Next(), "");
  EXPECT_EQ(lines.Next(), "");
}

}  // namespace
}  // namespace vostrel::listing

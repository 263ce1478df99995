// How the simulated printer takes a value: form, range, model and unit.
#include "sim_values.h"

#include <gtest/gtest.h>

#include <ostream>

#include "sim_printer.h"

namespace vostrel::sim {
namespace {

struct ValueCase {
  std::string_view line;
  Model model;
  std::optional<std::string_view> kept;  // the value the printer keeps; nothing when it refuses
};

// Shown in test listings: the line alone, with its TABs written out, so that
// the test runner reads the same names when it lists and when it runs.
void PrintTo(const ValueCase& c, std::ostream* os) {
  for (char ch : c.line) {
    if (ch == '\t') {
      *os << "\\t";
    } else {
      *os << ch;
    }
  }
  *os << (c.model == Model::Vx120 ? " (120)" : " (135)");
}

std::optional<std::string> Normalise(std::string_view line, Model model, std::string_view functionSelect = "TEAR") {
  const SplitLine split = SplitSettingLine(line);
  const int row = FindRow(split.keyword);
  if (row < 0) return std::string("<unknown keyword>");
  return NormaliseValue(SettingRows()[static_cast<std::size_t>(row)], split.fields, split.rest,
                        ValueContext{model, functionSelect});
}

class ValueForms : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueForms, TakesOrRefusesLikeThePrinter) {
  const ValueCase& c = GetParam();
  const auto kept = Normalise(c.line, c.model);
  if (c.kept) {
    ASSERT_TRUE(kept.has_value()) << c.line;
    EXPECT_EQ(*kept, *c.kept) << c.line;
  } else {
    EXPECT_FALSE(kept.has_value()) << c.line << " kept as " << kept.value_or("");
  }
}

constexpr Model k120 = Model::Vx120;
constexpr Model k135 = Model::Vx135;

INSTANTIATE_TEST_SUITE_P(
    Sim, ValueForms,
    ::testing::Values(
        // Words: any case in, the printer's spelling out; the model decides some.
        ValueCase{"PRINT SPEED\t:\t4 ips", k120, "4 IPS"}, ValueCase{"PRINT SPEED\t:\t8 IPS", k120, "8 IPS"},
        ValueCase{"PRINT SPEED\t:\t8 IPS", k135, std::nullopt}, ValueCase{"PRINT SPEED\t:\t9 IPS", k120, std::nullopt},
        ValueCase{"PRINT SPEED\t:\t11 IPS", k120, std::nullopt},
        ValueCase{"RIBBON END DETECTION\t:\tQUICK", k120, "QUICK"},
        ValueCase{"RIBBON END DETECTION\t:\tQUICK", k135, std::nullopt},
        ValueCase{"BUZZER SELECT\t:\tON", k120, std::nullopt}, ValueCase{"BUZZER SELECT\t:\tKEY", k120, "KEY"},
        ValueCase{"FUNCTION SELECT\t:\tREWIND", k120, std::nullopt},
        // Whole numbers and decimals, with their ranges.
        ValueCase{"PRINT DARKNESS\t:\t30", k120, "30"}, ValueCase{"PRINT DARKNESS\t:\t31", k120, std::nullopt},
        ValueCase{"PRINT DARKNESS\t:\t-1", k120, std::nullopt}, ValueCase{"PRINT DARKNESS\t:\t1.0", k120, std::nullopt},
        ValueCase{"PRINT DARKNESS\t:\t", k120, std::nullopt}, ValueCase{"MACH TEAR POS\t:\t-256\tDOTS", k120, "-256"},
        ValueCase{"MACH HOR POS\t:\t33\tDOTS", k120, std::nullopt}, ValueCase{"TIMEOUT\t:\t0300\tSEC", k120, "300"},
        ValueCase{"PORT NUMBER\t:\t8999", k120, std::nullopt},
        ValueCase{"TT HOT HEATRATE ADJUST\t:\t-1\t%", k120, "-1.0"},
        ValueCase{"TT HOT HEATRATE ADJUST\t:\t1.1\t%", k120, std::nullopt},
        ValueCase{"SEE THROUGH SENSOR\t:\t3.30\tV", k120, "3.3"},
        ValueCase{"SEE THROUGH SENSOR\t:\t3.25\tV", k120, std::nullopt},
        ValueCase{"PAPER END LEVEL\t:\t2.3\tV", k120, "2.30"},
        ValueCase{"PAPER END LEVEL\t:\t0.00\tV", k120, std::nullopt},
        ValueCase{"HEAD CLEAN MESSAGE\t:\t1 000\tM", k120, "1000"},
        ValueCase{"HEAD CLEAN MESSAGE\t:\t10000000\tM", k120, std::nullopt},
        // Lengths carry their unit; each unit has its own range.
        ValueCase{"CONTINUOUS MEDIA LENGTH\t:\t100\tMM", k120, "100.0\tMM"},
        ValueCase{"CONTINUOUS MEDIA LENGTH\t:\t3.930\tINCH", k120, "3.93\tINCH"},
        ValueCase{"CONTINUOUS MEDIA LENGTH\t:\t3.937\tINCH", k120, std::nullopt},
        ValueCase{"CONTINUOUS MEDIA LENGTH\t:\t6.3\tMM", k120, std::nullopt},
        ValueCase{"CONTINUOUS MEDIA LENGTH\t:\t100", k120, std::nullopt},
        ValueCase{"RFID NG MARK THICKNESS\t:\t0.40\tINCH", k120, std::nullopt},
        // Dot counts follow the print head of the model.
        ValueCase{"HEAD CHECK START POS\t:\tDOT\t848", k120, "DOT\t848"},
        ValueCase{"HEAD CHECK START POS\t:\tDOT\t900", k120, std::nullopt},
        ValueCase{"HEAD CHECK START POS\t:\tDOT\t900", k135, "DOT\t900"},
        ValueCase{"HEAD CHECK START POS\t:\t900", k135, std::nullopt},
        ValueCase{"HEAD CHECK PATTERN WIDTH\t:\t1240\tDOTS", k135, "1240"},
        ValueCase{"HEAD CHECK PATTERN WIDTH\t:\t833\tDOTS", k120, std::nullopt},
        // Addresses.
        ValueCase{"IPV4 ADDRESS\t:\t192,168,010,21", k120, "192,168,10,21"},
        ValueCase{"IPV4 ADDRESS\t:\t192.168.0.1", k120, std::nullopt},
        ValueCase{"IPV4 ADDRESS\t:\t192,168,0,256", k120, std::nullopt},
        ValueCase{"IPV4 ADDRESS\t:\t192,168,0", k120, std::nullopt},
        ValueCase{"IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,0,0,0,0,0,0,0,1", k120, "254,128,0,0,0,0,0,0,0,0,0,0,0,0,0,1"},
        ValueCase{"IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,0,0,0,0,0,0,1", k120, std::nullopt},
        // Texts, codes and the rest.
        ValueCase{"HOST NAME\t:\tMyPrinter", k120, "MyPrinter"}, ValueCase{"HOST NAME\t:\t", k120, ""},
        ValueCase{"HOST NAME\t:\tAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", k120, std::nullopt},
        ValueCase{"SERIAL NUMBER\t:\tab12", k120, "AB12"}, ValueCase{"BT PIN CODE\t:\t12,34", k120, std::nullopt},
        ValueCase{"BT PIN CODE\t:\t123", k120, std::nullopt},
        ValueCase{"BT DEVICE NAME\t:\t\"label", k120, std::nullopt}, ValueCase{"KEYBOARD LOCK\t:\ton", k120, "ON"},
        ValueCase{"SYMBOL SET\t:\tu1", k120, "u1"}, ValueCase{"SYMBOL SET\t:\tU1", k120, std::nullopt},
        ValueCase{"RFID FIXED POWER\t:\t250 DBM", k120, "250 DBM"},
        ValueCase{"RFID FIXED POWER\t:\t10001", k120, std::nullopt}));

TEST(SimPaperPosition, RangeFollowsTheFunctionSelectWord) {
  EXPECT_EQ(Normalise("PAPER POSITION\t:\t40.0\tMM", k120, "OFF"), "40.0\tMM");
  EXPECT_EQ(Normalise("PAPER POSITION\t:\t40.0\tMM", k120, "TEAR"), std::nullopt);
  EXPECT_EQ(Normalise("PAPER POSITION\t:\t-1.0\tMM", k120, "OFF"), std::nullopt);
  EXPECT_EQ(Normalise("PAPER POSITION\t:\t-1.0\tMM", k120, "CUT ON"), "-1.0\tMM");
}

TEST(SimNumbers, ScaledNumbersKeepOnlyZeroDecimalsBeyondTheirScale) {
  struct Case {
    std::string_view text;
    int decimals;
    std::optional<long long> value;
  };
  const Case cases[] = {
      {"2.3", 2, 230},        {"2.30", 1, 23},         {"2.31", 1, std::nullopt}, {"-0.5", 1, -5},
      {"+7", 0, 7},           {"7.", 1, std::nullopt}, {".5", 1, std::nullopt},   {"1e3", 0, std::nullopt},
      {"-", 0, std::nullopt}, {"12", 2, 1200}};
  for (const Case& c : cases) EXPECT_EQ(ParseScaled(c.text, c.decimals), c.value) << c.text;
  EXPECT_EQ(FormatScaled(-5, 1), "-0.5");
  EXPECT_EQ(FormatScaled(7, 2), "0.07");
  EXPECT_EQ(FormatScaled(1200, 2), "12.00");
}

}  // namespace
}  // namespace vostrel::sim

// The listing reader's keyword rows: each value parser with its range, in
// read mode.
#include <gtest/gtest.h>

#include <string>

#include "settings/listing_reader_test_support.h"

namespace vostrel {
namespace {

using testing::ReadAsListing;
using testing::Slot;

constexpr int kAnyUnit = -1;

struct ValueCase {
  std::string line;
  std::wstring_view keyword;  // of the slot to look at
  std::wstring value;
  int invalid;
  int unitIndex = kAnyUnit;
};

void ExpectRead(const ValueCase& c) {
  SettingsStore store;
  Slot(store, c.keyword).unitIndex = 7;  // neither 0 nor 1: shows whether the read set it
  ReadAsListing(store, c.line + "\r\n");
  const SettingItem& item = Slot(store, c.keyword);
  EXPECT_EQ(item.value, c.value) << c.line;
  EXPECT_EQ(item.invalid, c.invalid) << c.line;
  EXPECT_EQ(item.selected, 1) << c.line;
  if (c.unitIndex != kAnyUnit) {
    EXPECT_EQ(item.unitIndex, c.unitIndex) << c.line;
  }
}

TEST(ListingValues, WholeNumbersAndDecimalsInTheirRanges) {
  const ValueCase cases[] = {
      {"PRINT DARKNESS\t:\t30", L"PRINT DARKNESS", L"30", 0},
      {"PRINT DARKNESS\t:\t31", L"PRINT DARKNESS", L"0", 1},
      {"PRINT DARKNESS\t:\t-0", L"PRINT DARKNESS", L"0", 0},
      {"PRINT DARKNESS\t:\t010", L"PRINT DARKNESS", L"10", 0},
      {"PRINT DARKNESS\t:\t10.0", L"PRINT DARKNESS", L"0", 1},
      {"PRINT DARKNESS\t:\t65546", L"PRINT DARKNESS", L"0", 1},  // 10 after a 16-bit wrap
      {"MACH HOR POS\t:\t-16", L"MACH HOR POS", L"-16", 0},
      {"MACH HOR POS\t:\t-17", L"MACH HOR POS", L"0", 1},
      {"MACH TEAR POS\t:\t-256\tDOTS", L"MACH TEAR POS", L"-256", 0},
      {"PORT NUMBER\t:\t8999", L"PORT NUMBER", L"0", 1},
      {"TIMEOUT\t:\t300\tSEC", L"TIMEOUT", L"300", 0},
      {"IPV6 PREFIX LENGTH\t:\t129", L"IPV6 PREFIX LENGTH", L"0", 1},
      {"SEE THROUGH SENSOR\t:\t3.30\tV", L"SEE THROUGH SENSOR", L"3.3", 0},
      {"SEE THROUGH SENSOR\t:\t1", L"SEE THROUGH SENSOR", L"1.0", 0},
      {"SEE THROUGH SENSOR\t:\t3.35", L"SEE THROUGH SENSOR", L"0.0", 1},
      {"TT HOT HEATRATE ADJUST\t:\t-0.5\t%", L"TT HOT HEATRATE ADJUST", L"-0.5", 0},
      {"DT COLD HEATRATE ADJUST 2\t:\t-1.1", L"DT COLD HEATRATE ADJUST 2", L"0.0", 1},
      {"PEEL WAIT DELAY\t:\t0", L"PEEL WAIT DELAY", L"0.0", 1},
      {"HEAD CLEAN MESSAGE\t:\t1 000 000\tM", L"HEAD CLEAN MESSAGE", L"1000000", 0},
      {"HEAD CLEAN MESSAGE\t:\t9999999", L"HEAD CLEAN MESSAGE", L"9999999", 0},
      {"HEAD CLEAN MESSAGE\t:\t10000000", L"HEAD CLEAN MESSAGE", L"0", 1},
      {"HEAD CLEAN MESSAGE\t:\t12.5", L"HEAD CLEAN MESSAGE", L"0", 1},
      {"RFID FIXED POWER\t:\t2500 dBm", L"RFID FIXED POWER", L"2500", 0},
      {"RFID FIXED POWER\t:\t2500DBM", L"RFID FIXED POWER", L"0", 1},
      {"RFID FIXED POWER\t:\t10001", L"RFID FIXED POWER", L"0", 1},
      {"RFID WRITE POWER\t:\t100", L"RFID FIXED POWER", L"100", 0},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, LengthsFollowTheirUnitWord) {
  const ValueCase cases[] = {
      {"CONTINUOUS MEDIA LENGTH\t:\t100\tMM", L"CONTINUOUS MEDIA LENGTH", L"100.0", 0, 1},
      {"CONTINUOUS MEDIA LENGTH\t:\t3.937\tINCH", L"CONTINUOUS MEDIA LENGTH", L"0.00", 1, 0},
      {"CONTINUOUS MEDIA LENGTH\t:\t3.930\tINCH", L"CONTINUOUS MEDIA LENGTH", L"3.93", 0, 0},
      {"CONTINUOUS MEDIA LENGTH\t:\t2539.7\tmm", L"CONTINUOUS MEDIA LENGTH", L"2539.7", 0, 1},
      {"CONTINUOUS MEDIA LENGTH\t:\t2539.8\tMM", L"CONTINUOUS MEDIA LENGTH", L"0.00", 1, 0},
      {"CONTINUOUS MEDIA LENGTH\t:\t6.3\tMM", L"CONTINUOUS MEDIA LENGTH", L"0.00", 1, 0},
      {"CONTINUOUS MEDIA LENGTH\t:\t100", L"CONTINUOUS MEDIA LENGTH", L"0.00", 1, 0},  // no unit word
      {"CONTINUOUS MEDIA LENGTH\t:\t100\tCM", L"CONTINUOUS MEDIA LENGTH", L"0.00", 1, 0},
      {"HORIZONTAL SHIFT\t:\t-1.00\tINCH", L"HORIZONTAL SHIFT", L"-1.00", 0, 0},
      {"HORIZONTAL SHIFT\t:\t-25.4\tMM", L"HORIZONTAL SHIFT", L"-25.4", 0, 1},
      {"RFID NG MARK THICKNESS\t:\t0.39\tINCH", L"RFID NG MARK THICKNESS", L"0.39", 0, 0},
      {"RFID NG MARK THICKNESS\t:\t0.9\tMM", L"RFID NG MARK THICKNESS", L"0.00", 1, 0},
      {"RFID Y POSITION\t:\t12.5\tMM", L"RFID FIXED POSITION", L"12.5", 0, 1},
      {"RFID NGMARK WIDTH\t:\t0.38\tINCH", L"RFID NG MARK WIDTH", L"0.00", 1, 0},
      {"RFID ANTENNA POSITION\t:\t10\tINCH", L"RFID ANTENNA POSITION", L"10.00", 0, 0},
      // "V" and "DOTS": one decimal against the inch range; "DOTS" counts as 203 dpi.
      {"CONTINUOUS MEDIA LENGTH\t:\t50.0\tDOTS", L"CONTINUOUS MEDIA LENGTH", L"5.00", 0, 0},
      {"CONTINUOUS MEDIA LENGTH\t:\t50.0\tV", L"CONTINUOUS MEDIA LENGTH", L"5.00", 0, 0},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, LevelsAndSensorLevel) {
  const ValueCase cases[] = {
      {"PAPER END LEVEL\t:\t1.5\tV", L"PAPER END LEVEL", L"1.50", 0},
      {"PAPER END LEVEL\t:\t3.30\tV", L"PAPER END LEVEL", L"3.30", 0},
      {"PAPER END LEVEL\t:\t3.31\tV", L"PAPER END LEVEL", L"0.00", 1},
      {"PAPER END LEVEL\t:\t0.00\tV", L"PAPER END LEVEL", L"0.00", 1},
      {"PAPER END LEVEL\t:\t1.5", L"PAPER END LEVEL", L"0.00", 1},  // no unit word
      {"FIX THROUGH CAL LEVEL\t:\t0.01\tv", L"FIX THROUGH CAL LEVEL", L"0.01", 0},
      {"ADJ SENSNONE CAL LEVEL\t:\t2.125\tV", L"ADJ SENSNONE CAL LEVEL", L"0.00", 1},
      {"SENSOR LEVEL\t:\t2.5\tV", L"SENSOR LEVEL", L"2.5", 0, 7},
      {"SENSOR LEVEL\t:\t3.4\tV", L"SENSOR LEVEL", L"0.0", 1},
      {"SENSOR LEVEL\t:\t2.5", L"SENSOR LEVEL", L"0.0", 1},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, DotPositionsChooseTheirDensity) {
  const ValueCase cases[] = {
      {"HEAD CHECK START POS\t:\tDOT\t848", L"HEAD CHECK START POS", L"848", 0, 0},
      {"HEAD CHECK START POS\t:\tDOT\t900", L"HEAD CHECK START POS", L"900", 0, 1},
      {"HEAD CHECK STOP POS\t:\tdot\t1264", L"HEAD CHECK STOP POS", L"1264", 0, 1},
      {"HEAD CHECK STOP POS\t:\tDOT\t1265", L"HEAD CHECK STOP POS", L"0", 1, 0},
      {"HEAD CHECK STOP POS\t:\tDOT\t0", L"HEAD CHECK STOP POS", L"0", 1, 0},
      {"HEAD CHECK START POS\t:\t500", L"HEAD CHECK START POS", L"0", 1, 0},
      {"HEAD CHECK START POS\t:\tDOTS\t500", L"HEAD CHECK START POS", L"0", 1, 0},
      {"HEAD CHECK PATTERN WIDTH\t:\t832\tDOTS", L"HEAD CHECK PATTERN WIDTH", L"832", 0, 0},
      {"HEAD CHECK PATTERN WIDTH\t:\t1240", L"HEAD CHECK PATTERN WIDTH", L"1240", 0, 1},
      {"HEAD CHECK PATTERN WIDTH\t:\t1241", L"HEAD CHECK PATTERN WIDTH", L"0", 1, 0},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, Addresses) {
  const ValueCase cases[] = {
      {"IPV4 ADDRESS\t:\t192.168.0.1", L"IPV4 ADDRESS", L"", 1},
      {"IPV4 ADDRESS\t:\t192,168,0,1", L"IPV4 ADDRESS", L"192.168.0.1", 0},
      {"IPV4 ADDRESS\t:\t192:168:0:1", L"IPV4 ADDRESS", L"192.168.0.1", 0},
      {"IPV4 SUBNET MASK\t:\t255,255,25.5,0", L"IPV4 SUBNET MASK", L"255.255.255.0", 0},
      {"IPV4 GATEWAY\t:\t256,0,0,1", L"IPV4 GATEWAY", L"", 1},
      {"IPV4 GATEWAY\t:\t1,0,0,1,5", L"IPV4 GATEWAY", L"", 1},
      {"IPV4 GATEWAY\t:\t1,0,-0,1", L"IPV4 GATEWAY", L"", 1},
      {"NETWORK ADDRESS\t:\t10,0,0,2", L"NETWORK ADDRESS", L"10.0.0.2", 0},
      {"IPV6 GATEWAY\t:\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1", L"IPV6 GATEWAY", L"0000:0000:0000:0000:0000:0000:0000:0001",
       0},
      {"IPV6 GATEWAY\t:\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,256", L"IPV6 GATEWAY", L"", 1},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, TextsKeepTheirCaseAndTheirLimits) {
  const std::string psk63(63, 'k');
  const ValueCase cases[] = {
      {"HOST NAME\t:\tMyPrinter", L"HOST NAME", L"MyPrinter", 0},
      {"HOST NAME", L"HOST NAME", L"", 0},  // an empty host name passes
      {"HOST NAME\t:\t" + std::string(31, 'h'), L"HOST NAME", std::wstring(31, L'h'), 0},
      {"HOST NAME\t:\t" + std::string(32, 'h'), L"HOST NAME", L"", 1},
      {"HOST NAME\t:\tmy\x7fhost", L"HOST NAME", L"", 1},
      {"SERIAL NUMBER\t:\tab12", L"SERIAL NUMBER", L"AB12", 0},
      {"WLAN SSID\t:\tOffice Net", L"WLAN SSID", L"Office Net", 0},
      {"WLAN WEP KEY 3\t:\t" + std::string(29, 'w'), L"WLAN WEP KEY 3", L"", 1},
      {"WLAN PSK\t:\t" + psk63, L"WLAN PSK", std::wstring(psk63.begin(), psk63.end()), 0},
      {"WLAN PSK\t:\t" + psk63 + "k", L"WLAN PSK", L"", 1},
      {"WLAN PSK\t:\ta\x01z", L"WLAN PSK", L"a\x01z", 0},
      {"EAP PASSWORD\t:\t" + std::string(64, 'p'), L"EAP PASSWORD", std::wstring(64, L'p'), 0},
      {"BT PIN CODE\t:\t1234", L"BT PIN CODE", L"1234", 0},
      {"BT PIN CODE\t:\t123", L"BT PIN CODE", L"", 1},
      {"BT PIN CODE\t:\t \"1234", L"BT PIN CODE", L"", 1},
      {"BT PIN CODE\t:\t\"1234", L"BT PIN CODE", L"", 1},
      {"BT PIN CODE\t:\t12 34", L"BT PIN CODE", L"12 34", 0},
      {"BT DEVICE NAME", L"BT DEVICE NAME", L"", 1},
      {"BT DEVICE NAME\t:\tLabel Printer", L"BT DEVICE NAME", L"Label Printer", 0},
  };
  for (const ValueCase& c : cases) ExpectRead(c);
}

TEST(ListingValues, NonAsciiTextsComeBackThroughTheCodePage) {
  SettingsStore store;
  store.textBuffer = L"~!!\r\n\x02\x1b~A\r\nWLAN PSK\t:\t\x30d1\x30b9\x30ef\x30fc\x30c9\r\n";
  ReadListing(store, ListingMode::Read);
  EXPECT_EQ(Slot(store, L"WLAN PSK").value, L"\x30d1\x30b9\x30ef\x30fc\x30c9");
  EXPECT_EQ(Slot(store, L"WLAN PSK").invalid, 0);
}

struct ChoiceCase {
  const char* line;
  std::wstring_view keyword;
  int choice;
  int invalid;
};

TEST(ListingValues, OnOffAndSymbolSetGiveChoices) {
  const ChoiceCase cases[] = {
      {"KEYBOARD LOCK\t:\tON", L"KEYBOARD LOCK", 1, 0},
      {"KEYBOARD LOCK\t:\toff", L"KEYBOARD LOCK", 0, 0},
      {"KEYBOARD LOCK\t:\tYES", L"KEYBOARD LOCK", 0, 1},
      {"KEYBOARD LOCK", L"KEYBOARD LOCK", 0, 1},
      {"SYMBOL SET\t:\tCP", L"SYMBOL SET", 0, 0},
      {"SYMBOL SET\t:\tu1", L"SYMBOL SET", 55, 0},
      {"SYMBOL SET\t:\tU1", L"SYMBOL SET", 0, 1},  // matched as written
      {"SYMBOL SET\t:\tZZ", L"SYMBOL SET", 87, 0},
      {"SYMBOL SET\t:\tPCX", L"SYMBOL SET", 0, 0},  // another length changes nothing
      {"SYMBOL SET\t:\tUS\r\nSYMBOL SET\t:\tPCX", L"SYMBOL SET", 42, 0},
  };
  for (const ChoiceCase& c : cases) {
    SettingsStore store;
    Slot(store, c.keyword).choice = 9;
    ReadAsListing(store, std::string(c.line) + "\r\n");
    EXPECT_EQ(Slot(store, c.keyword).choice, c.choice) << c.line;
    EXPECT_EQ(Slot(store, c.keyword).invalid, c.invalid) << c.line;
  }
}

struct PaperCase {
  const char* functionSelect;  // the line before PAPER POSITION, or ""
  const char* position;
  bool accepted;
};

TEST(ListingValues, PaperPositionRangeFollowsFunctionSelect) {
  const PaperCase cases[] = {
      {"", "40.0\tMM", true},
      {"", "-25.4\tMM", true},
      {"", "50.8\tMM", true},
      {"", "50.9\tMM", false},
      {"", "-1.01\tINCH", false},
      {"FUNCTION SELECT\t:\tTEAR", "40.0\tMM", false},
      {"FUNCTION SELECT\t:\tPEEL ON", "-25.4\tMM", true},
      {"FUNCTION SELECT\t:\tCUT ON", "1.00\tINCH", true},
      {"FUNCTION SELECT\t:\tOFF", "40.0\tMM", true},
      {"FUNCTION SELECT\t:\tOFF", "-0.1\tMM", false},
      {"FUNCTION SELECT\t:\tOFF", "2.00\tINCH", true},
      {"FUNCTION SELECT\t:\tREWIND", "40.0\tMM", true},
      {"FUNCTION SELECT\t:\tREWIND", "-25.4\tMM", true},
      {"FUNCTION SELECT\t:\tSIDEWAYS", "-25.4\tMM", true},  // a rejected word leaves it unknown
      {"FUNCTION SELECT\t:\tTEAR\r\nFUNCTION SELECT\t:\tSIDEWAYS", "40.0\tMM", false},
  };
  for (const PaperCase& c : cases) {
    SettingsStore store;
    const std::string head = *c.functionSelect ? std::string(c.functionSelect) + "\r\n" : "";
    ReadAsListing(store, head + "PAPER POSITION\t:\t" + c.position + "\r\n");
    EXPECT_EQ(Slot(store, L"PAPER POSITION").invalid, c.accepted ? 0 : 1) << c.functionSelect << " / " << c.position;
  }
  SettingsStore after;  // only a FUNCTION SELECT line before it counts
  ReadAsListing(after, "PAPER POSITION\t:\t40.0\tMM\r\nFUNCTION SELECT\t:\tTEAR\r\n");
  EXPECT_EQ(Slot(after, L"PAPER POSITION").value, L"40.0");
  EXPECT_EQ(Slot(after, L"PAPER POSITION").invalid, 0);
}

}  // namespace
}  // namespace vostrel

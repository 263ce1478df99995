// The listing reader: line form, word rows and read mode.
#include "settings/listing_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/listing_reader_test_support.h"

namespace vostrel {
namespace {

using testing::ReadAsListing;
using testing::Slot;

TEST(ListingLineForm, KeywordsAndWordsMatchInAnyCase) {
  SettingsStore store;
  ReadAsListing(store, "print speed\t:\t4 ips\r\nEND\r\n");
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).choice, 2);
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).selected, 1);
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).invalid, 0);
}

TEST(ListingLineForm, LineEndsSeparatorsAndComments) {
  SettingsStore store;
  ReadAsListing(store,
                "PRINT DARKNESS,10\n"
                "TIMEOUT:::300\r"
                "PORT NUMBER\t:\t9100\t; the raw port\r\n"
                "MACH TEAR POS\t;\t5\r\n"  // the comment takes the value away
                "IPV6 PREFIX LENGTH\t:\t64\r\n");
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(store.Entry(entry::kTimeout).value, L"300");
  EXPECT_EQ(store.Entry(entry::kPortNumber).value, L"9100");
  EXPECT_EQ(store.Entry(entry::kMachTearPos).invalid, 1);
  EXPECT_EQ(store.Entry(entry::kIpv6PrefixLength).value, L"64");
}

TEST(ListingLineForm, ReadingStopsAtStopLinesEmptyLinesAndFieldlessLines) {
  struct Case {
    const char* stop;
    bool stops;
  };
  const Case cases[] = {
      {"END", true},   {"EXIT", true},        {"", true},
      {"\t:\t", true}, {"; a comment", true}, {"END ", false},
      {"end", false},  {"EXIT\t:", false},    {"UNKNOWN KEYWORD\t:\t1", false},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    ReadAsListing(store, std::string("PRINT DARKNESS\t:\t10\r\n") + c.stop + "\r\nTIMEOUT\t:\t5\r\n");
    EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10") << c.stop;
    EXPECT_EQ(store.Entry(entry::kTimeout).selected, c.stops ? 0 : 1) << '"' << c.stop << '"';
  }
}

TEST(ListingLineForm, ReadModeSkipsTheFirstTwoLinesWhateverTheyHold) {
  SettingsStore store;
  store.textBuffer = L"PRINT DARKNESS\t:\t10\r\nTIMEOUT\t:\t5\r\nPORT NUMBER\t:\t9100\r\n";
  ReadListing(store, ListingMode::Read);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).selected, 0);
  EXPECT_EQ(store.Entry(entry::kTimeout).selected, 0);
  EXPECT_EQ(store.Entry(entry::kPortNumber).value, L"9100");
}

TEST(ListingLineForm, A99CharacterLineEndsTheReadingALongerOneGoesOn) {
  const std::string head = "PRINT DARKNESS\t:\t10\t;";
  const std::string exactly99 = head + std::string(99 - head.size(), 'x');
  SettingsStore whole;
  ReadAsListing(whole, exactly99 + "\r\nTIMEOUT\t:\t5\r\n");
  EXPECT_EQ(whole.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(whole.Entry(entry::kTimeout).selected, 0);

  SettingsStore longer;  // the 100th character starts the next line
  ReadAsListing(longer, exactly99 + "TIMEOUT\t:\t5\r\nPORT NUMBER\t:\t9100\r\n");
  EXPECT_EQ(longer.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(longer.Entry(entry::kTimeout).value, L"5");
  EXPECT_EQ(longer.Entry(entry::kPortNumber).value, L"9100");
}

TEST(ListingLineForm, OnlyTheFirst17FieldsOfALineCount) {
  const std::string octets = "254,128,0,0,0,0,0,0,2,17,34,255,254,51,68,85";
  SettingsStore store;
  ReadAsListing(store, "IPV6 ADDRESS\t:\t" + octets + ",99,98\r\nIPV6 GATEWAY\t:\t1,2,3\r\n");
  EXPECT_EQ(store.Entry(entry::kIpv6Address).value, L"fe80:0000:0000:0000:0211:22ff:fe33:4455");
  EXPECT_EQ(store.Entry(entry::kIpv6Address).invalid, 0);
  EXPECT_EQ(store.Entry(entry::kIpv6Gateway).invalid, 1);
  EXPECT_EQ(store.Entry(entry::kIpv6Gateway).value, L"");
}

struct WordCase {
  const char* line;
  int model;
  int slot;
  int choice;
  int invalid;
};

TEST(ListingWordRows, WordsGiveTheirChoicesAfterTheAdjustments) {
  const int emulation = FindReadSlot(L"EMULATION SELECT");
  const int buzzer = FindReadSlot(L"BUZZER SELECT");
  const int function = FindReadSlot(L"FUNCTION SELECT");
  const WordCase cases[] = {
      {"PRINT SPEED\t:\t2 IPS", 0, entry::kPrintSpeed, 0, 0},
      {"PRINT SPEED\t:\t8 IPS", 0, entry::kPrintSpeed, 6, 0},
      {"PRINT SPEED\t:\t9 IPS", 0, entry::kPrintSpeed, 0, 1},
      {"PRINT SPEED\t:\t10 IPS", 0, entry::kPrintSpeed, 0, 1},
      {"PRINT SPEED\t:\t11 IPS", 0, entry::kPrintSpeed, 0, 1},
      {"PRINT SPEED", 0, entry::kPrintSpeed, 0, 1},
      {"RS-232C BAUD\t:\t2400", 0, entry::kRs232cBaud, 0, 0},
      {"RS-232C BAUD\t:\t19200", 0, entry::kRs232cBaud, 3, 0},
      {"RS-232C BAUD\t:\t115200", 0, entry::kRs232cBaud, 6, 0},
      {"RS-232C BAUD\t:\t1200", 0, entry::kRs232cBaud, 0, 1},
      {"PRINT METHOD\t:\tDT", 0, entry::kPrintMethod, 1, 0},
      {"MEDIA SENSOR\t:\tSEE THROUGH", 0, entry::kMediaSensor, 0, 0},
      {"MEDIA SENSOR\t:\tSEE  THROUGH", 0, entry::kMediaSensor, 0, 1},
      {"RIBBON END DETECTION\t:\tQUICK", 0, entry::kRibbonEndDetection, 0, 0},
      {"RIBBON END DETECTION\t:\tNORMAL", 0, entry::kRibbonEndDetection, 1, 0},
      {"RIBBON END DETECTION\t:\tSLOW", 0, entry::kRibbonEndDetection, 0, 0},
      {"RIBBON END DETECTION\t:\tQUICK", 1, entry::kRibbonEndDetection, 0, 1},
      {"RIBBON END DETECTION\t:\tNORMAL", 1, entry::kRibbonEndDetection, 0, 0},
      {"RIBBON END DETECTION\t:\tSLOW", 1, entry::kRibbonEndDetection, 1, 0},
      {"DOUBLE HEAT\t:\tON", 0, entry::kDoubleHeatMenu, 1, 0},
      {"USB SERIAL NUMBER\t:\tON", 0, entry::kUsbSerialNumber, 1, 0},
      {"EMULATION SELECT\t:\tDMI", 0, emulation, 1, 0},
      {"EMULATION SELECT\t:\tDPP", 0, emulation, 2, 0},
      {"BUZZER SELECT\t:\tNONE", 0, buzzer, 4, 0},
      {"BUZZER SELECT\t:\tON", 0, buzzer, 0, 1},
      {"FUNCTION SELECT\t:\tCUT ON", 0, function, 3, 0},
      {"FUNCTION SELECT\t:\tREWIND", 0, function, 0, 1},
      {"EAP INNER AUTHENTICATION\t:\teap-mschapv2", 0, FindReadSlot(L"EAP INNER AUTHENTICATION"), 7, 0},
      {"WLAN ENCRYPTION\t:\tWPA-AUTO", 0, FindReadSlot(L"WLAN ENCRYPTION"), 9, 0},
      {"RFID SETTINGS\t:\tFIXED", 0, FindReadSlot(L"RFID SETTINGS"), 1, 0},
  };
  for (const WordCase& c : cases) {
    SettingsStore store;
    store.slots[static_cast<size_t>(c.slot)].choice = 5;  // a read always overwrites it
    ReadAsListing(store, std::string(c.line) + "\r\n", c.model);
    const SettingItem& item = store.slots[static_cast<size_t>(c.slot)];
    EXPECT_EQ(item.choice, c.choice) << c.line << " model " << c.model;
    EXPECT_EQ(item.invalid, c.invalid) << c.line << " model " << c.model;
    EXPECT_EQ(item.selected, 1) << c.line;
  }
}

TEST(ListingReadMode, AFullListingFillsEverySlotThatAReadCanFill) {
  SettingsStore store;
  ReadAsListing(store, std::string(testing::kFullListing).substr(testing::kListingHead.size()));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotInfo& row = kSlotCatalogue[static_cast<size_t>(slot)];
    const SettingItem& item = store.slots[static_cast<size_t>(slot)];
    // Filled by the reader: every row a listing keyword names, except the
    // RFID calibration entries, which take their text without being selected.
    const bool filled = row.read != ReadBy::None && row.group != SettingGroup::RfidCalibration;
    EXPECT_EQ(item.selected, filled ? 1 : 0) << slot;
    EXPECT_EQ(item.invalid, 0) << slot;
  }
  EXPECT_EQ(store.Entry(entry::kRfidCalibPositionOffset).value, L"+2.0 MM");
  EXPECT_EQ(store.Entry(entry::kIpv6Address).value, L"fe80:0000:0000:0000:0211:22ff:fe33:4455");
  EXPECT_EQ(Slot(store, L"RFID FIXED POSITION").value, L"0.90");  // the alias line comes later
  EXPECT_EQ(Slot(store, L"EMULATION SELECT").choice, 1);
  EXPECT_EQ(Slot(store, L"WLAN PSK").value, L"correct horse battery staple");
}

TEST(ListingWordRows, DoubleHeatMenuIsCheckedButFillsNoSlot) {
  SettingsStore store;
  ReadAsListing(store, "DOUBLE HEAT MENU\t:\tON\r\n");
  for (const SettingItem& item : store.slots) EXPECT_EQ(item.selected, 0);
}

TEST(ListingWordRows, MachineEmulationCodeFillsEmulationSelectOnlyAsAFallback) {
  struct Case {
    const char* listing;
    int selected;
    int choice;
  };
  const Case cases[] = {
      {"MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n", 1, 0},
      {"MACHINE EMULATION CODE\t:\tCODE_EPL\r\n", 0, 2},
      {"MACHINE EMULATION CODE\t:\tCODE_TELMARO\r\n", 0, 2},
      {"MACHINE EMULATION CODE\t:\tCODE_OTHER\r\n", 0, 2},
      {"MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\nEMULATION SELECT\t:\tDMI\r\n", 1, 1},
      {"EMULATION SELECT\t:\tDMI\r\nMACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n", 1, 1},
  };
  const int slot = FindReadSlot(L"EMULATION SELECT");
  for (const Case& c : cases) {
    SettingsStore store;
    store.slots[static_cast<size_t>(slot)].choice = 2;
    ReadAsListing(store, c.listing);
    EXPECT_EQ(store.slots[static_cast<size_t>(slot)].selected, c.selected) << c.listing;
    EXPECT_EQ(store.slots[static_cast<size_t>(slot)].choice, c.choice) << c.listing;
    EXPECT_EQ(store.slots[static_cast<size_t>(slot)].invalid, 0) << c.listing;
  }
}

TEST(ListingReadMode, TwoKeywordsOneSlotAndTheSlotsAReadLeavesAlone) {
  SettingsStore store;
  store.Entry(entry::kReflectSensorPositionAlt).value = L"7";
  store.Entry(entry::kReflectSensorAlt).value = L"1.1";
  store.Entry(entry::kAdjThroughCalLevelAlt).value = L"0.70";
  ReadAsListing(store,
                "REFLECT SENSOR POSITION\t:\t5\r\n"
                "REFLECT SENSOR\t:\t2.5\r\n"
                "ADJ THROUGH CAL LEVEL\t:\t1.5\tV\r\n"
                "SERIAL NUMBER\t:\tab12\r\n"
                "USB SERIAL NUMBER\t:\tON\r\n"
                "HOST NAME\t:\tMyPrinter\r\n");
  EXPECT_EQ(store.Entry(entry::kReflectSensorPosition).value, L"5");
  EXPECT_EQ(store.Entry(entry::kReflectSensorPositionAlt).value, L"7");
  EXPECT_EQ(store.Entry(entry::kReflectSensorPositionAlt).selected, 0);
  EXPECT_EQ(store.Entry(entry::kReflectSensor).value, L"2.5");
  EXPECT_EQ(store.Entry(entry::kReflectSensorAlt).value, L"1.1");
  EXPECT_EQ(store.Entry(entry::kAdjThroughCalLevel).value, L"1.50");
  EXPECT_EQ(store.Entry(entry::kAdjThroughCalLevelAlt).value, L"0.70");
  EXPECT_EQ(store.Entry(entry::kAdjThroughCalLevelAlt).selected, 0);
  EXPECT_EQ(store.Entry(entry::kUsbSerialNumber).value, L"AB12");
  EXPECT_EQ(store.Entry(entry::kUsbSerialNumber).choice, 1);
  EXPECT_EQ(store.Entry(entry::kHostName).value, L"MyPrinter");
}

TEST(ListingReadMode, RepeatedKeywordsKeepTheLastAcceptedValueAndAnyRejection) {
  SettingsStore store;
  ReadAsListing(store,
                "PRINT DARKNESS\t:\t10\r\nPRINT DARKNESS\t:\t12\r\n"
                "TIMEOUT\t:\t5\r\nTIMEOUT\t:\t301\r\nTIMEOUT\t:\t6\r\n"
                "CONTINUOUS MEDIA LENGTH\t:\t100\tMM\r\nCONTINUOUS MEDIA LENGTH\t:\t4\tINCH\r\n"
                "MEDIA SENSOR\t:\tREFLECT\r\nMEDIA SENSOR\t:\tNONE\r\n");
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"12");
  EXPECT_EQ(store.Entry(entry::kTimeout).invalid, 1);
  EXPECT_EQ(store.Entry(entry::kTimeout).value, L"0");  // a rejected setting shows its zero value
  EXPECT_EQ(store.Entry(entry::kContinuousMediaLength).value, L"4.00");
  EXPECT_EQ(store.Entry(entry::kContinuousMediaLength).unitIndex, 0);
  EXPECT_EQ(store.Entry(entry::kMediaSensor).choice, 2);
}

TEST(ListingReadMode, AReadNeverClearsAnInvalidMarkAndSelectsOnlyWhatItCarries) {
  SettingsStore store;
  store.Entry(entry::kPrintDarkness).invalid = 1;
  ReadAsListing(store, "PRINT DARKNESS\t:\t10\r\nUNKNOWN\t:\t1\r\n");
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).invalid, 1);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  int selected = 0;
  for (const SettingItem& item : store.slots) selected += item.selected;
  EXPECT_EQ(selected, 1);
}

TEST(ListingReadMode, RejectedValuesGetTheZeroOfTheirForm) {
  struct Case {
    const char* line;
    std::wstring_view keyword;
    const wchar_t* value;
  };
  const Case cases[] = {
      {"PRINT DARKNESS\t:\tx", L"PRINT DARKNESS", L"0"},
      {"SEE THROUGH SENSOR\t:\t9", L"SEE THROUGH SENSOR", L"0.0"},
      {"PAPER END LEVEL\t:\t9\tV", L"PAPER END LEVEL", L"0.00"},
      {"CONTINUOUS MEDIA LENGTH\t:\t1\tMM", L"CONTINUOUS MEDIA LENGTH", L"0.00"},
      {"IPV4 ADDRESS\t:\t1,2,3", L"IPV4 ADDRESS", L""},
      {"HOST NAME\t:\t0123456789012345678901234567890123", L"HOST NAME", L""},
      {"HEAD CHECK START POS\t:\tDOT\t2000", L"HEAD CHECK START POS", L"0"},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    Slot(store, c.keyword).value = L"stale";
    ReadAsListing(store, std::string(c.line) + "\r\n");
    const SettingItem& item = Slot(store, c.keyword);
    EXPECT_EQ(item.value, c.value) << c.line;
    EXPECT_EQ(item.invalid, 1) << c.line;
    EXPECT_EQ(item.selected, 1) << c.line;
  }
}

TEST(ListingReadMode, RfidCalibrationLinesAreCopiedAsTheyAreRead) {
  SettingsStore store;
  ReadAsListing(store,
                "RFID CALIB EXECUTED\t:\tyes\r\n"
                "RFID CALIB POSITION OFFSET\t:\t+2.0\tmm\r\n"
                "RFID CALIB POWER\t:\tlow\r\n");
  EXPECT_EQ(store.Entry(entry::kRfidCalibExecuted).value, L"YES");
  EXPECT_EQ(store.Entry(entry::kRfidCalibPositionOffset).value, L"+2.0 MM");
  EXPECT_EQ(store.Entry(entry::kRfidCalibPower).value, L"low");
  EXPECT_EQ(store.Entry(entry::kRfidCalibExecuted).selected, 0);
  EXPECT_EQ(store.Entry(entry::kRfidCalibExecuted).invalid, 0);
}

}  // namespace
}  // namespace vostrel

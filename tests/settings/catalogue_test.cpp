#include "settings/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace vostrel {
namespace {

const SlotInfo& Row(int slot) { return kSlotCatalogue.at(static_cast<size_t>(slot)); }

// The keywords and unit suffixes of the 86 script entries in script order.
struct EntryRow {
  const wchar_t* keyword;
  const wchar_t* suffix;
};
const EntryRow kExpectedEntries[kScriptEntryCount] = {
    {L"PRINT SPEED", L""},
    {L"PRINT DARKNESS", L""},
    {L"PRINT METHOD", L""},
    {L"CONTINUOUS MEDIA LENGTH", L""},
    {L"MEDIA SENSOR", L""},
    {L"SENSOR LEVEL", L"\tV"},
    {L"PAPER END LEVEL", L"\tV"},
    {L"IPV4 ADDRESS", L""},
    {L"IPV4 SUBNET MASK", L""},
    {L"IPV4 GATEWAY", L""},
    {L"IPV4 DHCP", L""},
    {L"HOST NAME", L""},
    {L"PORT NUMBER", L""},
    {L"TIMEOUT", L"\tSEC"},
    {L"TIMEOUT ACTION", L""},
    {L"SEND BUFFER DATA", L""},
    {L"IPV6", L""},
    {L"IPV6 FIXED ADDRESS", L""},
    {L"IPV6 ADDRESS", L""},
    {L"IPV6 PREFIX LENGTH", L""},
    {L"IPV6 GATEWAY", L""},
    {L"RS-232C BAUD", L""},
    {L"RS-232C PARITY", L""},
    {L"RS-232C LENGTH", L""},
    {L"RS-232C STOP BIT", L""},
    {L"RS-232C X-ON", L""},
    {L"THROUGH SENSOR POSITION", L"\tDOTS"},
    {L"REFLECT SENSOR POSITION", L"\tDOTS"},
    {L"THROUGH SENSOR POSITION", L"\tDOTS"},
    {L"REFLECT SENSOR POSITION", L"\tDOTS"},
    {L"ADJ THROUGH SENSOR POSITION", L"\tDOTS"},
    {L"ADJ REFLECT SENSOR POSITION", L"\tDOTS"},
    {L"MACH TEAR POS", L"\tDOTS"},
    {L"MACH CUT POS", L"\tDOTS"},
    {L"MACH PEEL POS", L"\tDOTS"},
    {L"MACH HOR POS", L"\tDOTS"},
    {L"AUTOCAL MODE", L""},
    {L"SEE THROUGH SENSOR", L"\tV"},
    {L"REFLECT SENSOR", L"\tV"},
    {L"SEE THROUGH SENSOR", L"\tV"},
    {L"REFLECT SENSOR", L"\tV"},
    {L"ADJ THROUGH SENSOR", L"\tV"},
    {L"ADJ REFLECT SENSOR", L"\tV"},
    {L"SEETHROUGH SENSITIVITY", L""},
    {L"REFLECT SENSITIVITY", L""},
    {L"FIX REFLECT SENSITIVITY", L""},
    {L"ADJ THROUGH CAL LEVEL", L"\tV"},
    {L"ADJ REFLECT CAL LEVEL", L"\tV"},
    {L"ADJ SENSNONE CAL LEVEL", L"\tV"},
    {L"FIX THROUGH CAL LEVEL", L"\tV"},
    {L"FIX REFLECT CAL LEVEL", L"\tV"},
    {L"FIX SENSNONE CAL LEVEL", L"\tV"},
    {L"ADJ THROUGH CAL LEVEL", L"\tV"},
    {L"ADJ REFLECT CAL LEVEL", L"\tV"},
    {L"ADJ SENSNONE CAL LEVEL", L"\tV"},
    {L"DARKNESS RATE", L""},
    {L"DOUBLE HEAT MENU", L""},
    {L"TT HOT HEATRATE ADJUST", L"\t%"},
    {L"TT COLD HEATRATE ADJUST", L"\t%"},
    {L"DT HOT HEATRATE ADJUST", L"\t%"},
    {L"DT COLD HEATRATE ADJUST", L"\t%"},
    {L"POWERON HEAD CHECK", L""},
    {L"HEAD CHECK START POS", L"DOT"},
    {L"HEAD CHECK STOP POS", L"DOT"},
    {L"RIBBON END DETECTION", L""},
    {L"PARALLEL ERROR OUTPUT", L""},
    {L"TOP FORM SENSING", L""},
    {L"USB SERIAL NUMBER", L""},
    {L"AUTO EXEC PRINT", L""},
    {L"CONFIG PRINT LAYOUT", L""},
    {L"HEAD CLEAN MESSAGE", L"\tM"},
    {L"PRINT PREFERENCE", L""},
    {L"TT HOT HEATRATE ADJUST 2", L"\t%"},
    {L"TT COLD HEATRATE ADJUST 2", L"\t%"},
    {L"DT HOT HEATRATE ADJUST 2", L"\t%"},
    {L"DT COLD HEATRATE ADJUST 2", L"\t%"},
    {L"HEAD CHECK PATTERN PRINT", L""},
    {L"HEAD CHECK PATTERN WIDTH", L"\tDOTS"},
    {L"SNMP", L""},
    {L"HTML", L""},
    {L"TYPE 1 MODE", L""},
    {L"RFID ANTENNA POSITION", L""},
    {L"RFID REVERSE MEDIA LENGTH", L""},
    {L"RFID CALIB EXECUTED", L""},
    {L"RFID CALIB POSITION OFFSET", L""},
    {L"RFID CALIB POWER", L""},
};

TEST(Catalogue, ScriptEntriesInScriptOrderWithTheirSuffixesAndGroups) {
  for (int n = 0; n < kScriptEntryCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(Row(n).keyword, kExpectedEntries[n].keyword);
    EXPECT_EQ(Row(n).unitSuffix, kExpectedEntries[n].suffix);
    const SettingGroup group = n <= kLastStandardEntry   ? SettingGroup::Standard
                               : n <= kLastAdvancedEntry ? SettingGroup::Advanced
                                                         : SettingGroup::RfidCalibration;
    EXPECT_EQ(Row(n).group, group);
  }
}

TEST(Catalogue, SlotsOutsideTheEntriesAndSingleOperationSlots) {
  int listingOnly = 0;
  for (int slot = kScriptEntryCount; slot < kSlotCount; ++slot) {
    SCOPED_TRACE(slot);
    if (slot < kCalibrationResultSlot) {
      ++listingOnly;
      EXPECT_EQ(Row(slot).group, SettingGroup::ListingOnly);
      EXPECT_FALSE(Row(slot).keyword.empty());
      EXPECT_TRUE(Row(slot).unitSuffix.empty());
    } else {
      EXPECT_EQ(Row(slot).group, SettingGroup::Operation);
      EXPECT_TRUE(Row(slot).keyword.empty());
      EXPECT_EQ(Row(slot).read, ReadBy::None);
    }
  }
  EXPECT_EQ(listingOnly, kListingOnlySlotCount);
  EXPECT_EQ(Row(kFirstListingOnlySlot).keyword, L"GLOBAL CONFIG");
  EXPECT_EQ(Row(kCalibrationResultSlot - 1).keyword, L"BT DEVICE NAME");
}

TEST(Catalogue, EveryListingKeywordFillsExactlyOneSlot) {
  std::map<std::wstring, int> readers;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    for (std::wstring_view kw : {Row(slot).keyword, Row(slot).secondKeyword}) {
      if (ReadsKeyword(Row(slot), kw)) readers[std::wstring(kw)]++;
    }
  }
  for (const auto& [keyword, count] : readers) EXPECT_EQ(count, 1) << std::string(keyword.begin(), keyword.end());
  // 86 entries less the seven filled by their page alone, 81 listing-only
  // slots, plus the second keywords "SERIAL NUMBER" and "MACHINE EMULATION CODE".
  EXPECT_EQ(readers.size(), 79u + 81u + 2u);
}

TEST(Catalogue, LookupByKeyword) {
  struct Case {
    const wchar_t* keyword;
    int readSlot;
    int scriptEntry;
  };
  const Case cases[] = {
      {L"PRINT SPEED", entry::kPrintSpeed, 0},
      {L"REFLECT SENSOR POSITION", 27, 27},  // entry 29 is filled by its page only
      {L"THROUGH SENSOR POSITION", 26, 26},
      {L"SEE THROUGH SENSOR", 37, 37},
      {L"REFLECT SENSOR", 38, 38},
      {L"ADJ THROUGH CAL LEVEL", 52, 46},  // written first at 46, read into 52
      {L"ADJ SENSNONE CAL LEVEL", 54, 48},
      {L"DOUBLE HEAT", 56, -1},  // the listing's word for entry 56
      {L"DOUBLE HEAT MENU", -1, 56},
      {L"USB SERIAL NUMBER", 67, 67},
      {L"SERIAL NUMBER", 67, -1},
      {L"RFID CALIB POWER", 85, 85},
      {L"GLOBAL CONFIG", kFirstListingOnlySlot, -1},
      {L"EMULATION SELECT", FindReadSlot(L"MACHINE EMULATION CODE"), -1},
      {L"BT DEVICE NAME", kCalibrationResultSlot - 1, -1},
      {L"FIX REFLECT SENSOR POSITION", -1, -1},
      {L"print speed", -1, -1},  // exact and case-sensitive
      {L"", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keyword, c.keyword + std::wcslen(c.keyword)));
    EXPECT_EQ(FindReadSlot(c.keyword), c.readSlot);
    EXPECT_EQ(FindScriptEntry(c.keyword), c.scriptEntry);
  }
  EXPECT_GT(FindReadSlot(L"EMULATION SELECT"), kScriptEntryCount);
}

TEST(Catalogue, SpecialLinesAreFlagsOnTheirRows) {
  std::set<int> special;
  for (int n = 0; n < kSlotCount; ++n) {
    if (Row(n).form != LineForm::Plain || !Row(n).japaneseFirstModelKeyword.empty()) special.insert(n);
  }
  EXPECT_EQ(special, (std::set<int>{5, 6, 29, 40, 56, 62, 63, 67}));
  EXPECT_EQ(Row(29).japaneseFirstModelKeyword, L"FIX REFLECT SENSOR POSITION");
  EXPECT_EQ(Row(40).japaneseFirstModelKeyword, L"FIX REFLECT SENSOR");
}

static_assert(FindReadSlot(L"DOUBLE HEAT") == entry::kDoubleHeatMenu, "usable in constant tables");

}  // namespace
}  // namespace vostrel

// The listing reader in check mode (reading back a script just built) and
// its limits on what it reads.
#include <gtest/gtest.h>

#include <string>

#include "settings/config_script.h"
#include "settings/listing_reader_test_support.h"
#include "settings/printer_model.h"

namespace vostrel {
namespace {

using testing::CheckScript;
using testing::ReadAsListing;

void Select(SettingsStore& store, int entryNumber, std::wstring value, std::wstring second = {}) {
  SettingItem& item = store.Entry(entryNumber);
  item.selected = 1;
  item.value = std::move(value);
  item.secondValue = std::move(second);
}

TEST(ListingCheckMode, TheBuiltScriptReadsBackWithItsNumbersNormalised) {
  SettingsStore store;
  Select(store, entry::kPrintSpeed, L"4 IPS");
  Select(store, entry::kPrintDarkness, L"010");
  Select(store, entry::kContinuousMediaLength, L"100", L"MM");
  Select(store, entry::kIpv4Address, L"192,168,10,21");
  Select(store, entry::kHostName, L"MyPrinter");
  Select(store, entry::kTimeout, L"300");
  Select(store, entry::kMachTearPos, L"0");
  Select(store, entry::kFixThroughCalLevel, L"1.5");
  Select(store, entry::kTtHotHeatrateAdjust, L"-1");
  Select(store, entry::kHeadCheckStartPos, L"1");
  store.Entry(entry::kPrintSpeed).choice = 4;
  store.textBuffer.clear();
  BuildScript(store, true, ScriptContext{Language::Japanese, kPrinterModels[1]});

  ReadListing(store, ListingMode::Check);

  EXPECT_EQ(store.Entry(entry::kContinuousMediaLength).value, L"100.0");
  EXPECT_EQ(store.Entry(entry::kContinuousMediaLength).secondValue, L"MM");
  EXPECT_EQ(store.Entry(entry::kContinuousMediaLength).unitIndex, 1);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(store.Entry(entry::kFixThroughCalLevel).value, L"1.50");
  EXPECT_EQ(store.Entry(entry::kTtHotHeatrateAdjust).value, L"-1.0");
  EXPECT_EQ(store.Entry(entry::kHeadCheckStartPos).value, L"1");
  // Words, addresses and texts stay as the page put them.
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).value, L"4 IPS");
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).choice, 4);
  EXPECT_EQ(store.Entry(entry::kIpv4Address).value, L"192,168,10,21");
  EXPECT_EQ(store.Entry(entry::kHostName).value, L"MyPrinter");
  for (const SettingItem& item : store.slots) EXPECT_EQ(item.invalid, 0);

  // Built again, the script carries the normal form.
  store.textBuffer.clear();
  BuildScript(store, false, ScriptContext{Language::Japanese, kPrinterModels[1]});
  EXPECT_NE(store.textBuffer.find(L"CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM\r\n"), std::wstring::npos);
}

TEST(ListingCheckMode, RejectedValuesAreMarkedAndLeftAsTheyStand) {
  SettingsStore store;
  Select(store, entry::kPrintSpeed, L"9 IPS");
  Select(store, entry::kPrintDarkness, L"31");
  Select(store, entry::kContinuousMediaLength, L"3.937", L"INCH");
  Select(store, entry::kIpv4Gateway, L"1,2,3");
  Select(store, entry::kPortNumber, L"");
  store.textBuffer.clear();
  BuildScript(store, false, ScriptContext{Language::English, kPrinterModels[0]});

  ReadListing(store, ListingMode::Check);

  const struct {
    int entry;
    const wchar_t* value;
  } expected[] = {{entry::kPrintSpeed, L"9 IPS"},
                  {entry::kPrintDarkness, L"31"},
                  {entry::kContinuousMediaLength, L"3.937"},
                  {entry::kIpv4Gateway, L"1,2,3"},
                  {entry::kPortNumber, L""}};
  for (const auto& e : expected) {
    EXPECT_EQ(store.Entry(e.entry).invalid, 1) << e.entry;
    EXPECT_EQ(store.Entry(e.entry).value, e.value) << e.entry;
    EXPECT_EQ(store.Entry(e.entry).selected, 1) << e.entry;
  }
  EXPECT_EQ(store.Entry(entry::kPrintSpeed).choice, 0);
}

TEST(ListingCheckMode, NeitherSelectsNorSkipsLines) {
  SettingsStore store;
  CheckScript(store, "PRINT DARKNESS\t:\t10\r\nTIMEOUT\t:\t300\tSEC\r\nEND\r\n");
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(store.Entry(entry::kTimeout).value, L"300");
  for (const SettingItem& item : store.slots) EXPECT_EQ(item.selected, 0);
}

TEST(ListingCheckMode, The300DpiRangeNeedsTheSlotsDensity) {
  struct Case {
    const char* line;
    int entry;
    int unitIndex;
    int invalid;
  };
  const Case cases[] = {
      {"HEAD CHECK START POS\t:\tDOT\t900", entry::kHeadCheckStartPos, 0, 1},
      {"HEAD CHECK START POS\t:\tDOT\t900", entry::kHeadCheckStartPos, 1, 0},
      {"HEAD CHECK STOP POS\t:\tDOT\t848", entry::kHeadCheckStopPos, 0, 0},
      {"HEAD CHECK STOP POS\t:\tDOT\t849", entry::kHeadCheckStopPos, 0, 1},
      {"HEAD CHECK PATTERN WIDTH\t:\t1000\tDOTS", entry::kHeadCheckPatternWidth, 0, 1},
      {"HEAD CHECK PATTERN WIDTH\t:\t1000\tDOTS", entry::kHeadCheckPatternWidth, 1, 0},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    store.Entry(c.entry).unitIndex = c.unitIndex;
    CheckScript(store, std::string(c.line) + "\r\n");
    EXPECT_EQ(store.Entry(c.entry).invalid, c.invalid) << c.line << " at " << c.unitIndex;
    EXPECT_EQ(store.Entry(c.entry).unitIndex, c.unitIndex) << c.line;  // check mode leaves the density
  }
  SettingsStore read;  // read mode allows 300 dpi whatever the slot holds
  ReadAsListing(read, "HEAD CHECK START POS\t:\tDOT\t900\r\n");
  EXPECT_EQ(read.Entry(entry::kHeadCheckStartPos).invalid, 0);
  EXPECT_EQ(read.Entry(entry::kHeadCheckStartPos).unitIndex, 1);
}

TEST(ListingCheckMode, RibbonEndDetectionDependsOnTheModel) {
  SettingsStore first;
  CheckScript(first, "RIBBON END DETECTION\t:\tQUICK\r\n", 0);
  EXPECT_EQ(first.Entry(entry::kRibbonEndDetection).invalid, 0);
  SettingsStore second;
  CheckScript(second, "RIBBON END DETECTION\t:\tQUICK\r\n", 1);
  EXPECT_EQ(second.Entry(entry::kRibbonEndDetection).invalid, 1);
}

TEST(ListingLimits, ALongTextIsReadUpToItsLastWholeLineWithinTheBuffer) {
  // The reader holds 8191 bytes of text; the line of PRINT DARKNESS 12 is
  // made to straddle that limit, so that a cut would leave "\t:\t1".
  const std::string filler = "UNKNOWN SETTING\t:\t0123456789AB\r\n";
  const std::string straddling = "PRINT DARKNESS\t:\t12\r\n";
  const std::size_t cutAt = 8191 - std::string_view("PRINT DARKNESS\t:\t1").size();
  const std::size_t head = testing::kListingHead.size();
  std::string body = "TIMEOUT\t:\t5\r\n";
  while (cutAt - head - body.size() - 2 > 98) body += filler;
  body += std::string(cutAt - head - body.size() - 2, 'x') + "\r\n";
  ASSERT_EQ(head + body.size(), cutAt);
  body += straddling;

  SettingsStore store;
  ReadAsListing(store, body);
  EXPECT_EQ(store.Entry(entry::kTimeout).value, L"5");
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).selected, 0);

  SettingsStore shorter;  // one filler less: the line fits and is read
  ReadAsListing(shorter, body.substr(filler.size()));
  EXPECT_EQ(shorter.Entry(entry::kPrintDarkness).value, L"12");
}

TEST(ListingLimits, ANulEndsTheText) {
  SettingsStore store;
  store.textBuffer = L"~!!\r\n\x02\x1b~A\r\nPRINT DARKNESS\t:\t10\r\n";
  store.textBuffer.push_back(L'\0');
  store.textBuffer += L"TIMEOUT\t:\t5\r\n";
  ReadListing(store, ListingMode::Read);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_EQ(store.Entry(entry::kTimeout).selected, 0);
}

}  // namespace
}  // namespace vostrel

#include "settings/config_script.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ansi_text.h"
#include "settings/printer_model.h"

namespace vostrel {
namespace {

const ScriptContext kJapanese135{Language::Japanese, kPrinterModels[1]};
const ScriptContext kJapanese120{Language::Japanese, kPrinterModels[0]};

void Select(SettingsStore& store, int entry, std::wstring value, std::wstring second = {}) {
  SettingItem& item = store.Entry(entry);
  item.selected = 1;
  item.value = std::move(value);
  item.secondValue = std::move(second);
}

// The Standard rows of the worked example, as the script preparation leaves
// them for "VX-135-ZKQ".
void FillStandardExample(SettingsStore& store) {
  Select(store, entry::kPrintSpeed, L"4 IPS");
  Select(store, entry::kPrintDarkness, L"10");
  Select(store, entry::kPrintMethod, L"TT");
  Select(store, entry::kContinuousMediaLength, L"100.0", L"MM");
  Select(store, entry::kMediaSensor, L"SEE THROUGH");
  Select(store, entry::kIpv4Address, L"192,168,10,21");
  Select(store, entry::kIpv4SubnetMask, L"255,255,255,0");
  Select(store, entry::kIpv4Gateway, L"192,168,10,1");
  Select(store, entry::kIpv4Dhcp, L"OFF");
  Select(store, entry::kPortNumber, L"9100");
  Select(store, entry::kTimeout, L"300");
  Select(store, entry::kRs232cBaud, L"9600");
}

constexpr char kStandardExampleBytes[] =
    "PRINT SPEED\t:\t4 IPS\r\n"
    "PRINT DARKNESS\t:\t10\r\n"
    "PRINT METHOD\t:\tTT\r\n"
    "CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM\r\n"
    "MEDIA SENSOR\t:\tSEE THROUGH\r\n"
    "IPV4 ADDRESS\t:\t192,168,10,21\r\n"
    "IPV4 SUBNET MASK\t:\t255,255,255,0\r\n"
    "IPV4 GATEWAY\t:\t192,168,10,1\r\n"
    "IPV4 DHCP\t:\tOFF\r\n"
    "PORT NUMBER\t:\t9100\r\n"
    "TIMEOUT\t:\t300\tSEC\r\n"
    "RS-232C BAUD\t:\t9600\r\n";

std::string Built(SettingsStore& store, bool withAdvanced, const ScriptContext& context) {
  store.textBuffer.clear();
  BuildScript(store, withAdvanced, context);
  return WideToAnsi(store.textBuffer);
}

TEST(BuildScript, WorkedExampleStandardLinesByteForByte) {
  SettingsStore store;
  FillStandardExample(store);
  EXPECT_EQ(Built(store, false, kJapanese135), std::string(kStandardExampleBytes) + "END\r\n");
}

TEST(BuildScript, WorkedExampleAdvancedLinesComeBetweenStandardAndEnd) {
  SettingsStore store;
  FillStandardExample(store);
  Select(store, entry::kMachTearPos, L"0");
  Select(store, entry::kDoubleHeatMenu, L"ON");
  Select(store, entry::kUsbSerialNumber, L"A123", L"ON");
  EXPECT_EQ(Built(store, true, kJapanese135), std::string(kStandardExampleBytes) +
                                                  "MACH TEAR POS\t:\t0\tDOTS\r\n"
                                                  "DOUBLE HEAT MENU\t:\tON\r\n"
                                                  "DOUBLE HEAT\t:\tON\r\n"
                                                  "USB SERIAL NUMBER\t:\tON\r\n"
                                                  "SERIAL NUMBER\t:\tA123\r\n"
                                                  "END\r\n");
}

TEST(BuildScript, HeadCheckPositionsPutTheDotWordBeforeTheValue) {
  SettingsStore store;
  Select(store, entry::kHeadCheckStartPos, L"1", L"ignored");
  Select(store, entry::kHeadCheckStopPos, L"848");
  EXPECT_EQ(Built(store, true, kJapanese135),
            "HEAD CHECK START POS\t:\tDOT\t1\r\n"
            "HEAD CHECK STOP POS\t:\tDOT\t848\r\n"
            "END\r\n");
}

TEST(BuildScript, DoubledAndSwitchLinesIgnoreWhatTheyDoNotWrite) {
  SettingsStore store;
  Select(store, entry::kDoubleHeatMenu, L"OFF", L"MM");
  Select(store, entry::kUsbSerialNumber, L"", L"OFF");
  EXPECT_EQ(Built(store, true, kJapanese135),
            "DOUBLE HEAT MENU\t:\tOFF\r\n"
            "DOUBLE HEAT\t:\tOFF\r\n"
            "USB SERIAL NUMBER\t:\tOFF\r\n"
            "SERIAL NUMBER\t:\t\r\n"
            "END\r\n");
}

TEST(BuildScript, NothingSelectedGivesTheClosingLineOnly) {
  SettingsStore store;
  for (SettingItem& item : store.slots) item.value = L"x";  // values alone select nothing
  EXPECT_EQ(Built(store, true, kJapanese120), "END\r\n");
}

TEST(BuildScript, OnlySelectedOneCounts) {
  SettingsStore store;
  for (int selected : {0, 2, -1, 255}) {
    Select(store, entry::kPrintDarkness, L"10");
    store.Entry(entry::kPrintDarkness).selected = selected;
    EXPECT_EQ(Built(store, false, kJapanese135), "END\r\n") << "selected = " << selected;
  }
}

TEST(BuildScript, SensorAndPaperEndLevelsAreNeverWritten) {
  SettingsStore store;
  Select(store, entry::kSensorLevel, L"1.5");
  Select(store, entry::kPaperEndLevel, L"0.50");
  Select(store, entry::kMediaSensor, L"REFLECTIVE");
  EXPECT_EQ(Built(store, true, kJapanese135), "MEDIA SENSOR\t:\tREFLECTIVE\r\nEND\r\n");
}

TEST(BuildScript, ModeDecidesWhichGroupsAreWritten) {
  SettingsStore store;
  Select(store, entry::kRs232cXOn, L"YES");                      // last Standard entry
  Select(store, entry::kThroughSensorPosition, L"5");            // first Advanced entry
  Select(store, entry::kRfidReverseMediaLength, L"1.0", L"MM");  // last Advanced entry
  Select(store, entry::kRfidCalibExecuted, L"YES");              // RFID calibration: never written
  Select(store, entry::kRfidCalibPositionOffset, L"A 1");
  Select(store, entry::kRfidCalibPower, L"10");

  EXPECT_EQ(Built(store, false, kJapanese135), "RS-232C X-ON\t:\tYES\r\nEND\r\n");
  EXPECT_EQ(Built(store, true, kJapanese135),
            "RS-232C X-ON\t:\tYES\r\n"
            "THROUGH SENSOR POSITION\t:\t5\tDOTS\r\n"
            "RFID REVERSE MEDIA LENGTH\t:\t1.0\tMM\r\n"
            "END\r\n");
}

TEST(BuildScript, FixReflectKeywordsOnlyForJapaneseAndTheFirstModel) {
  struct Case {
    Language language;
    std::wstring_view model;
    const char* position;
    const char* sensor;
  };
  const Case cases[] = {
      {Language::Japanese, L"VX-120-ZKQ", "FIX REFLECT SENSOR POSITION", "FIX REFLECT SENSOR"},
      {Language::Japanese, L"VX-135-ZKQ", "REFLECT SENSOR POSITION", "REFLECT SENSOR"},
      {Language::English, L"VX-120-ZKQ", "REFLECT SENSOR POSITION", "REFLECT SENSOR"},
      {Language::Korean, L"VX-120-ZKQ", "REFLECT SENSOR POSITION", "REFLECT SENSOR"},
      {Language::Japanese, L"vx-120-zkq", "REFLECT SENSOR POSITION", "REFLECT SENSOR"},
      {Language::Japanese, L"", "REFLECT SENSOR POSITION", "REFLECT SENSOR"},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    Select(store, entry::kReflectSensorPosition, L"10");
    Select(store, entry::kReflectSensorPositionAlt, L"20");
    Select(store, entry::kReflectSensor, L"1.5");
    Select(store, entry::kReflectSensorAlt, L"2.5");
    const std::string expected = std::string("REFLECT SENSOR POSITION\t:\t10\tDOTS\r\n") + c.position +
                                 "\t:\t20\tDOTS\r\n" + "REFLECT SENSOR\t:\t1.5\tV\r\n" + c.sensor +
                                 "\t:\t2.5\tV\r\nEND\r\n";
    EXPECT_EQ(Built(store, true, ScriptContext{c.language, c.model}), expected)
        << "language " << static_cast<int>(c.language) << ", model " << WideToAnsi(c.model);
  }
}

TEST(BuildScript, EmptyValueStillWritesItsLine) {
  SettingsStore store;
  Select(store, entry::kHostName, L"");
  Select(store, entry::kTimeout, L"");
  EXPECT_EQ(Built(store, false, kJapanese135), "HOST NAME\t:\t\r\nTIMEOUT\t:\t\tSEC\r\nEND\r\n");
}

TEST(BuildScript, SecondValueComesBeforeTheUnitSuffix) {
  SettingsStore store;
  Select(store, entry::kTtHotHeatrateAdjust, L"-5", L"X");
  EXPECT_EQ(Built(store, true, kJapanese135), "TT HOT HEATRATE ADJUST\t:\t-5\tX\t%\r\nEND\r\n");
}

TEST(BuildScript, AppendsToWhatTheBufferHolds) {
  SettingsStore store;
  Select(store, entry::kPrintDarkness, L"3");
  store.textBuffer = L"keep\r\n";
  BuildScript(store, false, kJapanese135);
  EXPECT_EQ(store.textBuffer, L"keep\r\nPRINT DARKNESS\t:\t3\r\nEND\r\n");
}

TEST(BuildScript, HostNameInJapaneseLeavesAsCodePage932Bytes) {
  SettingsStore store;
  Select(store, entry::kHostName, L"\u30d7\u30ea\u30f3\u30bf1");  // "プリンタ1"
  EXPECT_EQ(Built(store, false, kJapanese135), "HOST NAME\t:\t\x83\x76\x83\x8a\x83\x93\x83^1\r\nEND\r\n");
}

TEST(BuildRequest, ReplacesTheBufferWithTheRequestText) {
  SettingsStore store;
  store.textBuffer = L"old text";
  BuildRequest(store, RequestKind::Configuration);
  EXPECT_EQ(WideToAnsi(store.textBuffer), "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n");
  BuildRequest(store, RequestKind::Information);
  EXPECT_EQ(WideToAnsi(store.textBuffer),
            "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n");
}

}  // namespace
}  // namespace vostrel

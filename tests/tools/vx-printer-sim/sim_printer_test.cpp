// The simulated printer's settings, listing, information lines and settings file.
#include "sim_printer.h"

#include <gtest/gtest.h>

#include <set>

#include "sim_values.h"

namespace vostrel::sim {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
  return lines;
}

// The printer has one option slot: wireless LAN, Bluetooth or RFID, or none.
std::vector<Hardware> EveryHardware() {
  std::vector<Hardware> all;
  for (Model model : {Model::Vx120, Model::Vx135}) {
    all.push_back({.model = model});
    all.push_back({.model = model, .wlan = true});
    all.push_back({.model = model, .bluetooth = true});
    all.push_back({.model = model, .rfid = true});
  }
  return all;
}

TEST(SimTable, KeywordsAreUniqueAndEveryFactoryValueIsOneThePrinterWouldKeep) {
  std::set<std::string_view> keywords;
  for (const SettingRow& row : SettingRows()) {
    EXPECT_TRUE(keywords.insert(row.keyword).second) << row.keyword;
    for (Model model : {Model::Vx120, Model::Vx135}) {
      const std::string line = std::string(row.keyword) + "\t:\t" + std::string(row.initial[static_cast<int>(model)]);
      const SplitLine split = SplitSettingLine(line);
      const auto kept = NormaliseValue(row, split.fields, split.rest, ValueContext{model, "TEAR"});
      ASSERT_TRUE(kept.has_value()) << line;
      EXPECT_EQ(*kept, row.initial[static_cast<int>(model)]) << line;
    }
  }
}

TEST(SimListing, FitsTheClientsReplyBufferWithLinesTheReaderTakesWhole) {
  for (const Hardware& hardware : EveryHardware()) {
    const Printer printer(hardware);
    const std::string body = printer.ListingBody();
    // Header, body and "END\r\n" within 4096 bytes with the reader's NUL.
    EXPECT_LE(kListingHeader.size() + body.size() + 5, 4095u)
        << "model " << static_cast<int>(hardware.model) << " wlan " << hardware.wlan << " bluetooth "
        << hardware.bluetooth << " rfid " << hardware.rfid;
    ASSERT_TRUE(body.ends_with("\r\n"));
    const std::string_view lines(body.data(), body.size() - 2);
    for (std::string_view line : Lines(lines)) {
      EXPECT_LT(line.size(), 99u) << line;
      EXPECT_NE(line.find("\t:\t"), std::string_view::npos) << line;
      EXPECT_NE(line, "END");
      EXPECT_EQ(line.find('\n'), std::string_view::npos) << line;
    }
  }
}

TEST(SimListing, OptionalSectionsAndTheEmulationLineFollowTheHardware) {
  struct Case {
    Hardware hardware;
    std::string_view line;
    bool listed;
  };
  const Case cases[] = {
      {{}, "MACHINE EMULATION CODE\t:\tCODE_TELMARO\r\n", true},
      {{.emulationLine = false}, "MACHINE EMULATION CODE", false},
      {{}, "RFID SETTINGS", false},
      {{.rfid = true}, "RFID SETTINGS\t:\tAUTO\r\n", true},
      {{.rfid = true}, "RFID CALIB EXECUTED\t:\tNO\r\n", true},
      {{.rfid = true}, "RFID CALIB POSITION OFFSET\t:\t+0.0\tMM\r\n", true},
      {{.rfid = true}, "RFID CALIB POWER\t:\t18\r\n", true},
      {{}, "WLAN SSID", false},
      {{.wlan = true}, "WLAN SSID\t:\tLABELNET\r\n", true},
      {{}, "BT DEVICE NAME", false},
      {{.model = Model::Vx135, .bluetooth = true}, "BT DEVICE NAME\t:\tVX135ZKQ-BT\r\n", true},
      // Keywords only a script carries are never listed.
      {{}, "DOUBLE HEAT MENU", false},
      {{}, "FIX REFLECT SENSOR", false},
      {{}, "\r\nDOUBLE HEAT\t:\tOFF\r\n", true},
      {{.model = Model::Vx135}, "\r\nHEAD CHECK STOP POS\t:\tDOT\t1240\r\n", true},
      {{}, "\r\nHEAD CHECK PATTERN WIDTH\t:\t832\tDOTS\r\n", true},
      {{}, "\r\nTIMEOUT\t:\t300\tSEC\r\n", true},
      {{}, "\r\nIPV4 ADDRESS\t:\t192,168,10,21\r\n", true},
  };
  for (const Case& c : cases) {
    const std::string body = Printer(c.hardware).ListingBody();
    EXPECT_EQ(body.find(c.line) != std::string::npos, c.listed) << c.line;
  }
  // The RFID section opens with its RFID SETTINGS line and holds the calibration lines.
  const std::string rfid = Printer({.rfid = true}).ListingBody();
  EXPECT_LT(rfid.find("RFID SETTINGS"), rfid.find("RFID CALIB EXECUTED"));
}

TEST(SimPrinter, AScriptLineChangesTheNextListingAndARefusedOneChangesNothing) {
  Printer printer({.model = Model::Vx135});
  const std::string before = printer.ListingBody();
  EXPECT_EQ(printer.ApplySettingLine("PRINT SPEED\t:\t8 IPS"), LineOutcome::Rejected);
  EXPECT_EQ(printer.ApplySettingLine("NO SUCH SETTING\t:\t1"), LineOutcome::UnknownKeyword);
  EXPECT_EQ(printer.ApplySettingLine("PRINT SPEED"), LineOutcome::NotASetting);
  EXPECT_EQ(printer.ListingBody(), before);

  EXPECT_EQ(printer.ApplySettingLine("print speed\t:\t2 ips"), LineOutcome::Applied);
  EXPECT_EQ(printer.ApplySettingLine("CONTINUOUS MEDIA LENGTH\t:\t3.9\tINCH"), LineOutcome::Applied);
  EXPECT_EQ(printer.ApplySettingLine("IPV4 ADDRESS\t:\t10,0,0,7"), LineOutcome::Applied);
  const std::string after = printer.ListingBody();
  EXPECT_TRUE(after.starts_with("PRINT SPEED\t:\t2 IPS\r\n"));
  EXPECT_EQ(after.find("PRINT SPEED\t:\t4 IPS"), std::string::npos);
  EXPECT_NE(after.find("\r\nCONTINUOUS MEDIA LENGTH\t:\t3.90\tINCH\r\n"), std::string::npos);
  EXPECT_NE(after.find("\r\nIPV4 ADDRESS\t:\t10,0,0,7\r\n"), std::string::npos);
}

TEST(SimPrinter, PaperPositionRangeFollowsTheFunctionSelectTheScriptSetBefore) {
  Printer printer({});
  EXPECT_EQ(printer.ApplySettingLine("PAPER POSITION\t:\t40.0\tMM"), LineOutcome::Rejected);
  EXPECT_EQ(printer.ApplySettingLine("FUNCTION SELECT\t:\tOFF"), LineOutcome::Applied);
  EXPECT_EQ(printer.ApplySettingLine("PAPER POSITION\t:\t40.0\tMM"), LineOutcome::Applied);
  EXPECT_EQ(printer.Value("PAPER POSITION"), "40.0\tMM");
}

TEST(SimPrinter, InformationLinesCarryTheKeysAClientLooksFor) {
  Printer printer({.model = Model::Vx120});
  EXPECT_EQ(printer.InformationLine(InfoItem::SerialNumber), "Serial Number : 4A1203578\r\n");
  EXPECT_EQ(printer.InformationLine(InfoItem::PrintCounter), "Print Counter Length 1523.4 m\r\n");
  EXPECT_EQ(printer.InformationLine(InfoItem::ServiceCounter), "Service Counter Length 231.5 m\r\n");
  EXPECT_EQ(printer.InformationLine(InfoItem::CutCounter), "Cut Counter 4217\r\n");
  // Every job feeds one label of media through the counters.
  for (int i = 0; i < 3; ++i) printer.CountPrintJob();
  EXPECT_EQ(printer.printedJobs(), 3);
  EXPECT_EQ(printer.InformationLine(InfoItem::PrintCounter), "Print Counter Length 1523.7 m\r\n");
  EXPECT_EQ(Printer({.model = Model::Vx135}).InformationLine(InfoItem::SerialNumber), "Serial Number : 5B1308642\r\n");
}

TEST(SimPrinter, SettingsFileHoldsEverySettingAndReadsBackToTheSameState) {
  Printer printer({.model = Model::Vx135});
  ASSERT_EQ(printer.ApplySettingLine("HOST NAME\t:\tshelf-7"), LineOutcome::Applied);
  ASSERT_EQ(printer.ApplySettingLine("WLAN SSID\t:\tbackroom"), LineOutcome::Applied);
  ASSERT_EQ(printer.ApplySettingLine("DOUBLE HEAT MENU\t:\tON"), LineOutcome::Applied);
  const std::string file = printer.SettingsFileText();
  EXPECT_TRUE(file.starts_with(kPrefix));
  EXPECT_TRUE(file.ends_with("\r\nEND\r\n"));

  Printer restored({.model = Model::Vx135});
  EXPECT_EQ(restored.LoadSettingsText(file), 0);
  EXPECT_EQ(restored.SettingsFileText(), file);
  EXPECT_EQ(restored.Value("WLAN SSID"), "backroom");
  EXPECT_EQ(restored.Value("DOUBLE HEAT MENU"), "ON");

  // A hand-edited file: lines after END are not read, refused lines are counted.
  Printer edited({});
  EXPECT_EQ(edited.LoadSettingsText("PRINT DARKNESS\t:\t99\r\nHOST NAME\t:\tx1\nEND\r\nHOST NAME\t:\tx2\r\n"), 1);
  EXPECT_EQ(edited.Value("HOST NAME"), "x1");
  EXPECT_EQ(edited.Value("PRINT DARKNESS"), "10");
}

}  // namespace
}  // namespace vostrel::sim

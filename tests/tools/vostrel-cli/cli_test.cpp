#include "cli.h"

#include "json_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel::cli {
namespace {

namespace fs = std::filesystem;

const std::string kHeader("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17);

class CliTest : public ::testing::Test {
 protected:
  std::wstring Write(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(vostrel::testing::WriteFileBytes(dir_ / name, bytes)) << name;
    return (dir_ / name).wstring();
  }

  int RunCli(std::vector<std::wstring> args) {
    output_ = {};
    return cli::Run(args, output_);
  }

  vostrel::testing::ScratchFolder dir_;
  Output output_;
};

TEST_F(CliTest, DumpPrintsEveryChangedSlotInStoreOrder) {
  const std::wstring file = Write("export.prn", kHeader +
                                                    "PRINT DARKNESS\t:\t10\r\n"
                                                    "FUNCTION SELECT\t:\tTEAR\r\n"
                                                    "print speed\t:\t4 ips\r\n"
                                                    "CONTINUOUS MEDIA LENGTH\t:\t100\tMM\r\n"
                                                    "IPV4 ADDRESS\t:\t192,168,0,1\r\n"
                                                    "HOST NAME\t:\tMyPrinter\r\n"
                                                    "SERIAL NUMBER\t:\tab12\r\n"
                                                    "USB SERIAL NUMBER\t:\tON\r\n"
                                                    "NO SUCH KEYWORD\t:\t1\r\n"
                                                    "END\r\n");
  EXPECT_EQ(RunCli({L"dump", L"--raw", file}), kExitOk);
  EXPECT_EQ(output_.out,
            L"PRINT SPEED#0\t1\t\t\t0\t2\t0\n"
            L"PRINT DARKNESS#1\t1\t10\t\t0\t0\t0\n"
            L"CONTINUOUS MEDIA LENGTH#3\t1\t100.0\t\t0\t0\t1\n"
            L"IPV4 ADDRESS#7\t1\t192.168.0.1\t\t0\t0\t0\n"
            L"HOST NAME#11\t1\tMyPrinter\t\t0\t0\t0\n"
            L"USB SERIAL NUMBER#67\t1\tAB12\t\t0\t1\t0\n"
            L"FUNCTION SELECT\t1\t\t\t0\t1\t0\n");
  EXPECT_EQ(output_.err, L"");
}

TEST_F(CliTest, ModelDecidesHowAValueIsRead) {
  const std::wstring file = Write("ribbon.prn", kHeader + "RIBBON END DETECTION\t:\tSLOW\r\nEND\r\n");
  EXPECT_EQ(RunCli({L"dump", L"--raw", file}), kExitOk);
  EXPECT_EQ(output_.out, L"RIBBON END DETECTION#64\t1\t\t\t0\t0\t0\n");
  EXPECT_EQ(RunCli({L"dump", L"--raw", L"--model", L"VX-135-ZKQ", file}), kExitOk);
  EXPECT_EQ(output_.out, L"RIBBON END DETECTION#64\t1\t\t\t0\t1\t0\n");
}

TEST_F(CliTest, CheckListsRejectedValuesAndSaysSoInItsStatus) {
  const std::wstring bad = Write("bad.prn", kHeader +
                                                "PRINT SPEED\t:\t9 IPS\r\n"
                                                "PRINT DARKNESS\t:\t31\r\n"
                                                "TIMEOUT\t:\t300\r\n"
                                                "END\r\n");
  EXPECT_EQ(RunCli({L"check", L"--raw", bad}), kExitInvalidSettings);
  EXPECT_EQ(output_.out,
            L"PRINT SPEED#0\t1\t\t\t1\t0\t0\n"
            L"PRINT DARKNESS#1\t1\t0\t\t1\t0\t0\n");

  const std::wstring good = Write("good.prn", kHeader + "TIMEOUT\t:\t300\r\nEND\r\n");
  EXPECT_EQ(RunCli({L"check", good}), kExitOk);
  EXPECT_EQ(output_.out, L"");
}

TEST_F(CliTest, FilesThatCannotBeReadEndWithTheirOwnStatus) {
  struct Case {
    std::wstring file;
    int status;
    std::wstring errorStart;
  };
  const Case cases[] = {
      {(dir_ / "missing.prn").wstring(), kExitNotOpened, L"vostrel-cli: cannot open"},
      {Write("noheader.prn", "PRINT SPEED\t:\t4 IPS\r\nEND\r\n"), kExitStartNotAccepted, L"vostrel-cli: '"},
      {Write("empty.prn", ""), kExitStartNotAccepted, L"vostrel-cli: '"},
  };
  for (const Case& c : cases) {
    for (const wchar_t* command : {L"dump", L"check"}) {
      EXPECT_EQ(RunCli({command, c.file}), c.status);
      EXPECT_EQ(output_.out, L"");
      EXPECT_TRUE(output_.err.starts_with(c.errorStart));
      EXPECT_EQ(output_.err.back(), L'\n');
    }
  }
}

TEST_F(CliTest, HeaderPartsAreAcceptedAsTheProgramAcceptsThem) {
  const std::wstring firstPart = Write("first.prn", "~!!\r\nPRINT DARKNESS\t:\t7\r\nEND\r\n");
  EXPECT_EQ(RunCli({L"dump", L"--raw", firstPart}), kExitOk);
  EXPECT_EQ(output_.out, L"PRINT DARKNESS#1\t1\t7\t\t0\t0\t0\n");
  const std::wstring lastPart = Write("last.prn", "\x02\x1b~A\r\nPRINT DARKNESS\t:\t8\nEND\n");
  EXPECT_EQ(RunCli({L"dump", L"--raw", lastPart}), kExitOk);
  EXPECT_EQ(output_.out, L"PRINT DARKNESS#1\t1\t8\t\t0\t0\t0\n");
}

TEST_F(CliTest, UsageErrorsSayWhatIsWrong) {
  const std::wstring file = Write("a.prn", kHeader + "END\r\n");
  struct Case {
    std::vector<std::wstring> args;
    std::wstring problem;
  };
  const Case cases[] = {
      {{}, L"no command given"},
      {{L"print", file}, L"unknown command 'print'"},
      {{L"dump"}, L"no file given"},
      {{L"dump", file, file}, L"more than one file given"},
      {{L"dump", L"--model"}, L"--model needs a model name"},
      {{L"dump", L"--model", L"VX-999", file}, L"unknown model 'VX-999'"},
      {{L"check", L"--verbose", file}, L"unknown option '--verbose'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunCli(c.args), kExitUsage) << c.problem.size();
    EXPECT_TRUE(output_.err.starts_with(L"vostrel-cli: " + c.problem)) << output_.err.size();
    EXPECT_NE(output_.err.find(L"usage: vostrel-cli dump"), std::wstring::npos);
    EXPECT_EQ(output_.out, L"");
  }
  EXPECT_EQ(RunCli({L"--help"}), kExitOk);
  EXPECT_TRUE(output_.out.starts_with(L"usage: vostrel-cli dump"));
}

// Lines the listing reader skips: long enough to push a setting past a limit.
std::string Filler(std::size_t bytes) {
  std::string text;
  for (int i = 0; text.size() < bytes; ++i) text += "RESERVED " + std::to_string(i) + "\t:\t0000000000\r\n";
  return text;
}

TEST_F(CliTest, APartOfTheFileTheProgramLeavesUnreadIsNamedOnStandardError) {
  const std::string darkness = "PRINT DARKNESS\t:\t12\r\n";
  const std::string host = "HOST NAME\t:\tlate\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::wstring> warnings;  // parts of the lines, one each
    bool hostRead;
  };
  const Case cases[] = {
      {"within every limit", kHeader + darkness + host + "END\r\n", {}, true},
      {"past the reader's room",
       kHeader + darkness + Filler(8200) + host + "END\r\n",
       {L"is longer than the 8191 bytes the program reads"},
       false},
      {"past the load limit",
       kHeader + darkness + Filler(70000) + host + "END\r\n",
       {L"is longer than the 65536 bytes the program loads", L"is longer than the 8191 bytes the program reads"},
       false},
      {"a NUL byte",
       kHeader + darkness + std::string(1, '\0') + host + "END\r\n",
       {L"holds a NUL byte at offset " + std::to_wstring(kHeader.size() + darkness.size())},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring file = Write("long.prn", c.bytes);
    for (const wchar_t* command : {L"dump", L"check"}) {
      // The status stays what it would be: the file was read.
      EXPECT_EQ(RunCli({command, file}), kExitOk);
      std::size_t lines = 0;
      for (std::size_t at = output_.err.find(L'\n'); at != std::wstring::npos; at = output_.err.find(L'\n', at + 1))
        ++lines;
      EXPECT_EQ(lines, c.warnings.size());
      for (const std::wstring& warning : c.warnings) {
        EXPECT_NE(output_.err.find(L"vostrel-cli: warning: '" + file + L"' " + warning), std::wstring::npos);
      }
      if (!c.warnings.empty()) {
        EXPECT_NE(output_.err.find(L"the settings after"), std::wstring::npos);
      }
    }
    EXPECT_EQ(RunCli({L"dump", L"--raw", file}), kExitOk);
    EXPECT_NE(output_.out.find(L"PRINT DARKNESS#1\t1\t12"), std::wstring::npos);
    EXPECT_EQ(output_.out.find(L"HOST NAME#11\t1\tlate") != std::wstring::npos, c.hostRead);
  }
}

TEST_F(CliTest, DumpPrintsOneReadableLinePerSettingInCatalogueOrder) {
  const std::wstring file = Write("readable.prn", kHeader +
                                                      "HOST NAME\t:\tMyPrinter\r\n"
                                                      "print speed\t:\t6 ips\r\n"
                                                      "RS-232C BAUD\t:\t9600\r\n"
                                                      "CONTINUOUS MEDIA LENGTH\t:\t100\tMM\r\n"
                                                      "TIMEOUT\t:\t30\tSEC\r\n"
                                                      "IPV4 ADDRESS\t:\t192,168,0,1\r\n"
                                                      "PRINT DARKNESS\t:\t31\r\n"
                                                      "END\r\n");
  EXPECT_EQ(RunCli({L"dump", file}), kExitOk);
  // Words as the reader's tables spell them, numbers as the reader keeps
  // them, units after the value; a rejected value says so.
  EXPECT_EQ(output_.out,
            L"PRINT SPEED              6 IPS\n"
            L"PRINT DARKNESS           31  (rejected)\n"
            L"CONTINUOUS MEDIA LENGTH  100.0 MM\n"
            L"IPV4 ADDRESS             192.168.0.1\n"
            L"HOST NAME                MyPrinter\n"
            L"TIMEOUT                  30 SEC\n"
            L"RS-232C BAUD             9600\n");
}

TEST_F(CliTest, CheckNamesTheLineTheValueAndWhatTheReaderAccepts) {
  const std::wstring file = Write("check.prn", kHeader +
                                                   "TIMEOUT\t:\t30\tSEC\r\n"
                                                   "PRINT SPEED\t:\t9 IPS\r\n"
                                                   "PRINT DARKNESS\t:\t31\r\n"
                                                   "SENSOR LEVEL\t:\t3.45\tV\r\n"
                                                   "RIBBON END DETECTION\t:\tQUICK\r\n"
                                                   "END\r\n");
  struct Case {
    const wchar_t* model;
    std::vector<std::wstring> lines;
  };
  const Case cases[] = {
      {L"VX-120-ZKQ",
       {L"line 5: PRINT SPEED: '9 IPS' is rejected; the reader accepts one of 2 IPS, 3 IPS, 4 IPS, 5 IPS, 6 IPS, "
        L"7 IPS, 8 IPS\n",
        L"line 6: PRINT DARKNESS: '31' is rejected; the reader accepts a whole number from 0 to 30\n",
        L"line 7: SENSOR LEVEL: '3.45 V' is rejected; the reader accepts a level from 0.0 to 3.3 V (one decimal)\n"}},
      // The second model has no QUICK ribbon end detection.
      {L"VX-135-ZKQ", {L"line 8: RIBBON END DETECTION: 'QUICK' is rejected; the reader accepts one of NORMAL, SLOW\n"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunCli({L"check", L"--model", c.model, file}), kExitInvalidSettings);
    for (const std::wstring& line : c.lines) EXPECT_NE(output_.out.find(line), std::wstring::npos) << c.lines.size();
  }
}

TEST_F(CliTest, JsonOfEveryFileCommandParsesToTheDocumentedShape) {
  const std::wstring a = Write("a.prn", kHeader + "PRINT SPEED\t:\t9 IPS\r\nHOST NAME\t:\tsay \"hi\"\\x\r\nEND\r\n");
  const std::wstring b = Write("b.prn", kHeader + "PRINT SPEED\t:\t4 IPS\r\nEND\r\n");
  using testing_support::Json;
  using testing_support::JsonReader;

  EXPECT_EQ(RunCli({L"dump", L"--json", a}), kExitOk);
  const Json dump = JsonReader::Parse(output_.out);
  EXPECT_EQ(dump[L"command"].text, L"dump");
  EXPECT_EQ(dump[L"code"].number, 0);
  ASSERT_EQ(dump[L"settings"].items.size(), 2u);
  const Json& speed = dump[L"settings"][0];
  EXPECT_EQ(speed[L"keyword"].text, L"PRINT SPEED");
  EXPECT_EQ(speed[L"value"].text, L"9 IPS");
  EXPECT_EQ(speed[L"unit"].text, L"");
  EXPECT_FALSE(speed[L"valid"].boolean);
  EXPECT_EQ(dump[L"settings"][1][L"value"].text, L"say \"hi\"\\x");
  EXPECT_TRUE(dump[L"settings"][1][L"valid"].boolean);

  EXPECT_EQ(RunCli({L"check", L"--json", a}), kExitInvalidSettings);
  const Json check = JsonReader::Parse(output_.out);
  EXPECT_EQ(check[L"code"].number, 3);
  ASSERT_EQ(check[L"settings"].items.size(), 1u);
  EXPECT_EQ(check[L"settings"][0][L"line"].number, 4);
  EXPECT_NE(check[L"settings"][0][L"accepts"].text.find(L"8 IPS"), std::wstring::npos);

  EXPECT_EQ(RunCli({L"diff", L"--json", a, b}), kExitDifferent);
  const Json diff = JsonReader::Parse(output_.out);
  EXPECT_FALSE(diff[L"equal"].boolean);
  ASSERT_EQ(diff[L"differences"].items.size(), 2u);
  EXPECT_EQ(diff[L"differences"][0][L"a"][L"value"].text, L"9 IPS");
  EXPECT_EQ(diff[L"differences"][0][L"b"][L"value"].text, L"4 IPS");
  EXPECT_EQ(diff[L"differences"][1][L"b"].kind, Json::Kind::Null);

  EXPECT_EQ(RunCli({L"dump", L"--json", (dir_ / "none.prn").wstring()}), kExitNotOpened);
  EXPECT_EQ(JsonReader::Parse(output_.out)[L"code"].number, 1);
}

TEST_F(CliTest, SetWritesACheckedSettingsFileThatDumpReadsBack) {
  const std::wstring out = (dir_ / "set.prn").wstring();
  EXPECT_EQ(RunCli({L"set", L"print speed=6 IPS", L"CONTINUOUS MEDIA LENGTH=100.0 MM", L"IPV4 ADDRESS=192.168.0.7",
                    L"HEAD CHECK START POS=12 DOT", L"HOST NAME=label-3", L"-o", out}),
            kExitOk);
  const std::string bytes = vostrel::testing::ReadFileBytes(fs::path(out));
  EXPECT_EQ(bytes, kHeader +
                       "PRINT SPEED\t:\t6 IPS\r\n"
                       "CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM\r\n"
                       "IPV4 ADDRESS\t:\t192,168,0,7\r\n"
                       "HEAD CHECK START POS\t:\tDOT\t12\r\n"
                       "HOST NAME\t:\tlabel-3\r\n"
                       "END\r\n");
  EXPECT_EQ(RunCli({L"check", out}), kExitOk);
  EXPECT_EQ(RunCli({L"dump", out}), kExitOk);
  EXPECT_NE(output_.out.find(L"HEAD CHECK START POS     12 DOT\n"), std::wstring::npos);
}

TEST_F(CliTest, SetWritesNothingWhenTheReaderRejectsAValueOrKnowsNoKeyword) {
  const std::wstring out = (dir_ / "set.prn").wstring();
  struct Case {
    std::vector<std::wstring> pairs;
    int status;
    std::wstring said;
  };
  const Case cases[] = {
      {{L"PRINT SPEED=9 IPS", L"TIMEOUT=30 SEC"},
       kExitInvalidSettings,
       L"PRINT SPEED: '9 IPS' is rejected; the reader accepts one of 2 IPS"},
      {{L"PRINT DARKNESS=12", L"NO SUCH SETTING=1"}, kExitInvalidSettings, L"unknown setting 'NO SUCH SETTING'"},
      {{L"PRINT DARKNESS"}, kExitUsage, L"'PRINT DARKNESS' is not KEYWORD=VALUE"},
  };
  for (const Case& c : cases) {
    std::vector<std::wstring> args = {L"set"};
    args.insert(args.end(), c.pairs.begin(), c.pairs.end());
    args.insert(args.end(), {L"-o", out});
    EXPECT_EQ(RunCli(args), c.status);
    EXPECT_NE(output_.err.find(c.said), std::wstring::npos) << c.said.size();
    EXPECT_FALSE(fs::exists(out));
  }
  EXPECT_EQ(RunCli({L"set", L"PRINT DARKNESS=12"}), kExitUsage);
  EXPECT_NE(output_.err.find(L"set needs -o FILE"), std::wstring::npos);
}

TEST_F(CliTest, DiffSaysWhetherTwoFilesHoldTheSameSettings) {
  const std::wstring a = Write("a.prn", kHeader + "PRINT DARKNESS\t:\t12\r\nTIMEOUT\t:\t30\tSEC\r\nEND\r\n");
  const std::wstring same = Write("same.prn", "~!!\r\nTIMEOUT\t:\t30\tSEC\r\nPRINT DARKNESS\t:\t12\r\nEND\r\n");
  const std::wstring other = Write("other.prn", kHeader + "PRINT DARKNESS\t:\t14\r\nEND\r\n");
  EXPECT_EQ(RunCli({L"diff", a, same}), kExitSame);
  EXPECT_NE(output_.out.find(L"are the same"), std::wstring::npos);
  EXPECT_EQ(RunCli({L"diff", a, other}), kExitDifferent);
  EXPECT_EQ(output_.out, L"SETTING         " + a + L"  " + other + L"\n" + L"PRINT DARKNESS  12" +
                             std::wstring(a.size() - 2 + 2, L' ') + L"14\n" + L"TIMEOUT         30 SEC" +
                             std::wstring(a.size() - 6 + 2, L' ') + L"-\n");
  EXPECT_EQ(RunCli({L"diff", a, (dir_ / "none.prn").wstring()}), kExitDiffSideNotRead);
  EXPECT_EQ(RunCli({L"diff", a}), kExitUsage);
}

TEST_F(CliTest, HelpForOneCommandComesBothWays) {
  for (const wchar_t* command : {L"dump", L"check", L"set", L"diff"}) {
    EXPECT_EQ(RunCli({L"help", command}), kExitOk);
    const std::wstring viaHelp = output_.out;
    EXPECT_TRUE(viaHelp.starts_with(L"usage: vostrel-cli " + std::wstring(command) + L" "));
    EXPECT_EQ(RunCli({command, L"--help"}), kExitOk);
    EXPECT_EQ(output_.out, viaHelp);
  }
  EXPECT_EQ(RunCli({L"help", L"frobnicate"}), kExitUsage);
}

TEST(CliNames, SlotNamesFollowTheStoreOrder) {
  EXPECT_EQ(SlotName(0), L"PRINT SPEED#0");
  EXPECT_EQ(SlotName(29), L"REFLECT SENSOR POSITION#29");
  EXPECT_EQ(SlotName(85), L"RFID CALIB POWER#85");
  EXPECT_EQ(SlotName(86), L"GLOBAL CONFIG");
  EXPECT_EQ(SlotName(166), L"BT DEVICE NAME");
  EXPECT_EQ(SlotName(167), L"calibrationResult");
  EXPECT_EQ(SlotName(171), L"infoCutCounter");
}

}  // namespace
}  // namespace vostrel::cli

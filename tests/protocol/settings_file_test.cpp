#include "protocol/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/ansi_text.h"
#include "protocol/command_set.h"
#include "settings/config_script.h"
#include "settings/printer_model.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel {
namespace {

namespace fs = std::filesystem;

// A file of the test's own in a folder of its own, removed afterwards.
class SettingsFileTest : public ::testing::Test {
 protected:
  void WriteBytes(const std::string& bytes) { ASSERT_TRUE(testing::WriteFileBytes(path_, bytes)); }
  std::string ReadBytes() { return testing::ReadFileBytes(path_); }

  testing::ScratchFolder folder_;
  fs::path path_ = folder_ / "settings.prn";
};

const std::string kPrefix(kCommandPrefix);

TEST_F(SettingsFileTest, WritesThePrefixAndTheScriptBytes) {
  SettingsStore store;
  store.textBuffer = L"HOST NAME\t:\t\x30e9\x30d9\x30eb\r\nEND\r\n";  // a host name outside ASCII
  ASSERT_TRUE(WriteSettingsFile(store, path_));
  EXPECT_EQ(ReadBytes(), kPrefix + "HOST NAME\t:\t" + WideToAnsi(L"\x30e9\x30d9\x30eb") + "\r\nEND\r\n");
  EXPECT_EQ(ReadBytes().size(), 17u + 12u + 6u + 2u + 5u);  // every byte of the three characters

  store.textBuffer = L"END\r\n";  // an existing file is truncated
  ASSERT_TRUE(WriteSettingsFile(store, path_));
  EXPECT_EQ(ReadBytes(), kPrefix + "END\r\n");
}

TEST_F(SettingsFileTest, AFileThatCannotBeCreatedIsNotWritten) {
  SettingsStore store;
  store.textBuffer = L"END\r\n";
  EXPECT_FALSE(WriteSettingsFile(store, path_ / "no_such_folder" / "Recent.dat"));
}

TEST_F(SettingsFileTest, ExportedSettingsComeBackOnImport) {
  SettingsStore store;
  auto select = [&store](int n, std::wstring value, std::wstring second = {}) {
    store.Entry(n).selected = 1;
    store.Entry(n).value = std::move(value);
    store.Entry(n).secondValue = std::move(second);
  };
  select(entry::kPrintSpeed, L"6 IPS");
  select(entry::kPrintDarkness, L"12");
  select(entry::kContinuousMediaLength, L"4.00", L"INCH");
  select(entry::kIpv4Address, L"10,1,2,3");
  select(entry::kHostName, L"Shelf-3");
  select(entry::kMachTearPos, L"-12");
  select(entry::kDoubleHeatMenu, L"ON");
  select(entry::kUsbSerialNumber, L"A123", L"ON");
  store.textBuffer.clear();
  BuildScript(store, true, ScriptContext{Language::Japanese, kPrinterModels[1]});
  ASSERT_TRUE(WriteSettingsFile(store, path_));

  SettingsStore imported;
  imported.modelIndex = PrinterModel::Vx135Zkq;
  ASSERT_EQ(LoadSettingsText(imported, path_), LoadResult::Read);
  EXPECT_EQ(imported.Entry(entry::kPrintSpeed).choice, 4);
  EXPECT_EQ(imported.Entry(entry::kPrintDarkness).value, L"12");
  EXPECT_EQ(imported.Entry(entry::kContinuousMediaLength).value, L"4.00");
  EXPECT_EQ(imported.Entry(entry::kContinuousMediaLength).unitIndex, 0);
  EXPECT_EQ(imported.Entry(entry::kIpv4Address).value, L"10.1.2.3");
  EXPECT_EQ(imported.Entry(entry::kHostName).value, L"Shelf-3");
  EXPECT_EQ(imported.Entry(entry::kMachTearPos).value, L"-12");
  EXPECT_EQ(imported.Entry(entry::kDoubleHeatMenu).choice, 1);
  EXPECT_EQ(imported.Entry(entry::kUsbSerialNumber).value, L"A123");
  EXPECT_EQ(imported.Entry(entry::kUsbSerialNumber).choice, 1);
  for (int n = 0; n < kScriptEntryCount; ++n) {
    EXPECT_EQ(imported.Entry(n).selected, store.Entry(n).selected) << n;
    EXPECT_EQ(imported.Entry(n).invalid, 0) << n;
  }
}

struct StartCase {
  const char* name;
  std::string bytes;
  LoadResult result;
  bool darknessRead;
};

TEST_F(SettingsFileTest, AcceptedStartsAndLineEnds) {
  const std::string lines = "PRINT DARKNESS\t:\t10\r\nEND\r\n";
  const StartCase cases[] = {
      {"whole prefix", kPrefix + lines, LoadResult::Read, true},
      {"first line only", "~!!\r\n" + lines, LoadResult::Read, true},
      {"second line only", std::string("\x02\x1b~A\r\n") + lines, LoadResult::Read, true},
      {"two header lines", std::string("~!!\r\n\x02\x1b~A\r\n") + lines, LoadResult::Read, true},
      {"LF line ends", std::string("~!!\n\x02\x1b~A\n~\x1b~A\nPRINT DARKNESS\t:\t10\nEND\n"), LoadResult::Read, true},
      {"no END line", kPrefix + "PRINT DARKNESS\t:\t10", LoadResult::Read, true},
      {"no header", lines, LoadResult::StartNotAccepted, false},
      {"header cut short", "~A\r\n" + lines, LoadResult::StartNotAccepted, false},
      {"header after a blank line", "\r\n" + kPrefix + lines, LoadResult::StartNotAccepted, false},
      {"empty file", "", LoadResult::StartNotAccepted, false},
  };
  for (const StartCase& c : cases) {
    WriteBytes(c.bytes);
    SettingsStore store;
    EXPECT_EQ(LoadSettingsText(store, path_), c.result) << c.name;
    EXPECT_EQ(store.Entry(entry::kPrintDarkness).selected, c.darknessRead ? 1 : 0) << c.name;
    if (c.darknessRead) {
      EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10") << c.name;
    }
  }
}

TEST_F(SettingsFileTest, FilesThatCannotBeOpened) {
  SettingsStore store;
  EXPECT_EQ(LoadSettingsText(store, path_), LoadResult::NotOpened);           // missing
  EXPECT_EQ(LoadSettingsText(store, folder_.path()), LoadResult::NotOpened);  // a folder
}

TEST_F(SettingsFileTest, AnEmptyLineEndsTheReading) {
  WriteBytes(kPrefix + "PRINT DARKNESS\t:\t10\r\n\r\nTIMEOUT\t:\t5\r\nEND\r\n");
  SettingsStore store;
  ASSERT_EQ(LoadSettingsText(store, path_), LoadResult::Read);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).selected, 1);
  EXPECT_EQ(store.Entry(entry::kTimeout).selected, 0);
}

TEST_F(SettingsFileTest, FilesBeyond4095BytesAreReadWhole) {
  std::string body;
  while (body.size() < 6000) body += "UNKNOWN SETTING\t:\t0123456789AB\r\n";
  WriteBytes(kPrefix + body + "PRINT DARKNESS\t:\t10\r\nEND\r\n");
  SettingsStore store;
  ASSERT_EQ(LoadSettingsText(store, path_), LoadResult::Read);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
}

TEST_F(SettingsFileTest, AHugeFileIsReadOnlyUpToItsLimitAndNeverAsACutLine) {
  std::string bytes = kPrefix + "PRINT DARKNESS\t:\t10\r\n";
  while (bytes.size() < kSettingsFileReadLimit + 1000) bytes += "UNKNOWN SETTING\t:\t0123456789AB\r\n";
  WriteBytes(bytes);
  SettingsStore store;
  ASSERT_EQ(LoadSettingsText(store, path_), LoadResult::Read);
  EXPECT_EQ(store.Entry(entry::kPrintDarkness).value, L"10");
  EXPECT_LT(store.textBuffer.size(), kSettingsFileReadLimit + 64);
  EXPECT_TRUE(store.textBuffer.ends_with(L"0123456789AB\r\n"));
}

}  // namespace
}  // namespace vostrel

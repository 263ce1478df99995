// The recent-settings file: replaced only by a complete new one, and read at
// start only when it gives a setting.
#include "app/recent_settings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel::testing {
namespace {

class RecentSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(folder_.path()));
    store_.textBuffer = L"PRINT SPEED\t:\t4 IPS\r\nEND\r\n";
  }
  void TearDown() override { ::RemoveDirectoryW((Path() + L".new").c_str()); }
  std::wstring Path() const { return folder_.File(L"Recent.dat"); }

  ScratchFolder folder_;
  SettingsStore store_;
};

TEST_F(RecentSettingsFile, ReplacesTheOldFileAndLeavesNothingBeside) {
  ASSERT_TRUE(WriteUtf16File(Path(), L"old"));
  EXPECT_TRUE(ReplaceSettingsFile(store_, Path()));
  EXPECT_EQ(ReadFileBytes(Path()), std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\nPRINT SPEED\t:\t4 IPS\r\nEND\r\n"));
  EXPECT_EQ(::GetFileAttributesW((Path() + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RecentSettingsFile, AWriteThatFailsKeepsTheSettingsOfTheLastRun) {
  const std::string old = "~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\nPRINT SPEED\t:\t6 IPS\r\nEND\r\n";
  {
    const HANDLE file =
        ::CreateFileW(Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, old.data(), static_cast<DWORD>(old.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  // The new file cannot be made: a folder stands in its place.
  ASSERT_TRUE(::CreateDirectoryW((Path() + L".new").c_str(), nullptr));
  EXPECT_FALSE(ReplaceSettingsFile(store_, Path()));
  EXPECT_EQ(ReadFileBytes(Path()), old);
}

struct StartCase {
  const char* name;
  std::string bytes;  // the file; "<none>" for no file at all
  RecentLoad expected;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

const std::string kHeader("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n");

class RecentSettingsAtStart : public RecentSettingsFile, public ::testing::WithParamInterface<StartCase> {};

// A file that gives the Standard page nothing to show counts as a missing
// one; one that gives it a setting is read as it stands.
TEST_P(RecentSettingsAtStart, CountsAFileWithoutASettingAsMissing) {
  const StartCase& c = GetParam();
  if (c.bytes != "<none>") {
    ASSERT_TRUE(WriteFileBytes(Path(), c.bytes));
  }
  store_.Entry(entry::kHostName).selected = 1;  // left from before: does not count
  store_.Entry(entry::kHostName).value = L"before";
  EXPECT_EQ(LoadRecentSettings(store_, PrinterModel::Vx120Zkq, Path()), c.expected);
  int selected = 0;
  for (int entry = 0; entry < kScriptEntryCount; ++entry) selected += store_.Entry(entry).selected;
  if (c.expected == RecentLoad::NoSettings) {
    EXPECT_EQ(selected, 0);
  } else {
    EXPECT_EQ(store_.Entry(entry::kPrintDarkness).value, L"12");
    EXPECT_EQ(store_.Entry(entry::kHostName).selected, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentSettingsAtStart,
    ::testing::Values(
        StartCase{"missing", "<none>", RecentLoad::NoSettings}, StartCase{"empty", "", RecentLoad::NoSettings},
        StartCase{"binary", std::string("\x00\xff\xfe\x01\x80\x1b~A\r\n\x7f\xe3\x81\x82\x00\x00", 18),
                  RecentLoad::NoSettings},
        StartCase{"utf16", std::string("\xff\xfe~\0!\0!\0\r\0\n\0", 12), RecentLoad::NoSettings},
        StartCase{"no header", "PRINT DARKNESS\t:\t12\r\nEND\r\n", RecentLoad::NoSettings},
        StartCase{"header only", kHeader, RecentLoad::NoSettings},
        StartCase{"header and END", kHeader + "END\r\n", RecentLoad::NoSettings},
        StartCase{"unknown lines", kHeader + "NO SUCH SETTING\t:\t1\r\nIPV4 GATEWAY\r\nEND\r\n",
                  RecentLoad::NoSettings},
        StartCase{"rejected only", kHeader + "PRINT DARKNESS\t:\t99\r\nEND\r\n", RecentLoad::NoSettings},
        StartCase{"advanced only", kHeader + "MACH CUT POS\t:\t10\tDOTS\r\nEND\r\n", RecentLoad::NoSettings},
        StartCase{"one setting", kHeader + "PRINT DARKNESS\t:\t12\r\nEND\r\n", RecentLoad::Settings},
        StartCase{"one of two rejected", kHeader + "PRINT SPEED\t:\t99 IPS\r\nPRINT DARKNESS\t:\t12\r\nEND\r\n",
                  RecentLoad::Settings}),
    [](const auto& test) {
      std::string name = test.param.name;
      for (char& ch : name) {
        if (ch == ' ') ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace vostrel::testing

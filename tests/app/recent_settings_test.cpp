// The recent-settings file is replaced only by a complete new one.
#include "app/recent_settings.h"

#include <gtest/gtest.h>

#include "prefs/temp_folder.h"

namespace vostrel::testing {
namespace {

class RecentSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    store_.textBuffer = L"PRINT SPEED\t:\t4 IPS\r\nEND\r\n";
  }
  void TearDown() override { ::RemoveDirectoryW((Path() + L".new").c_str()); }
  std::wstring Path() const { return folder_.path() + L"Recent.dat"; }

  testing_support::TempFolder folder_;
  SettingsStore store_;
};

TEST_F(RecentSettingsFile, ReplacesTheOldFileAndLeavesNothingBeside) {
  ASSERT_TRUE(testing_support::WriteUtf16File(Path(), L"old"));
  EXPECT_TRUE(ReplaceSettingsFile(store_, Path()));
  EXPECT_EQ(testing_support::ReadFileBytes(Path()),
            std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\nPRINT SPEED\t:\t4 IPS\r\nEND\r\n"));
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
  EXPECT_EQ(testing_support::ReadFileBytes(Path()), old);
}

}  // namespace
}  // namespace vostrel::testing

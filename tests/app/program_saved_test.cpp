// Black-box tests of what the program keeps from one run to the next when a
// file it left is damaged: nothing half-read is written back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/program_fixture.h"
#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/settings_store.h"

namespace vostrel::testing {
namespace {

void WriteBytes(const std::wstring& path, std::string_view bytes) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

struct BadRecent {
  const char* name;
  std::string bytes;
};

void PrintTo(const BadRecent& c, std::ostream* os) { *os << c.name; }

class UnreadableRecent : public ProgramTest, public ::testing::WithParamInterface<BadRecent> {};

// The Standard page's defaults of the first model for the four settings that
// a page left empty would write empty, which the next start rejects.
struct DefaultShown {
  int entry;
  int edit;
  const wchar_t* value;
};
const DefaultShown kNetworkDefaults[] = {
    {entry::kHostName, IDC_STD_HOST_NAME_EDIT, L"VX-130/120 Print Server"},
    {entry::kPortNumber, IDC_STD_PORT_NUMBER_EDIT, L"9100"},
    {entry::kTimeout, IDC_STD_TIMEOUT_EDIT, L"60"},
    {entry::kIpv6PrefixLength, IDC_STD_IPV6_PREFIX_EDIT, L"64"},
};

// An unreadable Recent.dat counts as a missing one: the exit writes the
// Standard defaults, every line of which the next start takes and shows.
TEST_P(UnreadableRecent, CountsAsMissingAndTheExitWritesTheDefaults) {
  WriteBytes(RecentPath(), GetParam().bytes);
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));

  SettingsStore store;
  store.modelIndex = PrinterModel::Vx120Zkq;
  ASSERT_EQ(LoadSettingsBytes(store, testing_support::ReadFileBytes(RecentPath())), LoadResult::Read);
  for (int entry = 0; entry <= kLastStandardEntry; ++entry) {
    EXPECT_EQ(store.Entry(entry).invalid, 0) << "entry " << entry;
  }
  for (const DefaultShown& d : kNetworkDefaults) {
    const SettingItem& item = store.Entry(d.entry);
    EXPECT_EQ(item.selected, 1) << d.value;
    EXPECT_EQ(item.value, d.value);
  }

  ASSERT_NE(Start(), nullptr);
  const HWND standard = PageWith(IDC_STD_HOST_NAME_EDIT);
  ASSERT_NE(standard, nullptr);
  for (const DefaultShown& d : kNetworkDefaults) EXPECT_EQ(TextOf(ControlOf(standard, d.edit)), d.value);
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableRecent,
                         ::testing::Values(BadRecent{"empty", ""},
                                           BadRecent{"binary",
                                                     std::string("\x00\xff\x7f\x80\x1b\x02\xe3\x81\r\n\x00", 11)},
                                           BadRecent{"header_only", "~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\nEND\r\n"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vostrel::testing

// Black-box tests of what the program keeps from one run to the next when a
// file it left is damaged or names a port that is away: nothing of it is lost
// and nothing half-read is written back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "app/program_fixture.h"
#include "link/link_fixtures.h"
#include "link/port_fixtures.h"
#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/settings_store.h"

namespace vostrel::testing {
namespace {

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
  ASSERT_TRUE(WriteFileBytes(RecentPath(), GetParam().bytes));
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));

  SettingsStore store;
  store.modelIndex = PrinterModel::Vx120Zkq;
  ASSERT_EQ(LoadSettingsBytes(store, ReadFileBytes(RecentPath())), LoadResult::Read);
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

using SavedPortTest = ProgramTest;

// The saved COM port is not in the system's list (the printer's adapter is
// unplugged): the COM list shows it marked, a command over it fails to open
// the port, and the preferences keep it.
TEST_F(SavedPortTest, AComPortThatIsAwayStaysSavedAndFailsToOpen) {
  const testing_support::SerialCommValue present(L"\\Device\\VostrelSavedExe" + testing_support::UniqueSuffix(),
                                                 L"COM234");
  ASSERT_TRUE(present.added());
  WriteIni(L"PORT_TYPE=COM\r\nPORT_NAME=COM233:\r\nCOM_SET=19200 8 1 N X\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_TRUE(IsChecked(Item(IDC_MAIN_COM_RADIO)));
  const std::vector<std::wstring> ports = ComboItems(Item(IDC_MAIN_COM_LIST));
  EXPECT_THAT(ports, ::testing::Contains(L"COM234:"));
  const int selected = ComboSelection(Item(IDC_MAIN_COM_LIST));
  ASSERT_GE(selected, 0);
  EXPECT_EQ(ports[static_cast<size_t>(selected)], L"COM233: （見つかりません）");

  Click(Item(IDC_MAIN_RECEIVE));
  const HWND question = program().WaitForMessageBox();
  ASSERT_NE(question, nullptr);
  AnswerAndSettle(question, IDYES);
  const HWND failed = program().WaitForMessageBox();
  ASSERT_NE(failed, nullptr);
  EXPECT_TRUE(ReadMessageBox(failed).text.starts_with(L"code : 30\r\n"));
  AnswerAndSettle(failed, IDOK);

  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
  EXPECT_EQ(IniValue(L"PORT_TYPE"), L"COM");
  EXPECT_EQ(IniValue(L"PORT_NAME"), L"COM233:");
  EXPECT_EQ(IniValue(L"COM_SET"), L"19200 8 1 N X");

  // Once the user picks a port that is there, that one is saved.
  ASSERT_NE(Start(), nullptr);
  const std::vector<std::wstring> again = ComboItems(Item(IDC_MAIN_COM_LIST));
  const auto there = std::find(again.begin(), again.end(), L"COM234:");
  ASSERT_NE(there, again.end());
  SelectComboEntry(window(), IDC_MAIN_COM_LIST, static_cast<int>(there - again.begin()));
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
  EXPECT_EQ(IniValue(L"PORT_NAME"), L"COM234:");
}

}  // namespace
}  // namespace vostrel::testing

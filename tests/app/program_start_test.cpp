// Black-box tests of the program's start: one copy per executable name, the
// window of a first start, and what a restart restores.
#include <gtest/gtest.h>

#include "app/program_fixture.h"

namespace vostrel::testing {
namespace {

using StartTest = ProgramTest;

TEST_F(StartTest, SecondCopyEndsWithTenAndShowsNothingWhileTheFirstRuns) {
  const HWND first = Start();
  ASSERT_NE(first, nullptr);

  GuiProcess second(Exe());
  ASSERT_TRUE(second.started());
  bool showedWindow = false;
  std::optional<DWORD> code;
  WaitUntil(
      [&] {
        showedWindow = showedWindow || !second.Windows().empty();
        code = second.WaitForExit(0);
        return code.has_value();
      },
      20000);
  EXPECT_EQ(code, std::optional<DWORD>(10));
  EXPECT_FALSE(showedWindow);
  EXPECT_TRUE(::IsWindow(first));
  EXPECT_FALSE(program().HasMessageBox());
}

TEST_F(StartTest, CopiesUnderAnotherNameRunSideBySide) {
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(::CopyFileW(Exe().c_str(), Exe(L"Vostrel_Copy").c_str(), FALSE));
  GuiProcess other(Exe(L"Vostrel_Copy"));
  EXPECT_NE(other.WaitForDialog(kProgramName), nullptr);
  EXPECT_FALSE(other.WaitForExit(0).has_value());
}

TEST_F(StartTest, FirstStartShowsTheEasyTabWithTheQueueChosen) {
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(TextOf(window()), L"ZKQ_Vostrel 1.0.0.0");
  EXPECT_FALSE(program().HasMessageBox());

  const HWND tabs = Item(IDC_MAIN_TABS);
  EXPECT_EQ(SelectedTab(tabs), 0);
  const wchar_t* const labels[] = {L"基本", L"詳細", L"情報", L"センサー調整", L"テスト印刷", L"拡張"};
  ASSERT_EQ(TabCount(tabs), 6);
  for (int tab = 0; tab < 6; ++tab) EXPECT_EQ(TabText(program(), tabs, tab), labels[tab]) << tab;

  EXPECT_EQ(TextOf(Item(IDC_MAIN_SEND)), L"設定送信");
  EXPECT_TRUE(IsEnabled(Item(IDC_MAIN_SEND)));
  for (int id : {IDC_MAIN_IMPORT, IDC_MAIN_EXPORT, IDC_MAIN_RECEIVE}) EXPECT_FALSE(IsEnabled(Item(id))) << id;
  EXPECT_FALSE(IsShown(Item(IDC_MAIN_PRINT_ACTION)));

  EXPECT_TRUE(IsChecked(Item(IDC_MAIN_QUEUE_RADIO)));
  for (int id : {IDC_MAIN_COM_RADIO, IDC_MAIN_USB_RADIO, IDC_MAIN_NET_RADIO}) EXPECT_FALSE(IsChecked(Item(id))) << id;
  EXPECT_TRUE(IsEnabled(Item(IDC_MAIN_QUEUE_LIST)));
  for (int id :
       {IDC_MAIN_COM_LIST, IDC_MAIN_COM_DETAIL, IDC_MAIN_USB_LIST, IDC_MAIN_IP_ADDRESS, IDC_MAIN_PORT_NUMBER_EDIT}) {
    EXPECT_FALSE(IsEnabled(Item(id))) << id;
  }
  EXPECT_EQ(TextOf(Item(IDC_MAIN_IP_ADDRESS)), L"192.168.0.1");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_PORT_NUMBER_EDIT)), L"9100");

  EXPECT_EQ(ComboItems(Item(IDC_MAIN_MODEL_LIST)), (std::vector<std::wstring>{L"VX-120-ZKQ", L"VX-135-ZKQ"}));
  EXPECT_EQ(ComboSelection(Item(IDC_MAIN_MODEL_LIST)), 0);
  // The captions the language replaces, and those that keep the template's.
  EXPECT_EQ(TextOf(Item(IDC_MAIN_MODEL_LABEL)), L"プリンタモデル:");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_CHECK_ALL)), L"全選択/全選択解除");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_QUEUE_RADIO)), L"ドライバ名");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_COM_DETAIL)), L"詳細...");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_NET_RADIO)), L"IPアドレス");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_PORT_NUMBER_LABEL)), L"ポート番号:");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_IMPORT)), L"インポート...");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_EXPORT)), L"エクスポート...");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_RECEIVE)), L"受信");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_COM_RADIO)), L"COM / VCOM:");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_USB_RADIO)), L"USB:");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_LINK_GROUP)), L"I/F:");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_QUEUE_PORT_TEXT)), L"");
}

// What a restart brings back from the preferences file: the model and the
// link with its address and port.
TEST_F(StartTest, RestartRestoresModelAndNetLink) {
  WriteIni(L"PRINTER_MODEL=VX-135-ZKQ\r\nPORT_TYPE=NET\r\nPORT_NAME=10.1.2.3\r\nPORT_NUMBER=9200\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(ComboSelection(Item(IDC_MAIN_MODEL_LIST)), 1);
  EXPECT_TRUE(IsChecked(Item(IDC_MAIN_NET_RADIO)));
  EXPECT_FALSE(IsChecked(Item(IDC_MAIN_QUEUE_RADIO)));
  EXPECT_EQ(TextOf(Item(IDC_MAIN_IP_ADDRESS)), L"10.1.2.3");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_PORT_NUMBER_EDIT)), L"9200");
  for (int id : {IDC_MAIN_IP_ADDRESS, IDC_MAIN_PORT_NUMBER_LABEL, IDC_MAIN_PORT_NUMBER_EDIT}) {
    EXPECT_TRUE(IsEnabled(Item(id))) << id;
  }
  EXPECT_FALSE(IsEnabled(Item(IDC_MAIN_QUEUE_LIST)));

  // Nothing changed: nothing is written at the exit.
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
  EXPECT_EQ(IniValue(L"PORT_NAME"), L"10.1.2.3");
  EXPECT_EQ(IniValue(L"PORT_NUMBER"), L"9200");
}

TEST_F(StartTest, HostNameThatResolvesShowsItsAddressAndIsNotWrittenBack) {
  WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=localhost\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_TRUE(IsChecked(Item(IDC_MAIN_NET_RADIO)));
  EXPECT_EQ(TextOf(Item(IDC_MAIN_IP_ADDRESS)), L"127.0.0.1");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_PORT_NUMBER_EDIT)), L"9100");
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
  EXPECT_EQ(IniValue(L"PORT_NAME"), L"localhost");
  EXPECT_EQ(IniValue(L"PORT_NUMBER"), L"<none>");
}

}  // namespace
}  // namespace vostrel::testing

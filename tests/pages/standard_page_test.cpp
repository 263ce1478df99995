// The Standard page from the program's own template, in a host window with
// the main window's send button.
#include "pages/standard_page.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/page_geometry.h"
#include "pages/test_page.h"

namespace vostrel::testing {
namespace {

class StandardHost : public PageHost<CDlgTabStandard> {
 public:
  explicit StandardHost(SettingsStore& store) : PageHost<CDlgTabStandard>(store, IDC_STD_HOST_NAME_EDIT) {}
};

class StandardPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(host_.pageCreated);
  }
  CDlgTabStandard& page() { return host_.page; }
  // What start-up does after the page is made: the texts, then the model.
  void StartUp(PrinterModel model) {
    page().ApplyTexts();
    page().ApplyModel(model, Language::Japanese);
  }
  HWND Item(int id) { return page().Item(id); }
  SettingItem& item(int entryNumber) { return store_.Entry(entryNumber); }
  ui::CheckBox Check(int id) { return ui::CheckBox(Item(id)); }
  ui::ComboBox List(int id) { return ui::ComboBox(Item(id)); }
  std::wstring Text(int id) { return ui::Control(Item(id)).Text(); }
  void SetText(int id, std::wstring_view text) { ui::Control(Item(id)).SetText(text); }
  COLORREF CaptionColour(int id) {
    ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.get(), RGB(1, 2, 3));
    ::SendMessageW(page().hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(Item(id)));
    return ::GetTextColor(dc.get());
  }

  SettingsStore store_;
  StandardHost host_{store_};
};

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST_F(StandardPage, StartsWithItsHiddenControlsHiddenAndTheRangeOfItsScrollBar) {
  for (int id : {IDC_STD_MEDIA_SENSOR_CHECK, IDC_STD_MEDIA_SENSOR_LIST, IDC_STD_SENSOR_LEVEL_CHECK,
                 IDC_STD_PAPER_END_LEVEL_CHECK, IDC_STD_MEDIA_LENGTH_UNIT}) {
    EXPECT_FALSE(ui::Control(Item(id)).IsShown()) << id;
  }
  for (int id : {IDC_STD_SENSOR_LEVEL_EDIT, IDC_STD_PAPER_END_LEVEL_EDIT, IDC_STD_MEDIA_SENSOR_TEXT}) {
    EXPECT_TRUE(ui::Edit(Item(id)).IsReadOnly()) << id;
  }
  EXPECT_EQ(List(IDC_STD_BAUD_LIST).Count(), 7);
  // The lists start in the current language.
  EXPECT_EQ(List(IDC_STD_MEDIA_SENSOR_LIST).ItemText(2), L"連続紙");
  EXPECT_EQ(::SendMessageW(Item(IDC_STD_HOST_NAME_EDIT), EM_GETLIMITTEXT, 0, 0), 31);
  EXPECT_EQ(page().scrollState().maximum, 430);
  EXPECT_EQ(page().scrollState().page, 300);
}

TEST_F(StandardPage, TextsComeFromTheTableInJapanese) {
  // A model first, so that the lists have selections to keep.
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  page().ApplyTexts();

  struct Caption {
    int id;
    const wchar_t* text;
  };
  const Caption captions[] = {
      {IDC_STD_GROUP_PAGE_SETUP, L"印刷設定"},
      {IDC_STD_GROUP_SYSTEM_SETUP, L"システム設定"},
      {IDC_STD_GROUP_INTERFACE, L"LANインターフェース設定"},
      {IDC_STD_GROUP_OPTION_INTERFACE, L"シリアルインターフェース設定"},
      {IDC_STD_PRINT_SPEED_CHECK, L"印刷速度"},
      {IDC_STD_MEDIA_LENGTH_CHECK, L"連続紙用紙長"},
      {IDC_STD_MEDIA_SENSOR_CHECK, L"用紙の種類"},
      {IDC_STD_SENSOR_LEVEL_CHECK, L"センサー閾値"},
      {IDC_STD_PAPER_END_LEVEL_CHECK, L"ペーパーエンド閾値"},
      {IDC_STD_IPV4_MASK_CHECK, L"IPv4 サブネットマスク"},
      {IDC_STD_SEND_BUFFER_CHECK, L"Transmits buffered data"},
      {IDC_STD_IPV6_GATEWAY_CHECK, L"IPv6 Gateway"},
      {IDC_STD_BAUD_CHECK, L"シリアル ボーレート"},
      {IDC_STD_XON_CHECK, L"シリアル X-ON 制御"},
      // Captions without an entry keep the template's text.
      {IDC_STD_TIMEOUT_UNIT, L"SEC"},
      {IDC_STD_SENSOR_LEVEL_UNIT, L"V"},
  };
  for (const Caption& c : captions) EXPECT_EQ(Text(c.id), c.text) << c.id;

  struct Choices {
    int id;
    int count;
    const wchar_t* first;
    const wchar_t* last;
    const wchar_t* selected;  // the selection the model had made, kept
  };
  const Choices lists[] = {
      {IDC_STD_PRINT_SPEED_LIST, 9, L"2 IPS", L"10 IPS", L"6 IPS"},
      {IDC_STD_PRINT_METHOD_LIST, 2, L"熱転写", L"感熱", L"熱転写"},
      {IDC_STD_MEDIA_LENGTH_UNIT, 1, L"MM", L"MM", L"MM"},
      {IDC_STD_MEDIA_SENSOR_LIST, 3, L"透過", L"連続紙", L"反射"},
      {IDC_STD_IPV4_DHCP_LIST, 2, L"OFF", L"ON", L"ON"},
      {IDC_STD_TIMEOUT_ACTION_LIST, 2, L"CLOSE ALL", L"MOVE NEXT", L"CLOSE ALL"},
      {IDC_STD_BAUD_LIST, 7, L"2400", L"115200", L"9600"},
      {IDC_STD_PARITY_LIST, 3, L"無し", L"偶数", L"無し"},
      {IDC_STD_LENGTH_LIST, 2, L"7 ビット", L"8 ビット", L"8 ビット"},
      {IDC_STD_STOP_BIT_LIST, 2, L"1 ビット", L"2 ビット", L"1 ビット"},
      {IDC_STD_XON_LIST, 2, L"NO", L"YES", L"YES"},
  };
  for (const Choices& c : lists) {
    const ui::ComboBox list = List(c.id);
    EXPECT_EQ(list.Count(), c.count) << c.id;
    EXPECT_EQ(list.ItemText(0), c.first) << c.id;
    EXPECT_EQ(list.ItemText(list.Count() - 1), c.last) << c.id;
    EXPECT_EQ(list.SelectedText(), c.selected) << c.id;
  }
  // The read-only field follows the Media Sensor list into Japanese.
  EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), L"反射");
}

TEST_F(StandardPage, EachModelResetsToItsOwnDefaults) {
  struct Case {
    int model;
    int speeds;
    const wchar_t* lastSpeed;
    bool methodEnabled;
    const wchar_t* method;
    const wchar_t* darkness;
    const wchar_t* hostName;
    const wchar_t* mediaSensor;
    const wchar_t* length;
    const wchar_t* mediaSensorStored;
  };
  const Case cases[] = {
      {0, 7, L"8 IPS", false, L"感熱", L"10", L"VX-130/120 Print Server", L"連続紙", L"6.4", L"NONE"},
      {1, 5, L"6 IPS", true, L"熱転写", L"15", L"VX-135/125 Print Server", L"反射", L"101.6", L"REFLECT"},
      {0, 7, L"8 IPS", false, L"感熱", L"10", L"VX-130/120 Print Server", L"連続紙", L"6.4", L"NONE"},
  };
  page().ApplyTexts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    page().CheckAll();
    page().ApplyModel(ModelAt(c.model), Language::Japanese);
    const ui::ComboBox speeds = List(IDC_STD_PRINT_SPEED_LIST);
    EXPECT_EQ(speeds.Count(), c.speeds);
    EXPECT_EQ(speeds.ItemText(speeds.Count() - 1), c.lastSpeed);
    EXPECT_EQ(speeds.SelectedText(), L"6 IPS");
    EXPECT_EQ(Check(IDC_STD_PRINT_METHOD_CHECK).IsEnabled(), c.methodEnabled);
    EXPECT_EQ(ui::Control(Item(IDC_STD_PRINT_METHOD_LIST)).IsEnabled(), c.methodEnabled);
    EXPECT_EQ(List(IDC_STD_PRINT_METHOD_LIST).SelectedText(), c.method);
    EXPECT_EQ(Text(IDC_STD_PRINT_DARKNESS_EDIT), c.darkness);
    EXPECT_EQ(Text(IDC_STD_HOST_NAME_EDIT), c.hostName);
    EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), c.mediaSensor);
    EXPECT_EQ(Text(IDC_STD_MEDIA_LENGTH_EDIT), c.length);
    EXPECT_EQ(Text(IDC_STD_IPV6_ADDRESS_EDIT), L"0000:0000:0000:0000:0000:0000:0000:0000");
    EXPECT_EQ(List(IDC_STD_BAUD_LIST).SelectedText(), L"9600");
    EXPECT_EQ(List(IDC_STD_XON_LIST).SelectedText(), L"YES");
    EXPECT_EQ(List(IDC_STD_PARITY_LIST).SelectedText(), L"無し");
    EXPECT_EQ(List(IDC_STD_LENGTH_LIST).SelectedText(), L"8 ビット");
    EXPECT_EQ(ui::UpDown(Item(IDC_STD_PRINT_DARKNESS_SPIN)).GetRange().high, 30);
    EXPECT_EQ(ui::UpDown(Item(IDC_STD_TIMEOUT_SPIN)).GetRange().high, 300);
    for (const FieldBinding& row : StandardBindings) EXPECT_FALSE(Check(row.checkBox).IsChecked()) << row.checkBox;

    // The Media Sensor choice shown in Japanese is stored as its English word.
    store_.ClearValues();
    Check(IDC_STD_MEDIA_SENSOR_CHECK).SetChecked(true);
    ASSERT_TRUE(page().CollectChecked());
    EXPECT_EQ(item(entry::kMediaSensor).value, c.mediaSensorStored);
  }
}

TEST_F(StandardPage, CheckAllAlsoTicksTheHiddenBoxes) {
  StartUp(PrinterModel::Vx135Zkq);
  page().CheckAll();
  for (const FieldBinding& row : StandardBindings) EXPECT_TRUE(Check(row.checkBox).IsChecked()) << row.checkBox;
  EXPECT_TRUE(page().CollectChecked());
  for (int number = 0; number < kStandardRowCount; ++number) EXPECT_EQ(item(number).selected, 1) << number;
  page().UncheckAll();
  for (const FieldBinding& row : StandardBindings) EXPECT_FALSE(Check(row.checkBox).IsChecked()) << row.checkBox;
}

TEST_F(StandardPage, CollectsEveryKindOfValue) {
  StartUp(PrinterModel::Vx135Zkq);
  ui::IpAddress(Item(IDC_STD_IPV4_ADDRESS)).Set({192, 168, 0, 1});
  SetText(IDC_STD_IPV6_ADDRESS_EDIT, L"2001:0db8:0000:0000:0000:0000:0000:0001");
  SetText(IDC_STD_PRINT_DARKNESS_EDIT, L"45");  // outside the buttons' range: judged later
  List(IDC_STD_PRINT_SPEED_LIST).Select(1);
  page().CheckAll();

  EXPECT_TRUE(page().CollectChecked());

  struct Expected {
    int entry;
    const wchar_t* value;
    const wchar_t* secondValue;
  };
  const Expected expected[] = {
      {entry::kPrintSpeed, L"3 IPS", L""},
      {entry::kPrintDarkness, L"45", L""},
      {entry::kPrintMethod, L"TT", L""},
      {entry::kContinuousMediaLength, L"101.6", L"MM"},
      {entry::kMediaSensor, L"REFLECT", L""},
      {entry::kSensorLevel, L"1.5", L""},
      {entry::kIpv4Address, L"192,168,0,1", L""},
      {entry::kIpv4SubnetMask, L"0,0,0,0", L""},
      {entry::kIpv4Dhcp, L"ON", L""},
      {entry::kHostName, L"VX-135/125 Print Server", L""},
      {entry::kTimeoutAction, L"CLOSE ALL", L""},
      {entry::kIpv6Address, L"32,1,13,184,0,0,0,0,0,0,0,0,0,0,0,1", L""},
      {entry::kIpv6Gateway, L"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", L""},
      {entry::kSendBufferData, L"DISABLE", L""},
      {entry::kIpv6, L"ON", L""},
      {entry::kRs232cBaud, L"9600", L""},
      {entry::kRs232cParity, L"NONE", L""},
      {entry::kRs232cLength, L"8 BITS", L""},
      {entry::kRs232cStopBit, L"1 BIT", L""},
      {entry::kRs232cXOn, L"YES", L""},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(item(e.entry).value, e.value) << e.entry;
    EXPECT_EQ(item(e.entry).secondValue, e.secondValue) << e.entry;
  }
}

TEST_F(StandardPage, CollectingAJapaneseChoiceStoresItsEnglishWord) {
  StartUp(PrinterModel::Vx135Zkq);  // the model on which Print Method is enabled
  struct Case {
    int check;
    int list;
    int index;
    const wchar_t* shown;
    int entry;
    const wchar_t* stored;
  };
  const Case cases[] = {
      {IDC_STD_PRINT_METHOD_CHECK, IDC_STD_PRINT_METHOD_LIST, 0, L"熱転写", entry::kPrintMethod, L"TT"},
      {IDC_STD_PRINT_METHOD_CHECK, IDC_STD_PRINT_METHOD_LIST, 1, L"感熱", entry::kPrintMethod, L"DT"},
      {IDC_STD_MEDIA_SENSOR_CHECK, IDC_STD_MEDIA_SENSOR_LIST, 0, L"透過", entry::kMediaSensor, L"SEE THROUGH"},
      {IDC_STD_MEDIA_SENSOR_CHECK, IDC_STD_MEDIA_SENSOR_LIST, 1, L"反射", entry::kMediaSensor, L"REFLECT"},
      {IDC_STD_MEDIA_SENSOR_CHECK, IDC_STD_MEDIA_SENSOR_LIST, 2, L"連続紙", entry::kMediaSensor, L"NONE"},
      {IDC_STD_IPV4_DHCP_CHECK, IDC_STD_IPV4_DHCP_LIST, 0, L"OFF", entry::kIpv4Dhcp, L"OFF"},
      {IDC_STD_SEND_BUFFER_CHECK, IDC_STD_SEND_BUFFER_LIST, 1, L"ENABLE", entry::kSendBufferData, L"ENABLE"},
      {IDC_STD_IPV6_FIXED_CHECK, IDC_STD_IPV6_FIXED_LIST, 0, L"OFF", entry::kIpv6FixedAddress, L"OFF"},
      {IDC_STD_BAUD_CHECK, IDC_STD_BAUD_LIST, 6, L"115200", entry::kRs232cBaud, L"115200"},
      {IDC_STD_PARITY_CHECK, IDC_STD_PARITY_LIST, 0, L"無し", entry::kRs232cParity, L"NONE"},
      {IDC_STD_PARITY_CHECK, IDC_STD_PARITY_LIST, 1, L"奇数", entry::kRs232cParity, L"ODD"},
      {IDC_STD_PARITY_CHECK, IDC_STD_PARITY_LIST, 2, L"偶数", entry::kRs232cParity, L"EVEN"},
      {IDC_STD_LENGTH_CHECK, IDC_STD_LENGTH_LIST, 0, L"7 ビット", entry::kRs232cLength, L"7 BITS"},
      {IDC_STD_STOP_BIT_CHECK, IDC_STD_STOP_BIT_LIST, 1, L"2 ビット", entry::kRs232cStopBit, L"2 BITS"},
      {IDC_STD_XON_CHECK, IDC_STD_XON_LIST, 0, L"NO", entry::kRs232cXOn, L"NO"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    page().UncheckAll();
    store_.ClearValues();
    ASSERT_TRUE(List(c.list).Select(c.index));
    EXPECT_EQ(List(c.list).SelectedText(), c.shown);
    Check(c.check).SetChecked(true);
    ASSERT_TRUE(page().CollectChecked());
    EXPECT_EQ(item(c.entry).value, c.stored);
    // Showing the stored choice again selects the same Japanese text.
    item(c.entry).choice = c.index;
    List(c.list).Select(-1);
    page().ShowStored();
    EXPECT_EQ(List(c.list).SelectedText(), c.shown);
  }
}

TEST_F(StandardPage, ShowStoredMarksAnInvalidItemAndShowsTheOthers) {
  StartUp(PrinterModel::Vx135Zkq);
  item(entry::kHostName).selected = 1;
  item(entry::kHostName).value = L"far too long a host name";
  item(entry::kHostName).invalid = 1;
  item(entry::kIpv4Gateway).selected = 1;
  item(entry::kIpv4Gateway).value = L"10.0.0.254";
  item(entry::kMediaSensor).selected = 1;
  item(entry::kMediaSensor).choice = 0;
  item(entry::kMediaSensor).invalid = 1;
  item(entry::kContinuousMediaLength).selected = 1;
  item(entry::kContinuousMediaLength).value = L"50.0";
  item(entry::kContinuousMediaLength).unitIndex = 1;
  item(entry::kRs232cParity).selected = 1;
  item(entry::kRs232cParity).choice = 1;
  item(entry::kRs232cStopBit).selected = 1;
  item(entry::kRs232cStopBit).choice = 7;  // names no entry

  EXPECT_FALSE(page().ShowStored());

  EXPECT_TRUE(Check(IDC_STD_HOST_NAME_CHECK).IsChecked());
  EXPECT_EQ(Text(IDC_STD_HOST_NAME_EDIT), L"");
  EXPECT_EQ(CaptionColour(IDC_STD_HOST_NAME_CHECK), kRed);
  EXPECT_TRUE(Check(IDC_STD_IPV4_GATEWAY_CHECK).IsChecked());
  EXPECT_EQ(ui::IpAddress(Item(IDC_STD_IPV4_GATEWAY)).Get(), (ui::IpAddress::Octets{10, 0, 0, 254}));
  EXPECT_NE(CaptionColour(IDC_STD_IPV4_GATEWAY_CHECK), kRed);
  // The hidden Media Sensor box is never red; its choice shows in the field.
  EXPECT_NE(CaptionColour(IDC_STD_MEDIA_SENSOR_CHECK), kRed);
  EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), L"透過");
  EXPECT_EQ(Text(IDC_STD_MEDIA_LENGTH_EDIT), L"50.0");
  EXPECT_EQ(List(IDC_STD_PARITY_LIST).SelectedText(), L"奇数");
  EXPECT_TRUE(Check(IDC_STD_STOP_BIT_CHECK).IsChecked());
  EXPECT_FALSE(Check(IDC_STD_PORT_NUMBER_CHECK).IsChecked());

  // A unit index that names no entry still collects as "MM"; a choice that
  // names no entry collects as an empty value, left to the read-back.
  store_.ClearValues();
  ASSERT_TRUE(page().CollectChecked());
  EXPECT_EQ(item(entry::kContinuousMediaLength).secondValue, L"MM");
  EXPECT_EQ(item(entry::kIpv4Gateway).value, L"10,0,0,254");
  EXPECT_EQ(item(entry::kMediaSensor).value, L"SEE THROUGH");
  EXPECT_EQ(item(entry::kRs232cParity).value, L"ODD");
  EXPECT_EQ(item(entry::kRs232cStopBit).selected, 1);
  EXPECT_EQ(item(entry::kRs232cStopBit).value, L"");
}

TEST_F(StandardPage, ShowSentPutsIpv6AddressesBackInColonFormAndLeavesTheLists) {
  StartUp(PrinterModel::Vx120Zkq);
  SetText(IDC_STD_IPV6_GATEWAY_EDIT, L"fe80:0000:0000:0000:0202:b3ff:fe1e:8329");
  Check(IDC_STD_IPV6_GATEWAY_CHECK).SetChecked(true);
  List(IDC_STD_PARITY_LIST).Select(2);
  Check(IDC_STD_PARITY_CHECK).SetChecked(true);
  Check(IDC_STD_MEDIA_SENSOR_CHECK).SetChecked(true);
  ASSERT_TRUE(page().CollectChecked());
  EXPECT_EQ(item(entry::kIpv6Gateway).value, L"254,128,0,0,0,0,0,0,2,2,179,255,254,30,131,41");
  EXPECT_EQ(item(entry::kRs232cParity).value, L"EVEN");
  EXPECT_EQ(item(entry::kMediaSensor).value, L"NONE");
  page().UncheckAll();
  SetText(IDC_STD_IPV6_GATEWAY_EDIT, L"");
  page().ShowSent();
  EXPECT_TRUE(Check(IDC_STD_IPV6_GATEWAY_CHECK).IsChecked());
  EXPECT_EQ(Text(IDC_STD_IPV6_GATEWAY_EDIT), L"fe80:0000:0000:0000:0202:b3ff:fe1e:8329");
  EXPECT_EQ(item(entry::kIpv6Gateway).value, L"fe80:0000:0000:0000:0202:b3ff:fe1e:8329");
  // A list keeps its Japanese text; the English word stays in the store.
  EXPECT_TRUE(Check(IDC_STD_PARITY_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_PARITY_LIST).SelectedText(), L"偶数");
  EXPECT_EQ(item(entry::kRs232cParity).value, L"EVEN");
  EXPECT_TRUE(Check(IDC_STD_MEDIA_SENSOR_CHECK).IsChecked());
  EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), L"連続紙");
}

TEST_F(StandardPage, SharedValuesTravelAndSavedCopiesComeBack) {
  StartUp(PrinterModel::Vx135Zkq);
  // Darkness is copied at every change, the network edits only on TakeShared.
  SetText(IDC_STD_PRINT_DARKNESS_EDIT, L"20");
  SetText(IDC_STD_HOST_NAME_EDIT, L"label-1");
  EXPECT_EQ(page().savedEdits()[0], L"20");
  EXPECT_EQ(page().savedEdits()[4], L"VX-135/125 Print Server");  // the model's, not the typed text

  Check(IDC_STD_MEDIA_SENSOR_CHECK).SetChecked(true);
  const MediaChoice shared = page().TakeShared();
  EXPECT_TRUE(shared.mediaSensorChecked);
  EXPECT_EQ(shared.mediaSensorIndex, 1);
  EXPECT_EQ(shared.mediaLength, L"101.6");
  EXPECT_EQ(shared.mediaLengthUnit, 0);
  EXPECT_FALSE(shared.printMethodChecked);
  EXPECT_EQ(shared.printMethodIndex, 0);
  EXPECT_EQ(page().savedEdits()[4], L"label-1");

  // A model change gives the saved copies the model's defaults, so that
  // nothing of the earlier printer comes back with a hand-over; a network
  // edit typed since is not copied before TakeShared and gives way to them.
  page().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  EXPECT_EQ(page().savedEdits()[4], L"VX-130/120 Print Server");
  SetText(IDC_STD_HOST_NAME_EDIT, L"typed-since");
  page().PutShared(
      {.mediaSensorChecked = false, .mediaSensorIndex = 2, .printMethodChecked = true, .printMethodIndex = 1});
  EXPECT_FALSE(Check(IDC_STD_MEDIA_SENSOR_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_MEDIA_SENSOR_LIST).Selected(), 2);
  EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), L"連続紙");
  EXPECT_TRUE(Check(IDC_STD_PRINT_METHOD_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_PRINT_METHOD_LIST).Selected(), 1);
  EXPECT_EQ(Text(IDC_STD_PRINT_DARKNESS_EDIT), L"10");  // followed: the reset's text was copied
  EXPECT_EQ(Text(IDC_STD_HOST_NAME_EDIT), L"VX-130/120 Print Server");
  EXPECT_EQ(Text(IDC_STD_MEDIA_LENGTH_EDIT), L"6.4");

  // The calibration's hand-over names no print method: that list stays.
  page().PutShared({.mediaSensorChecked = true, .mediaSensorIndex = 0, .printMethodChecked = false});
  EXPECT_TRUE(Check(IDC_STD_MEDIA_SENSOR_CHECK).IsChecked());
  EXPECT_EQ(Text(IDC_STD_MEDIA_SENSOR_TEXT), L"透過");
  EXPECT_FALSE(Check(IDC_STD_PRINT_METHOD_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_PRINT_METHOD_LIST).Selected(), 1);
}

TEST_F(StandardPage, ResetKeepSharedLeavesPrintMethodAndMediaSensor) {
  StartUp(PrinterModel::Vx135Zkq);
  page().CheckAll();
  List(IDC_STD_PRINT_METHOD_LIST).Select(1);
  List(IDC_STD_MEDIA_SENSOR_LIST).Select(0);
  SetText(IDC_STD_TIMEOUT_EDIT, L"5");
  page().ResetKeepShared();
  EXPECT_TRUE(Check(IDC_STD_PRINT_METHOD_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_PRINT_METHOD_LIST).Selected(), 1);
  EXPECT_TRUE(Check(IDC_STD_MEDIA_SENSOR_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_STD_MEDIA_SENSOR_LIST).Selected(), 0);
  EXPECT_FALSE(Check(IDC_STD_TIMEOUT_CHECK).IsChecked());
  EXPECT_EQ(Text(IDC_STD_TIMEOUT_EDIT), L"60");
  EXPECT_EQ(Text(IDC_STD_PRINT_DARKNESS_EDIT), L"15");
}

TEST_F(StandardPage, SelectAllForSaveChecksAndHidesEveryBox) {
  StartUp(PrinterModel::Vx120Zkq);
  page().SelectAllForSave();
  for (const FieldBinding& row : StandardBindings) {
    EXPECT_TRUE(Check(row.checkBox).IsChecked()) << row.checkBox;
    EXPECT_FALSE(Check(row.checkBox).IsShown()) << row.checkBox;
  }
  ASSERT_TRUE(page().CollectChecked());
  // The first model greys Print Method, so it stays out of the saved set.
  EXPECT_EQ(item(entry::kPrintMethod).selected, 0);
  EXPECT_EQ(item(entry::kPrintDarkness).selected, 1);
}

TEST_F(StandardPage, PageDownTwiceStopsAtTheLastFullView) {
  ::SendMessageW(page().hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  ::SendMessageW(page().hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(page().scrollState().position, 131);
  ::SendMessageW(page().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(page().scrollState().position, 81);
}

TEST_F(StandardPage, FillsItsScrollRangeAndTheFirstViewCutsNoRow) {
  ::MoveWindow(page().hwnd(), 10, 10, kPageWidth, kPageHeight, FALSE);
  RECT client{};
  ::GetClientRect(page().hwnd(), &client);
  const std::vector<ChildBox> boxes = ShownChildren(page().hwnd());
  // The view travels maximum - page + 1 pixels: at its end the last row
  // stands just above the bottom edge, with no blank band below it.
  const int end = kPageHeight + CDlgTabStandard::kScrollMaximum - CDlgTabStandard::kScrollPage + 1;
  const int bottom = ContentBottom(boxes);
  EXPECT_LE(bottom, end);
  EXPECT_GE(bottom, end - 8);
  for (const ChildBox& box : boxes) EXPECT_LE(box.rect.right, client.right) << box.id;
  for (int id : ControlsCutAt(boxes, kPageHeight)) ADD_FAILURE() << id << " is cut by the first view's edge";
}

TEST_F(StandardPage, ReadOnlyFieldsTakeNoTabStop) {
  for (int id : {IDC_STD_MEDIA_SENSOR_TEXT, IDC_STD_SENSOR_LEVEL_EDIT, IDC_STD_PAPER_END_LEVEL_EDIT}) {
    EXPECT_EQ(::GetWindowLongW(Item(id), GWL_STYLE) & WS_TABSTOP, 0) << id;
  }
  EXPECT_NE(::GetWindowLongW(Item(IDC_STD_HOST_NAME_EDIT), GWL_STYLE) & WS_TABSTOP, 0);
}

}  // namespace
}  // namespace vostrel::testing

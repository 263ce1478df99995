// Script preparation on the real Standard page, in a host window, with the
// message boxes it shows read and answered.
#include "operations/prepare_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/advanced_page.h"
#include "pages/standard_page.h"
#include "pages/test_page.h"
#include "protocol/command_set.h"
#include "settings/printer_model.h"
#include "support/message_box_catcher.h"

namespace vostrel::testing {
namespace {

using testing_support::CaughtBox;
using testing_support::MessageBoxCatcher;

constexpr const wchar_t* kNothingSelected = L"code : 24\r\n設定する項目を選択して下さい。";
constexpr const wchar_t* kRejectedValue = L"code : 23\r\n設定データに誤りがあります。";
constexpr COLORREF kRed = RGB(255, 0, 0);

class StandardHost : public PageHost<CDlgTabStandard> {
 public:
  explicit StandardHost(SettingsStore& store) : PageHost<CDlgTabStandard>(store, IDC_STD_HOST_NAME_EDIT) {}
};

class AdvancedHost : public PageHost<CDlgTabAdvanced> {
 public:
  explicit AdvancedHost(SettingsStore& store) : PageHost<CDlgTabAdvanced>(store, IDC_ADV_USB_SERIAL_EDIT) {}
};

class PrepareScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(host_.pageCreated);
    ASSERT_TRUE(advancedHost_.CreateModeless(nullptr));
    ASSERT_TRUE(advancedHost_.pageCreated);
    StartUp(PrinterModel::Vx135Zkq);
  }

  // What start-up does after the page is made, and what a command does
  // before it prepares a script.
  void StartUp(PrinterModel model) {
    model_ = model;
    page().ApplyTexts();
    page().ApplyModel(model, Language::Japanese);
    advanced().ApplyModel(model, Language::Japanese);
    store_.modelIndex = model;
    store_.ClearValues();
  }

  bool Prepare(ScriptVariant variant, bool advancedAccepted = false) {
    MessageBoxCatcher catcher;
    const ScriptPreparation with{.store = store_,
                                 .standard = page(),
                                 .advanced = advancedPage_,
                                 .advancedAccepted = advancedAccepted,
                                 .script = {Language::Japanese, ModelName(model_)},
                                 .owner = host_.hwnd()};
    const bool prepared = PrepareScript(with, variant);
    boxes_ = catcher.Boxes();
    return prepared;
  }

  // The texts of the boxes shown by the last preparation.
  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const CaughtBox& box : boxes_) texts.push_back(box.text);
    return texts;
  }

  CDlgTabStandard& page() { return host_.page; }
  CDlgTabAdvanced& advanced() { return advancedHost_.page; }
  HWND Item(int id) { return page().Item(id); }
  SettingItem& item(int entryNumber) { return store_.Entry(entryNumber); }
  ui::CheckBox Check(int id) { return ui::CheckBox(Item(id)); }
  ui::ComboBox List(int id) { return ui::ComboBox(Item(id)); }
  std::wstring Text(int id) { return ui::Control(Item(id)).Text(); }
  void Type(int id, std::wstring_view text) { ui::Control(Item(id)).SetText(text); }
  // A user's click on a visible check box of the Standard page (or of
  // `onPage`).
  void Tick(int id, SettingsPage* onPage = nullptr) {
    const HWND box = (onPage ? onPage : &page())->Item(id);
    ASSERT_TRUE(ui::Control(box).IsShown()) << id;
    ASSERT_FALSE(ui::CheckBox(box).IsChecked()) << id;
    ::SendMessageW(box, BM_CLICK, 0, 0);
    ASSERT_TRUE(ui::CheckBox(box).IsChecked()) << id;
  }
  void TickAdvanced(int id) { Tick(id, &advanced()); }
  void TypeAdvanced(int id, std::wstring_view text) { ui::Control(advanced().Item(id)).SetText(text); }
  ui::ComboBox AdvancedList(int id) { return ui::ComboBox(advanced().Item(id)); }
  // The Media Sensor row is hidden: the Easy page and the sensor adjustment
  // tick it and choose its entry through the page.
  void TickMediaSensor(int index) {
    ASSERT_TRUE(List(IDC_STD_MEDIA_SENSOR_LIST).Select(index));
    Check(IDC_STD_MEDIA_SENSOR_CHECK).SetChecked(true);
  }
  COLORREF CaptionColour(int id, SettingsPage* onPage = nullptr) {
    SettingsPage& shown = onPage ? *onPage : page();
    ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.get(), RGB(1, 2, 3));
    ::SendMessageW(shown.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(shown.Item(id)));
    return ::GetTextColor(dc.get());
  }

  SettingsStore store_;
  StandardHost host_{store_};
  AdvancedHost advancedHost_{store_};
  SettingsPage* advancedPage_ = &advancedHost_.page;
  PrinterModel model_ = PrinterModel::Vx135Zkq;
  std::vector<CaughtBox> boxes_;
};

constexpr ScriptVariant kVariants[] = {ScriptVariant::Send, ScriptVariant::Export, ScriptVariant::Calibration};

TEST_F(PrepareScriptTest, NothingTickedShowsCode24AndBuildsNothing) {
  for (const ScriptVariant variant : kVariants) {
    SCOPED_TRACE(static_cast<int>(variant));
    store_.ClearValues();
    EXPECT_FALSE(Prepare(variant));
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{kNothingSelected});
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].icon, MessageBoxCatcher::IconOf(IDI_ERROR));
    EXPECT_EQ(store_.textBuffer, L"");
    for (int number = 0; number < kScriptEntryCount; ++number) EXPECT_EQ(item(number).selected, 0) << number;
  }
}

TEST_F(PrepareScriptTest, ADisabledTickedRowCountsAsNothingTicked) {
  StartUp(PrinterModel::Vx120Zkq);  // Print Method is greyed out for this model
  Check(IDC_STD_PRINT_METHOD_CHECK).SetChecked(true);
  EXPECT_FALSE(Prepare(ScriptVariant::Export));
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{kNothingSelected});
  EXPECT_EQ(item(entry::kPrintMethod).selected, 0);
}

TEST_F(PrepareScriptTest, TheWorkedExampleBecomesItsThirteenLines) {
  List(IDC_STD_PRINT_SPEED_LIST).Select(2);  // 4 IPS
  Tick(IDC_STD_PRINT_SPEED_CHECK);
  Type(IDC_STD_PRINT_DARKNESS_EDIT, L"10");
  Tick(IDC_STD_PRINT_DARKNESS_CHECK);
  List(IDC_STD_PRINT_METHOD_LIST).Select(0);  // 熱転写, TT
  Tick(IDC_STD_PRINT_METHOD_CHECK);
  Type(IDC_STD_MEDIA_LENGTH_EDIT, L"100");
  Tick(IDC_STD_MEDIA_LENGTH_CHECK);
  TickMediaSensor(0);  // SEE THROUGH
  ui::IpAddress(Item(IDC_STD_IPV4_ADDRESS)).Set({192, 168, 10, 21});
  Tick(IDC_STD_IPV4_ADDRESS_CHECK);
  ui::IpAddress(Item(IDC_STD_IPV4_MASK)).Set({255, 255, 255, 0});
  Tick(IDC_STD_IPV4_MASK_CHECK);
  ui::IpAddress(Item(IDC_STD_IPV4_GATEWAY)).Set({192, 168, 10, 1});
  Tick(IDC_STD_IPV4_GATEWAY_CHECK);
  List(IDC_STD_IPV4_DHCP_LIST).Select(0);  // OFF
  Tick(IDC_STD_IPV4_DHCP_CHECK);
  Tick(IDC_STD_PORT_NUMBER_CHECK);  // 9100 by default
  Type(IDC_STD_TIMEOUT_EDIT, L"300");
  Tick(IDC_STD_TIMEOUT_CHECK);
  Tick(IDC_STD_BAUD_CHECK);  // 9600 by default

  ASSERT_TRUE(Prepare(ScriptVariant::Send));

  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(store_.textBuffer,
            L"PRINT SPEED\t:\t4 IPS\r\n"
            L"PRINT DARKNESS\t:\t10\r\n"
            L"PRINT METHOD\t:\tTT\r\n"
            L"CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM\r\n"
            L"MEDIA SENSOR\t:\tSEE THROUGH\r\n"
            L"IPV4 ADDRESS\t:\t192,168,10,21\r\n"
            L"IPV4 SUBNET MASK\t:\t255,255,255,0\r\n"
            L"IPV4 GATEWAY\t:\t192,168,10,1\r\n"
            L"IPV4 DHCP\t:\tOFF\r\n"
            L"PORT NUMBER\t:\t9100\r\n"
            L"TIMEOUT\t:\t300\tSEC\r\n"
            L"RS-232C BAUD\t:\t9600\r\n"
            L"END\r\n");
  // The slot keeps the normal form too, so that ShowSent shows it.
  EXPECT_EQ(item(entry::kContinuousMediaLength).value, L"100.0");

  // What the commands then write: the prefix and the script, byte for byte.
  SendBuffer buffer{};
  const Outgoing outgoing = BuildOutgoing(buffer, store_.textBuffer, PrefixUse::WithPrefix);
  ASSERT_EQ(outgoing.status, OutgoingStatus::Ready);
  const std::string expected =
      std::string(kCommandPrefix) + std::string(store_.textBuffer.begin(), store_.textBuffer.end());
  EXPECT_EQ(std::string(buffer.data(), outgoing.byteCount), expected);
}

TEST_F(PrepareScriptTest, AcceptedNumbersReachTheScriptInTheirNormalForm) {
  struct Case {
    int check;
    int edit;
    const wchar_t* typed;
    const wchar_t* line;
  };
  const Case cases[] = {
      {IDC_STD_MEDIA_LENGTH_CHECK, IDC_STD_MEDIA_LENGTH_EDIT, L"100", L"CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM\r\n"},
      {IDC_STD_MEDIA_LENGTH_CHECK, IDC_STD_MEDIA_LENGTH_EDIT, L"6.40", L"CONTINUOUS MEDIA LENGTH\t:\t6.4\tMM\r\n"},
      {IDC_STD_PRINT_DARKNESS_CHECK, IDC_STD_PRINT_DARKNESS_EDIT, L"08", L"PRINT DARKNESS\t:\t8\r\n"},
      {IDC_STD_TIMEOUT_CHECK, IDC_STD_TIMEOUT_EDIT, L"007", L"TIMEOUT\t:\t7\tSEC\r\n"},
      {IDC_STD_PORT_NUMBER_CHECK, IDC_STD_PORT_NUMBER_EDIT, L"9100", L"PORT NUMBER\t:\t9100\r\n"},
      {IDC_STD_IPV6_PREFIX_CHECK, IDC_STD_IPV6_PREFIX_EDIT, L"0064", L"IPV6 PREFIX LENGTH\t:\t64\r\n"},
  };
  for (const ScriptVariant variant : kVariants) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::wstring(c.typed) + L" variant " + std::to_wstring(static_cast<int>(variant)));
      page().UncheckAll();
      store_.ClearValues();
      Type(c.edit, c.typed);
      Tick(c.check);

      ASSERT_TRUE(Prepare(variant));

      EXPECT_TRUE(boxes_.empty());
      const std::wstring closing(variant == ScriptVariant::Calibration ? kCalibrationClosingLines : L"END\r\n");
      EXPECT_EQ(store_.textBuffer, c.line + closing);
      EXPECT_EQ(item(entry::kPrintDarkness).invalid, 0);
    }
  }
}

TEST_F(PrepareScriptTest, ARejectedValueShowsCode23AndStaysRedAsTyped) {
  // A page whose texts were applied after its model offers all nine speeds.
  page().ApplyTexts();
  ASSERT_EQ(List(IDC_STD_PRINT_SPEED_LIST).Count(), 9);

  struct Case {
    int check;
    int list;  // select `index` in it, or 0: type `typed` into `edit`
    int index;
    int edit;
    const wchar_t* typed;
    int entry;
    const wchar_t* kept;
    const wchar_t* firstLine;
  };
  const Case cases[] = {
      {IDC_STD_PRINT_SPEED_CHECK, IDC_STD_PRINT_SPEED_LIST, 7, 0, nullptr, entry::kPrintSpeed, L"9 IPS",
       L"PRINT SPEED\t:\t9 IPS\r\n"},
      {IDC_STD_PRINT_SPEED_CHECK, IDC_STD_PRINT_SPEED_LIST, 8, 0, nullptr, entry::kPrintSpeed, L"10 IPS",
       L"PRINT SPEED\t:\t10 IPS\r\n"},
      {IDC_STD_PRINT_DARKNESS_CHECK, 0, 0, IDC_STD_PRINT_DARKNESS_EDIT, L"031", entry::kPrintDarkness, L"031",
       L"PRINT DARKNESS\t:\t031\r\n"},
      {IDC_STD_MEDIA_LENGTH_CHECK, 0, 0, IDC_STD_MEDIA_LENGTH_EDIT, L"6.45", entry::kContinuousMediaLength, L"6.45",
       L"CONTINUOUS MEDIA LENGTH\t:\t6.45\tMM\r\n"},
      {IDC_STD_PORT_NUMBER_CHECK, 0, 0, IDC_STD_PORT_NUMBER_EDIT, L"80", entry::kPortNumber, L"80",
       L"PORT NUMBER\t:\t80\r\n"},
      {IDC_STD_TIMEOUT_CHECK, 0, 0, IDC_STD_TIMEOUT_EDIT, L"", entry::kTimeout, L"", L"TIMEOUT\t:\t\tSEC\r\n"},
      // The printer takes printable ASCII only.
      {IDC_STD_HOST_NAME_CHECK, 0, 0, IDC_STD_HOST_NAME_EDIT, L"プリンタ1", entry::kHostName, L"プリンタ1",
       L"HOST NAME\t:\tプリンタ1\r\n"},
  };
  for (const ScriptVariant variant : kVariants) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::wstring(c.kept) + L" variant " + std::to_wstring(static_cast<int>(variant)));
      page().UncheckAll();
      store_.ClearValues();
      // A valid row beside it: its normal form must not reach the first
      // script either.
      Type(IDC_STD_PRINT_DARKNESS_EDIT, L"08");
      Tick(IDC_STD_PRINT_DARKNESS_CHECK);
      if (c.list) {
        ASSERT_TRUE(List(c.list).Select(c.index));
      } else {
        Type(c.edit, c.typed);
      }
      if (c.check != IDC_STD_PRINT_DARKNESS_CHECK) Tick(c.check);

      EXPECT_FALSE(Prepare(variant));

      EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{kRejectedValue});
      EXPECT_EQ(item(c.entry).invalid, 1);
      EXPECT_EQ(item(c.entry).value, c.kept);
      EXPECT_EQ(CaptionColour(c.check), kRed);
      EXPECT_TRUE(Check(c.check).IsChecked());
      if (c.edit) {
        EXPECT_EQ(Text(c.edit), c.typed);
      }
      // The buffer keeps the first script, as it was built from the page.
      const std::wstring darkness = c.entry == entry::kPrintDarkness ? L"" : L"PRINT DARKNESS\t:\t08\r\n";
      const std::wstring firstScript = c.entry == entry::kPrintSpeed ? c.firstLine + darkness : darkness + c.firstLine;
      EXPECT_EQ(store_.textBuffer, firstScript + L"END\r\n");
      if (c.entry != entry::kPrintDarkness) {
        EXPECT_NE(CaptionColour(IDC_STD_PRINT_DARKNESS_CHECK), kRed);
      }
    }
  }
}

TEST_F(PrepareScriptTest, SendNeverTakesTheSensorLevelsAndPutsTheirBoxesBack) {
  struct Case {
    bool sensorLevel;
    bool paperEndLevel;
  };
  const Case cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.sensorLevel << c.paperEndLevel);
    page().UncheckAll();
    store_.ClearValues();
    Tick(IDC_STD_HOST_NAME_CHECK);
    // Their boxes are hidden: Check All (and a receive) tick them.
    Check(IDC_STD_SENSOR_LEVEL_CHECK).SetChecked(c.sensorLevel);
    Check(IDC_STD_PAPER_END_LEVEL_CHECK).SetChecked(c.paperEndLevel);

    ASSERT_TRUE(Prepare(ScriptVariant::Send));

    EXPECT_EQ(store_.textBuffer, L"HOST NAME\t:\tVX-135/125 Print Server\r\nEND\r\n");
    EXPECT_EQ(item(entry::kSensorLevel).selected, 0);
    EXPECT_EQ(item(entry::kPaperEndLevel).selected, 0);
    EXPECT_EQ(Check(IDC_STD_SENSOR_LEVEL_CHECK).IsChecked(), c.sensorLevel);
    EXPECT_EQ(Check(IDC_STD_PAPER_END_LEVEL_CHECK).IsChecked(), c.paperEndLevel);
  }
}

TEST_F(PrepareScriptTest, TheSensorLevelsAloneAreNothingToSendButSomethingToExport) {
  struct Case {
    ScriptVariant variant;
    bool prepared;
    std::vector<std::wstring> boxes;
    std::int32_t selected;
  };
  const Case cases[] = {
      {ScriptVariant::Send, false, {kNothingSelected}, 0},
      // Collected, but a script never carries the two levels.
      {ScriptVariant::Export, true, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.variant));
    store_.ClearValues();
    Check(IDC_STD_SENSOR_LEVEL_CHECK).SetChecked(true);
    Check(IDC_STD_PAPER_END_LEVEL_CHECK).SetChecked(true);

    EXPECT_EQ(Prepare(c.variant), c.prepared);

    EXPECT_EQ(BoxTexts(), c.boxes);
    EXPECT_EQ(store_.textBuffer, c.prepared ? L"END\r\n" : L"");
    EXPECT_EQ(item(entry::kSensorLevel).selected, c.selected);
    EXPECT_TRUE(Check(IDC_STD_SENSOR_LEVEL_CHECK).IsChecked());
    EXPECT_TRUE(Check(IDC_STD_PAPER_END_LEVEL_CHECK).IsChecked());
  }
}

TEST_F(PrepareScriptTest, CalibrationReplacesOnlyTheClosingLine) {
  struct Case {
    const wchar_t* hostName;
  };
  const Case cases[] = {{L"PRINTEREND"}, {L"END"}, {L"END END"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hostName);
    page().UncheckAll();
    store_.ClearValues();
    TickMediaSensor(1);  // black marks: REFLECT
    Type(IDC_STD_HOST_NAME_EDIT, c.hostName);
    Tick(IDC_STD_HOST_NAME_CHECK);

    ASSERT_TRUE(Prepare(ScriptVariant::Calibration));

    EXPECT_EQ(store_.textBuffer,
              L"MEDIA SENSOR\t:\tREFLECT\r\n"
              L"HOST NAME\t:\t" +
                  std::wstring(c.hostName) +
                  L"\r\n"
                  L"AUTO CALIBRATION\r\nSAVE\r\nEND\r\n");
  }
}

TEST_F(PrepareScriptTest, AStaleBufferDoesNotReachTheScript) {
  // The buffer still holds what an earlier command left in it.
  store_.textBuffer = L"PRINT SPEED\t:\t9 IPS\r\nEND\r\n";
  Tick(IDC_STD_PORT_NUMBER_CHECK);
  ASSERT_TRUE(Prepare(ScriptVariant::Calibration));
  EXPECT_EQ(store_.textBuffer, L"PORT NUMBER\t:\t9100\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n");
  EXPECT_EQ(item(entry::kPrintSpeed).invalid, 0);
}

TEST_F(PrepareScriptTest, ExportWithTheAdvancedPageAcceptedButNotThereTakesTheStandardRows) {
  advancedPage_ = nullptr;
  Tick(IDC_STD_PORT_NUMBER_CHECK);
  ASSERT_TRUE(Prepare(ScriptVariant::Export, true));
  EXPECT_EQ(store_.textBuffer, L"PORT NUMBER\t:\t9100\r\nEND\r\n");
}

// Advanced rows of every kind: numbers in dots, volts and levels, a counter,
// a doubled word and the serial number with its switch.
class AdvancedRowsTicked : public PrepareScriptTest {
 protected:
  void SetUp() override {
    PrepareScriptTest::SetUp();
    Tick(IDC_STD_PORT_NUMBER_CHECK);
    TypeAdvanced(IDC_ADV_TEAR_POS_EDIT, L"08");
    TickAdvanced(IDC_ADV_TEAR_POS_CHECK);
    TypeAdvanced(IDC_ADV_THROUGH_SENSOR_EDIT, L"1");
    TickAdvanced(IDC_ADV_THROUGH_SENSOR_CHECK);
    TypeAdvanced(IDC_ADV_ADJ_THROUGH_CAL_EDIT, L"2.3");
    TickAdvanced(IDC_ADV_ADJ_THROUGH_CAL_CHECK);
    ASSERT_TRUE(AdvancedList(IDC_ADV_DOUBLE_HEAT_LIST).Select(1));  // ON
    TickAdvanced(IDC_ADV_DOUBLE_HEAT_CHECK);
    ASSERT_TRUE(AdvancedList(IDC_ADV_USB_SERIAL_LIST).Select(1));  // ON
    TypeAdvanced(IDC_ADV_USB_SERIAL_EDIT, L"A123");
    TickAdvanced(IDC_ADV_USB_SERIAL_CHECK);
    TypeAdvanced(IDC_ADV_HEAD_CLEAN_EDIT, L"0001500");
    TickAdvanced(IDC_ADV_HEAD_CLEAN_CHECK);
    TickAdvanced(IDC_ADV_PATTERN_WIDTH_CHECK);  // 1240 at 300dpi, the second model's default
  }
};

constexpr const wchar_t* kPortNumberLine = L"PORT NUMBER\t:\t9100\r\n";
constexpr const wchar_t* kAdvancedLines =
    L"MACH TEAR POS\t:\t8\tDOTS\r\n"
    L"SEE THROUGH SENSOR\t:\t1.0\tV\r\n"
    L"ADJ THROUGH CAL LEVEL\t:\t2.30\tV\r\n"
    L"DOUBLE HEAT MENU\t:\tON\r\n"
    L"DOUBLE HEAT\t:\tON\r\n"
    L"USB SERIAL NUMBER\t:\tON\r\n"
    L"SERIAL NUMBER\t:\tA123\r\n"
    L"HEAD CLEAN MESSAGE\t:\t1500\tM\r\n"
    L"HEAD CHECK PATTERN WIDTH\t:\t1240\tDOTS\r\n";

TEST_F(AdvancedRowsTicked, OnlyExportTakesThemAndOnlyOnceTheAdvancedPageIsAccepted) {
  struct Case {
    ScriptVariant variant;
    bool accepted;
    std::wstring script;
    std::int32_t selected;
  };
  const Case cases[] = {
      {ScriptVariant::Export, true, std::wstring(kPortNumberLine) + kAdvancedLines + L"END\r\n", 1},
      {ScriptVariant::Export, false, std::wstring(kPortNumberLine) + L"END\r\n", 0},
      {ScriptVariant::Send, true, std::wstring(kPortNumberLine) + L"END\r\n", 0},
      {ScriptVariant::Calibration, true, std::wstring(kPortNumberLine) + std::wstring(kCalibrationClosingLines), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.variant) << " accepted " << c.accepted);
    store_.ClearValues();

    ASSERT_TRUE(Prepare(c.variant, c.accepted));

    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(store_.textBuffer, c.script);
    for (const int number : {entry::kMachTearPos, entry::kUsbSerialNumber, entry::kHeadCheckPatternWidth}) {
      EXPECT_EQ(item(number).selected, c.selected) << number;
    }
    // The page keeps what the user ticked, whatever was taken.
    EXPECT_TRUE(ui::CheckBox(advanced().Item(IDC_ADV_TEAR_POS_CHECK)).IsChecked());
  }
}

TEST_F(AdvancedRowsTicked, AdvancedRowsAloneAreSomethingToExportOnlyOnceAccepted) {
  page().UncheckAll();
  struct Case {
    ScriptVariant variant;
    bool accepted;
    bool prepared;
  };
  const Case cases[] = {
      {ScriptVariant::Export, true, true},
      {ScriptVariant::Export, false, false},
      {ScriptVariant::Send, true, false},
      {ScriptVariant::Calibration, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.variant) << " accepted " << c.accepted);
    store_.ClearValues();

    EXPECT_EQ(Prepare(c.variant, c.accepted), c.prepared);

    EXPECT_EQ(BoxTexts(), c.prepared ? std::vector<std::wstring>{} : std::vector<std::wstring>{kNothingSelected});
    EXPECT_EQ(store_.textBuffer, c.prepared ? std::wstring(kAdvancedLines) + L"END\r\n" : L"");
  }
}

TEST_F(PrepareScriptTest, ARejectedAdvancedValueStopsAnAcceptedExportOnly) {
  struct Case {
    int check;
    int edit;
    const wchar_t* typed;
    int resolutionList;  // 0: none
    int resolution;
    int entryNumber;
    const wchar_t* line;
  };
  const Case cases[] = {
      // 1240 dots are a 300 dpi width: refused when the row says 203 dpi.
      {IDC_ADV_PATTERN_WIDTH_CHECK, IDC_ADV_PATTERN_WIDTH_EDIT, L"1240", IDC_ADV_PATTERN_WIDTH_LIST, 0,
       entry::kHeadCheckPatternWidth, L"HEAD CHECK PATTERN WIDTH\t:\t1240\tDOTS\r\n"},
      {IDC_ADV_HORIZONTAL_POS_CHECK, IDC_ADV_HORIZONTAL_POS_EDIT, L"33", 0, 0, entry::kMachHorPos,
       L"MACH HOR POS\t:\t33\tDOTS\r\n"},
      {IDC_ADV_ADJ_REFLECT_CAL_CHECK, IDC_ADV_ADJ_REFLECT_CAL_EDIT, L"3.31", 0, 0, entry::kAdjReflectCalLevel,
       L"ADJ REFLECT CAL LEVEL\t:\t3.31\tV\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    advanced().UncheckAll();
    page().UncheckAll();
    Tick(IDC_STD_PORT_NUMBER_CHECK);
    if (c.resolutionList) {
      ASSERT_TRUE(AdvancedList(c.resolutionList).Select(c.resolution));
    }
    TypeAdvanced(c.edit, c.typed);
    TickAdvanced(c.check);

    store_.ClearValues();
    EXPECT_FALSE(Prepare(ScriptVariant::Export, true));
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{kRejectedValue});
    EXPECT_EQ(item(c.entryNumber).invalid, 1);
    EXPECT_EQ(item(c.entryNumber).value, c.typed);
    EXPECT_EQ(CaptionColour(c.check, &advanced()), kRed);
    EXPECT_EQ(ui::Control(advanced().Item(c.edit)).Text(), c.typed);
    EXPECT_EQ(store_.textBuffer, std::wstring(kPortNumberLine) + c.line + L"END\r\n");

    // Not accepted, the page is not read at all.
    store_.ClearValues();
    EXPECT_TRUE(Prepare(ScriptVariant::Export, false));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(item(c.entryNumber).selected, 0);
    EXPECT_NE(CaptionColour(c.check, &advanced()), kRed);
  }
}

}  // namespace
}  // namespace vostrel::testing

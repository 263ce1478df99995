// The Advanced page from the program's own template, in a host window with
// the main window's send button. Rows are named by their number in the
// page's table (0 to 56, catalogue items 26 to 82).
#include "pages/advanced_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "pages/page_geometry.h"
#include "pages/test_page.h"

namespace vostrel::testing {
namespace {

class AdvancedHost : public PageHost<CDlgTabAdvanced> {
 public:
  explicit AdvancedHost(SettingsStore& store) : PageHost<CDlgTabAdvanced>(store, IDC_ADV_USB_SERIAL_EDIT) {}
};

// The Advanced page offers no Check All.
template <typename Page>
concept OffersCheckAll = requires(Page& page) {
  page.CheckAll();
};
static_assert(!OffersCheckAll<CDlgTabAdvanced>);
static_assert(OffersCheckAll<SettingsPage>);

// Greyed for both models, and greyed for the first model only.
const std::set<int> kGreyedForBoth = {2,  3,  4,  5,  13, 14, 15, 16, 19, 20, 21,
                                      22, 23, 24, 25, 35, 36, 37, 39, 54, 55, 56};
const std::set<int> kSecondModelOnly = {31, 32, 38, 46, 47};

constexpr COLORREF kRed = RGB(255, 0, 0);

class AdvancedPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(host_.pageCreated);
  }
  CDlgTabAdvanced& page() { return host_.page; }
  static const FieldBinding& Row(int n) { return AdvancedBindings[static_cast<size_t>(n)]; }
  HWND Item(int id) { return page().Item(id); }
  SettingItem& item(int row) { return store_.Entry(Row(row).item); }
  ui::CheckBox Check(int row) { return ui::CheckBox(Item(Row(row).checkBox)); }
  ui::ComboBox List(int row) { return ui::ComboBox(Item(Row(row).list)); }
  std::wstring Text(int row) { return ui::Control(Item(Row(row).edit)).Text(); }
  void SetText(int row, std::wstring_view text) { ui::Control(Item(Row(row).edit)).SetText(text); }
  ui::UpDown::Range Range(int row) { return ui::UpDown(Item(Row(row).spin)).GetRange(); }
  void CheckEveryBox() {
    for (const FieldBinding& row : AdvancedBindings) ui::CheckBox(Item(row.checkBox)).SetChecked(true);
  }
  // What the list sends its page when the user picks entry `index`.
  void UserPicks(int row, int index) {
    ASSERT_TRUE(List(row).Select(index));
    ::SendMessageW(page().hwnd(), WM_COMMAND, MAKEWPARAM(Row(row).list, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(Row(row).list)));
  }
  COLORREF CaptionColour(int row) {
    ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.get(), RGB(1, 2, 3));
    ::SendMessageW(page().hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(Item(Row(row).checkBox)));
    return ::GetTextColor(dc.get());
  }

  SettingsStore store_;
  AdvancedHost host_{store_};
};

TEST_F(AdvancedPage, StartsWithEnglishListsEmptyEditsLimitsAndItsScrollRange) {
  struct ListCase {
    int row;
    std::vector<std::wstring> entries;
  };
  const ListCase lists[] = {
      {10, {L"OFF", L"ON"}},
      {17, {L"LOW", L"MEDIUM", L"HIGH"}},
      {19, {L"LOW", L"MEDIUM", L"HIGH"}},
      {29, {L"HIGH", L"LOW"}},
      {35, {L"ON", L"OFF"}},
      {36, {L"203dpi", L"300dpi"}},
      {38, {L"NORMAL", L"SLOW"}},
      {41, {L"OFF", L"ON"}},
      {43, {L"STANDARD", L"REVERSED"}},
      {45, {L"DARKNESS", L"SPEED"}},
      {51, {L"203dpi", L"300dpi"}},
      {56, {L"INCH", L"MM"}},
  };
  for (const ListCase& c : lists) {
    std::vector<std::wstring> entries;
    for (int k = 0; k < List(c.row).Count(); ++k) entries.push_back(List(c.row).ItemText(k));
    EXPECT_EQ(entries, c.entries) << c.row;
  }
  int listCount = 0;
  for (const FieldBinding& row : AdvancedBindings) {
    if (row.list) ++listCount;
    if (row.edit) {
      EXPECT_EQ(ui::Control(Item(row.edit)).Text(), L"") << row.edit;
    }
  }
  EXPECT_EQ(listCount, 23);
  struct LimitCase {
    int row;
    int limit;
  };
  for (const LimitCase& c : {LimitCase{0, 4}, LimitCase{9, 3}, LimitCase{11, 3}, LimitCase{26, 4}, LimitCase{41, 32},
                             LimitCase{44, 7}, LimitCase{55, 5}}) {
    EXPECT_EQ(::SendMessageW(Item(Row(c.row).edit), EM_GETLIMITTEXT, 0, 0), c.limit) << c.row;
  }
  EXPECT_EQ(page().scrollState().maximum, 670);
  EXPECT_EQ(page().scrollState().page, 300);
  // The unit labels beside the rows.
  EXPECT_EQ(ui::Control(Item(IDC_ADV_THROUGH_POS_UNIT)).Text(), L"DOTS");
  EXPECT_EQ(ui::Control(Item(IDC_ADV_ADJ_SENSNONE_CAL_UNIT)).Text(), L"V");
  EXPECT_EQ(ui::Control(Item(IDC_ADV_DT_COLD_2_UNIT)).Text(), L"%");
  EXPECT_EQ(ui::Control(Item(IDC_ADV_HEAD_CLEAN_UNIT)).Text(), L"M");
  EXPECT_EQ(ui::Control(Item(IDC_ADV_GROUP_FACTORY_MODE)).Text(), L"Factory Mode");
}

TEST_F(AdvancedPage, EachModelResetsToItsDefaultsAndGreysItsRows) {
  struct Case {
    PrinterModel model;
    const wchar_t* resolution;  // rows 36, 37 and 51
    const wchar_t* patternWidth;
  };
  const Case cases[] = {
      {PrinterModel::Vx120Zkq, L"203dpi", L"832"},
      {PrinterModel::Vx135Zkq, L"300dpi", L"1240"},
      {PrinterModel::Vx120Zkq, L"203dpi", L"832"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.model));
    CheckEveryBox();
    SetText(9, L"99");
    List(40).Select(1);
    page().ApplyModel(c.model, Language::Japanese);

    for (int n = 0; n < kAdvancedRowCount; ++n) {
      const bool enabled =
          !kGreyedForBoth.contains(n) && !(c.model == PrinterModel::Vx120Zkq && kSecondModelOnly.contains(n));
      EXPECT_FALSE(Check(n).IsChecked()) << n;
      for (int id : {Row(n).checkBox, Row(n).list, Row(n).edit, Row(n).spin}) {
        if (id) {
          EXPECT_EQ(ui::Control(Item(id)).IsEnabled(), enabled) << n << " " << id;
        }
      }
    }
    // Edit defaults, greyed rows included.
    struct TextCase {
      int row;
      const wchar_t* text;
    };
    for (const TextCase& t :
         {TextCase{0, L"0"}, TextCase{2, L""}, TextCase{9, L"8"}, TextCase{11, L"0.0"}, TextCase{20, L""},
          TextCase{26, L"2.30"}, TextCase{27, L"2.10"}, TextCase{28, L"2.05"}, TextCase{31, L"0.0"}, TextCase{36, L"1"},
          TextCase{37, L"848"}, TextCase{41, L""}, TextCase{44, L"0"}, TextCase{51, c.patternWidth},
          TextCase{55, L"0.73"}, TextCase{56, L"0.00"}}) {
      EXPECT_EQ(Text(t.row), t.text) << t.row;
    }
    // List defaults.
    struct ListCase {
      int row;
      const wchar_t* text;
    };
    for (const ListCase& l :
         {ListCase{10, L"ON"}, ListCase{17, L"LOW"}, ListCase{19, L"LOW"}, ListCase{29, L"HIGH"}, ListCase{30, L"OFF"},
          ListCase{35, L"ON"}, ListCase{36, c.resolution}, ListCase{37, c.resolution}, ListCase{38, L"NORMAL"},
          ListCase{40, L"ON"}, ListCase{41, L"OFF"}, ListCase{43, L"STANDARD"}, ListCase{45, L"DARKNESS"},
          ListCase{50, L"OFF"}, ListCase{51, c.resolution}, ListCase{52, L"ON"}, ListCase{55, L"INCH"},
          ListCase{56, L"INCH"}}) {
      EXPECT_EQ(List(l.row).SelectedText(), l.text) << l.row;
    }
    // Up-down ranges: the width row's range stays that of 203 dpi, also when
    // the reset chose 300 dpi.
    struct RangeCase {
      int row;
      int low, high;
    };
    for (const RangeCase& r :
         {RangeCase{0, -256, 256}, RangeCase{8, -256, 256}, RangeCase{9, -16, 32}, RangeCase{36, 1, 848},
          RangeCase{37, 1, 848}, RangeCase{44, 0, 9999999}, RangeCase{51, 1, 832}}) {
      EXPECT_EQ(Range(r.row).low, r.low) << r.row;
      EXPECT_EQ(Range(r.row).high, r.high) << r.row;
    }
  }
}

TEST_F(AdvancedPage, FixReflectSensitivityIsGreyedInEveryLanguage) {
  // Row 19 is for Japanese only, and greyed for both models besides.
  for (Language language : {Language::English, Language::Japanese, Language::Korean}) {
    page().ApplyModel(PrinterModel::Vx135Zkq, language);
    EXPECT_FALSE(Check(19).IsEnabled());
    EXPECT_FALSE(ui::Control(Item(Row(19).list)).IsEnabled());
    EXPECT_TRUE(Check(18).IsEnabled());
  }
  EXPECT_EQ(Row(19).japaneseOnly, 1);
}

TEST_F(AdvancedPage, CollectsEveryKindOfRow) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  SetText(6, L"-12");    // up-down number
  List(40).Select(1);    // list: its English text
  SetText(26, L"2.50");  // plain edit
  SetText(31, L"1.5");   // TT row, enabled for this model
  UserPicks(51, 1);      // resolution list: its index
  SetText(51, L"1000");
  List(41).Select(1);  // switch list and its serial number
  SetText(41, L"SN-42");
  SetText(44, L"1234567");  // long number with its buttons
  for (int n : {6, 40, 26, 31, 51, 41, 44, 37, 55}) Check(n).SetChecked(true);

  EXPECT_TRUE(page().CollectChecked());

  struct Expected {
    int row;
    const wchar_t* value;
    const wchar_t* secondValue;
    int unitIndex;
  };
  for (const Expected& e : {Expected{6, L"-12", L"", 0}, Expected{40, L"OFF", L"", 0}, Expected{26, L"2.50", L"", 0},
                            Expected{31, L"1.5", L"", 0}, Expected{51, L"1000", L"", 1},
                            Expected{41, L"SN-42", L"ON", 0}, Expected{44, L"1234567", L"", 0}}) {
    EXPECT_EQ(item(e.row).selected, 1) << e.row;
    EXPECT_EQ(item(e.row).value, e.value) << e.row;
    EXPECT_EQ(item(e.row).secondValue, e.secondValue) << e.row;
    EXPECT_EQ(item(e.row).unitIndex, e.unitIndex) << e.row;
  }
  // Greyed rows stay out although checked; unchecked rows too.
  for (int n : {37, 55, 0, 10}) EXPECT_EQ(item(n).selected, 0) << n;
}

TEST_F(AdvancedPage, TheFirstModelNeverCollectsTheSecondModelsRows) {
  page().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  CheckEveryBox();
  ASSERT_TRUE(page().CollectChecked());
  for (int n = 0; n < kAdvancedRowCount; ++n) {
    const bool collected = !kGreyedForBoth.contains(n) && !kSecondModelOnly.contains(n);
    EXPECT_EQ(item(n).selected, collected ? 1 : 0) << n;
  }
}

TEST_F(AdvancedPage, ShowStoredFillsGreyedRowsAndGivesDotsRowsTheirResolutionsRange) {
  page().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  // Head Check Stop Position at 300 dpi: greyed for both models.
  item(37).selected = 1;
  item(37).value = L"1200";
  item(37).unitIndex = 1;
  // Head Check Start Position at 203 dpi: the range of 203 dpi, not the row's own.
  item(36).selected = 1;
  item(36).value = L"20";
  item(36).unitIndex = 0;
  // The RFID antenna position in millimetres, and a USB serial switched on.
  item(55).selected = 1;
  item(55).value = L"18.5";
  item(55).unitIndex = 1;
  item(41).selected = 1;
  item(41).value = L"AB12";
  item(41).choice = 1;
  item(17).selected = 1;
  item(17).choice = 2;
  item(51).selected = 1;
  item(51).value = L"1100";
  item(51).unitIndex = 1;

  EXPECT_TRUE(page().ShowStored());

  EXPECT_TRUE(Check(37).IsChecked());
  EXPECT_FALSE(Check(37).IsEnabled());
  EXPECT_EQ(List(37).SelectedText(), L"300dpi");
  EXPECT_EQ(Text(37), L"1200");
  EXPECT_EQ(Range(37).low, 1);
  EXPECT_EQ(Range(37).high, 1240);
  EXPECT_EQ(List(36).SelectedText(), L"203dpi");
  EXPECT_EQ(Range(36).high, 832);
  EXPECT_EQ(List(55).SelectedText(), L"MM");
  EXPECT_EQ(Text(55), L"18.5");
  EXPECT_EQ(List(41).SelectedText(), L"ON");
  EXPECT_EQ(Text(41), L"AB12");
  EXPECT_EQ(List(17).SelectedText(), L"HIGH");
  EXPECT_EQ(List(51).SelectedText(), L"300dpi");
  EXPECT_EQ(Range(51).high, 1240);
  EXPECT_FALSE(Check(0).IsChecked());

  // Collected again: the greyed rows stay out, the others as shown.
  store_.ClearValues();
  ASSERT_TRUE(page().CollectChecked());
  EXPECT_EQ(item(37).selected, 0);
  EXPECT_EQ(item(55).selected, 0);
  EXPECT_EQ(item(41).secondValue, L"ON");
  EXPECT_EQ(item(51).unitIndex, 1);
  EXPECT_EQ(item(17).value, L"HIGH");
}

TEST_F(AdvancedPage, AnInvalidItemEmptiesItsEditAndPaintsItsCaptionRed) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  for (int n : {9, 24}) {  // an enabled row and a greyed one
    item(n).selected = 1;
    item(n).value = L"77";
    item(n).invalid = 1;
  }
  item(33).selected = 1;
  item(33).value = L"2.0";
  EXPECT_FALSE(page().ShowStored());
  EXPECT_EQ(Text(9), L"");
  EXPECT_EQ(Text(24), L"");
  EXPECT_EQ(Text(33), L"2.0");
  EXPECT_EQ(CaptionColour(9), kRed);
  EXPECT_EQ(CaptionColour(24), kRed);
  EXPECT_NE(CaptionColour(33), kRed);
  // Only enabled rows count for the validity of what was collected.
  EXPECT_FALSE(page().CheckedValid());
  item(9).invalid = 0;
  EXPECT_TRUE(page().CheckedValid());
}

TEST_F(AdvancedPage, ChoosingAResolutionSetsThePatternWidthAndItsRange) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  SetText(51, L"500");
  UserPicks(51, 0);
  EXPECT_EQ(Text(51), L"832");
  EXPECT_EQ(Range(51).high, 832);
  UserPicks(51, 1);
  EXPECT_EQ(Text(51), L"1240");
  EXPECT_EQ(Range(51).low, 1);
  EXPECT_EQ(Range(51).high, 1240);
  UserPicks(51, 0);
  EXPECT_EQ(Text(51), L"832");
  // The start and stop positions keep their values and ranges.
  SetText(36, L"5");
  UserPicks(36, 1);
  EXPECT_EQ(Text(36), L"5");
  EXPECT_EQ(Range(36).high, 848);
}

TEST_F(AdvancedPage, UncheckAllClearsEveryBox) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  CheckEveryBox();
  page().UncheckAll();
  for (int n = 0; n < kAdvancedRowCount; ++n) EXPECT_FALSE(Check(n).IsChecked()) << n;
  EXPECT_FALSE(page().CollectChecked());
}

TEST_F(AdvancedPage, ThreeWheelNotchesDownMoveTheViewTo150) {
  for (int notch = 0; notch < 3; ++notch) ::SendMessageW(page().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
  EXPECT_EQ(page().scrollState().position, 150);
  ::SendMessageW(page().hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(page().scrollState().position, 371);
}

TEST_F(AdvancedPage, FillsItsScrollRangeAndTheFirstViewCutsNoRow) {
  ::MoveWindow(page().hwnd(), 10, 10, kPageWidth, kPageHeight, FALSE);
  RECT client{};
  ::GetClientRect(page().hwnd(), &client);
  const std::vector<ChildBox> boxes = ShownChildren(page().hwnd());
  const int end = kPageHeight + CDlgTabAdvanced::kScrollMaximum - CDlgTabAdvanced::kScrollPage + 1;
  const int bottom = ContentBottom(boxes);
  EXPECT_LE(bottom, end);
  EXPECT_GE(bottom, end - 8);
  for (const ChildBox& box : boxes) EXPECT_LE(box.rect.right, client.right) << box.id;
  for (int id : ControlsCutAt(boxes, kPageHeight)) ADD_FAILURE() << id << " is cut by the first view's edge";
  // Each row's check box and values stand on one line.
  for (const FieldBinding& row : AdvancedBindings) {
    RECT check{};
    ::GetWindowRect(Item(row.checkBox), &check);
    for (int id : {row.list, row.edit}) {
      if (!id) continue;
      RECT value{};
      ::GetWindowRect(Item(id), &value);
      EXPECT_LT(value.top, check.bottom) << id;
      EXPECT_GT(value.bottom, check.top) << id;
      EXPECT_GE(value.left, check.right - 2) << id;  // the value stands right of the caption
    }
  }
}

}  // namespace
}  // namespace vostrel::testing

// The binding-table engine on a page with one row of every kind.
#include "pages/page_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "i18n/text_entries.h"
#include "pages/test_page.h"

namespace vostrel::testing {
namespace {

using PageEngine = PageFixture;

constexpr COLORREF kRed = RGB(255, 0, 0);

// A stored item as a receive or an import leaves it.
SettingItem Stored(int selected, std::wstring value, int choice = 0, int unitIndex = 0, int invalid = 0) {
  SettingItem item;
  item.selected = selected;
  item.value = std::move(value);
  item.choice = choice;
  item.unitIndex = unitIndex;
  item.invalid = invalid;
  return item;
}
const std::array<int, kTestRowCount> kChecks = {IDC_ROW_A_CHECK, IDC_ROW_B_CHECK, IDC_ROW_C_CHECK, IDC_ROW_D_CHECK,
                                                IDC_ROW_E_CHECK, IDC_ROW_F_CHECK, IDC_ROW_G_CHECK, IDC_ROW_H_CHECK,
                                                IDC_ROW_I_CHECK, IDC_ROW_J_CHECK};

// Texts for three of the rows: one with choices, one with units, one with a
// caption only; the others have none.
constexpr TextEntry kMethodTexts{text_rows::Labels(57), text_rows::Labels(58, 59), text_rows::None()};
constexpr TextEntry kLengthTexts{text_rows::Labels(60), text_rows::None(), text_rows::Words(0)};
constexpr TextEntry kCaptionOnly{text_rows::Labels(46), text_rows::None(), text_rows::None()};

const TextEntry* TestRowTexts(const FieldBinding& row) {
  switch (row.item) {
    case kRowE: return &kMethodTexts;
    case kRowB: return &kLengthTexts;
    case kRowA: return &kCaptionOnly;
    default: return nullptr;
  }
}

TEST_F(PageEngine, RowTextsComeFromTheTableAndKeepTheSelection) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
  ApplyRowTexts(page().rows(), &TestRowTexts);

  EXPECT_EQ(ui::Control(Item(IDC_ROW_E_CHECK)).Text(), L"印刷方法");
  EXPECT_EQ(List(IDC_ROW_E_LIST).Count(), 2);
  EXPECT_EQ(List(IDC_ROW_E_LIST).ItemText(1), L"感熱");
  EXPECT_EQ(List(IDC_ROW_E_LIST).SelectedText(), L"熱転写");
  EXPECT_EQ(ui::Control(Item(IDC_ROW_B_CHECK)).Text(), L"連続紙用紙長");
  EXPECT_EQ(List(IDC_ROW_B_UNIT).Count(), 1);
  EXPECT_EQ(List(IDC_ROW_B_UNIT).SelectedText(), L"MM");
  // A caption without choices leaves the list's entries as they were.
  EXPECT_EQ(ui::Control(Item(IDC_ROW_A_CHECK)).Text(), L"印刷速度");
  EXPECT_EQ(List(IDC_ROW_A_LIST).Count(), 3);
  EXPECT_EQ(List(IDC_ROW_A_LIST).SelectedText(), L"THREE");
  // A row without texts keeps the template's caption.
  EXPECT_EQ(ui::Control(Item(IDC_ROW_H_CHECK)).Text(), L"Row H");
  EXPECT_EQ(List(IDC_ROW_H_LIST).ItemText(0), L"SEE THROUGH");
}

TEST(EnglishListText, TurnsAShownChoiceOrUnitIntoItsEnglishWord) {
  struct Case {
    const TextEntry* entry;
    bool unitList;
    const wchar_t* shown;
    const wchar_t* stored;
  };
  const Case cases[] = {
      {&kMethodTexts, false, L"熱転写", L"TT"},
      {&kMethodTexts, false, L"感熱", L"DT"},
      {&kMethodTexts, false, L"DT", L"DT"},
      {&kMethodTexts, true, L"熱転写", L"熱転写"},  // not among the units
      {&kMethodTexts, false, L"", L""},
      {&kMethodTexts, false, L"熱転写 ", L"熱転写 "},  // only whole texts match
      {&kLengthTexts, true, L"MM", L"MM"},
      {&kLengthTexts, false, L"MM", L"MM"},
      {nullptr, false, L"感熱", L"感熱"},
  };
  for (const Case& c : cases) EXPECT_EQ(EnglishListText(c.entry, c.unitList, c.shown), c.stored) << c.shown;
}

TEST_F(PageEngine, InitFillsTheListsAndLimitsTheEdits) {
  EXPECT_EQ(List(IDC_ROW_A_LIST).Count(), 3);
  EXPECT_EQ(List(IDC_ROW_H_LIST).Count(), 3);  // the empty entry is skipped
  EXPECT_EQ(List(IDC_ROW_H_LIST).ItemText(1), L"REFLECT");
  EXPECT_EQ(List(IDC_ROW_B_UNIT).ItemText(0), L"MM");
  EXPECT_EQ(::SendMessageW(Item(IDC_ROW_B_EDIT), EM_GETLIMITTEXT, 0, 0), 6);
  EXPECT_EQ(::SendMessageW(Item(IDC_ROW_D_EDIT), EM_GETLIMITTEXT, 0, 0), 39);
}

TEST_F(PageEngine, ApplyModelEnablesByModelAndLanguageAndResetsToDefaults) {
  struct Case {
    int model;
    Language language;
    bool rowE, rowF, rowG;  // enabled
    const wchar_t* lengthText;
    int numberEntry, methodEntry, sensorEntry;
    const wchar_t* resolutionText;
  };
  const Case cases[] = {
      {0, Language::English, false, false, true, L"6.4", 0, 1, 2, L"832"},
      {1, Language::English, true, false, true, L"101.6", 2, 0, 1, L"1240"},
      {0, Language::Japanese, false, true, false, L"6.4", 0, 1, 2, L"832"},
      {1, Language::Korean, true, false, true, L"101.6", 2, 0, 1, L"1240"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model * 10 + static_cast<int>(c.language));
    page().CheckAll();
    Edit(IDC_ROW_B_EDIT).SetText(L"typed");
    ui::IpAddress(Item(IDC_ROW_C_ADDRESS)).Set({10, 1, 2, 3});
    List(IDC_ROW_B_UNIT).Select(-1);

    page().ApplyModel(ModelAt(c.model), c.language);

    for (int id : kChecks) EXPECT_FALSE(Check(id).IsChecked()) << id;
    for (int id : {IDC_ROW_E_CHECK, IDC_ROW_E_LIST}) EXPECT_EQ(ui::Control(Item(id)).IsEnabled(), c.rowE);
    for (int id : {IDC_ROW_F_CHECK, IDC_ROW_F_EDIT}) EXPECT_EQ(ui::Control(Item(id)).IsEnabled(), c.rowF);
    for (int id : {IDC_ROW_G_CHECK, IDC_ROW_G_EDIT}) EXPECT_EQ(ui::Control(Item(id)).IsEnabled(), c.rowG);
    for (int id : {IDC_ROW_B_CHECK, IDC_ROW_B_EDIT, IDC_ROW_B_SPIN, IDC_ROW_B_UNIT, IDC_ROW_C_ADDRESS}) {
      EXPECT_TRUE(ui::Control(Item(id)).IsEnabled()) << id;
    }
    EXPECT_EQ(Edit(IDC_ROW_B_EDIT).Text(), c.lengthText);
    EXPECT_EQ(Edit(IDC_ROW_I_EDIT).Text(), c.resolutionText);
    EXPECT_EQ(List(IDC_ROW_A_LIST).Selected(), c.numberEntry);
    // A greyed row still shows its default.
    EXPECT_EQ(List(IDC_ROW_E_LIST).Selected(), c.methodEntry);
    EXPECT_EQ(List(IDC_ROW_H_LIST).Selected(), c.sensorEntry);
    EXPECT_EQ(List(IDC_ROW_B_UNIT).Selected(), 0);
    EXPECT_EQ(ui::IpAddress(Item(IDC_ROW_C_ADDRESS)).Get(), (ui::IpAddress::Octets{0, 0, 0, 0}));
    EXPECT_EQ(ui::UpDown(Item(IDC_ROW_B_SPIN)).GetRange().high, 30);
  }
}

TEST_F(PageEngine, ResetCanLeaveTheSharedRowsAlone) {
  page().ApplyModel(PrinterModel::Vx120Zkq, Language::English);
  Check(IDC_ROW_H_CHECK).SetChecked(true);
  List(IDC_ROW_H_LIST).Select(0);
  Check(IDC_ROW_A_CHECK).SetChecked(true);
  ResetRows(page().rows(), PrinterModel::Vx135Zkq, kRowShared);
  EXPECT_TRUE(Check(IDC_ROW_H_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_ROW_H_LIST).Selected(), 0);
  EXPECT_FALSE(Check(IDC_ROW_A_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_ROW_A_LIST).Selected(), 2);
}

TEST_F(PageEngine, CollectsEveryKindOfValue) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  // The value list shows translated words, as after a change of language.
  const ui::ComboBox numbers = List(IDC_ROW_A_LIST);
  numbers.Clear();
  for (const wchar_t* word : {L"un", L"deux", L"trois"}) numbers.Add(word);
  numbers.Select(1);
  Edit(IDC_ROW_B_EDIT).SetText(L"12.5");
  ui::IpAddress(Item(IDC_ROW_C_ADDRESS)).Set({192, 168, 0, 1});
  Edit(IDC_ROW_D_EDIT).SetText(L"2001:0db8:0000:0000:0000:0000:0000:0001");
  List(IDC_ROW_E_LIST).Select(1);
  List(IDC_ROW_I_LIST).Select(1);
  List(IDC_ROW_J_LIST).Select(1);
  Edit(IDC_ROW_J_EDIT).SetText(L"SN123");
  for (int id : {IDC_ROW_A_CHECK, IDC_ROW_B_CHECK, IDC_ROW_C_CHECK, IDC_ROW_D_CHECK, IDC_ROW_E_CHECK, IDC_ROW_I_CHECK,
                 IDC_ROW_J_CHECK}) {
    Check(id).SetChecked(true);
  }

  EXPECT_TRUE(page().CollectChecked());

  EXPECT_EQ(item(kRowA).value, L"TWO");
  EXPECT_EQ(item(kRowB).value, L"12.5");
  EXPECT_EQ(item(kRowB).secondValue, L"MM");
  EXPECT_EQ(item(kRowC).value, L"192,168,0,1");
  EXPECT_EQ(item(kRowD).value, L"32,1,13,184,0,0,0,0,0,0,0,0,0,0,0,1");
  EXPECT_EQ(item(kRowE).value, L"DT");
  EXPECT_EQ(item(kRowI).unitIndex, 1);
  EXPECT_EQ(item(kRowI).value, L"1240");
  EXPECT_EQ(item(kRowJ).secondValue, L"ON");
  EXPECT_EQ(item(kRowJ).value, L"SN123");
  for (TestRow row : {kRowA, kRowB, kRowC, kRowD, kRowE, kRowI, kRowJ}) EXPECT_EQ(item(row).selected, 1) << row;
  for (TestRow row : {kRowF, kRowG, kRowH}) EXPECT_EQ(item(row).selected, 0) << row;
}

TEST_F(PageEngine, NothingCheckedCollectsNothing) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  EXPECT_FALSE(page().CollectChecked());
  for (const SettingItem& slot : store_.slots) EXPECT_EQ(slot.selected, 0);
}

TEST_F(PageEngine, ADisabledCheckedRowIsNeitherCollectedNorTested) {
  for (int model : {0, 1}) {
    SCOPED_TRACE(model);
    store_.ClearValues();
    page().ApplyModel(ModelAt(model), Language::English);  // row E is greyed for model 0
    Check(IDC_ROW_E_CHECK).SetChecked(true);
    EXPECT_EQ(page().CollectChecked(), model == 1);
    EXPECT_EQ(item(kRowE).selected, model == 1 ? 1 : 0);

    item(kRowE).selected = 1;
    item(kRowE).invalid = 1;
    EXPECT_EQ(page().CheckedValid(), model == 0);
  }
}

TEST_F(PageEngine, InvalidItemsPaintTheirCaptionsRedWhileTheyAreInvalid) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  for (int id : {IDC_ROW_A_CHECK, IDC_ROW_C_CHECK, IDC_ROW_H_CHECK, IDC_ROW_B_CHECK}) Check(id).SetChecked(true);
  ASSERT_TRUE(page().CollectChecked());
  EXPECT_TRUE(page().CheckedValid());
  EXPECT_NE(CaptionColour(IDC_ROW_A_CHECK), kRed);

  item(kRowA).invalid = 1;
  item(kRowC).invalid = 1;
  item(kRowH).invalid = 1;  // a row that is never marked
  EXPECT_FALSE(page().CheckedValid());
  EXPECT_EQ(CaptionColour(IDC_ROW_A_CHECK), kRed);
  EXPECT_EQ(CaptionColour(IDC_ROW_C_CHECK), kRed);
  EXPECT_NE(CaptionColour(IDC_ROW_B_CHECK), kRed);
  EXPECT_NE(CaptionColour(IDC_ROW_H_CHECK), kRed);
  EXPECT_NE(CaptionColour(IDC_ROW_A_LIST), kRed);  // only check boxes of rows

  // Decided when drawn: a cleared store paints the default colour again.
  store_.ClearValues();
  EXPECT_NE(CaptionColour(IDC_ROW_A_CHECK), kRed);
  EXPECT_NE(CaptionColour(IDC_ROW_C_CHECK), kRed);
}

TEST_F(PageEngine, ShowStoredShowsEachSelectedItemAndReportsTheInvalidOnes) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  Edit(IDC_ROW_G_EDIT).SetText(L"kept");
  item(kRowA) = Stored(1, L"THREE", 2);
  item(kRowB) = Stored(1, L"7.5", 0, 1);  // names no unit entry
  item(kRowC) = Stored(1, L"192.168.0.1");
  item(kRowD) = Stored(1, L"bad", 0, 0, 1);
  item(kRowI) = Stored(1, L"1240", 0, 1);
  item(kRowG) = Stored(0, L"not shown");
  item(kRowJ) = Stored(1, L"SN9", 0, 1);  // its list shows the unit index

  EXPECT_FALSE(page().ShowStored());

  for (int id : {IDC_ROW_A_CHECK, IDC_ROW_B_CHECK, IDC_ROW_C_CHECK, IDC_ROW_D_CHECK, IDC_ROW_I_CHECK}) {
    EXPECT_TRUE(Check(id).IsChecked()) << id;
  }
  EXPECT_FALSE(Check(IDC_ROW_G_CHECK).IsChecked());
  EXPECT_EQ(Edit(IDC_ROW_G_EDIT).Text(), L"kept");
  EXPECT_EQ(List(IDC_ROW_A_LIST).Selected(), 2);
  EXPECT_EQ(Edit(IDC_ROW_B_EDIT).Text(), L"7.5");
  EXPECT_EQ(List(IDC_ROW_B_UNIT).SelectedText(), L"MM");
  EXPECT_EQ(ui::IpAddress(Item(IDC_ROW_C_ADDRESS)).Get(), (ui::IpAddress::Octets{192, 168, 0, 1}));
  EXPECT_EQ(Edit(IDC_ROW_D_EDIT).Text(), L"");
  EXPECT_EQ(CaptionColour(IDC_ROW_D_CHECK), kRed);
  EXPECT_EQ(List(IDC_ROW_I_LIST).Selected(), 1);
  EXPECT_EQ(List(IDC_ROW_J_LIST).SelectedText(), L"ON");
  EXPECT_EQ(Edit(IDC_ROW_J_EDIT).Text(), L"SN9");

  // Shown values collect back as they were; the unit falls back to its word.
  store_.ClearValues();
  EXPECT_TRUE(page().CollectChecked());
  EXPECT_EQ(item(kRowB).secondValue, L"MM");
  EXPECT_EQ(item(kRowC).value, L"192,168,0,1");
  EXPECT_EQ(item(kRowA).value, L"THREE");
}

TEST_F(PageEngine, AChoiceOutsideTheListStillCollects) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  item(kRowA) = Stored(1, L"", 9);
  EXPECT_TRUE(page().ShowStored());
  EXPECT_EQ(List(IDC_ROW_A_LIST).Selected(), -1);
  store_.ClearValues();
  EXPECT_TRUE(page().CollectChecked());
  EXPECT_EQ(item(kRowA).selected, 1);
  EXPECT_EQ(item(kRowA).value, L"");
}

TEST_F(PageEngine, ShowSentTurnsIpv6BytesBackIntoText) {
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  const std::wstring typed = L"0000:0000:0000:0000:0000:0000:0000:0001";
  Edit(IDC_ROW_D_EDIT).SetText(typed);
  Check(IDC_ROW_D_CHECK).SetChecked(true);
  ASSERT_TRUE(page().CollectChecked());
  ASSERT_EQ(item(kRowD).value, L"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1");
  item(kRowA) = Stored(1, L"THREE", 2);

  page().UncheckAll();
  Edit(IDC_ROW_D_EDIT).SetText(L"");
  page().ShowSent();

  EXPECT_EQ(Edit(IDC_ROW_D_EDIT).Text(), typed);
  EXPECT_EQ(item(kRowD).value, typed);
  EXPECT_TRUE(Check(IDC_ROW_D_CHECK).IsChecked());
  // A list-only row is checked but keeps its selection.
  EXPECT_TRUE(Check(IDC_ROW_A_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_ROW_A_LIST).Selected(), 2);
}

TEST(AddressText, DottedTextReadsFourOctets) {
  struct Case {
    const wchar_t* text;
    std::array<std::uint8_t, 4> octets;
  };
  const Case cases[] = {
      {L"192.168.0.1", {192, 168, 0, 1}},
      {L"0.0.0.0", {0, 0, 0, 0}},
      {L"10.1", {10, 1, 0, 0}},
      {L"300.x.7.8", {255, 0, 7, 8}},
      {L"", {0, 0, 0, 0}},
      {L"1.2.3.4.5", {1, 2, 3, 4}},
      {L"255.255.255.255", {255, 255, 255, 255}},
  };
  for (const Case& c : cases) EXPECT_EQ(DottedTextToOctets(c.text), c.octets) << c.text;
  EXPECT_EQ(OctetsToCommaText({192, 168, 0, 1}), L"192,168,0,1");
}

}  // namespace
}  // namespace vostrel::testing

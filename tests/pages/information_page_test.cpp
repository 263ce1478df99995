// The Information page from the program's own template.
#include "pages/information_page.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/pages_host.h"
#include "ui/controls.h"

namespace vostrel::testing {
namespace {

class InformationPage : public HostedPageTest<CDlgTabInformation> {
 protected:
  std::array<SettingItem*, 4> InfoItems() {
    return {&store_.infoSerialNumber(), &store_.infoPrintCounter(), &store_.infoServiceCounter(),
            &store_.infoCutCounter()};
  }
};

TEST_F(InformationPage, CaptionsComeFromTheTableWithTheirTrailingSpace) {
  StartUp(0);
  EXPECT_EQ(Text(IDC_INFO_GROUP), L"マシン情報");
  EXPECT_EQ(Text(IDC_INFO_SERIAL_CAPTION), L"シリアル番号 : ");
  EXPECT_EQ(Text(IDC_INFO_PRINT_CAPTION), L"印刷カウンタ : ");
  EXPECT_EQ(Text(IDC_INFO_SERVICE_CAPTION), L"サービスカウンタ : ");
  EXPECT_EQ(Text(IDC_INFO_CUT_CAPTION), L"カットカウンタ : ");
}

TEST_F(InformationPage, ValuesAreEmptyAfterStartNeverTheTemplateSamples) {
  ASSERT_EQ(Text(IDC_INFO_SERIAL_VALUE), L"Sample Serial Number");  // the template's
  StartUp(0);
  for (int id : CDlgTabInformation::kValueLabels) EXPECT_EQ(Text(id), L"") << id;
}

TEST_F(InformationPage, ShowStoredShowsTheStoredTextsExactly) {
  StartUp(1);
  // Shown as they stand: spaces, leading zeros, any characters; a counter
  // the printer did not report stays empty.
  const std::array<std::wstring, 4> values = {L" ZK2401&0583 ", L"001234 M", L"", L"カット 7"};
  const std::array<SettingItem*, 4> items = InfoItems();
  for (size_t i = 0; i < values.size(); ++i) items[i]->value = values[i];
  EXPECT_TRUE(page_.ShowStored());
  for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(Text(CDlgTabInformation::kValueLabels[i]), values[i]) << i;
}

TEST_F(InformationPage, UntilValuesCameTheHintSaysWhatToPressInTheirPlace) {
  StartUp(0);
  const auto hintShown = [&] { return ui::Control(page_.Item(IDC_INFO_HINT)).IsShown(); };
  EXPECT_EQ(Text(IDC_INFO_HINT), L"「受信」を押すと、プリンタのシリアル番号とカウンタを読み込みます。");
  EXPECT_TRUE(hintShown());
  // One value that came is enough to drop it; a model change empties the
  // values and brings it back.
  InfoItems()[1]->value = L"001234";
  page_.ShowStored();
  EXPECT_FALSE(hintShown());
  page_.ApplyModel(ModelAt(1), Language::Japanese);
  EXPECT_TRUE(hintShown());
  // A reply that brought none of the four leaves it.
  page_.ShowStored();
  EXPECT_TRUE(hintShown());
}

TEST_F(InformationPage, AModelChangeEmptiesTheValuesAndTheirSlots) {
  StartUp(0);
  for (SettingItem* item : InfoItems()) item->value = L"12";
  ASSERT_TRUE(page_.ShowStored());
  ASSERT_EQ(Text(IDC_INFO_CUT_VALUE), L"12");
  for (int model : {0, 1}) {
    page_.ApplyModel(ModelAt(model), Language::Japanese);
    for (int id : CDlgTabInformation::kValueLabels) EXPECT_EQ(Text(id), L"") << model << " " << id;
    for (SettingItem* item : InfoItems()) EXPECT_EQ(item->value, L"") << model;
    for (SettingItem* item : InfoItems()) item->value = L"34";
    page_.ShowStored();
  }
}

}  // namespace
}  // namespace vostrel::testing

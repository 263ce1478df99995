// The Easy page from the program's own template, with the Standard page it
// hands its two values to, in a host window with the main window's buttons.
#include "pages/easy_page.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/pages_host.h"
#include "pages/standard_page.h"
#include "settings/catalogue.h"
#include "ui/controls.h"

namespace vostrel::testing {
namespace {

class EasyPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(easy_.CreateModeless(host_.hwnd()));
    ASSERT_TRUE(standard_.CreateModeless(host_.hwnd()));
  }
  // What start-up does: the texts, then the model, on both pages.
  void StartUp(int model) {
    standard_.ApplyTexts();
    easy_.ApplyTexts();
    standard_.ApplyModel(ModelAt(model), Language::Japanese);
    easy_.ApplyModel(ModelAt(model), Language::Japanese);
  }
  ui::CheckBox Check(int id) { return ui::CheckBox(easy_.Item(id)); }
  ui::ComboBox List(int id) { return ui::ComboBox(easy_.Item(id)); }
  std::wstring Text(int id) { return ui::Control(easy_.Item(id)).Text(); }
  // The radio button a user sees checked: 0, 1 or 2, -1 for none.
  int CheckedMedia() {
    int checked = -1;
    for (int i = 0; i < 3; ++i) {
      if (Check(IDC_EASY_GAPS_RADIO + i).IsChecked()) checked = checked == -1 ? i : -2;
    }
    return checked;
  }
  void ClickMedia(int index) { ::SendMessageW(easy_.Item(IDC_EASY_GAPS_RADIO + index), BM_CLICK, 0, 0); }

  SettingsStore store_;
  PagesHost host_;
  CDlgTabEasy easy_{store_};
  CDlgTabStandard standard_{store_};
};

TEST_F(EasyPage, TextsComeFromTheTableInJapanese) {
  StartUp(1);
  EXPECT_EQ(Text(IDC_EASY_MEDIA_CHECK), L"用紙の種類");
  EXPECT_EQ(Text(IDC_EASY_GAPS_LABEL), L"ギャップ付き\nラベル\n（透過）");
  EXPECT_EQ(Text(IDC_EASY_CONTINUOUS_LABEL), L"連続紙");
  EXPECT_EQ(Text(IDC_EASY_METHOD_CHECK), L"印字方式");
  const ui::ComboBox methods = List(IDC_EASY_METHOD_LIST);
  ASSERT_EQ(methods.Count(), 2);
  EXPECT_EQ(methods.ItemText(0), L"リボン使用");
  EXPECT_EQ(methods.ItemText(1), L"直接感熱");
  // Texts applied after a model keep the model's choice.
  easy_.ApplyTexts();
  EXPECT_EQ(methods.SelectedText(), L"リボン使用");
}

TEST_F(EasyPage, EachModelChoosesItsMediaAndPrintMethodUnchecked) {
  struct Case {
    int model;
    int media;
    const wchar_t* method;
    bool methodEnabled;
    const wchar_t* marksLabel;
  };
  const Case cases[] = {
      {0, 2, L"直接感熱", false, L"ブラックマーク付き\nラベル\n（反射）"},
      {1, 1, L"リボン使用", true, L"BM付きラベル\n／リストバンド\n（反射）"},
  };
  for (const Case& c : cases) {
    StartUp(1 - c.model);
    ClickMedia(0);
    easy_.CheckAll();
    easy_.ApplyModel(ModelAt(c.model), Language::Japanese);
    EXPECT_EQ(easy_.mediaTypeIndex(), c.media) << c.model;
    EXPECT_EQ(CheckedMedia(), c.media) << c.model;
    EXPECT_EQ(List(IDC_EASY_METHOD_LIST).SelectedText(), c.method) << c.model;
    EXPECT_FALSE(Check(IDC_EASY_MEDIA_CHECK).IsChecked()) << c.model;
    EXPECT_FALSE(Check(IDC_EASY_METHOD_CHECK).IsChecked()) << c.model;
    EXPECT_TRUE(Check(IDC_EASY_MEDIA_CHECK).IsEnabled()) << c.model;
    EXPECT_EQ(Check(IDC_EASY_METHOD_CHECK).IsEnabled(), c.methodEnabled) << c.model;
    EXPECT_EQ(List(IDC_EASY_METHOD_LIST).IsEnabled(), c.methodEnabled) << c.model;
    // The label names the model's black-mark media, whatever the language.
    EXPECT_EQ(Text(IDC_EASY_MARKS_LABEL), c.marksLabel) << c.model;
    EXPECT_TRUE(ui::Control(easy_.Item(IDC_EASY_MARKS_LABEL)).IsEnabled()) << c.model;
    for (int id : {IDC_EASY_GAPS_RADIO, IDC_EASY_MARKS_RADIO, IDC_EASY_CONTINUOUS_RADIO, IDC_EASY_GAPS_PICTURE}) {
      EXPECT_TRUE(ui::Control(easy_.Item(id)).IsEnabled()) << c.model << " " << id;
    }
  }
}

TEST_F(EasyPage, CheckAllTicksTheGreyedPrintMethodBoxToo) {
  StartUp(0);
  ASSERT_FALSE(Check(IDC_EASY_METHOD_CHECK).IsEnabled());
  easy_.CheckAll();
  EXPECT_TRUE(Check(IDC_EASY_MEDIA_CHECK).IsChecked());
  EXPECT_TRUE(Check(IDC_EASY_METHOD_CHECK).IsChecked());
  // Handed over, but the Standard row is greyed for this model: not collected.
  standard_.UncheckAll();
  standard_.PutShared(easy_.TakeChoice());
  EXPECT_TRUE(ui::CheckBox(standard_.Item(IDC_STD_PRINT_METHOD_CHECK)).IsChecked());
  ASSERT_TRUE(standard_.CollectChecked());
  EXPECT_EQ(store_.Entry(entry::kMediaSensor).selected, 1);
  EXPECT_EQ(store_.Entry(entry::kMediaSensor).value, L"NONE");
  EXPECT_EQ(store_.Entry(entry::kPrintMethod).selected, 0);

  easy_.UncheckAll();
  EXPECT_FALSE(Check(IDC_EASY_MEDIA_CHECK).IsChecked());
  EXPECT_FALSE(Check(IDC_EASY_METHOD_CHECK).IsChecked());
}

TEST_F(EasyPage, ChoiceGoesToTheStandardPage) {
  StartUp(1);
  // A user's clicks: labels with gaps, both rows ticked, direct thermal.
  ClickMedia(0);
  ::SendMessageW(easy_.Item(IDC_EASY_MEDIA_CHECK), BM_CLICK, 0, 0);
  ::SendMessageW(easy_.Item(IDC_EASY_METHOD_CHECK), BM_CLICK, 0, 0);
  List(IDC_EASY_METHOD_LIST).Select(1);

  standard_.UncheckAll();
  standard_.PutShared(easy_.TakeChoice());
  EXPECT_EQ(easy_.mediaTypeIndex(), 0);
  EXPECT_TRUE(ui::CheckBox(standard_.Item(IDC_STD_MEDIA_SENSOR_CHECK)).IsChecked());
  EXPECT_EQ(ui::Control(standard_.Item(IDC_STD_MEDIA_SENSOR_TEXT)).Text(), L"透過");
  EXPECT_TRUE(ui::CheckBox(standard_.Item(IDC_STD_PRINT_METHOD_CHECK)).IsChecked());
  EXPECT_EQ(ui::ComboBox(standard_.Item(IDC_STD_PRINT_METHOD_LIST)).SelectedText(), L"感熱");

  // Send Configuration from this tab selects exactly these two settings.
  ASSERT_TRUE(standard_.CollectChecked());
  for (int i = 0; i < 26; ++i) {
    const bool shared = i == entry::kMediaSensor || i == entry::kPrintMethod;
    EXPECT_EQ(store_.Entry(i).selected, shared ? 1 : 0) << i;
  }
  EXPECT_EQ(store_.Entry(entry::kMediaSensor).value, L"SEE THROUGH");
  EXPECT_EQ(store_.Entry(entry::kPrintMethod).value, L"DT");
}

// A click on a media picture is a click on its radio button: it is checked
// (the others cleared) and focused, and the media goes to the Standard page
// as a radio click's does.
TEST_F(EasyPage, AClickOnAMediaPictureChoosesItsMedia) {
  StartUp(1);
  ::ShowWindow(host_.hwnd(), SW_SHOWNA);
  ::ShowWindow(easy_.hwnd(), SW_SHOWNA);
  struct Case {
    int picture;
    int media;
    const wchar_t* standardSensor;
  };
  const Case cases[] = {{IDC_EASY_CONTINUOUS_PICTURE, 2, L"連続紙"},
                        {IDC_EASY_GAPS_PICTURE, 0, L"透過"},
                        {IDC_EASY_MARKS_PICTURE, 1, L"反射"},
                        {IDC_EASY_GAPS_PICTURE, 0, L"透過"}};
  for (const Case& c : cases) {
    const RECT picture = ui::RectInParent(easy_.Item(c.picture), easy_.hwnd());
    ASSERT_GT(picture.bottom - picture.top, 0) << c.picture;
    UserClick(easy_.hwnd(), {(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2});
    EXPECT_EQ(CheckedMedia(), c.media) << c.picture;
    EXPECT_EQ(::GetFocus(), easy_.Item(IDC_EASY_GAPS_RADIO + c.media)) << c.picture;
    standard_.PutShared(easy_.TakeChoice());
    EXPECT_EQ(easy_.mediaTypeIndex(), c.media);
    EXPECT_EQ(ui::Control(standard_.Item(IDC_STD_MEDIA_SENSOR_TEXT)).Text(), c.standardSensor) << c.picture;
  }
  // A click beside the pictures, on the page itself, chooses nothing.
  const RECT gaps = ui::RectInParent(easy_.Item(IDC_EASY_GAPS_PICTURE), easy_.hwnd());
  UserClick(easy_.hwnd(), {gaps.left - 8, gaps.top + 4});
  EXPECT_EQ(CheckedMedia(), 0);
  ClickMedia(1);
  UserClick(easy_.hwnd(), {gaps.left - 8, gaps.top + 4});
  EXPECT_EQ(CheckedMedia(), 1);
}

TEST_F(EasyPage, StandardValuesComeBackToThisPage) {
  StartUp(1);
  // As after a Receive of REFLECT and TT, both rows checked there.
  ui::CheckBox(standard_.Item(IDC_STD_MEDIA_SENSOR_CHECK)).SetChecked(true);
  ui::ComboBox(standard_.Item(IDC_STD_MEDIA_SENSOR_LIST)).Select(1);
  ui::CheckBox(standard_.Item(IDC_STD_PRINT_METHOD_CHECK)).SetChecked(true);
  ui::ComboBox(standard_.Item(IDC_STD_PRINT_METHOD_LIST)).Select(0);
  ClickMedia(2);
  List(IDC_EASY_METHOD_LIST).Select(1);

  easy_.PutChoice(standard_.TakeShared());
  EXPECT_EQ(easy_.mediaTypeIndex(), 1);
  EXPECT_EQ(CheckedMedia(), 1);
  EXPECT_TRUE(Check(IDC_EASY_MEDIA_CHECK).IsChecked());
  EXPECT_TRUE(Check(IDC_EASY_METHOD_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_EASY_METHOD_LIST).SelectedText(), L"リボン使用");

  // Unchecked rows come back unchecked; continuous media.
  ui::CheckBox(standard_.Item(IDC_STD_MEDIA_SENSOR_CHECK)).SetChecked(false);
  ui::ComboBox(standard_.Item(IDC_STD_MEDIA_SENSOR_LIST)).Select(2);
  ui::CheckBox(standard_.Item(IDC_STD_PRINT_METHOD_CHECK)).SetChecked(false);
  easy_.PutChoice(standard_.TakeShared());
  EXPECT_EQ(CheckedMedia(), 2);
  EXPECT_FALSE(Check(IDC_EASY_MEDIA_CHECK).IsChecked());
  EXPECT_FALSE(Check(IDC_EASY_METHOD_CHECK).IsChecked());
}

TEST_F(EasyPage, AChoiceWithoutIndexesKeepsWhatTheUserChose) {
  StartUp(1);
  ClickMedia(0);
  easy_.PutChoice({.mediaSensorChecked = true, .printMethodChecked = false});
  EXPECT_EQ(CheckedMedia(), 0);
  EXPECT_EQ(easy_.mediaTypeIndex(), 0);
  EXPECT_TRUE(Check(IDC_EASY_MEDIA_CHECK).IsChecked());
  EXPECT_EQ(List(IDC_EASY_METHOD_LIST).SelectedText(), L"リボン使用");
}

}  // namespace
}  // namespace vostrel::testing

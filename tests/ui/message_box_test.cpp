// The message boxes are real ones: a helper thread reads and answers them.
#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/language.h"
#include "platform/module_path.h"
#include "support/message_box_catcher.h"

namespace vostrel {
namespace {

using testing_support::CaughtBox;
using testing_support::MessageBoxCatcher;

const std::vector<int> kOkOnly = {IDOK};
const std::vector<int> kYesNo = {IDYES, IDNO};

TEST(MessageBoxes, TitleIsTheProgramsNameWithoutExtension) {
  // The tests run as win_tests.exe.
  EXPECT_EQ(ApplicationName(), L"win_tests");
  MessageBoxCatcher catcher;
  ShowTextMessage(L"hello", MB_OK);
  const std::vector<CaughtBox> boxes = catcher.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"win_tests");
  EXPECT_EQ(boxes[0].text, L"hello");
}

TEST(MessageBoxes, ShowMessageReturnsTheButtonPressed) {
  ASSERT_EQ(CurrentLanguage(), Language::Japanese);
  for (const int answer : {IDYES, IDNO}) {
    MessageBoxCatcher catcher({answer});
    EXPECT_EQ(ShowMessage(MessageRow::kExitQuestion, MB_YESNO | MB_ICONQUESTION), answer);
    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"プログラムを終了しますか？");
    EXPECT_EQ(boxes[0].buttons, kYesNo);
    EXPECT_EQ(boxes[0].icon, MessageBoxCatcher::IconOf(IDI_QUESTION));
  }
}

TEST(MessageBoxes, RowsFromTheFilterOnAndNegativeRowsShowAnEmptyBox) {
  for (const MessageRow row :
       {MessageRow::kFileFilter, MessageRow::kCount, static_cast<MessageRow>(1000), static_cast<MessageRow>(-1)}) {
    MessageBoxCatcher catcher;
    EXPECT_EQ(ShowMessage(row, MB_OK), IDOK);
    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u) << static_cast<int>(row);
    EXPECT_EQ(boxes[0].text, L"") << static_cast<int>(row);
    EXPECT_EQ(boxes[0].buttons, kOkOnly) << static_cast<int>(row);
  }
}

TEST(MessageBoxes, ReportCodeShowsTheMessageOfEachCodeWithItsIcon) {
  struct Case {
    int code;
    const wchar_t* text;
    LPCWSTR icon;
  };
  const Case cases[] = {
      {20, L"code : 20\r\nファイル入力エラーです。ファイルを確認してください。", IDI_ERROR},
      {22, L"code : 22\r\nファイル出力エラーです。", IDI_WARNING},
      {23, L"code : 23\r\n設定データに誤りがあります。", IDI_ERROR},
      {24, L"code : 24\r\n設定する項目を選択して下さい。", IDI_ERROR},
      {30, L"code : 30\r\nポートのオープンに失敗しました。", IDI_ERROR},
      {31, L"code : 31\r\n転送中にエラーが発生しました。接続を確認して下さい。", IDI_ERROR},
      {32, L"code : 32\r\n取得したデータにエラーがあります。", IDI_ERROR},
      {40, L"code : 40\r\nプリンタとの通信インターフェースを選択してください。", IDI_ERROR},
      {81, L"code : 81\r\nファイル読込エラーです。ファイルを確認してください。", IDI_ERROR},
  };
  ASSERT_NE(MessageBoxCatcher::IconOf(IDI_ERROR), MessageBoxCatcher::IconOf(IDI_WARNING));
  for (const Case& c : cases) {
    MessageBoxCatcher catcher;
    ReportCode(c.code);
    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u) << c.code;
    EXPECT_EQ(boxes[0].text, c.text) << c.code;
    EXPECT_EQ(boxes[0].title, L"win_tests") << c.code;
    EXPECT_EQ(boxes[0].buttons, kOkOnly) << c.code;
    EXPECT_NE(boxes[0].icon, nullptr) << c.code;
    EXPECT_EQ(boxes[0].icon, MessageBoxCatcher::IconOf(c.icon)) << c.code;
  }
}

TEST(MessageBoxes, Code80ShowsTheOpenErrorThenTheReadError) {
  MessageBoxCatcher catcher;
  ReportCode(80);
  const std::vector<CaughtBox> boxes = catcher.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, L"code : 80\r\nファイル入力エラーです。ファイルを確認してください。");
  EXPECT_EQ(boxes[1].text, L"code : 81\r\nファイル読込エラーです。ファイルを確認してください。");
  for (const CaughtBox& box : boxes) {
    EXPECT_EQ(box.buttons, kOkOnly);
    EXPECT_EQ(box.icon, MessageBoxCatcher::IconOf(IDI_ERROR));
  }
}

TEST(MessageBoxes, CodesWithoutAMessageShowNothing) {
  MessageBoxCatcher catcher;
  for (const int code : {21, 25, 0, -20, 33, 82}) ReportCode(code);
  // A box would have stayed open until the catcher closed it.
  EXPECT_TRUE(catcher.Boxes().empty());
}

}  // namespace
}  // namespace vostrel

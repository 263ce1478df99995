#include "i18n/result_codes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "i18n/language.h"
#include "i18n/text_table.h"

namespace vostrel {
namespace {

TEST(ResultCodes, EachCodeWithAMessageShowsARowThatCarriesItsOwnCode) {
  const ResultCode shown[] = {ResultCode::kImportFailed,    ResultCode::kExportFailed,  ResultCode::kRejectedValue,
                              ResultCode::kNothingSelected, ResultCode::kLinkNotOpened, ResultCode::kWriteFailed,
                              ResultCode::kReadFailed,      ResultCode::kNoInterface,   ResultCode::kFileNotOpened,
                              ResultCode::kFileNotRead};
  for (const ResultCode code : shown) {
    const int number = static_cast<int>(code);
    SCOPED_TRACE(number);
    const CodeMessage* message = FindCodeMessage(code);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(FindCodeMessage(number), message);
    const std::wstring english = CellText(Row(message->row), Language::English);
    EXPECT_TRUE(english.starts_with(L"code : " + std::to_wstring(number) + L"\r\n")) << static_cast<int>(message->row);
    EXPECT_EQ(message->style, code == ResultCode::kExportFailed ? MessageStyle::kExclamation : MessageStyle::kError);
    const std::optional<MessageRow> second =
        code == ResultCode::kFileNotOpened ? std::optional(MessageRow::kFileNotRead) : std::nullopt;
    EXPECT_TRUE(message->secondRow == second);
  }
}

TEST(ResultCodes, CodesWithoutAMessageHaveNoRowAndNoText) {
  for (const int code : {0, 21, 25, 33, -1, 1167}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(FindCodeMessage(code), nullptr);
    EXPECT_EQ(CodeMessageText(static_cast<ResultCode>(code)), L"");
  }
}

TEST(ResultCodes, TheTextIsTheCurrentLanguagesAndCode80CarriesBothRows) {
  ASSERT_EQ(CurrentLanguage(), Language::Japanese);
  EXPECT_EQ(CodeMessageText(ResultCode::kLinkNotOpened), L"code : 30\r\nポートのオープンに失敗しました。");
  EXPECT_EQ(CodeMessageText(ResultCode::kFileNotOpened),
            L"code : 80\r\nファイル入力エラーです。ファイルを確認してください。\r\n"
            L"code : 81\r\nファイル読込エラーです。ファイルを確認してください。");
}

}  // namespace
}  // namespace vostrel

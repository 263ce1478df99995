#include "i18n/text_table.h"
#include "i18n/text_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "i18n/guide_rows.h"
#include "i18n/text_cells.h"
#include "i18n/text_entries.h"
#include "i18n/text_rows.h"

namespace vostrel {
namespace {

constexpr TextBlock kBlocks[] = {TextBlock::LabelTexts, TextBlock::GuideTexts,   TextBlock::PrintPageTexts,
                                 TextBlock::ValueWords, TextBlock::MessageTexts, TextBlock::StatusTexts};
constexpr Language kLanguages[] = {Language::English, Language::Japanese, Language::SimplifiedChinese,
                                   Language::Korean};

// The raw slot of a cell, terminator and whatever follows it included.
std::wstring_view Slot(TextId id, Language language) {
  const auto units = static_cast<std::size_t>(BlockCellUnits(id.block));
  return {CellText(id, language), units};
}

// UTF-16 units of a text; the host's wchar_t holds whole code points.
std::size_t Utf16Units(std::wstring_view text) {
  std::size_t units = 0;
  constexpr std::uint32_t kLastSingleUnit = 0xFFFF;
  for (const wchar_t c : text) units += static_cast<std::uint32_t>(c) > kLastSingleUnit ? 2 : 1;
  return units;
}

std::wstring Cell(TextBlock block, int row, Language language) { return CellText({block, row}, language); }

// Makes every lookup of a test answer in one language, and puts Japanese back.
class LanguageScope {
 public:
  explicit LanguageScope(Language language) { SetCurrentLanguage(language); }
  ~LanguageScope() { SetCurrentLanguage(Language::Japanese); }
};

TEST(TextTable, EveryCellIsANonEmptyTextThatFitsItsSlot) {
  for (const TextBlock block : kBlocks) {
    ASSERT_GT(BlockRowCount(block), 0);
    for (int row = 0; row < BlockRowCount(block); ++row) {
      for (const Language language : kLanguages) {
        const std::wstring_view slot = Slot({block, row}, language);
        const std::size_t end = slot.find(L'\0');
        SCOPED_TRACE(testing::Message() << "block " << static_cast<int>(block) << " row " << row << " language "
                                        << static_cast<int>(language));
        ASSERT_NE(end, std::wstring_view::npos);
        EXPECT_GT(end, 0u);
        EXPECT_LT(Utf16Units(slot.substr(0, end)), static_cast<std::size_t>(BlockCellUnits(block)));
      }
    }
  }
}

TEST(TextTable, BlocksHaveTheirRowCountsAndCellSizes) {
  struct Case {
    TextBlock block;
    int rows;
    int units;
  };
  const Case cases[] = {{TextBlock::LabelTexts, 131, 32},
                        {TextBlock::GuideTexts, 21, 512},
                        {TextBlock::PrintPageTexts, 5, 32},
                        {TextBlock::ValueWords, 3, 32},
                        {TextBlock::MessageTexts, 18, 512}};
  for (const Case& c : cases) {
    EXPECT_EQ(BlockRowCount(c.block), c.rows);
    EXPECT_EQ(BlockCellUnits(c.block), c.units);
  }
  EXPECT_EQ(sizeof(kLabelTexts), 131u * 4 * 32 * sizeof(wchar_t));
  EXPECT_EQ(sizeof(kGuideTexts), 21u * 4 * 512 * sizeof(wchar_t));
  EXPECT_EQ(sizeof(kMessageTexts), 18u * 4 * 512 * sizeof(wchar_t));
  EXPECT_EQ(sizeof(kStatusTexts), static_cast<std::size_t>(kStatusTextCount) * 4 * 512 * sizeof(wchar_t));
}

// The marks of a status text, in every language: the same values go in.
std::multiset<wchar_t> MarksOf(std::wstring_view text) {
  std::multiset<wchar_t> marks;
  for (std::size_t at = text.find(L'%'); at != std::wstring_view::npos; at = text.find(L'%', at + 1)) {
    if (at + 1 < text.size()) marks.insert(text[at + 1]);
  }
  return marks;
}

TEST(TextTable, EveryLanguageOfAStatusTextTakesTheSameValues) {
  for (int row = 0; row < kStatusTextCount; ++row) {
    const std::multiset<wchar_t> english = MarksOf(Cell(TextBlock::StatusTexts, row, Language::English));
    for (const Language language : kLanguages) {
      EXPECT_EQ(MarksOf(Cell(TextBlock::StatusTexts, row, language)), english)
          << "row " << row << " language " << static_cast<int>(language);
    }
  }
}

TEST(TextTable, FillTextPutsTheValuesInTheirMarks) {
  struct Case {
    const wchar_t* text;
    std::initializer_list<std::wstring_view> values;
    const wchar_t* filled;
  };
  const Case cases[] = {
      {L"Sent %1 settings to %2 at %3",
       {L"12", L"TCP 10.0.0.5:9100", L"10:42"},
       L"Sent 12 settings to TCP 10.0.0.5:9100 at 10:42"},
      {L"%3 に %1 件の設定を %2 へ送信しました",
       {L"12", L"COM3", L"10:42"},
       L"10:42 に 12 件の設定を COM3 へ送信しました"},
      {L"%1 min %2 s", {L"1", L"40"}, L"1 min 40 s"},
      {L"Failed: code %1 %2", {L"30"}, L"Failed: code 30 "},
      {L"100% done %", {}, L"100% done %"},
      {L"%2%1", {L"a", L"%1"}, L"%1a"},
  };
  for (const Case& c : cases) EXPECT_EQ(FillText(c.text, c.values), c.filled) << c.text;
}

TEST(TextTable, LongestTextsAreTheKnownOnes) {
  std::size_t longestShort = 0;
  std::size_t longestLong = 0;
  for (const TextBlock block : kBlocks) {
    for (int row = 0; row < BlockRowCount(block); ++row) {
      for (const Language language : kLanguages) {
        if (block == TextBlock::MessageTexts && row == static_cast<int>(MessageRow::kFileFilter)) continue;
        const std::size_t units = Utf16Units(CellText({block, row}, language));
        std::size_t& longest = BlockCellUnits(block) == kShortCellUnits ? longestShort : longestLong;
        if (units > longest) longest = units;
      }
    }
  }
  EXPECT_EQ(longestShort, 28u);
  EXPECT_EQ(Cell(TextBlock::LabelTexts, 111, Language::English), L"RFID Calib Position Offset :");
  EXPECT_EQ(longestLong, 266u);
  EXPECT_EQ(Utf16Units(CellText({TextBlock::GuideTexts, 4}, Language::English)), 266u);
}

TEST(TextTable, RowsWhoseFourCellsAreEqualAndNoOthers) {
  std::set<std::pair<TextBlock, int>> equalRows;
  for (int row : {25, 26, 27, 28, 29, 31, 32, 34, 35, 41}) equalRows.insert({TextBlock::LabelTexts, row});
  for (int row = 47; row <= 55; ++row) equalRows.insert({TextBlock::LabelTexts, row});
  for (int row = 73; row <= 87; ++row) equalRows.insert({TextBlock::LabelTexts, row});
  for (int row = 90; row <= 96; ++row) equalRows.insert({TextBlock::LabelTexts, row});
  equalRows.insert({TextBlock::ValueWords, 0});

  for (const TextBlock block : kBlocks) {
    for (int row = 0; row < BlockRowCount(block); ++row) {
      const std::wstring english = Cell(block, row, Language::English);
      bool allEqual = true;
      for (const Language language : kLanguages) allEqual = allEqual && Cell(block, row, language) == english;
      EXPECT_EQ(allEqual, equalRows.count({block, row}) == 1) << "block " << static_cast<int>(block) << " row " << row;
    }
  }
}

TEST(TextTable, ChineseAndKoreanCellsOfTheTellingRows) {
  struct Case {
    TextBlock block;
    int row;
    const wchar_t* chinese;
    const wchar_t* korean;
  };
  const Case cases[] = {
      {TextBlock::LabelTexts, 0, L"简单", L"간편"},
      {TextBlock::LabelTexts, 1, L"基础", L"기본"},
      {TextBlock::LabelTexts, 2, L"情报", L"정보"},
      {TextBlock::LabelTexts, 3, L"传感器调整", L"센서 조정"},
      {TextBlock::LabelTexts, 4, L"打印测试", L"테스트 인쇄"},
      {TextBlock::LabelTexts, 5, L"高级", L"고급"},
      {TextBlock::LabelTexts, 11, L"端口号:", L"Port번호:"},
      {TextBlock::LabelTexts, 12, L"发送设置", L"설정 보내기"},
      {TextBlock::LabelTexts, 13, L"开始传感器调整", L"센서 조정을 시작하십시오"},
      {TextBlock::LabelTexts, 16, L"收信", L"받기"},
      {TextBlock::LabelTexts, 37, L"无", L"없음"},
      {TextBlock::LabelTexts, 38, L"奇数", L"홀수"},
      {TextBlock::LabelTexts, 39, L"偶数", L"짝수"},
      {TextBlock::LabelTexts, 42, L"硬件", L"Hardware"},
      {TextBlock::LabelTexts, 108, L"否", L"아니오"},
      {TextBlock::LabelTexts, 109, L"是", L"예"},
      {TextBlock::LabelTexts, 110, L"RFID Calib Executed :", L"RFID Calib Executed :"},
      {TextBlock::LabelTexts, 111, L"RFID Calib Position Offset :", L"RFID Calib Position Offset :"},
      {TextBlock::LabelTexts, 112, L"RFID Calib Power :", L"RFID Calib Power :"},
      {TextBlock::LabelTexts, 119, L"间隙纸", L"갭라벨"},
      {TextBlock::LabelTexts, 120, L"黑色标记纸", L"마킹라벨"},
      {TextBlock::LabelTexts, 121, L"连续纸", L"연속지"},
      {TextBlock::PrintPageTexts, 3, L"實行", L"실행"},
      {TextBlock::MessageTexts, 5, L"code : 30\r\n打开端口时发生了错误。", L"code : 30\r\n포트 열기 에러."},
      {TextBlock::MessageTexts, 12, L"是否结束程序？", L"프로그램을 종료하시겠습니까?"},
      {TextBlock::ValueWords, 1, L"关", L"오프"},
      {TextBlock::ValueWords, 2, L"开", L"온"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cell(c.block, c.row, Language::SimplifiedChinese), c.chinese) << c.row;
    EXPECT_EQ(Cell(c.block, c.row, Language::Korean), c.korean) << c.row;
  }
}

TEST(TextTable, NumberedMessagesStartWithTheirCodeInEveryLanguage) {
  struct Case {
    int row;
    const wchar_t* head;  // nullptr: a question, no code
  };
  const Case cases[] = {{0, L"code : 20\r\n"}, {1, L"code : 21\r\n"}, {2, L"code : 22\r\n"}, {3, L"code : 23\r\n"},
                        {4, L"code : 24\r\n"}, {5, L"code : 30\r\n"}, {6, L"code : 31\r\n"}, {7, L"code : 32\r\n"},
                        {8, L"code : 40\r\n"}, {9, nullptr},          {10, nullptr},         {11, nullptr},
                        {12, nullptr},         {13, nullptr},         {14, nullptr},         {15, L"code : 80\r\n"},
                        {16, L"code : 81\r\n"}};
  for (const Case& c : cases) {
    for (const Language language : kLanguages) {
      const std::wstring text = Cell(TextBlock::MessageTexts, c.row, language);
      if (c.head == nullptr) {
        EXPECT_NE(text.rfind(L"code", 0), 0u) << c.row;
      } else {
        EXPECT_EQ(text.rfind(c.head, 0), 0u) << c.row;
        EXPECT_GT(text.size(), std::wstring_view(c.head).size()) << c.row;
      }
    }
  }
}

std::vector<std::wstring> FilterParts(Language language) {
  const std::wstring_view slot = Slot(Row(MessageRow::kFileFilter), language);
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start < slot.size() && slot[start] != L'\0') {
    const std::size_t end = slot.find(L'\0', start);
    parts.emplace_back(slot.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

TEST(TextTable, FileFilterHoldsFourPartsEndedByADoubleNul) {
  EXPECT_EQ(FilterParts(Language::English),
            (std::vector<std::wstring>{L"PRN Files (*.prn)", L"*.prn", L"All Files (*.*)", L"*.*"}));
  EXPECT_EQ(FilterParts(Language::Japanese),
            (std::vector<std::wstring>{L"PRN ファイル (*.prn)", L"*.prn", L"すべてのファイル (*.*)", L"*.*"}));
  for (const Language language : {Language::SimplifiedChinese, Language::Korean}) {
    const std::vector<std::wstring> parts = FilterParts(language);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1], L"*.prn");
    EXPECT_EQ(parts[3], L"*.*");
  }
}

TEST(TextTable, EntryRangesLieInsideTheirBlocks) {
  auto check = [](const TextRange& range, bool captionField) {
    EXPECT_GE(range.count, 0);
    if (captionField) {
      EXPECT_GE(range.count, 1);
    }
    if (range.count == 0) return;
    EXPECT_TRUE(RowExists(range.first));
    EXPECT_TRUE(RowExists({range.first.block, range.first.row + range.count - 1}));
  };
  for (std::size_t k = 0; k < kControlTextEntries.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "control entry " << k);
    check(kControlTextEntries[k].caption, true);
    check(kControlTextEntries[k].choices, false);
    check(kControlTextEntries[k].units, false);
  }
  for (std::size_t k = 0; k < kPrintPageTextEntries.size(); ++k) {
    const TextEntry& entry = kPrintPageTextEntries[k];
    EXPECT_EQ(entry.caption.count, 1);
    EXPECT_EQ(entry.caption.first.block, TextBlock::PrintPageTexts);
    EXPECT_EQ(entry.caption.first.row, static_cast<int>(k));
    EXPECT_EQ(entry.choices.count, 0);
    EXPECT_EQ(entry.units.count, 0);
  }
}

TEST(TextTable, EntriesShowTheirRowsInJapanese) {
  struct Case {
    int entry;
    std::vector<std::wstring> captions;
    std::vector<std::wstring> choices;
    std::vector<std::wstring> units;
  };
  const Case cases[] = {
      {0, {L"基本", L"詳細", L"情報", L"センサー調整", L"テスト印刷", L"拡張"}, {}, {}},
      {7, {L"設定送信", L"センサー調整開始"}, {}, {}},
      {10, {L"受信"}, {L"かんたん", L"基本", L"情報", L"全て"}, {}},
      {17, {L"フロー制御"}, {L"Xon/Xoff", L"ハードウェア", L"なし"}, {}},
      {18, {L"COM設定"}, {}, {}},
      {21, {L"印刷方法"}, {L"熱転写", L"感熱"}, {}},
      {22, {L"連続紙用紙長"}, {}, {L"MM"}},
      {29, {L"IPv4 DHCP"}, {L"OFF", L"ON"}, {}},
      {44, {L"シリアル X-ON 制御"}, {L"NO", L"YES"}, {}},
      {54, {L"シリアル番号 : "}, {}, {}},
      {57, {L"カットカウンタ : "}, {}, {}},
      {59,
       {L"用紙の種類"},
       {L"ギャップ付き\nラベル\n（透過）", L"ブラックマーク付き\nラベル\n（反射）", L"連続紙"},
       {}},
      {62, {L"センサー調整"}, {L"ギャップ付きラベル", L"ブラックマーク付きラベル", L"RFID付ラベル"}, {}},
  };
  ASSERT_EQ(CurrentLanguage(), Language::Japanese);
  auto texts = [](const TextRange& range) {
    std::vector<std::wstring> out;
    for (int k = 0; k < range.count; ++k) out.emplace_back(GetText(range, k));
    return out;
  };
  for (const Case& c : cases) {
    const TextEntry& entry = kControlTextEntries[static_cast<std::size_t>(c.entry)];
    EXPECT_EQ(texts(entry.caption), c.captions) << c.entry;
    EXPECT_EQ(texts(entry.choices), c.choices) << c.entry;
    EXPECT_EQ(texts(entry.units), c.units) << c.entry;
  }
  EXPECT_EQ(std::wstring(GetText(kPrintPageTextEntries[3].caption, 0)), L"実行");
}

TEST(TextTable, StandardPageEntriesHaveOneCaptionEach) {
  std::set<int> captionRows;
  for (int k = kFirstStandardItemEntry; k < kFirstStandardItemEntry + kStandardItemEntryCount; ++k) {
    const TextEntry& entry = kControlTextEntries[static_cast<std::size_t>(k)];
    EXPECT_EQ(entry.caption.count, 1) << k;
    EXPECT_EQ(entry.caption.first.block, TextBlock::LabelTexts) << k;
    captionRows.insert(entry.caption.first.row);
  }
  EXPECT_EQ(captionRows.size(), static_cast<std::size_t>(kStandardItemEntryCount));
  EXPECT_EQ(std::wstring(GetText(kControlTextEntries[19].caption, 0)), L"印刷速度");
  EXPECT_EQ(std::wstring(GetText(kControlTextEntries[44].caption, 0)), L"シリアル X-ON 制御");
}

TEST(TextTable, CountersKeepTheirTrailingSpaceInEveryLanguage) {
  for (int row = 114; row <= 117; ++row) {
    for (const Language language : kLanguages) {
      const std::wstring text = Cell(TextBlock::LabelTexts, row, language);
      ASSERT_FALSE(text.empty());
      EXPECT_EQ(text.substr(text.size() - 3), L" : ") << row;
    }
  }
  EXPECT_EQ(Cell(TextBlock::LabelTexts, 114, Language::Japanese), L"シリアル番号 : ");
}

TEST(TextTable, LookupsFollowTheCurrentLanguage) {
  const TextId exitQuestion{TextBlock::MessageTexts, 12};
  struct Case {
    Language language;
    const wchar_t* text;
  };
  const Case cases[] = {{Language::English, L"Exit program?"},
                        {Language::Japanese, L"プログラムを終了しますか？"},
                        {Language::SimplifiedChinese, L"是否结束程序？"},
                        {Language::Korean, L"프로그램을 종료하시겠습니까?"}};
  for (const Case& c : cases) {
    const LanguageScope scope(c.language);
    EXPECT_EQ(CurrentLanguage(), c.language);
    EXPECT_EQ(std::wstring(GetText(exitQuestion)), c.text);
  }
  EXPECT_EQ(CurrentLanguage(), Language::Japanese);
  SetCurrentLanguage(static_cast<Language>(7));
  EXPECT_EQ(CurrentLanguage(), Language::Japanese);
}

TEST(TextTable, RowsAndIndexesOutsideTheTableGiveAnEmptyText) {
  const TextRange tabs = kControlTextEntries[0].caption;
  EXPECT_EQ(std::wstring(GetText(tabs, 5)), L"拡張");
  EXPECT_EQ(std::wstring(GetText(tabs, 6)), L"");
  EXPECT_EQ(std::wstring(GetText(tabs, -1)), L"");
  EXPECT_EQ(std::wstring(GetText(TextId{TextBlock::LabelTexts, 131})), L"");
  EXPECT_EQ(std::wstring(GetText(TextId{TextBlock::ValueWords, -1})), L"");
  EXPECT_EQ(std::wstring(CellText({TextBlock::ValueWords, 1}, static_cast<Language>(4))), L"");
}

TEST(TextTable, EnglishTextTurnsAShownTextBackIntoItsEnglishCell) {
  struct Case {
    TextRange range;
    std::wstring shown;
    std::wstring before;
    std::wstring expected;
  };
  const TextRange method = kControlTextEntries[21].choices;
  const TextRange speed = kControlTextEntries[19].choices;
  const TextRange onOff = kControlTextEntries[29].choices;
  const TextRange parity = kControlTextEntries[41].choices;
  const Case cases[] = {
      {method, L"熱転写", L"", L"TT"},
      {method, L"DT", L"x", L"DT"},
      {method, L"感熱", L"", L"DT"},
      {method, L"热转印", L"", L"TT"},  // a Chinese cell
      {method, L"감열", L"", L"DT"},    // a Korean cell
      {method, L"熱転", L"keep", L"keep"},
      {method, L"熱転写 ", L"keep", L"keep"},
      {method, L"tt", L"keep", L"keep"},
      {speed, L"", L"as filled", L"as filled"},
      {speed, L"10 IPS", L"", L"10 IPS"},
      {onOff, L"关", L"", L"OFF"},
      {onOff, L"온", L"", L"ON"},
      {parity, L"奇数", L"", L"ODD"},
      {TextRange{}, L"熱転写", L"keep", L"keep"},
  };
  for (const Case& c : cases) {
    std::wstring result = c.before;
    EnglishText(c.range, c.shown, result);
    EXPECT_EQ(result, c.expected);
  }
}

TEST(TextTable, EnglishTextLetsTheLastMatchingRowWin) {
  // The tab label "Easy" (row 0) and the receive choice "EASY" (row 17) share
  // their Chinese cell, and row 0 shares its Japanese cell with row 18.
  struct Case {
    TextRange range;
    std::wstring shown;
    std::wstring expected;
  };
  const Case cases[] = {
      {{18, {TextBlock::LabelTexts, 0}}, L"简单", L"EASY"},
      {{17, {TextBlock::LabelTexts, 0}}, L"简单", L"Easy"},
      {{19, {TextBlock::LabelTexts, 0}}, L"基本", L"STANDARD"},
      {{18, {TextBlock::LabelTexts, 1}}, L"基本", L"STANDARD"},
      {{3, {TextBlock::LabelTexts, 129}}, L"RFID付ラベル", L"RFID Calibration"},  // runs past the block's end
  };
  for (const Case& c : cases) {
    std::wstring result = L"before";
    EnglishText(c.range, c.shown, result);
    EXPECT_EQ(result, c.expected);
  }
}

// Each name of a guide row names the row that holds its text.
TEST(GuideRows, EachNameAddressesItsText) {
  struct Case {
    GuideRow row;
    std::wstring_view english;
  };
  const Case cases[] = {
      {kGuidePrompt, L"Please select the type of media being used:"},
      {kGuideGapsShowLiner, L"2. Remove the labels to show the backing paper (liner) only."},
      {kGuideMarksFaceDown, L"2. Set the paper so that the black marks are facing downwards."},
      {kGuideCloseAndStartAdjustment, L"4. Close the printer and click on the Start Sensor Adjustment."},
      {kGuideAskSensorAdjustment, L"Are you sure to start sensor adjustment?"},
      {kGuideSensorAdjustmentDone, L"Sensor adjustment done successfully."},
      {kGuideSensorAdjustmentFailed, L"Sensor adjustment failed.\nPlease try again."},
      {kGuideAskRfidCalibration, L"Are you sure to start RFID Calibration?"},
      {kGuideRfidCalibrationDone, L"RFID Calibration done successfully."},
      {kGuideRfidCalibrationFailed, L"RFID Calibration failed.\nPlease try again."},
      {kGuideNoRfidSupport, L"This printer does not support RFID."},
      {kGuideRfidSetUpMedia, L"2. Setup the media for calibration."},
      {kGuideRfidLoadLabelRoll, L"2. Load the RFID label roll face up; leave the labels on the liner."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::wstring_view(CellText(GuideText(c.row), Language::English)), c.english) << c.row;
  }
}

// The RFID guide's steps fit their places on the Calibration page: the first
// and the third have room for two lines, the second for one, in every
// language.
TEST(GuideRows, TheRfidStepsHoldAsManyLinesAsTheirPlaces) {
  struct Case {
    GuideRow row;
    int lines;
  };
  for (const Case& c :
       {Case{kGuideRfidSensorPosition, 2}, Case{kGuideRfidLoadLabelRoll, 1}, Case{kGuideRfidCloseAndStart, 2}}) {
    for (const Language language : kLanguages) {
      const std::wstring_view text = CellText(GuideText(c.row), language);
      EXPECT_FALSE(text.empty()) << c.row;
      EXPECT_EQ(static_cast<int>(std::count(text.begin(), text.end(), L'\n')) + 1, c.lines)
          << c.row << " " << static_cast<int>(language);
    }
  }
}

}  // namespace
}  // namespace vostrel

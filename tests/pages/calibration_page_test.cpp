// The Calibration page from the program's own template and pictures.
#include "pages/calibration_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/text_table.h"
#include "pages/pages_host.h"
#include "ui/bitmap.h"
#include "ui/controls.h"

namespace vostrel::testing {
namespace {

// The pixels of a bitmap as 32-bit values, top row first.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  const SIZE size = ui::BitmapSize(bitmap);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
  const HDC screen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (rows != size.cy) pixels.clear();
  return pixels;
}

std::vector<std::uint32_t> ResourcePixels(int id) {
  const ScopedGdiObject bitmap = ui::LoadBitmapResource(nullptr, id);
  return bitmap ? Pixels(static_cast<HBITMAP>(bitmap.get())) : std::vector<std::uint32_t>{};
}

class CalibrationPage : public HostedPageTest<CDlgTabCalibration> {
 protected:
  HBITMAP StepImage(size_t step) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessageW(Item(CDlgTabCalibration::kStepPictures[step]), STM_GETIMAGE, IMAGE_BITMAP, 0));
  }
  POINT Position(int id) {
    RECT rect{};
    ::GetWindowRect(Item(id), &rect);
    ::MapWindowPoints(HWND_DESKTOP, page_.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top};
  }
  // The guide that the page shows: its texts and pictures are those of
  // guide `guide` (0 labels with gaps, 1 black marks, 2 RFID), laid out for
  // Japanese; the steps it lacks are hidden.
  void ExpectGuide(int guide) {
    const MediaGuide& shown = CalibrationGuide[static_cast<size_t>(guide)];
    const GuideLayout layout = LayOutGuide(page_.guideSizes(), Language::Japanese, guide, Position(IDC_CAL_STEP1_TEXT));
    for (size_t i = 0; i < 4; ++i) {
      const bool used = static_cast<int>(i) < shown.stepCount;
      EXPECT_EQ(ui::Control(Item(CDlgTabCalibration::kStepTexts[i])).IsShown(), used) << guide << " " << i;
      EXPECT_EQ(ui::Control(Item(CDlgTabCalibration::kStepPictures[i])).IsShown(), used) << guide << " " << i;
      if (!used) continue;
      EXPECT_EQ(Text(CDlgTabCalibration::kStepTexts[i]),
                CellText(GuideText(shown.steps[i].textRow), Language::Japanese))
          << guide << " " << i;
      const std::vector<std::uint32_t> picture = Pixels(StepImage(i));
      EXPECT_FALSE(picture.empty()) << guide << " " << i;
      EXPECT_TRUE(picture == ResourcePixels(shown.steps[i].picture))
          << guide << " step " << i << " wants " << shown.steps[i].picture;
      const POINT text = Position(CDlgTabCalibration::kStepTexts[i]);
      const POINT at = Position(CDlgTabCalibration::kStepPictures[i]);
      EXPECT_EQ(text.y, layout.texts[i].y) << guide << " " << i;
      EXPECT_EQ(at.y, layout.pictures[i].y) << guide << " " << i;
      EXPECT_EQ(at.x, text.x) << guide << " " << i;
    }
    EXPECT_EQ(Position(IDC_CAL_START).y, layout.button.y) << guide;
    const int media = guide == kRfidGuide ? CDlgTabCalibration::kRfidMedia : guide;
    EXPECT_EQ(page_.calibMediaIndex(), media);
    EXPECT_EQ(ui::CheckBox(Item(IDC_CAL_GAPS_RADIO)).IsChecked(), media == 0);
    EXPECT_EQ(ui::CheckBox(Item(IDC_CAL_MARKS_RADIO)).IsChecked(), media == 1);
    EXPECT_EQ(ui::CheckBox(Item(IDC_CAL_RFID_RADIO)).IsChecked(), media == CDlgTabCalibration::kRfidMedia);
  }
  void ShowPage() {
    ::ShowWindow(host_.hwnd(), SW_SHOWNA);
    ::ShowWindow(page_.hwnd(), SW_SHOWNA);
  }
};

TEST(CalibrationGuideLayout, TheWorkedJapaneseExampleForLabelsWithGaps) {
  const GuideSizes sizes{.textHeights = {30, 15, 30, 15},
                         .pictureHeights = {134, 134, 134, 134},
                         .lastPictureWidth = 376,
                         .buttonWidth = 100};
  const GuideLayout layout = LayOutGuide(sizes, Language::Japanese, 0, {12, 0});
  EXPECT_EQ(layout.pictures[0].y, 9);  // 30 - 21
  EXPECT_EQ(layout.texts[1].y, 163);
  EXPECT_EQ(layout.pictures[1].y, 178);
  EXPECT_EQ(layout.texts[2].y, 332);
  EXPECT_EQ(layout.pictures[2].y, 347);  // the Japanese extra -15
  EXPECT_EQ(layout.texts[3].y, 501);
  EXPECT_EQ(layout.pictures[3].y, 516);
  EXPECT_EQ(layout.button.y, 670);
  EXPECT_EQ(layout.button.x, 12 + 138);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.texts[i].x, 12) << i;
    EXPECT_EQ(layout.pictures[i].x, 12) << i;
  }
}

TEST(CalibrationGuideLayout, StartingOffsetAndExtraByLanguageAndMedia) {
  const GuideSizes sizes{.textHeights = {41, 15, 31, 15}, .pictureHeights = {235, 235, 235, 235}};
  struct Case {
    Language language;
    int media;
    int firstPicture;  // below the first text's top (at 100)
    int thirdPicture;  // below the third text's top
  };
  const Case cases[] = {
      {Language::English, 0, 41 - 20, 31},       {Language::Korean, 0, 41 - 20, 31 - 15},
      {Language::Japanese, 0, 41 - 30, 31 - 15}, {Language::SimplifiedChinese, 0, 41 - 30, 31 - 15},
      {Language::English, 1, 41 - 30, 31},       {Language::Korean, 1, 41 - 30, 31 - 15},
  };
  for (const Case& c : cases) {
    const GuideLayout layout = LayOutGuide(sizes, c.language, c.media, {0, 100});
    EXPECT_EQ(layout.pictures[0].y - 100, c.firstPicture) << static_cast<int>(c.language) << " " << c.media;
    EXPECT_EQ(layout.pictures[2].y - layout.texts[2].y, c.thirdPicture)
        << static_cast<int>(c.language) << " " << c.media;
    EXPECT_EQ(layout.texts[1].y, layout.pictures[0].y + 235 + 20);
  }
}

TEST_F(CalibrationPage, StartsWithTheTemplateSizesAndItsScrollBar) {
  const GuideSizes& sizes = page_.guideSizes();
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(sizes.pictureHeights[i], 235) << i;
  EXPECT_EQ(sizes.lastPictureWidth, 376);
  EXPECT_GT(sizes.textHeights[0], sizes.textHeights[1]);
  EXPECT_GT(sizes.buttonWidth, 0);
  EXPECT_EQ(page_.scrollState().maximum, 1180);
  EXPECT_EQ(page_.scrollState().page, 300);
  EXPECT_EQ(page_.calibMediaIndex(), 0);
  EXPECT_TRUE(ui::CheckBox(Item(IDC_CAL_GAPS_RADIO)).IsChecked());
}

TEST_F(CalibrationPage, TextsComeFromTheTableInJapanese) {
  StartUp(0);
  EXPECT_EQ(Text(IDC_CAL_GROUP), L"センサー調整");
  EXPECT_EQ(Text(IDC_CAL_PROMPT), L"用紙の種類を選択してください：");
  EXPECT_EQ(Text(IDC_CAL_GAPS_LABEL), L"ギャップ付きラベル");
  EXPECT_EQ(Text(IDC_CAL_MARKS_LABEL), L"ブラックマーク付きラベル");
  EXPECT_EQ(Text(IDC_CAL_RFID_LABEL), L"");
  EXPECT_EQ(Text(IDC_CAL_START), L"センサー調整開始");
  EXPECT_EQ(Text(IDC_CAL_STEP4_TEXT), L"5. 蓋をしめてから、電源を入れてセンサー調整開始ボタンを押してください。");
}

TEST_F(CalibrationPage, SwitchingMediaSwapsTheStepsBothWays) {
  StartUp(0);
  ExpectGuide(0);
  Click(IDC_CAL_MARKS_RADIO);
  ExpectGuide(1);
  Click(IDC_CAL_GAPS_RADIO);
  ExpectGuide(0);
}

TEST_F(CalibrationPage, AModelChangeReturnsToLabelsWithGaps) {
  StartUp(0);
  for (int model : {1, 0}) {
    Click(IDC_CAL_MARKS_RADIO);
    ASSERT_EQ(page_.calibMediaIndex(), 1);
    page_.ApplyModel(ModelAt(model), Language::Japanese);
    ExpectGuide(0);
  }
}

TEST_F(CalibrationPage, ClickingTheChosenRadioDoesNothing) {
  StartUp(0);
  ::ShowWindow(host_.hwnd(), SW_SHOWNA);
  ::ShowWindow(page_.hwnd(), SW_SHOWNA);
  ::UpdateWindow(host_.hwnd());
  const POINT picture = Position(IDC_CAL_STEP2_PICTURE);
  std::array<HBITMAP, 4> images{};
  for (size_t i = 0; i < 4; ++i) images[i] = StepImage(i);

  ::ValidateRect(page_.hwnd(), nullptr);
  Click(IDC_CAL_GAPS_RADIO);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(StepImage(i), images[i]) << i;  // not loaded again
  EXPECT_FALSE(::GetUpdateRect(page_.hwnd(), nullptr, FALSE));             // not repainted
  EXPECT_EQ(Position(IDC_CAL_STEP2_PICTURE).y, picture.y);
  EXPECT_EQ(page_.calibMediaIndex(), 0);

  // The other radio does reload and repaint: the checks above can fail.
  Click(IDC_CAL_MARKS_RADIO);
  EXPECT_NE(StepImage(1), images[1]);
  EXPECT_TRUE(::GetUpdateRect(page_.hwnd(), nullptr, FALSE));
}

TEST_F(CalibrationPage, TheThirdChoiceIsNeverVisibleUntilOffered) {
  auto expectHidden = [&](const char* when) {
    for (int id : {IDC_CAL_RFID_SLOT, IDC_CAL_RFID_RADIO, IDC_CAL_RFID_LABEL}) {
      EXPECT_FALSE(ui::Control(Item(id)).IsShown()) << when << " " << id;
      EXPECT_FALSE(ui::Control(Item(id)).IsEnabled()) << when << " " << id;
    }
  };
  ::ShowWindow(host_.hwnd(), SW_SHOWNA);
  ::ShowWindow(page_.hwnd(), SW_SHOWNA);
  expectHidden("made");
  for (int model : {0, 1}) {
    StartUp(model);
    expectHidden("model");
    Click(IDC_CAL_MARKS_RADIO);
    expectHidden("black marks");
    // Not offered: even a click that reached the page changes nothing.
    // (BM_CLICK on the hidden, disabled button hangs under Wine, so the
    // click's notification is sent as the button would send it.)
    ::SendMessageW(page_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CAL_RFID_RADIO, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(IDC_CAL_RFID_RADIO)));
    EXPECT_EQ(page_.calibMediaIndex(), 1);
  }

  // One call offers it, with its label, and one takes it away again.
  page_.OfferThirdChoice(true);
  for (int id : {IDC_CAL_RFID_SLOT, IDC_CAL_RFID_RADIO, IDC_CAL_RFID_LABEL}) {
    EXPECT_TRUE(ui::Control(Item(id)).IsShown()) << id;
  }
  EXPECT_EQ(Text(IDC_CAL_RFID_LABEL), L"RFID付ラベル");
  Click(IDC_CAL_RFID_RADIO);
  EXPECT_EQ(page_.calibMediaIndex(), CDlgTabCalibration::kRfidMedia);
  page_.OfferThirdChoice(false);
  expectHidden("taken away");
  EXPECT_EQ(page_.calibMediaIndex(), 0);
  ExpectGuide(0);
}

// The RFID choice shows the RFID label roll's own three steps (the steps of
// the media chosen before go), and choosing a media again brings its guide
// back, fourth step included.
TEST_F(CalibrationPage, TheRfidChoiceShowsItsOwnGuideAndAMediaBringsItsGuideBack) {
  StartUp(0);
  ShowPage();
  page_.OfferThirdChoice(true);
  struct Case {
    int radio;
    int guide;
  };
  const Case cases[] = {{IDC_CAL_MARKS_RADIO, 1}, {IDC_CAL_GAPS_RADIO, 0}};
  for (const Case& c : cases) {
    Click(c.radio);
    ExpectGuide(c.guide);
    Click(IDC_CAL_RFID_RADIO);
    ExpectGuide(kRfidGuide);
    // The words a Japanese user reads, and the picture of the RFID labels.
    EXPECT_EQ(Text(IDC_CAL_STEP1_TEXT),
              L"1. センサーが正しい位置にあることを確認してください。\n   詳細は取扱説明書をご参照ください。");
    EXPECT_EQ(Text(IDC_CAL_STEP2_TEXT), L"2. RFIDラベルを台紙から剥がさずに、印字面を上にしてセットしてください。");
    EXPECT_EQ(
        Text(IDC_CAL_STEP3_TEXT),
        L"3. カバーを閉じ、キャリブレーションを開始してください。\n   キャリブレーションの終了まで3～4分かかります。");
    EXPECT_TRUE(Pixels(StepImage(1)) == ResourcePixels(IDB_CAL_RFID_BETWEEN_SENSORS));
    // The button follows the third picture.
    RECT picture{};
    RECT button{};
    ::GetWindowRect(Item(IDC_CAL_STEP3_PICTURE), &picture);
    ::GetWindowRect(Item(IDC_CAL_START), &button);
    EXPECT_EQ(button.top - picture.bottom, page_.guideSizes().gap);
    Click(c.radio);
    ExpectGuide(c.guide);
  }
  // A model change leaves the RFID guide for labels with gaps.
  Click(IDC_CAL_RFID_RADIO);
  page_.ApplyModel(ModelAt(1), Language::Japanese);
  ExpectGuide(0);
}

// The RFID guide in every language: its third text holds two lines
// everywhere, so its picture starts below both.
TEST(CalibrationGuideLayout, TheRfidGuideKeepsTheThirdTextWholeAndEndsAfterThreeSteps) {
  const GuideSizes sizes{.textHeights = {41, 15, 31, 15},
                         .pictureHeights = {235, 235, 235, 235},
                         .lastPictureWidth = 376,
                         .buttonWidth = 100};
  for (Language language : {Language::English, Language::Japanese, Language::SimplifiedChinese, Language::Korean}) {
    const GuideLayout layout = LayOutGuide(sizes, language, kRfidGuide, {0, 100});
    EXPECT_EQ(layout.pictures[0].y - 100, 41 - 30) << static_cast<int>(language);
    EXPECT_EQ(layout.pictures[2].y - layout.texts[2].y, 31) << static_cast<int>(language);
    EXPECT_EQ(layout.button.y, layout.pictures[2].y + 235 + 20) << static_cast<int>(language);
    EXPECT_EQ(layout.button.x, 138);
  }
}

// A click on a media picture is a click on its radio button: the media is
// chosen and its guide shown, the radio button checked and focused. The RFID
// picture only while its choice is offered.
TEST_F(CalibrationPage, AClickOnAMediaPictureChoosesItsMedia) {
  StartUp(0);
  ShowPage();
  struct Case {
    int slot;
    bool offered;
    int guide;  // what the page shows afterwards
    int focused;
  };
  const Case cases[] = {
      {IDC_CAL_MARKS_SLOT, false, 1, IDC_CAL_MARKS_RADIO},
      {IDC_CAL_GAPS_SLOT, false, 0, IDC_CAL_GAPS_RADIO},
      {IDC_CAL_MARKS_SLOT, false, 1, IDC_CAL_MARKS_RADIO},
      {IDC_CAL_RFID_SLOT, false, 1, IDC_CAL_MARKS_RADIO},  // not offered: hidden, no choice
      {IDC_CAL_RFID_SLOT, true, kRfidGuide, IDC_CAL_RFID_RADIO},
      {IDC_CAL_GAPS_SLOT, true, 0, IDC_CAL_GAPS_RADIO},
  };
  for (const Case& c : cases) {
    page_.OfferThirdChoice(c.offered);
    // The middle of the roll's picture (140 x 120 pixels at 96 dpi).
    const POINT slot = Position(c.slot);
    UserClick(page_.hwnd(), {slot.x + 70, slot.y + 60});
    ExpectGuide(c.guide);
    EXPECT_EQ(::GetFocus(), Item(c.focused)) << c.slot;
  }
}

TEST_F(CalibrationPage, StartButtonClicksTheSendButton) {
  StartUp(0);
  Click(IDC_CAL_START);
  EXPECT_EQ(host_.Clicks(IDC_PAGES_HOST_SEND), 1);
  EXPECT_EQ(host_.Clicks(IDC_PAGES_HOST_PRINT_ACTION), 0);
}

TEST_F(CalibrationPage, TheLayoutFollowsTheScrolledPage) {
  StartUp(0);
  ::SendMessageW(page_.hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  ASSERT_EQ(page_.scrollState().position, 160);
  Click(IDC_CAL_MARKS_RADIO);
  ExpectGuide(1);
  ::SendMessageW(page_.hwnd(), WM_VSCROLL, SB_TOP, 0);
  // Back at the top, the first text stands where the template put it.
  const POINT atTop = Position(IDC_CAL_STEP1_TEXT);
  page_.ApplyModel(ModelAt(0), Language::Japanese);
  EXPECT_EQ(Position(IDC_CAL_STEP1_TEXT).y, atTop.y);
  ExpectGuide(0);
}

}  // namespace
}  // namespace vostrel::testing

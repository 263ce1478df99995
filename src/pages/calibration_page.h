#pragma once
// The Calibration page: a guide for preparing the printer for the media
// sensor adjustment. The user picks the media type; the page shows four
// numbered steps, each a text and a picture, laid out for the language, and
// the button that starts the adjustment (the main window's send button).

#include <windows.h>

#include <array>

#include "i18n/guide_rows.h"
#include "pages/page_pictures.h"
#include "pages/settings_page.h"
#include "res/calibration_page_ids.h"
#include "ui/dpi.h"

namespace vostrel {

// One step of a guide: its picture and its GuideTexts row.
struct GuideStep {
  int picture;
  GuideRow textRow;
};

// The guide of one media choice: up to four steps; a guide of three leaves
// the fourth place empty (hidden), and the button follows its third picture.
struct MediaGuide {
  std::array<GuideStep, 4> steps;
  int stepCount;
  // Outside English the third text holds one line, and its picture moves up
  // into the blank half of it; where the third text holds two lines in every
  // language, it does not.
  bool thirdTextOneLineOutsideEnglish;
};

// The guides, by guide index (GuideIndex): 0 labels with gaps, 1 black marks
// on back, 2 the RFID calibration (the RFID label roll, no label peeled off).
inline constexpr int kGuideCount = 3;
inline constexpr std::array<MediaGuide, kGuideCount> CalibrationGuide = {{
    {{{{IDB_CAL_OPEN_PRINTER, kGuideGapsSensorsAligned},
       {IDB_CAL_LINER_SHOWN, kGuideGapsShowLiner},
       {IDB_CAL_LINER_BETWEEN_SENSORS, kGuideGapsLinerBetweenSensors},
       {IDB_CAL_CLOSED_PRINTER_GAPS, kGuideCloseAndStartAdjustment}}},
     4,
     true},
    {{{{IDB_CAL_OPEN_PRINTER, kGuideMarksLowerSensor},
       {IDB_CAL_MARKS_ON_BACK, kGuideMarksFaceDown},
       {IDB_CAL_MARKS_CLEAR_OF_SENSOR, kGuideMarksClearOfSensor},
       {IDB_CAL_CLOSED_PRINTER_MARKS, kGuideCloseAndStartAdjustment}}},
     4,
     true},
    {{{{IDB_CAL_OPEN_PRINTER, kGuideRfidSensorPosition},
       {IDB_CAL_RFID_BETWEEN_SENSORS, kGuideRfidLoadLabelRoll},
       {IDB_CAL_CLOSED_PRINTER_GAPS, kGuideRfidCloseAndStart},
       {0, kGuidePrompt}}},
     3,
     false},
}};
inline constexpr int kRfidGuide = 2;

// The sizes, in pixels, that the guide is laid out with: those of the
// template's controls.
struct GuideSizes {
  std::array<int, 4> textHeights{};
  std::array<int, 4> pictureHeights{};
  int lastPictureWidth = 0;
  int buttonWidth = 0;
  int buttonHeight = 0;  // not part of the layout: the group box ends below it
  int gap = 20;          // between a picture and what follows it (20 pixels at 96 dpi)
};

// Where the guide's controls go, in page coordinates.
struct GuideLayout {
  std::array<POINT, 4> texts{};
  std::array<POINT, 4> pictures{};
  POINT button{};
};

// Lays the steps of guide `guide` out under the first text, which stays at
// `firstText`: each picture right under its text, `sizes.gap` between a
// picture and the next text and between the last picture and the button. The
// first picture moves up into its text (by three quarters of its height; by
// half for labels with gaps in English and Korean, whose first text runs
// longer), and outside English the third picture by half of its text where
// that holds a single line. The places of a guide's missing steps are those
// of the first text.
GuideLayout LayOutGuide(const GuideSizes& sizes, Language language, int guide, POINT firstText);

class CDlgTabCalibration : public SettingsPage {
 public:
  static constexpr int kScrollMaximum = 1180;
  static constexpr int kScrollPage = 300;
  static constexpr std::array<int, 4> kStepTexts = {IDC_CAL_STEP1_TEXT, IDC_CAL_STEP2_TEXT, IDC_CAL_STEP3_TEXT,
                                                    IDC_CAL_STEP4_TEXT};
  static constexpr std::array<int, 4> kStepPictures = {IDC_CAL_STEP1_PICTURE, IDC_CAL_STEP2_PICTURE,
                                                       IDC_CAL_STEP3_PICTURE, IDC_CAL_STEP4_PICTURE};

  explicit CDlgTabCalibration(SettingsStore& store, HINSTANCE instance = nullptr);

  // The current language's captions, then the guide's texts and layout for
  // the media chosen, and a repaint.
  void ApplyTexts();
  // Back to labels with gaps: texts, pictures and layout, and a repaint.
  void ApplyModel(PrinterModel model, Language language) override;
  // Sizes, pictures and layout for the new DPI.
  void ChangeDpi(int from, int to) override;

  // The media index of the third choice: the RFID calibration instead of
  // the sensor adjustment.
  static constexpr int kRfidMedia = 4;
  // The guide shown for a media index.
  static constexpr int GuideIndex(int media) { return media == kRfidMedia ? kRfidGuide : media == 1 ? 1 : 0; }

  // 0 labels with gaps, 1 black marks on back (kRfidMedia: the third choice,
  // when offered). The media that the sensor adjustment and Export hand on.
  int calibMediaIndex() const { return calibMediaIndex_; }

  // Shows the third choice (RFID calibration) with its label, or hides it.
  // The page starts without it.
  void OfferThirdChoice(bool offered);
  bool thirdChoiceOffered() const { return thirdChoiceOffered_; }

  // Draws the two media rolls into `dc` (the page's client coordinates), as
  // every paint of the page does.
  void PaintPictures(HDC dc) const { rolls_.Paint(hwnd(), dc); }
  // The template sizes the guide is laid out with.
  const GuideSizes& guideSizes() const { return sizes_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void ExchangeValues(ui::ValueExchange& exchange) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // A click on the radio button of `media`: nothing when it is chosen
  // already.
  void ChooseMedia(int media);
  void CheckMediaRadios(int media);
  // The guide of guide index `guide`: its texts, pictures and layout.
  void ShowGuideTexts(int guide);
  void LoadStepPictures(int guide);
  void LayOut(int guide);
  void RecordSizes();

  HINSTANCE instance_;
  int calibMediaIndex_ = 0;
  bool thirdChoiceOffered_ = false;
  GuideSizes sizes_{};
  std::array<ScopedGdiObject, 4> stepImages_{};
  // What each step's picture control shows: the bitmap and the DPI it was
  // drawn for (the template's: the gaps guide at 96 dpi).
  std::array<int, 4> stepPictures_{};
  int stepPicturesDpi_ = ui::kBaseDpi;
  PagePictures rolls_;
};

}  // namespace vostrel

#include "pages/calibration_page.h"

#include <windowsx.h>

#include "i18n/text_entries.h"
#include "ui/bitmap.h"
#include "ui/controls.h"
#include "ui/dpi.h"

namespace vostrel {
namespace {

// The media pictures over their slots; the third one's slot is hidden (and
// so not painted) unless the choice is offered.
constexpr SlotPicture kRolls[] = {{IDC_CAL_GAPS_SLOT, IDB_CAL_ROLL_GAPS},
                                  {IDC_CAL_MARKS_SLOT, IDB_CAL_ROLL_MARKS},
                                  {IDC_CAL_RFID_SLOT, IDB_CAL_RFID_LABEL}};

// The send button's second caption starts the adjustment; the sensor
// adjustment entry's "choices" are the media labels.
constexpr int kStartCaption = 1;

// A click on a media picture is a click on its radio button.
constexpr PictureChoice kMediaChoices[] = {{IDC_CAL_GAPS_SLOT, IDC_CAL_GAPS_RADIO},
                                           {IDC_CAL_MARKS_SLOT, IDC_CAL_MARKS_RADIO},
                                           {IDC_CAL_RFID_SLOT, IDC_CAL_RFID_RADIO}};

constexpr int kThirdChoice[] = {IDC_CAL_RFID_SLOT, IDC_CAL_RFID_RADIO, IDC_CAL_RFID_LABEL};
constexpr int kThirdLabelIndex = 2;
// The third radio button's position in the group.
constexpr int kThirdPosition = 2;

// In pixels at 96 dpi. Between a picture and what follows it:
constexpr int kGap = 20;
// Below the button, inside the group box.
constexpr int kGroupMargin = 8;

SIZE ControlSize(HWND control) {
  RECT rect{};
  if (control) ::GetWindowRect(control, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT ControlPosition(HWND page, HWND control) {
  const RECT rect = ui::RectInParent(control, page);
  return {rect.left, rect.top};
}

// A control already in place is left alone: the texts and the model lay the
// guide out again as it stands.
void MoveControl(HWND control, POINT to) {
  if (!control) return;
  const RECT now = ui::RectInParent(control, ::GetParent(control));
  if (now.left == to.x && now.top == to.y) return;
  ::SetWindowPos(control, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void RepaintWithErase(HWND page) {
  if (page) ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

GuideLayout LayOutGuide(const GuideSizes& sizes, Language language, int guide, POINT firstText) {
  const MediaGuide& steps = CalibrationGuide[static_cast<size_t>(guide)];
  const auto& h = sizes.textHeights;
  const auto& p = sizes.pictureHeights;
  const int x = firstText.x;
  const int y = firstText.y;

  int off = -3 * (h[0] / 4);
  if ((language == Language::English || language == Language::Korean) && guide == 0) off = -(h[0] / 2);
  const int extra = language == Language::English || !steps.thirdTextOneLineOutsideEnglish ? 0 : -(h[2] / 2);

  GuideLayout layout;
  layout.texts.fill(firstText);
  layout.pictures.fill(firstText);
  layout.texts[0] = firstText;
  layout.pictures[0] = {x, y + h[0] + off};
  const int gap = sizes.gap;
  off += h[0] + p[0] + gap;
  layout.texts[1] = {x, y + off};
  off += h[1];
  layout.pictures[1] = {x, y + off};
  off += p[1] + gap;
  layout.texts[2] = {x, y + off};
  off += h[2] + extra;
  layout.pictures[2] = {x, y + off};
  off += p[2] + gap;
  if (steps.stepCount == 3) {
    layout.button = {x + (sizes.lastPictureWidth - sizes.buttonWidth) / 2, y + off};
    return layout;
  }
  layout.texts[3] = {x, y + off};
  off += h[3];
  layout.pictures[3] = {x, y + off};
  layout.button = {x + (sizes.lastPictureWidth - sizes.buttonWidth) / 2, y + off + p[3] + gap};
  return layout;
}

CDlgTabCalibration::CDlgTabCalibration(SettingsStore& store, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_CALIBRATION, {}, store, PageLayout{kScrollMaximum, kScrollPage, IDC_MAIN_SEND, false},
                   instance),
      instance_(instance) {
  rolls_.Load(instance, kRolls);
}

bool CDlgTabCalibration::OnInitDialog() {
  // The base pushes calibMediaIndex to the radio buttons.
  const bool result = SettingsPage::OnInitDialog();
  OfferThirdChoice(false);
  RecordSizes();
  for (size_t i = 0; i < stepPictures_.size(); ++i) stepPictures_[i] = CalibrationGuide[0].steps[i].picture;
  return result;
}

void CDlgTabCalibration::RecordSizes() {
  for (size_t i = 0; i < 4; ++i) {
    sizes_.textHeights[i] = ControlSize(Item(kStepTexts[i])).cy;
    sizes_.pictureHeights[i] = ControlSize(Item(kStepPictures[i])).cy;
  }
  sizes_.lastPictureWidth = ControlSize(Item(kStepPictures[3])).cx;
  sizes_.buttonWidth = ControlSize(Item(IDC_CAL_START)).cx;
  sizes_.buttonHeight = ControlSize(Item(IDC_CAL_START)).cy;
  sizes_.gap = ui::ScaleToDpi(kGap, ui::WindowDpi(hwnd()));
}

void CDlgTabCalibration::ChangeDpi(int from, int to) {
  SettingsPage::ChangeDpi(from, to);
  RecordSizes();
  const int guide = GuideIndex(calibMediaIndex_);
  LoadStepPictures(guide);
  LayOut(guide);
  RepaintWithErase(hwnd());
}

void CDlgTabCalibration::OfferThirdChoice(bool offered) {
  thirdChoiceOffered_ = offered;
  for (int id : kThirdChoice) {
    const ui::Control control(Item(id));
    control.Enable(offered);
    control.Show(offered);
  }
  const TextRange& labels = ControlTextEntry(kEntrySensorAdjustment).choices;
  ui::Control(Item(IDC_CAL_RFID_LABEL)).SetText(offered ? GetText(labels, kThirdLabelIndex) : L"");
  if (!offered && calibMediaIndex_ == kRfidMedia) ChooseMedia(0);
  RepaintWithErase(hwnd());
}

void CDlgTabCalibration::ExchangeValues(ui::ValueExchange& exchange) {
  // The radio group counts 0 to 2; the RFID calibration's media index is 4.
  int position = calibMediaIndex_ == kRfidMedia ? kThirdPosition : calibMediaIndex_;
  exchange.Radio(IDC_CAL_GAPS_RADIO, IDC_CAL_RFID_RADIO, position);
  calibMediaIndex_ = position == kThirdPosition ? kRfidMedia : position;
}

void CDlgTabCalibration::ApplyTexts() {
  const TextEntry& adjustment = ControlTextEntry(kEntrySensorAdjustment);
  ui::Control(Item(IDC_CAL_GROUP)).SetText(GetText(adjustment.caption, 0));
  ui::Control(Item(IDC_CAL_GAPS_LABEL)).SetText(GetText(adjustment.choices, 0));
  ui::Control(Item(IDC_CAL_MARKS_LABEL)).SetText(GetText(adjustment.choices, 1));
  ui::Control(Item(IDC_CAL_RFID_LABEL))
      .SetText(thirdChoiceOffered_ ? GetText(adjustment.choices, kThirdLabelIndex) : L"");
  ui::Control(Item(IDC_CAL_START)).SetText(GetText(ControlTextEntry(kEntrySendOrStart).caption, kStartCaption));
  const int guide = GuideIndex(calibMediaIndex_);
  ShowGuideTexts(guide);
  LayOut(guide);
  RepaintWithErase(hwnd());
}

void CDlgTabCalibration::ApplyModel(PrinterModel, Language) {
  calibMediaIndex_ = 0;
  CheckMediaRadios(0);
  ShowGuideTexts(0);
  LoadStepPictures(0);
  LayOut(0);
  UpdateValues(ui::ValueExchange::Direction::Push);
  RepaintWithErase(hwnd());
}

void CDlgTabCalibration::ChooseMedia(int media) {
  if (calibMediaIndex_ == media) return;
  calibMediaIndex_ = media;
  CheckMediaRadios(media);
  const int guide = GuideIndex(media);
  ShowGuideTexts(guide);
  LoadStepPictures(guide);
  LayOut(guide);
  RepaintWithErase(hwnd());
  UpdateValues(ui::ValueExchange::Direction::Push);
}

void CDlgTabCalibration::CheckMediaRadios(int media) {
  ui::CheckBox(Item(IDC_CAL_GAPS_RADIO)).SetChecked(media == 0);
  ui::CheckBox(Item(IDC_CAL_MARKS_RADIO)).SetChecked(media == 1);
  ui::CheckBox(Item(IDC_CAL_RFID_RADIO)).SetChecked(media == kRfidMedia);
}

void CDlgTabCalibration::ShowGuideTexts(int guide) {
  ui::Control(Item(IDC_CAL_PROMPT)).SetText(GetText(GuideText(kGuidePrompt)));
  const MediaGuide& shown = CalibrationGuide[static_cast<size_t>(guide)];
  for (size_t i = 0; i < shown.steps.size(); ++i) {
    const bool used = static_cast<int>(i) < shown.stepCount;
    const ui::Control text(Item(kStepTexts[i]));
    text.SetText(used ? GetText(GuideText(shown.steps[i].textRow)) : L"");
    text.Show(used);
  }
}

void CDlgTabCalibration::LoadStepPictures(int guide) {
  const MediaGuide& shown = CalibrationGuide[static_cast<size_t>(guide)];
  const int dpi = ui::WindowDpi(hwnd());
  if (dpi != stepPicturesDpi_) stepPictures_.fill(0);
  stepPicturesDpi_ = dpi;
  for (size_t i = 0; i < shown.steps.size(); ++i) {
    const bool used = static_cast<int>(i) < shown.stepCount;
    ui::Control(Item(kStepPictures[i])).Show(used);
    // A step the guide lacks keeps its last picture, hidden; one that shows
    // its picture already keeps it.
    if (!used || stepPictures_[i] == shown.steps[i].picture) continue;
    stepPictures_[i] = shown.steps[i].picture;
    ScopedGdiObject image = ui::LoadPictureForDpi(instance_, shown.steps[i].picture, dpi);
    const HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        ::SendMessageW(Item(kStepPictures[i]), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.get())));
    // The first time the control gives back the bitmap it loaded from the
    // template, which nobody else releases.
    if (previous && previous != stepImages_[i].get()) ::DeleteObject(previous);
    stepImages_[i] = std::move(image);
  }
  // The pictures' sizes at the page's DPI, as the controls hold them (the
  // template's own bitmaps included); the controls took their sizes.
  for (size_t i = 0; i < 4; ++i) {
    const auto held = reinterpret_cast<HBITMAP>(::SendMessageW(Item(kStepPictures[i]), STM_GETIMAGE, IMAGE_BITMAP, 0));
    const SIZE size = ui::BitmapSize(held);
    if (size.cy > 0) sizes_.pictureHeights[i] = size.cy;
    if (static_cast<int>(i) == shown.stepCount - 1 && size.cx > 0) sizes_.lastPictureWidth = size.cx;
  }
}

void CDlgTabCalibration::LayOut(int guide) {
  const HWND page = hwnd();
  const GuideLayout layout = LayOutGuide(sizes_, CurrentLanguage(), guide, ControlPosition(page, Item(kStepTexts[0])));
  for (size_t i = 0; i < 4; ++i) {
    MoveControl(Item(kStepTexts[i]), layout.texts[i]);
    MoveControl(Item(kStepPictures[i]), layout.pictures[i]);
  }
  MoveControl(Item(IDC_CAL_START), layout.button);
  // The group box goes around everything, the button included.
  const HWND group = Item(IDC_CAL_GROUP);
  if (group) {
    const POINT top = ControlPosition(page, group);
    const int bottom = layout.button.y + sizes_.buttonHeight + ui::ScaleToDpi(kGroupMargin, ui::WindowDpi(page));
    ::SetWindowPos(group, nullptr, 0, 0, ControlSize(group).cx, bottom - top.y,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  FitScrollToContent();
}

bool CDlgTabCalibration::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_CAL_GAPS_RADIO: ChooseMedia(0); return true;
    case IDC_CAL_MARKS_RADIO: ChooseMedia(1); return true;
    case IDC_CAL_RFID_RADIO:
      if (thirdChoiceOffered_) ChooseMedia(kRfidMedia);
      return true;
    case IDC_CAL_START: ClickParentButton(hwnd(), IDC_MAIN_SEND); return true;
    default: return false;
  }
}

std::optional<INT_PTR> CDlgTabCalibration::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    rolls_.OnPaint(hwnd());
    return TRUE;
  }
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    // The slots let clicks through to the page: a click on a media picture
    // chooses its media. The scrolling page takes the focus first (mouse
    // activation), and the radio button takes it from there.
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (ClickChoiceAt(hwnd(), point, kMediaChoices, &rolls_)) return TRUE;
  }
  return SettingsPage::OnMessage(message, wParam, lParam);
}

}  // namespace vostrel

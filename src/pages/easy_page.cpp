#include "pages/easy_page.h"

#include <windowsx.h>

#include "i18n/text_entries.h"
#include "ui/controls.h"
#include "ui/dpi.h"

namespace vostrel {
namespace {

// The template's picture controls start with the pictures of 96 dpi.
constexpr SlotPicture kMediaPictures[] = {{IDC_EASY_GAPS_PICTURE, IDB_EASY_GAPS},
                                          {IDC_EASY_MARKS_PICTURE, IDB_EASY_MARKS},
                                          {IDC_EASY_CONTINUOUS_PICTURE, IDB_EASY_CONTINUOUS}};

// The picture controls let clicks through to the page: a click on a picture
// chooses its media.
constexpr PictureChoice kMediaChoices[] = {{IDC_EASY_GAPS_PICTURE, IDC_EASY_GAPS_RADIO},
                                           {IDC_EASY_MARKS_PICTURE, IDC_EASY_MARKS_RADIO},
                                           {IDC_EASY_CONTINUOUS_PICTURE, IDC_EASY_CONTINUOUS_RADIO}};

constexpr int kMediaLabels[] = {IDC_EASY_GAPS_LABEL, IDC_EASY_MARKS_LABEL, IDC_EASY_CONTINUOUS_LABEL};

// The black-mark media differ per model; the label names them in Japanese
// whatever the language.
constexpr std::array<std::wstring_view, 2> kBlackMarkLabel = {L"ブラックマーク付き\nラベル\n（反射）",
                                                              L"BM付きラベル\n／リストバンド\n（反射）"};

const TextEntry* EasyRowTexts(const FieldBinding& row) {
  if (row.checkBox == IDC_EASY_MEDIA_CHECK) return &ControlTextEntry(kEntryMediaType);
  if (row.checkBox == IDC_EASY_METHOD_CHECK) return &ControlTextEntry(kEntryPrintMethod);
  return nullptr;
}

}  // namespace

CDlgTabEasy::CDlgTabEasy(SettingsStore& store, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_EASY, EasyBindings, store, PageLayout{0, 0, IDC_MAIN_SEND}, instance) {
  SetRowTextEntries(&EasyRowTexts);
}

ui::DialogTemplate CDlgTabEasy::TemplateFor(PrinterModel model, Language language) const {
  ui::DialogTemplate form = SettingsPage::TemplateFor(model, language);
  const TextRange& labels = ControlTextEntry(kEntryMediaType).choices;
  for (int k = 0; k < static_cast<int>(std::size(kMediaLabels)) && k < labels.count; ++k) {
    form.SetItemText(kMediaLabels[k], CellText(RowOf(labels, k), language));
  }
  return form;
}

bool CDlgTabEasy::OnInitDialog() {
  const bool result = SettingsPage::OnInitDialog();
  pictures_.Show(hwnd(), instance(), kMediaPictures, ui::WindowDpi(hwnd()));
  RepaintRows(rows());
  return result;
}

void CDlgTabEasy::ChangeDpi(int from, int to) {
  SettingsPage::ChangeDpi(from, to);
  pictures_.Show(hwnd(), instance(), kMediaPictures, to, true);
}

void CDlgTabEasy::ExchangeValues(ui::ValueExchange& exchange) {
  exchange.Radio(IDC_EASY_GAPS_RADIO, IDC_EASY_CONTINUOUS_RADIO, mediaTypeIndex_);
}

void CDlgTabEasy::ApplyTexts() {
  // The check box captions and the Print Method list; the media entry's
  // "choices" are the labels under the pictures.
  ApplyRowTexts(rows(), &EasyRowTexts);
  const TextRange& labels = ControlTextEntry(kEntryMediaType).choices;
  for (int k = 0; k < static_cast<int>(std::size(kMediaLabels)); ++k) {
    ui::Control(Item(kMediaLabels[k])).SetText(GetText(labels, k));
  }
}

void CDlgTabEasy::ApplyModel(PrinterModel model, Language language) {
  const size_t slot = ModelSlot(model);
  ApplyEnableRule(rows(), model, language);
  const ui::Control marksLabel(Item(IDC_EASY_MARKS_LABEL));
  marksLabel.SetText(kBlackMarkLabel[slot]);
  marksLabel.Enable(true);
  mediaTypeIndex_ = EasyBindings[0].listDefault[slot];
  ResetRows(rows(), model);
  RepaintRows(rows());
  UpdateValues(ui::ValueExchange::Direction::Push);
}

std::optional<INT_PTR> CDlgTabEasy::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    if (ClickChoiceAt(hwnd(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, kMediaChoices)) return TRUE;
  }
  return SettingsPage::OnMessage(message, wParam, lParam);
}

MediaChoice CDlgTabEasy::TakeChoice() {
  UpdateValues(ui::ValueExchange::Direction::Pull);
  MediaChoice choice;
  choice.mediaSensorChecked = ui::CheckBox(Item(IDC_EASY_MEDIA_CHECK)).IsChecked();
  choice.mediaSensorIndex = mediaTypeIndex_;
  choice.printMethodChecked = ui::CheckBox(Item(IDC_EASY_METHOD_CHECK)).IsChecked();
  choice.printMethodIndex = ui::ComboBox(Item(IDC_EASY_METHOD_LIST)).Selected();
  return choice;
}

void CDlgTabEasy::PutChoice(const MediaChoice& choice) {
  UpdateValues(ui::ValueExchange::Direction::Pull);
  ui::CheckBox(Item(IDC_EASY_MEDIA_CHECK)).SetChecked(choice.mediaSensorChecked);
  // Only the three media exist; another index keeps the one shown.
  if (choice.mediaSensorIndex >= 0 && choice.mediaSensorIndex <= 2) mediaTypeIndex_ = choice.mediaSensorIndex;
  ui::CheckBox(Item(IDC_EASY_METHOD_CHECK)).SetChecked(choice.printMethodChecked);
  if (choice.printMethodIndex >= 0) ui::ComboBox(Item(IDC_EASY_METHOD_LIST)).Select(choice.printMethodIndex);
  UpdateValues(ui::ValueExchange::Direction::Push);
}

}  // namespace vostrel

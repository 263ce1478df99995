#include "pages/standard_page.h"

#include <span>

#include "i18n/text_entries.h"
#include "pages/binding_check.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

// Shown at start and kept hidden: the Media Sensor row appears as a label
// and a read-only field, the two levels as labels, the length unit as "MM".
constexpr int kHiddenControls[] = {IDC_STD_MEDIA_SENSOR_CHECK, IDC_STD_MEDIA_SENSOR_LIST, IDC_STD_SENSOR_LEVEL_CHECK,
                                   IDC_STD_PAPER_END_LEVEL_CHECK, IDC_STD_MEDIA_LENGTH_UNIT};
constexpr int kReadOnlyEdits[] = {IDC_STD_SENSOR_LEVEL_EDIT, IDC_STD_PAPER_END_LEVEL_EDIT, IDC_STD_MEDIA_SENSOR_TEXT};

// Edits whose every change goes into the saved copy at once.
constexpr int kFollowedEdits = 4;

// The group boxes and the entries of their captions.
struct GroupCaption {
  int control;
  TextEntryName entry;
};
constexpr GroupCaption kGroupCaptions[] = {{IDC_STD_GROUP_PAGE_SETUP, kEntryGroupPageSetup},
                                           {IDC_STD_GROUP_SYSTEM_SETUP, kEntryGroupSystemSetup},
                                           {IDC_STD_GROUP_INTERFACE, kEntryGroupInterface},
                                           {IDC_STD_GROUP_OPTION_INTERFACE, kEntryGroupOptionInterface}};

// The rows are the first settings of the catalogue in catalogue order, and the
// text entries of the settings follow the same order: a row's item number
// picks its entry.
static_assert(BindingTableIsWellFormed(StandardBindings, entry::kPrintSpeed));
static_assert(kStandardRowCount == kStandardItemEntryCount);

const TextEntry* StandardRowTexts(const FieldBinding& row) {
  if (row.item < 0 || row.item >= kStandardItemEntryCount) return nullptr;
  return &kControlTextEntries[static_cast<size_t>(kFirstStandardItemEntry + row.item)];
}

// The lists show the words of the current language; the store keeps the
// English ones.
std::wstring StandardListToEnglish(const FieldBinding& row, bool unitList, std::wstring_view text) {
  return EnglishListText(StandardRowTexts(row), unitList, text);
}

}  // namespace

CDlgTabStandard::CDlgTabStandard(SettingsStore& store, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_STANDARD, StandardBindings, store, PageLayout{kScrollMaximum, kScrollPage, IDC_MAIN_SEND},
                   instance) {
  SetListTextMapper(&StandardListToEnglish);
  SetRowTextEntries(&StandardRowTexts);
}

ui::DialogTemplate CDlgTabStandard::TemplateFor(PrinterModel model, Language language) const {
  ui::DialogTemplate form = SettingsPage::TemplateFor(model, language);
  for (const GroupCaption& group : kGroupCaptions) {
    form.SetItemText(group.control, CellText(ControlTextEntry(group.entry).caption.first, language));
  }
  for (int id : kHiddenControls) form.SetItemStyle(id, 0, WS_VISIBLE);
  for (int id : kReadOnlyEdits) form.SetItemStyle(id, ES_READONLY, 0);
  return form;
}

bool CDlgTabStandard::OnInitDialog() {
  for (int id : kHiddenControls) ui::Control(Item(id)).Show(false);
  for (int id : kReadOnlyEdits) ui::Edit(Item(id)).SetReadOnly(true);
  return SettingsPage::OnInitDialog();
}

void CDlgTabStandard::ApplyTexts() {
  for (const GroupCaption& group : kGroupCaptions) {
    ui::Control(Item(group.control)).SetText(GetText(ControlTextEntry(group.entry).caption, 0));
  }
  ApplyRowTexts(rows(), &StandardRowTexts);
  ShowMediaSensorText();
}

void CDlgTabStandard::ExchangeValues(ui::ValueExchange& exchange) {
  for (size_t i = 0; i < kSavedEdits.size(); ++i) exchange.Text(kSavedEdits[i], saved_[i]);
}

bool CDlgTabStandard::OnCommand(int id, int code, HWND control) {
  if (code != EN_CHANGE) return false;
  for (size_t i = 0; i < kFollowedEdits; ++i) {
    if (kSavedEdits[i] == id) {
      saved_[i] = ui::Control(control).Text();
      return true;
    }
  }
  return false;
}

void CDlgTabStandard::RebuildPrintSpeedList(PrinterModel model) {
  const ui::ComboBox list(Item(IDC_STD_PRINT_SPEED_LIST));
  list.Clear();
  const int count = standard_choices::kPrintSpeedCount[ModelSlot(model)];
  for (std::wstring_view speed : std::span(standard_choices::kPrintSpeedPerModel).first(static_cast<size_t>(count))) {
    list.Add(speed);
  }
}

void CDlgTabStandard::ApplyModel(PrinterModel model, Language language) {
  model_ = model;
  ApplyEnableRule(rows(), model_, language);
  RebuildPrintSpeedList(model_);
  ResetRows(rows(), model_);
  // The kept copies take the model's defaults as well: copies of another
  // printer's values would come back with the next hand-over from the Easy
  // page, and a Send would carry them.
  for (size_t i = 0; i < kSavedEdits.size(); ++i) saved_[i] = ui::Control(Item(kSavedEdits[i])).Text();
  RepaintRows(rows());
  ShowMediaSensorText();
}

bool CDlgTabStandard::ShowStored() {
  const bool valid = SettingsPage::ShowStored();
  // The Media Sensor list is hidden: what it now holds must show at once,
  // also while the page is in view.
  ShowMediaSensorText();
  return valid;
}

void CDlgTabStandard::ShowSent() { ShowSentRows(rows()); }

void CDlgTabStandard::ResetKeepShared() {
  ResetRows(rows(), model_, kRowShared);
  RepaintRows(rows());
}

MediaChoice CDlgTabStandard::TakeShared() {
  for (size_t i = 0; i < kSavedEdits.size(); ++i) saved_[i] = ui::Control(Item(kSavedEdits[i])).Text();
  MediaChoice choice;
  choice.mediaSensorChecked = ui::CheckBox(Item(IDC_STD_MEDIA_SENSOR_CHECK)).IsChecked();
  choice.mediaSensorIndex = ui::ComboBox(Item(IDC_STD_MEDIA_SENSOR_LIST)).Selected();
  choice.printMethodChecked = ui::CheckBox(Item(IDC_STD_PRINT_METHOD_CHECK)).IsChecked();
  choice.printMethodIndex = ui::ComboBox(Item(IDC_STD_PRINT_METHOD_LIST)).Selected();
  choice.mediaLength = ui::Control(Item(IDC_STD_MEDIA_LENGTH_EDIT)).Text();
  choice.mediaLengthUnit = ui::ComboBox(Item(IDC_STD_MEDIA_LENGTH_UNIT)).Selected();
  return choice;
}

void CDlgTabStandard::PutShared(const MediaChoice& choice) {
  ui::CheckBox(Item(IDC_STD_MEDIA_SENSOR_CHECK)).SetChecked(choice.mediaSensorChecked);
  if (choice.mediaSensorIndex >= 0) ui::ComboBox(Item(IDC_STD_MEDIA_SENSOR_LIST)).Select(choice.mediaSensorIndex);
  ui::CheckBox(Item(IDC_STD_PRINT_METHOD_CHECK)).SetChecked(choice.printMethodChecked);
  if (choice.printMethodIndex >= 0) ui::ComboBox(Item(IDC_STD_PRINT_METHOD_LIST)).Select(choice.printMethodIndex);
  // Putting a copy back into a followed edit changes it, and that change is
  // copied again: take the copies first so that none is lost on the way.
  const std::array<std::wstring, 10> copies = saved_;
  for (size_t i = 0; i < kSavedEdits.size(); ++i) ui::Control(Item(kSavedEdits[i])).SetText(copies[i]);
  ShowMediaSensorText();
}

void CDlgTabStandard::SelectAllForSave() {
  for (const FieldBinding& row : StandardBindings) {
    const ui::CheckBox box(Item(row.checkBox));
    box.Show(false);
    box.SetChecked(true);
  }
}

void CDlgTabStandard::ShowMediaSensorText() {
  ui::Control(Item(IDC_STD_MEDIA_SENSOR_TEXT)).SetText(ui::ComboBox(Item(IDC_STD_MEDIA_SENSOR_LIST)).SelectedText());
}

}  // namespace vostrel

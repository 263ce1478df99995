#include "pages/information_page.h"

#include "i18n/text_entries.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

// The captions and their text entries: the group, then the four counters.
struct Caption {
  int control;
  TextEntryName entry;
};
constexpr Caption kCaptions[] = {{IDC_INFO_GROUP, kEntryGroupPrinterInformation},
                                 {IDC_INFO_SERIAL_CAPTION, kEntrySerialNumber},
                                 {IDC_INFO_PRINT_CAPTION, kEntryPrintCounter},
                                 {IDC_INFO_SERVICE_CAPTION, kEntryServiceCounter},
                                 {IDC_INFO_CUT_CAPTION, kEntryCutCounter}};

}  // namespace

CDlgTabInformation::CDlgTabInformation(SettingsStore& store, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_INFORMATION, {}, store, PageLayout{0, 0, IDC_MAIN_SEND}, instance) {}

std::array<SettingItem*, 4> CDlgTabInformation::InfoItems() {
  return {&store().infoSerialNumber(), &store().infoPrintCounter(), &store().infoServiceCounter(),
          &store().infoCutCounter()};
}

void CDlgTabInformation::ApplyTexts() {
  for (const Caption& caption : kCaptions) {
    ui::Control(Item(caption.control)).SetText(GetText(ControlTextEntry(caption.entry).caption, 0));
  }
  ui::Control(Item(IDC_INFO_HINT)).SetText(GetText(StatusText::kInformationHint));
}

void CDlgTabInformation::ApplyModel(PrinterModel, Language) {
  for (int id : kValueLabels) ui::Control(Item(id)).SetText(L"");
  for (SettingItem* item : InfoItems()) item->value.clear();
  ShowHintIfEmpty();
}

bool CDlgTabInformation::ShowStored() {
  const std::array<SettingItem*, 4> items = InfoItems();
  for (size_t i = 0; i < kValueLabels.size(); ++i) ui::Control(Item(kValueLabels[i])).SetText(items[i]->value);
  ShowHintIfEmpty();
  RepaintRows(rows());
  return true;
}

void CDlgTabInformation::ShowHintIfEmpty() {
  bool empty = true;
  for (int id : kValueLabels) empty = empty && ui::Control(Item(id)).Text().empty();
  ui::Control(Item(IDC_INFO_HINT)).Show(empty);
}

}  // namespace vostrel

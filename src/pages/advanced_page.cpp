#include "pages/advanced_page.h"

#include "pages/binding_check.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

static_assert(BindingTableIsWellFormed(AdvancedBindings, entry::kThroughSensorPosition));
static_assert(AdvancedBindings.back().item == entry::kRfidReverseMediaLength);
static_assert(entry::kRfidReverseMediaLength == kLastAdvancedEntry);

// The range of a dots row at resolution list index `resolution`.
void GiveDotsRange(const PageRows& page, const FieldBinding& row, int resolution) {
  ui::UpDown(page.Control(row.spin)).SetRange(1, kHeadDotsAtResolution[resolution == 1 ? 1 : 0]);
}

}  // namespace

CDlgTabAdvanced::CDlgTabAdvanced(SettingsStore& store, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_ADVANCED, AdvancedBindings, store, PageLayout{kScrollMaximum, kScrollPage, IDC_MAIN_SEND},
                   instance) {}

bool CDlgTabAdvanced::ShowStored() {
  const bool valid = SettingsPage::ShowStored();
  const PageRows page = rows();
  for (const FieldBinding& row : AdvancedBindings) {
    const SettingItem* item = page.ItemOf(row);
    if (row.Has(kRowDotsAtResolution) && item && item->selected == 1) GiveDotsRange(page, row, item->unitIndex);
  }
  return valid;
}

void CDlgTabAdvanced::ShowReceived() {
  ShowStored();
  UncheckAll();
}

bool CDlgTabAdvanced::OnCommand(int id, int code, HWND control) {
  if (code != CBN_SELCHANGE) return false;
  for (const FieldBinding& row : AdvancedBindings) {
    if (row.list != id || !row.Has(kRowWidthFollowsResolution)) continue;
    const int resolution = ui::ComboBox(control).Selected();
    if (resolution < 0) return true;
    ui::Edit(Item(row.edit)).SetText(row.textDefault[resolution == 1 ? 1 : 0]);
    GiveDotsRange(rows(), row, resolution);
    return true;
  }
  return false;
}

}  // namespace vostrel

#include "settings/settings_store.h"

namespace vostrel {

SettingsStore::SettingsStore() {
  for (size_t i = 0; i < scriptEntries.size(); ++i) {
    const SlotInfo& row = kSlotCatalogue[i];
    scriptEntries[i] = ScriptEntry{&slots[i], row.keyword, row.unitSuffix};
  }
}

SettingItem* SettingsStore::FindByKeyword(std::wstring_view keyword) {
  const int slot = FindReadSlot(keyword);
  return slot < 0 ? nullptr : &slots[static_cast<size_t>(slot)];
}

void SettingsStore::ClearValues() {
  textBuffer.clear();
  auto clear = [](SettingItem& item) {
    item.selected = 0;
    item.value.clear();
    item.secondValue.clear();
    item.invalid = 0;
  };
  for (ScriptEntry& e : scriptEntries) clear(*e.item);
  for (int slot = kCalibrationResultSlot; slot <= kInfoCutCounterSlot; ++slot) clear(slots[static_cast<size_t>(slot)]);
}

}  // namespace vostrel

#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "settings/config_script.h"
#include "settings/printer_model.h"

namespace vostrel {
namespace {

void Fill(SettingItem& item, int n) {
  item.selected = 1;
  item.value = L"v" + std::to_wstring(n);
  item.secondValue = L"MM";
  item.invalid = 1;
  item.choice = n + 1;
  item.unitIndex = 1;
}

TEST(SettingsStore, StartsEmptyWithEntriesOnTheirOwnSlots) {
  SettingsStore store;
  EXPECT_TRUE(store.textBuffer.empty());
  EXPECT_EQ(store.modelIndex, PrinterModel::Vx120Zkq);
  for (const SettingItem& item : store.slots) {
    EXPECT_EQ(item.selected, 0);
    EXPECT_TRUE(item.value.empty());
    EXPECT_TRUE(item.secondValue.empty());
    EXPECT_EQ(item.invalid, 0);
    EXPECT_EQ(item.choice, 0);
    EXPECT_EQ(item.unitIndex, 0);
  }
  for (int n = 0; n < kScriptEntryCount; ++n) {
    EXPECT_EQ(store.scriptEntries[static_cast<size_t>(n)].item, &store.Entry(n));
    EXPECT_EQ(store.scriptEntries[static_cast<size_t>(n)].keyword, kSlotCatalogue[static_cast<size_t>(n)].keyword);
  }
  EXPECT_EQ(&store.calibrationResult(), &store.slots[kCalibrationResultSlot]);
  EXPECT_EQ(&store.infoCutCounter(), &store.slots[kSlotCount - 1]);
}

TEST(SettingsStore, ClearValuesForgetsEntriesAndOperationSlotsButKeepsIndexes) {
  SettingsStore store;
  for (int n = 0; n < kSlotCount; ++n) Fill(store.slots[static_cast<size_t>(n)], n);
  store.textBuffer = L"listing";
  store.rfidCheckText = L"rfid";
  store.modelIndex = PrinterModel::Vx135Zkq;

  store.ClearValues();

  EXPECT_TRUE(store.textBuffer.empty());
  EXPECT_EQ(store.rfidCheckText, L"rfid");
  EXPECT_EQ(store.modelIndex, PrinterModel::Vx135Zkq);
  for (int n = 0; n < kSlotCount; ++n) {
    SCOPED_TRACE(n);
    const SettingItem& item = store.slots[static_cast<size_t>(n)];
    const bool cleared = IsScriptEntry(n) || n >= kCalibrationResultSlot;
    EXPECT_EQ(item.selected, cleared ? 0 : 1);
    EXPECT_EQ(item.value, cleared ? L"" : L"v" + std::to_wstring(n));
    EXPECT_EQ(item.secondValue, cleared ? L"" : L"MM");
    EXPECT_EQ(item.invalid, cleared ? 0 : 1);
    EXPECT_EQ(item.choice, n + 1);
    EXPECT_EQ(item.unitIndex, 1);
  }

  // What a cleared store writes: the closing line alone.
  BuildScript(store, true, ScriptContext{Language::Japanese, kPrinterModels[0]});
  EXPECT_EQ(store.textBuffer, L"END\r\n");
}

TEST(SettingsStore, FindByKeywordGivesTheSlotAListingFills) {
  SettingsStore store;
  EXPECT_EQ(store.FindByKeyword(L"REFLECT SENSOR POSITION"), &store.Entry(entry::kReflectSensorPosition));
  EXPECT_EQ(store.FindByKeyword(L"SERIAL NUMBER"), &store.Entry(entry::kUsbSerialNumber));
  EXPECT_EQ(store.FindByKeyword(L"USB SERIAL NUMBER"), &store.Entry(entry::kUsbSerialNumber));
  EXPECT_EQ(store.FindByKeyword(L"DOUBLE HEAT"), &store.Entry(entry::kDoubleHeatMenu));
  EXPECT_EQ(store.FindByKeyword(L"MACHINE EMULATION CODE"), store.FindByKeyword(L"EMULATION SELECT"));
  EXPECT_EQ(store.FindByKeyword(L"NO SUCH SETTING"), nullptr);
}

}  // namespace
}  // namespace vostrel

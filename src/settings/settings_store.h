#pragma once
// The one store of printer settings: a value slot per catalogue row, the
// ordered script entries that say which slots a script writes, and the text
// buffer in which scripts and requests are built and listings and files read.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/catalogue.h"
#include "settings/printer_model.h"

namespace vostrel {

struct SettingItem {
  std::int32_t selected = 0;   // only 1 means selected
  std::wstring value;          // the value as it stands in a script line
  std::wstring secondValue;    // unit word or switch word after a TAB, mostly empty
  std::int32_t invalid = 0;    // 1: the last read or read-back rejected the value
  std::int32_t choice = 0;     // index in the page's word list (or ON 1 / OFF 0, symbol set code)
  std::int32_t unitIndex = 0;  // 1 millimetres or 300 dpi, 0 inches or 203 dpi
};

struct ScriptEntry {
  SettingItem* item = nullptr;  // the entry's own slot in the store
  std::wstring_view keyword;
  std::wstring_view unitSuffix;  // written as it stands, with its own leading TAB
};

class SettingsStore {
 public:
  SettingsStore();
  // Entries point into the store's own slots: it is neither copied nor moved.
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  std::wstring textBuffer;
  std::wstring rfidCheckText;
  std::wstring emulationRequest;
  std::wstring emulationReply;
  std::wstring printFilePath;
  PrinterModel modelIndex = PrinterModel::Vx120Zkq;
  std::array<SettingItem, kSlotCount> slots{};
  std::array<ScriptEntry, kScriptEntryCount> scriptEntries{};

  // The slot of script entry `number` (0-85).
  SettingItem& Entry(int number) { return slots.at(static_cast<size_t>(number)); }
  const SettingItem& Entry(int number) const { return slots.at(static_cast<size_t>(number)); }

  // The slot that a listing line with this keyword fills, or nullptr.
  SettingItem* FindByKeyword(std::wstring_view keyword);

  SettingItem& calibrationResult() { return slots[kCalibrationResultSlot]; }
  SettingItem& infoSerialNumber() { return slots[kInfoSerialNumberSlot]; }
  SettingItem& infoPrintCounter() { return slots[kInfoPrintCounterSlot]; }
  SettingItem& infoServiceCounter() { return slots[kInfoServiceCounterSlot]; }
  SettingItem& infoCutCounter() { return slots[kInfoCutCounterSlot]; }

  // Empties the text buffer and forgets the selection, values and invalid
  // marks of the script entries and the single-operation slots. Choice and
  // unit indexes, and the slots outside the script entries, stay.
  void ClearValues();
};

}  // namespace vostrel

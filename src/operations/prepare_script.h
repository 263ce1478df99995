#pragma once
// Turns the rows ticked on the pages into a finished configuration script in
// the store's text buffer: collect the rows, build the script, read it back
// through the listing reader in check mode (which rejects bad values and
// brings accepted numbers into their normal form), build it again.

#include <windows.h>

#include <string_view>

#include "operations/printer_exchange.h"
#include "pages/settings_page.h"
#include "settings/config_script.h"
#include "settings/settings_store.h"

namespace vostrel {

enum class ScriptVariant {
  // Send Configuration: the Standard rows, never Sensor Level or Paper End
  // Level (their check boxes are put back as they were).
  Send,
  // Export: the Standard rows, and the Advanced rows once the user has
  // accepted the Advanced page.
  Export,
  // Sensor adjustment: the ticked Standard rows, then the lines that start the
  // adjustment and save its result.
  Calibration,
};

// What a calibration script ends with instead of the plain closing line.
inline constexpr std::wstring_view kCalibrationClosingLines = L"AUTO CALIBRATION\r\nSAVE\r\nEND\r\n";

struct ScriptPreparation {
  SettingsStore& store;
  SettingsPage& standard;
  SettingsPage* advanced = nullptr;  // nullptr while there is no Advanced page
  // The user has accepted the Advanced page's warning: its rows take part in
  // Export, and the Advanced entries in the Export and Calibration scripts.
  bool advancedAccepted = false;
  ScriptContext script;  // the language and model name the keywords depend on
  HWND owner = nullptr;  // owner of the message boxes, nullptr: the active window
  // Where a refusal (24, 23) goes, as any command's outcome does (its box and
  // the window's account of the command); nullptr: only the box.
  ExchangeFront* front = nullptr;
};

// The caller has set store.modelIndex and cleared the store's values
// (ClearValues): a slot left selected by an earlier command would be written
// as well. True with the finished script in store.textBuffer. False
// after code 24 (nothing ticked; nothing built) or code 23 (a ticked value
// was rejected: its row turns red and keeps the value as typed, and the text
// buffer keeps the first script) has been shown.
bool PrepareScript(const ScriptPreparation& with, ScriptVariant variant);

}  // namespace vostrel

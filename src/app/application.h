#pragma once
// The application object: the process-wide state (the preferences as loaded
// and as in use, the model list, the settings store, the printer link) and
// the start and end of the program around the main window.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/printer_link.h"
#include "platform/relay_clock.h"
#include "prefs/preferences.h"
#include "settings/printer_model.h"
#include "settings/reply_readers.h"
#include "settings/settings_store.h"

namespace vostrel {

// Exit codes of the process.
inline constexpr int kExitSecondCopy = 10;
inline constexpr int kExitNoMutex = 11;

class CDrennicApp {
 public:
  CDrennicApp();
  CDrennicApp(const CDrennicApp&) = delete;
  CDrennicApp& operator=(const CDrennicApp&) = delete;

  // Start-up, the main window's modal loop and the end; the process's exit
  // code: 2 after a confirmed close, 10 when another copy runs, -1 when the
  // main window could not be made.
  int Run();

  PreferencesRecord loadedPrefs;
  PreferencesRecord currentPrefs;
  std::wstring iniPath;
  // The port behind the chosen printer queue.
  PortKind driverLinkKind = PortKind::None;
  std::wstring driverPortAddress;
  std::wstring driverPortNumber;
  std::vector<std::wstring> modelList;
  SettingsStore store;
  // What the last information and RFID replies said, for a reply that
  // lacks a key.
  ReplyKeyTexts replyTexts;
  int exitCode = 0;
  // The clock the link waits on: the system's until the main window hands
  // it the clock that keeps the window painted while a command waits.
  RelayClock linkClock{SystemClock()};
  PrinterLink link;

  // The current model: its position in the model list (the first when it is
  // in neither of the first two places).
  PrinterModel Model() const;
};

}  // namespace vostrel

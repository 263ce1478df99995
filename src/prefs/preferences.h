#pragma once
// The preferences file "Vostrel.ini" beside the executable: the printer model,
// the link and its parameters and the folder of the file dialogs. Read once at
// start-up; at a confirmed exit only the keys whose value changed are written.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/module_path.h"
#include "settings/printer_model.h"

namespace vostrel {

// The link kinds as the preferences keep them (the printer link's kinds).
// Prt: a printer queue; the others: a port of that kind opened directly.
enum class PortKind : std::int32_t { None = 0, Prt = 1, Com = 2, Usb = 3, Net = 4 };

struct PreferencesRecord {
  PortKind portKind = PortKind::None;
  std::wstring portName;       // queue, COM port, USB port, or IPv4 address / host name
  std::wstring defaultFolder;  // last folder of the file dialogs
  std::wstring model{kPrinterModels[0]};
  std::int32_t baudRate = 9600;
  std::uint8_t dataBits = 8;
  std::uint8_t stopBitsCode = 0;    // 0: one stop bit, 2: two
  std::uint8_t parityCode = 0;      // 0: none, 1: odd, 2: even
  std::wstring flowControl = L"X";  // "X" Xon/Xoff, "H" hardware, "N" none
  std::wstring portNumber;          // TCP port, up to five digits; empty: 9100
  std::int32_t language = 1;        // Japanese

  bool operator==(const PreferencesRecord&) const = default;
};

inline constexpr wchar_t kPreferencesFileName[] = L"Vostrel.ini";
inline constexpr wchar_t kPreferencesSection[] = L"Vostrel";
// The address and port the link pickers show when the file names none.
inline constexpr wchar_t kDefaultNetAddress[] = L"192.168.0.1";
inline constexpr wchar_t kDefaultNetPort[] = L"9100";

struct Preferences {
  std::vector<std::wstring> modelList;
  std::wstring iniPath;
  PreferencesRecord loadedPrefs;   // as read; never changes afterwards
  PreferencesRecord currentPrefs;  // in use
};

// Reads the preferences file of `folder` (a folder path ending in a
// backslash; the executable's by default) and sets the current language to
// Japanese. A missing file, key or value leaves the defaults.
Preferences LoadPreferences(const std::wstring& folder = ExeFolder());

// One key to write at exit and its new value.
struct PreferenceChange {
  std::wstring key;
  std::wstring value;
  bool operator==(const PreferenceChange&) const = default;
};

// The keys whose value changed between the loaded and the current record, in
// the order they are written. A NET host name in the loaded record is
// resolved to compare it with the current address.
std::vector<PreferenceChange> ChangedPreferences(const PreferencesRecord& loaded, const PreferencesRecord& current);

// The close handler's last step: works out the changed keys, asks the exit
// question through `ask` (always, changed or not; it returns the button pressed) and, after Yes, writes the changed
// keys, creating the file first if needed. Returns whether the window may close.
bool SavePreferencesOnExit(const std::wstring& iniPath, const PreferencesRecord& loaded,
                           const PreferencesRecord& current, const std::function<int()>& ask);

}  // namespace vostrel

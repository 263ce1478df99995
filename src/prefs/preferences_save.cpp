// Writing the changed preferences at a confirmed exit.
#include <windows.h>

#include "platform/net_address.h"
#include "platform/unique_handle.h"
#include "prefs/preferences.h"
#include "prefs/preferences_text.h"

namespace vostrel {

namespace {

bool NetNameChanged(const std::wstring& loaded, const std::wstring& current) {
  if (IsDottedIPv4(loaded)) return loaded != current;
  if (loaded.empty()) return current != kDefaultNetAddress;
  // A host name counts as unchanged while it still resolves to the address
  // now chosen.
  const std::optional<std::wstring> address = ResolveToDotted(loaded);
  return !address || *address != current;
}

bool PortNameChanged(const PreferencesRecord& loaded, const PreferencesRecord& current) {
  switch (current.portKind) {
    case PortKind::Prt:
    case PortKind::Com:
    case PortKind::Usb: return loaded.portName != current.portName;
    case PortKind::Net: return NetNameChanged(loaded.portName, current.portName);
    default: return false;
  }
}

bool SerialChanged(const PreferencesRecord& loaded, const PreferencesRecord& current) {
  return current.portKind == PortKind::Com &&
         (loaded.dataBits != current.dataBits || loaded.parityCode != current.parityCode ||
          loaded.stopBitsCode != current.stopBitsCode || loaded.baudRate != current.baudRate ||
          loaded.flowControl != current.flowControl);
}

bool PortNumberChanged(const PreferencesRecord& loaded, const PreferencesRecord& current) {
  if (current.portKind != PortKind::Net) return false;
  if (loaded.portNumber.empty()) return current.portNumber != kDefaultNetPort;
  return loaded.portNumber != current.portNumber;
}

// One key of the file: when it counts as changed and the text written.
struct KeyRule {
  const wchar_t* key;
  bool (*changed)(const PreferencesRecord& loaded, const PreferencesRecord& current);
  std::wstring (*value)(const PreferencesRecord& current);
};

// In the order the keys are written.
constexpr KeyRule kKeyRules[] = {
    {L"PORT_TYPE", [](const PreferencesRecord& l, const PreferencesRecord& c) { return l.portKind != c.portKind; },
     [](const PreferencesRecord& c) { return PortTypeText(c.portKind); }},
    {L"PORT_NAME", PortNameChanged, [](const PreferencesRecord& c) { return c.portName; }},
    {L"COM_SET", SerialChanged, FormatComSet},
    {L"PORT_NUMBER", PortNumberChanged, [](const PreferencesRecord& c) { return c.portNumber; }},
    {L"DEFAULT_FOLDER",
     [](const PreferencesRecord& l, const PreferencesRecord& c) {
       return FolderForm(l.defaultFolder) != FolderForm(c.defaultFolder);
     },
     [](const PreferencesRecord& c) { return c.defaultFolder; }},
    {L"PRINTER_MODEL", [](const PreferencesRecord& l, const PreferencesRecord& c) { return l.model != c.model; },
     [](const PreferencesRecord& c) { return c.model; }},
    {L"REGION", [](const PreferencesRecord& l, const PreferencesRecord& c) { return l.language != c.language; },
     [](const PreferencesRecord& c) { return std::to_wstring(c.language); }},
};

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A new file is UTF-16 little-endian with a byte-order mark and holds the
// section line; the profile writer then keeps it in UTF-16.
void CreatePreferencesFile(const std::wstring& iniPath) {
  const ScopedHandle file(
      ::CreateFileW(iniPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::wstring text = std::wstring(1, wchar_t{0xFEFF}) + L"[" + kPreferencesSection + L"]\r\n";
  const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  DWORD written = 0;
  ::WriteFile(file.get(), text.data(), bytes, &written, nullptr);
}

}  // namespace

std::vector<PreferenceChange> ChangedPreferences(const PreferencesRecord& loaded, const PreferencesRecord& current) {
  std::vector<PreferenceChange> changes;
  for (const KeyRule& rule : kKeyRules) {
    if (rule.changed(loaded, current)) changes.push_back({rule.key, rule.value(current)});
  }
  return changes;
}

bool SavePreferencesOnExit(const std::wstring& iniPath, const PreferencesRecord& loaded,
                           const PreferencesRecord& current, const std::function<int()>& ask) {
  const std::vector<PreferenceChange> changes = ChangedPreferences(loaded, current);
  if (ask() != IDYES) return false;
  if (changes.empty()) return true;
  if (!FileExists(iniPath)) CreatePreferencesFile(iniPath);
  // A file or folder that cannot be written loses the changes silently.
  for (const PreferenceChange& change : changes) {
    ::WritePrivateProfileStringW(kPreferencesSection, change.key.c_str(), change.value.c_str(), iniPath.c_str());
  }
  return true;
}

}  // namespace vostrel

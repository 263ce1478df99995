// Loading the preferences file.
#include "prefs/preferences.h"

#include <windows.h>

#include "i18n/language.h"
#include "prefs/preferences_text.h"

namespace vostrel {
namespace {

// Each value is read into 4096 units: at most 4095 characters are taken.
constexpr DWORD kValueUnits = 4096;

// The value of a key; empty when the key, the section or the file is missing.
std::wstring ReadValue(const std::wstring& iniPath, const wchar_t* key) {
  std::wstring buffer(kValueUnits, L'\0');
  const DWORD length =
      ::GetPrivateProfileStringW(kPreferencesSection, key, L"", buffer.data(), kValueUnits, iniPath.c_str());
  buffer.resize(length < kValueUnits ? length : kValueUnits - 1);
  return buffer;
}

}  // namespace

Preferences LoadPreferences(const std::wstring& folder) {
  Preferences prefs;
  prefs.iniPath = folder + kPreferencesFileName;
  prefs.modelList.assign(kPrinterModels.begin(), kPrinterModels.end());
  PreferencesRecord& loaded = prefs.loadedPrefs;
  loaded = PreferencesRecord{};
  loaded.model = prefs.modelList.front();
  // The language is Japanese whatever the file says; "REGION" is not read.
  loaded.language = static_cast<std::int32_t>(Language::Japanese);
  SetCurrentLanguage(Language::Japanese);

  const std::wstring model = ReadValue(prefs.iniPath, L"PRINTER_MODEL");
  for (const std::wstring& entry : prefs.modelList) {
    if (model == entry) loaded.model = entry;
  }
  loaded.portKind = PortKindOfText(ReadValue(prefs.iniPath, L"PORT_TYPE"));
  loaded.portName = ReadValue(prefs.iniPath, L"PORT_NAME");
  const std::wstring comSet = ReadValue(prefs.iniPath, L"COM_SET");
  if (!comSet.empty()) ParseComSet(comSet, loaded);
  const std::wstring portNumber = ReadValue(prefs.iniPath, L"PORT_NUMBER");
  if (IsPortNumberText(portNumber)) loaded.portNumber = portNumber;
  loaded.defaultFolder = ReadValue(prefs.iniPath, L"DEFAULT_FOLDER");

  prefs.currentPrefs = loaded;
  return prefs;
}

}  // namespace vostrel

#pragma once
// The configuration script written to the printer (and into settings files),
// built from the selected script entries of the store, and the two request
// texts that ask the printer for its configuration or its information.

#include <string_view>

#include "i18n/language.h"
#include "settings/settings_store.h"

namespace vostrel {

inline constexpr std::wstring_view kFieldSeparator = L"\t:\t";
inline constexpr std::wstring_view kLineEnd = L"\r\n";
inline constexpr std::wstring_view kScriptEndLine = L"END\r\n";

inline constexpr std::wstring_view kConfigurationRequest = L"SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
inline constexpr std::wstring_view kInformationRequest =
    L"SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";

// What the script's keywords depend on besides the store: the current
// language and the current model's name (from the preferences).
struct ScriptContext {
  Language language = Language::Japanese;
  std::wstring_view model;
};

// Appends the lines of every selected entry, in entry order, and the closing
// "END" line to the store's text buffer, which the caller has emptied.
// Without `withAdvanced` only the Standard entries (0-25) are written; the
// RFID calibration entries (83-85) never are.
void BuildScript(SettingsStore& store, bool withAdvanced, const ScriptContext& context);

enum class RequestKind { Configuration, Information };

// Replaces the text buffer with the request text.
void BuildRequest(SettingsStore& store, RequestKind kind);

}  // namespace vostrel

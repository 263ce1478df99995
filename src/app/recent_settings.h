#pragma once
// The recent-settings file "Recent.dat" beside the executable: the Standard
// settings as they stood when the program last ended, read when the main
// window opens and written when it closes.

#include <filesystem>
#include <string_view>

#include "protocol/settings_file.h"
#include "settings/config_script.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"

namespace vostrel {

class CDlgTabStandard;

inline constexpr wchar_t kRecentSettingsFileName[] = L"Recent.dat";

// ExeFolder followed by "Recent.dat".
std::filesystem::path RecentSettingsPath();

// What the start found in the recent-settings file.
enum class RecentLoad {
  NoSettings,  // no file, or none that gave a setting: the Standard page starts from its defaults
  Settings,    // at least one Standard setting was read into the store
};

// Reads the file into the store for `model`. A file that cannot be read, or
// whose reading accepts no Standard setting (empty, binary, without the
// header, only unknown or rejected lines), counts as a missing one and leaves
// nothing in the store: otherwise the page would keep its empty fields and
// write them back at the exit, where the next start rejects them again.
RecentLoad LoadRecentSettings(SettingsStore& store, PrinterModel model, const std::filesystem::path& path);

// Every enabled row of the Standard page, as the page shows it, into the
// file. The file is written beside the old one under another name and then
// moved over it, so that a write that fails half-way leaves the settings of
// the previous run in place. False when the file was not replaced; the close
// goes on either way.
bool SaveRecentSettings(SettingsStore& store, CDlgTabStandard& page, const ScriptContext& context, PrinterModel model,
                        const std::filesystem::path& path);

// The writing step alone: the store's script into `path`, through a file
// beside it that replaces `path` only once it is complete.
bool ReplaceSettingsFile(const SettingsStore& store, const std::filesystem::path& path);

}  // namespace vostrel

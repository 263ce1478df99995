#include "app/recent_settings.h"

#include <windows.h>

#include "pages/standard_page.h"
#include "platform/module_path.h"

namespace vostrel {

std::filesystem::path RecentSettingsPath() { return std::filesystem::path(ExeFolder() + kRecentSettingsFileName); }

namespace {

bool AnyStandardSettingAccepted(const SettingsStore& store) {
  for (int entry = 0; entry <= kLastStandardEntry; ++entry) {
    const SettingItem& item = store.Entry(entry);
    if (item.selected == 1 && item.invalid == 0) return true;
  }
  return false;
}

}  // namespace

RecentLoad LoadRecentSettings(SettingsStore& store, PrinterModel model, const std::filesystem::path& path) {
  store.modelIndex = model;
  store.ClearValues();
  if (LoadSettingsText(store, path) == LoadResult::Read && AnyStandardSettingAccepted(store)) {
    return RecentLoad::Settings;
  }
  store.ClearValues();
  return RecentLoad::NoSettings;
}

bool SaveRecentSettings(SettingsStore& store, CDlgTabStandard& page, const ScriptContext& context, PrinterModel model,
                        const std::filesystem::path& path) {
  store.modelIndex = model;
  // Only the rows the page collects now are written, none selected earlier
  // by a receive or an import.
  store.ClearValues();
  page.SelectAllForSave();
  page.CollectChecked();
  store.textBuffer.clear();
  BuildScript(store, false, context);
  return ReplaceSettingsFile(store, path);
}

bool ReplaceSettingsFile(const SettingsStore& store, const std::filesystem::path& path) {
  std::filesystem::path partial = path;
  partial += L".new";
  if (!WriteSettingsFile(store, partial)) {
    ::DeleteFileW(partial.c_str());
    return false;
  }
  if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(partial.c_str());
    return false;
  }
  return true;
}

}  // namespace vostrel

#include "operations/import_settings.h"

#include "operations/command_flow.h"
#include "pages/advanced_page.h"
#include "pages/standard_page.h"
#include "protocol/settings_file.h"

namespace vostrel {

void ImportSettings(const CommandHost& host) {
  const std::optional<std::wstring> path = AskSettingsFileToOpen(host.context);
  if (!path) return;

  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  store.ClearValues();
  if (LoadSettingsText(store, std::filesystem::path(*path)) != LoadResult::Read) {
    // The pages keep what they showed.
    host.context.front.ShowOutcome({ResultCode::kImportFailed, kLinkOk, L"the file '" + *path + L"' was not read"});
    return;
  }
  const int settings = ReadSettingCount(store);

  const CommandPages pages = host.window.Pages();
  UncheckSettingsPages(host.window);
  bool shown = true;
  if (pages.standard) shown = pages.standard->ShowStored();
  // A file exported with the Advanced page holds its rows as well: shown,
  // unticked, and not deciding the outcome.
  if (pages.advanced) pages.advanced->ShowReceived();
  host.window.HandStandardToEasy();
  if (pages.standard) pages.standard->ShowMediaSensorText();
  if (!shown) {
    host.context.front.ShowOutcome({ResultCode::kRejectedValue, kLinkOk, L"a value of the file cannot be shown"});
    return;
  }
  host.window.ReportDone(CommandDone(CommandDoneKind::Imported, settings, *path));
}

}  // namespace vostrel

#include "operations/import_settings.h"

#include "operations/command_flow.h"
#include "pages/advanced_page.h"
#include "pages/standard_page.h"
#include "protocol/settings_file.h"
#include "ui/message_box.h"

namespace vostrel {

void ImportSettings(CommandHost& host) {
  const std::optional<std::wstring> path = AskSettingsFileToOpen(host);
  if (!path) return;

  SettingsStore& store = host.Store();
  store.modelIndex = host.Model();
  store.ClearValues();
  if (LoadSettingsText(store, std::filesystem::path(*path)) != LoadResult::Read) {
    // The pages keep what they showed.
    ReportCode(ResultCode::kImportFailed, host.Owner());
    return;
  }

  const CommandPages pages = host.Pages();
  UncheckSettingsPages(host);
  bool shown = true;
  if (pages.standard) shown = pages.standard->ShowStored();
  // A file exported with the Advanced page holds its rows as well: shown,
  // unticked, and not deciding the outcome.
  if (pages.advanced) pages.advanced->ShowReceived();
  host.HandStandardToEasy();
  if (pages.standard) pages.standard->ShowMediaSensorText();
  if (!shown) ReportCode(ResultCode::kRejectedValue, host.Owner());
}

}  // namespace vostrel

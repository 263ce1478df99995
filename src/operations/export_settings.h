#pragma once
// Export (IDC_MAIN_EXPORT): from the Standard tab every available setting, from
// the Sensor Adjustment tab the adjustment script, written to a settings
// file chosen in the save dialog. The file is written beside the target
// first and takes the target's place only once it is whole: an export that
// fails leaves an existing file as it was.

#include <filesystem>
#include <string_view>

#include "operations/command_host.h"

namespace vostrel {

void ExportSettings(const CommandHost& host);

// Writes `bytes` to `target` through a new file in the same folder that
// replaces it once written. False, with `target` untouched, when the target
// cannot be written (read-only, open elsewhere without sharing, or the
// folder refuses a new file) or a write fails.
bool ReplaceFileWith(const std::filesystem::path& target, std::string_view bytes);

}  // namespace vostrel

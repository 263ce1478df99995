#pragma once
// Import (IDC_MAIN_IMPORT): a settings file chosen in the open dialog, read into
// the store and shown on the pages with its rows ticked.

#include "operations/command_host.h"

namespace vostrel {

void ImportSettings(const CommandHost& host);

}  // namespace vostrel

#pragma once
// The companion's printer commands (Windows only: they need the printer link):
//   receive --link L [--model M] [-o FILE]   the printer's configuration listing
//   info --link L                            its serial number and counters
//   send --link L [--model M] FILE           a settings file's script to the printer
// Failures end with the program's numbered message on standard error and
// its code as the exit status.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "i18n/result_codes.h"
#include "platform/clock.h"

namespace vostrel::cli {

// The exit statuses of failures are the program's numbered codes.
enum PrinterExitCode : int {
  kExitFileNotWritten = static_cast<int>(ResultCode::kExportFailed),  // receive -o: the listing file
  kExitRejectedSettings = static_cast<int>(ResultCode::kRejectedValue),
  kExitLinkNotOpened = static_cast<int>(ResultCode::kLinkNotOpened),
  kExitWriteFailed = static_cast<int>(ResultCode::kWriteFailed),
  kExitReadFailed = static_cast<int>(ResultCode::kReadFailed),
};

// Lines that must reach the user while the command still runs (the
// countdown of the pauses); main writes them to standard error at once.
using ProgressSink = std::function<void(std::wstring_view line)>;

// Whether the command line names one of the printer commands.
bool IsPrinterCommand(const std::vector<std::wstring>& args);

// Runs one printer command. Every wait goes through `clock`.
int RunPrinterCommand(const std::vector<std::wstring>& args, Output& output, Clock& clock,
                      const ProgressSink& progress);

extern const wchar_t kPrinterUsage[];

}  // namespace vostrel::cli

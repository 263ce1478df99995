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
#include "platform/clock.h"

namespace vostrel::cli {

enum PrinterExitCode : int {
  kExitFileNotWritten = 22,  // receive -o: the listing file cannot be written
  kExitRejectedSettings = 23,
  kExitLinkNotOpened = 30,
  kExitWriteFailed = 31,
  kExitReadFailed = 32,
};

// Lines that must reach the user while the command still runs (the
// countdown of the pauses); main writes them to standard error at once.
using ProgressSink = std::function<void(std::wstring_view line)>;

// Whether the command line names one of the printer commands.
bool IsPrinterCommand(const std::vector<std::wstring>& args);

// Runs one printer command. Every wait goes through `clock`.
int RunPrinterCommand(const std::vector<std::wstring>& args, Output& output, Clock& clock,
                      const ProgressSink& progress);

// The steps of 100 ms the printer gets between the pre-request and the
// configuration request: 5 s on COM and USB, 20 s over TCP.
int PreRequestPauseSteps(std::int32_t portKind);

extern const wchar_t kPrinterUsage[];

}  // namespace vostrel::cli

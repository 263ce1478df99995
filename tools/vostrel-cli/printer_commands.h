#pragma once
// The companion's printer commands (Windows only: they need the printer link):
//   receive --link L... [--model M] [--raw] [--json] [-o FILE|DIR]
//   info    --link L... [--json]
//   send    --link L... [--model M] [--verify] [--json] FILE
//   verify  --link L... [--model M] [--json] FILE
//   doctor  --link L... [--json]
//   diff    A B        (A and B settings files or --link L)
// Several links (--link again, or --links FILE) run at once, each printer on
// a thread of its own with its own link and exchange, at most --jobs N at a
// time. Failures end with the program's numbered message (its English text)
// on standard error and its code as the exit status; the worst code of all
// printers is the status of a fleet.

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
  // The companion's own: a sent setting did not read back as sent.
  kExitNotAsSent = 33,
};

// The most printers that talk at once unless --jobs says otherwise.
inline constexpr int kDefaultJobs = 8;

// Lines that must reach the user while the command still runs (the
// countdown of the pauses, a fleet's printers as they finish); main writes
// them to standard error at once. May be called from several threads, one
// call at a time.
using ProgressSink = std::function<void(std::wstring_view line)>;

// Whether the command line names one of the printer commands (diff when it
// names a --link).
bool IsPrinterCommand(const std::vector<std::wstring>& args);

// Runs one printer command. Every wait goes through `clock`, which several
// threads share when several printers run at once.
int RunPrinterCommand(const std::vector<std::wstring>& args, Output& output, Clock& clock,
                      const ProgressSink& progress);

// The English text of a numbered code's message ("code : 30\nOpen port
// error."), LF line ends; empty for a code without one.
std::wstring EnglishCodeText(int code);

// Which of two exit statuses is worse: a printer that cannot be reached
// over one whose settings did not take, over one that is fine.
int WorseStatus(int a, int b);

}  // namespace vostrel::cli

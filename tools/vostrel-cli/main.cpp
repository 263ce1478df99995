// vostrel-cli.exe: the console entry point of the command-line companion.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "printer_commands.h"
#include "vostrel_version.h"

namespace {

// Console output is UTF-8 whatever the code page, so that Japanese values
// survive a pipe or a terminal.
void WriteUtf8(FILE* stream, std::wstring_view text) {
  if (text.empty()) return;
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return;
  std::string bytes(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Lines end in LF alone, as on the host that reads them; no CR is added.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  if (args.size() == 1 && args[0] == L"--version") {
    WriteUtf8(stdout, L"vostrel-cli " VOSTREL_VERSION_WTEXT L"\n");
    return 0;
  }
  vostrel::cli::Output output;
  int status = 0;
  if (vostrel::cli::IsPrinterCommand(args)) {
    // Progress (the countdown, a fleet's printers as they end) is for a
    // person watching: only when standard error is a terminal.
    vostrel::cli::ProgressSink progress;
    if (_isatty(_fileno(stderr))) progress = [](std::wstring_view line) { WriteUtf8(stderr, line); };
    status = vostrel::cli::RunPrinterCommand(args, output, vostrel::SystemClock(), progress);
  } else {
    status = vostrel::cli::Run(args, output);
  }
  WriteUtf8(stdout, output.out);
  WriteUtf8(stderr, output.err);
  return status;
}

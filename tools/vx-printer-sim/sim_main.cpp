// vx-printer-sim: one VX-120-ZKQ or VX-135-ZKQ printer on loopback TCP or a
// COM port, for trying the program and for its tests.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/clock.h"
#include "sim_capture.h"
#include "sim_links.h"
#include "sim_options.h"

namespace {

std::atomic<bool> g_stop{false};

BOOL WINAPI OnConsoleControl(DWORD type) {
  if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT || type == CTRL_CLOSE_EVENT) {
    g_stop.store(true);
    return TRUE;
  }
  return FALSE;
}

void Error(const std::wstring& text) {
  const std::string narrow = vostrel::WideToAnsi(text);
  std::fprintf(stderr, "vx-printer-sim: %s\n", narrow.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace vostrel::sim;
  const ParsedOptions parsed = ParseOptions(std::vector<std::wstring>(argv + 1, argv + argc));
  if (!parsed.ok) {
    Error(parsed.error);
    std::fputs(vostrel::WideToAnsi(UsageText()).c_str(), stderr);
    return 2;
  }
  const Options& options = parsed.options;
  if (options.version) {
    std::fputs(vostrel::WideToAnsi(VersionText()).c_str(), stdout);
    return 0;
  }
  if (options.help) {
    std::fputs(vostrel::WideToAnsi(UsageText()).c_str(), stdout);
    return 0;
  }

  Printer printer(options.hardware);
  if (!options.stateFile.empty()) {
    std::string text;
    if (ReadWholeFile(options.stateFile, text)) {
      const int refused = printer.LoadSettingsText(text);
      if (refused > 0) Error(L"settings file: " + std::to_wstring(refused) + L" line(s) not taken");
    }
  }
  if (!options.emulation.empty()) printer.ApplySettingLine("MACHINE EMULATION CODE\t:\t" + options.emulation);

  Recorder recorder(options.captureDir, options.quiet);
  if (!recorder.ok()) {
    Error(L"cannot write into the capture folder " + options.captureDir);
    return 1;
  }
  ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);

  ServeTotals totals;
  vostrel::Clock& clock = vostrel::SystemClock();
  const int result = options.comPort.empty() ? ServeTcp(options, printer, recorder, clock, g_stop, totals)
                                             : ServeCom(options, printer, recorder, clock, g_stop, totals);
  recorder.Log("served " + std::to_string(totals.connections) + " connection(s), printed " +
               std::to_string(printer.printedJobs()) + " job(s)");
  ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
  return result;
}

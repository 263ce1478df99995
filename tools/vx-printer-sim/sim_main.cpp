// vx-printer-sim: one VX-120-ZKQ or VX-135-ZKQ printer on loopback TCP or a
// COM port, for trying the program and for its tests.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
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

// One printer of the process: `unit` from 0, of `count`. Returns its exit code.
int ServePrinter(const vostrel::sim::Options& shared, int unit, int count) {
  using namespace vostrel::sim;
  Options options = shared;
  if (count > 1) {
    options.hardware.unit = unit + 1;
    if (options.listenPort != 0) options.listenPort = static_cast<std::uint16_t>(options.listenPort + unit);
    const std::wstring suffix = std::to_wstring(unit + 1);
    if (!options.captureDir.empty()) {
      ::CreateDirectoryW(options.captureDir.c_str(), nullptr);
      options.captureDir += L"\\printer-" + suffix;
    }
    if (!options.stateFile.empty()) options.stateFile += L"." + suffix;
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
  ServeTotals totals;
  vostrel::Clock& clock = vostrel::SystemClock();
  const int result = options.comPort.empty() ? ServeTcp(options, printer, recorder, clock, g_stop, totals)
                                             : ServeCom(options, printer, recorder, clock, g_stop, totals);
  recorder.Log(
      "served " + std::to_string(totals.connections) + " connection(s), printed " +
      std::to_string(printer.printedJobs()) + " job(s); received " + std::to_string(recorder.receivedBytes()) +
      " bytes, sent " + std::to_string(recorder.sentBytes()) + " bytes; " + std::to_string(printer.settingsChanged()) +
      " setting(s) changed" +
      (count > 1 ? "; printer " + std::to_string(unit + 1) + ", serial number " + printer.SerialNumber() : ""));
  return result;
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

  ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  // One printer, or several (--printers), each with its own settings,
  // serial number, port and capture folder, served on threads of their own.
  const int count = static_cast<int>(options.printers);
  std::vector<int> results(static_cast<size_t>(count), 0);
  std::vector<std::thread> threads;
  for (int unit = 0; unit < count; ++unit) {
    threads.emplace_back([&options, &results, unit, count]() {
      results[static_cast<size_t>(unit)] = ServePrinter(options, unit, count);
    });
  }
  for (std::thread& thread : threads) thread.join();
  int result = 0;
  for (int r : results) result = std::max(result, r);
  ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
  return result;
}

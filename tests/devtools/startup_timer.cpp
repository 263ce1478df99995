// Measures programs' start under Wine for scripts/time-startup.sh (not a
// test): for each run, the time from CreateProcess until the program's main
// window is idle and its peak working set once it is; then the program is
// ended. Idle: its top-level window is visible (a dialog shows itself after
// its initialisation) and has answered a sent message (its loop runs).
// WaitForInputIdle is no use here: Wine signals it at the first look at the
// message queue, which start-up makes long before the window is ready. Programs are run in turns, so that both see the
// same machine load.
//   startup_timer RUNS EXE...
// Prints one line per program: the median milliseconds, the median peak
// working set in KiB and the median number of loaded libraries.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
  double milliseconds = 0;
  double peakKiB = 0;
  double modules = 0;  // the libraries loaded by then, the program included
};

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !::IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND VisibleWindowOf(DWORD process) {
  Search search{process, nullptr};
  ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Measure(const std::wstring& exe, Sample& sample) {
  std::wstring command = L"\"" + exe + L"\"";
  std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  LARGE_INTEGER frequency{}, start{}, end{};
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return false;
  }
  HWND window = nullptr;
  for (int tries = 0; tries < 30000 && !window; ++tries) {
    window = VisibleWindowOf(info.dwProcessId);
    if (!window) ::Sleep(1);
  }
  if (window) ::SendMessageW(window, WM_NULL, 0, 0);
  ::QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
  DWORD moduleBytes = 0;
  HMODULE first = nullptr;
  ::EnumProcessModules(info.hProcess, &first, sizeof first, &moduleBytes);
  sample.modules = static_cast<double>(moduleBytes / sizeof(HMODULE));
  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 10000);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  sample.milliseconds =
      1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  sample.peakKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
  return window != nullptr;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer RUNS EXE...\n");
    return 64;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const int programs = argc - 2;
  std::vector<std::vector<double>> times(static_cast<size_t>(programs)), peaks(static_cast<size_t>(programs)),
      modules(static_cast<size_t>(programs));
  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < programs; ++p) {
      Sample sample;
      if (!Measure(argv[p + 2], sample)) {
        std::fprintf(stderr, "startup_timer: program %d did not become idle\n", p + 1);
        return 1;
      }
      times[static_cast<size_t>(p)].push_back(sample.milliseconds);
      peaks[static_cast<size_t>(p)].push_back(sample.peakKiB);
      modules[static_cast<size_t>(p)].push_back(sample.modules);
    }
  }
  for (int p = 0; p < programs; ++p) {
    std::printf("%.1f %.0f %.0f\n", Median(times[static_cast<size_t>(p)]), Median(peaks[static_cast<size_t>(p)]),
                Median(modules[static_cast<size_t>(p)]));
  }
  return 0;
}

// Started before the Windows tests, with its output going nowhere, and kept
// running (with --hold) until the wine server stops: it makes Wine start the
// desktop process and the services the tests use (the print spooler, the
// serial driver host) and keeps the desktop from ending between tests. Started
// from inside a test instead, such a process would inherit that test's output
// pipe, and the test runner would wait for it long after the test finished.
#include <windows.h>
#include <winspool.h>

int wmain(int argc, wchar_t** argv) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"warm-up", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  const bool hold = argc > 1 && ::lstrcmpW(argv[1], L"--hold") == 0;

  DWORD needed = 0;
  DWORD count = 0;
  ::EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);

  HANDLE port = ::CreateFileW(L"\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (port != INVALID_HANDLE_VALUE) ::CloseHandle(port);

  MSG msg;
  while (hold && ::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  if (window) ::DestroyWindow(window);
  return 0;
}

#pragma once
// Runs a command on the host (the machine Wine runs on) through /bin/sh.
// Wine starts host programs without a process handle to wait on, so the
// shell writes its exit status into a marker file that this side waits for.

#include <windows.h>

#include <string>

namespace vostrel::testing_support {

// Runs `command`; returns whether it exited with 0. Waits at most 5 s.
inline bool RunOnHost(const std::string& command) {
  static int runs = 0;
  const std::string name =
      "vostrel-link-host-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++runs);
  const std::string marker = "/tmp/" + name;
  const std::wstring markerPath = L"Z:\\tmp\\" + std::wstring(name.begin(), name.end());
  const std::string line = "Z:\\bin\\sh -c \"(" + command + ") >/dev/null 2>&1 </dev/null && echo 0 > " + marker +
                           " || echo 1 > " + marker + "\"";
  std::wstring wide(line.begin(), line.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  if (process.hProcess != nullptr) ::CloseHandle(process.hProcess);
  if (process.hThread != nullptr) ::CloseHandle(process.hThread);
  for (int i = 0; i < 500; ++i) {
    const HANDLE file = ::CreateFileW(markerPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char result = 0;
      DWORD got = 0;
      ::ReadFile(file, &result, 1, &got, nullptr);
      ::CloseHandle(file);
      if (got == 1) {
        ::DeleteFileW(markerPath.c_str());
        return result == '0';
      }
    }
    ::Sleep(10);
  }
  return false;
}

// The text of a host file (through drive Z:); empty when it cannot be read.
inline std::string ReadHostFile(const std::string& unixPath) {
  std::wstring path = L"Z:" + std::wstring(unixPath.begin(), unixPath.end());
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  char buffer[256] = {};
  DWORD got = 0;
  ::ReadFile(file, buffer, sizeof buffer - 1, &got, nullptr);
  ::CloseHandle(file);
  return std::string(buffer, got);
}

}  // namespace vostrel::testing_support

#pragma once
// The printer simulator started as a process, as its own end-to-end tests and
// the companion's printer-command tests use it: quiet, on a free loopback
// port that its first output line names. The process is ended, if it has not
// ended by itself, when the object goes (also when a test failed half-way).
#if defined(_WIN32)

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace vostrel::testing {

class SimulatorProcess {
 public:
  // Runs `exe --quiet --listen 127.0.0.1:0 arguments`.
  SimulatorProcess(const std::wstring& exe, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!::CreatePipe(&read, &write, &inherit, 0)) return;
    output_.reset(read);
    ScopedHandle childEnd(write);
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    startup.hStdInput = nullptr;
    std::wstring command = L"\"" + exe + L"\" --quiet --listen 127.0.0.1:0 " + arguments;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &info)) {
      return;
    }
    process_.reset(info.hProcess);
    ::CloseHandle(info.hThread);
    childEnd.reset();  // our copy: the pipe must close when the simulator ends
    firstLine_ = ReadLine();
    const std::string marker = "listening on 127.0.0.1:";
    if (firstLine_.starts_with(marker)) port_ = std::stoi(firstLine_.substr(marker.size()));
  }
  ~SimulatorProcess() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) ::TerminateProcess(process_.get(), 99);
  }
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // 0 when the simulator did not say where it listens.
  int port() const { return port_; }
  // Its first line: where it listens, or what it said instead when its start
  // failed.
  const std::string& firstLine() const { return firstLine_; }

  // Waits (up to `limitMs`) for the simulator to end by itself, as it does
  // after its connections; its exit code, or STILL_ACTIVE.
  DWORD ExitCode(DWORD limitMs = 30000) {
    if (!process_ || ::WaitForSingleObject(process_.get(), limitMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
  }

  // The next line of its output (the next printer's listening line, with
  // --printers), waiting for it.
  std::string ReadLine() {
    std::string line;
    char c = 0;
    DWORD count = 0;
    while (::ReadFile(output_.get(), &c, 1, &count, nullptr) && count == 1 && c != '\n') {
      if (c != '\r') line += c;
    }
    return line;
  }

 private:
  ScopedHandle process_;
  ScopedHandle output_;
  int port_ = 0;
  std::string firstLine_;
};

}  // namespace vostrel::testing

#endif  // _WIN32

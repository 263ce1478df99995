#pragma once
// The printer simulator (tools/vx-printer-sim) as the tests use it: a process
// of its own, quiet, on a free loopback port that its first output line
// names, capturing the wire bytes of every connection into a scratch folder
// of its own. A process that has not ended by itself is ended when the object
// goes (also when a test failed half-way).
#if defined(_WIN32)

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/unique_handle.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel::testing {

// The process and its output (standard output and error in one pipe).
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
      firstLine_ = "(CreateProcess failed: error " + std::to_string(::GetLastError()) + ")";
      return;
    }
    process_.reset(info.hProcess);
    ::CloseHandle(info.hThread);
    childEnd.reset();  // our copy: the pipe must close when the simulator ends
    firstLine_ = ReadLine();
    const std::string marker = "listening on 127.0.0.1:";
    if (firstLine_.starts_with(marker)) {
      port_ = std::stoi(firstLine_.substr(marker.size()));
    } else if (firstLine_.empty()) {
      // It ended without a word: Wine now and then ends a process at its
      // start. Its exit status says so in the test's output.
      const DWORD code = ExitCode(5000);
      firstLine_ = "(the simulator printed nothing; exit status " +
                   (code == STILL_ACTIVE ? std::string("none, it still runs") : std::to_string(code)) + ")";
    }
  }
  ~SimulatorProcess() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) ::TerminateProcess(process_.get(), 99);
  }
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // 0 when the simulator did not say where it listens.
  int port() const { return port_; }
  // Its first line: where it listens, or what it said instead when its start
  // failed (its exit status when it said nothing).
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

inline std::wstring SimulatorExe() { return std::filesystem::path(VX_PRINTER_SIM_EXE).wstring(); }

// One printer: the simulator ends after `connections` connections (0: it
// runs until the object goes).
class Simulator {
 public:
  explicit Simulator(int connections, const std::wstring& arguments = L"")
      : process_(SimulatorExe(), L"--capture \"" + capture_.path().wstring() + L"\" " +
                                     (connections > 0 ? L"--connections " + std::to_wstring(connections) + L" " : L"") +
                                     arguments) {}

  int port() const { return process_.port(); }
  const std::string& firstLine() const { return process_.firstLine(); }
  std::wstring link() const { return L"net:127.0.0.1:" + std::to_wstring(port()); }
  const std::filesystem::path& folder() const { return capture_.path(); }

  // Waits (up to `limitMs`) for the simulator to end after its connections;
  // its exit code, or STILL_ACTIVE.
  DWORD ExitCode(DWORD limitMs = 30000) { return process_.ExitCode(limitMs); }

  // The bytes it received ("in") or sent ("out") on connection n (from 1),
  // once the simulator has logged that connection closed: a client's end
  // does not wait for the simulator to record the last bytes it read.
  std::string Captured(int n, const char* direction) const {
    WaitUntilClosed(n);
    return ReadFileBytes(capture_ / ConnectionFile(n, direction));
  }
  bool HasConnection(int n) const { return std::filesystem::exists(capture_ / ConnectionFile(n, "in")); }
  // The print jobs it recorded.
  int Jobs() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(capture_.path())) {
      if (entry.path().filename().string().starts_with("job-")) ++count;
    }
    return count;
  }
  // Its readable log so far.
  std::string Log() const { return ReadFileBytes(capture_ / "sim.log"); }

 private:
  static std::string ConnectionFile(int n, const char* direction) {
    char name[32];
    std::snprintf(name, sizeof name, "conn-%04d-%s.bin", n, direction);
    return name;
  }
  // Up to 10 s; a connection that never came is left to the assertions.
  void WaitUntilClosed(int n) const {
    const std::string line = "connection " + std::to_string(n) + " closed\n";
    for (int wait = 0; wait < 500; ++wait) {
      if (HasConnection(n) && Log().find(line) != std::string::npos) return;
      if (!HasConnection(n) && wait >= 25) return;  // half a second without it: it is not coming
      SystemClock().Sleep(20);
    }
  }

  ScratchFolder capture_;  // before the process, which writes into it
  SimulatorProcess process_;
};

// Several printers in one simulator process (--printers N), each on a free
// loopback port with its own capture folder, as the fleet tests use them;
// ended by their connection count or, failing that, when the object goes.
class FleetSimulator {
 public:
  FleetSimulator(int printers, int connections, const std::wstring& arguments = L"")
      : process_(SimulatorExe(), L"--printers " + std::to_wstring(printers) + L" --connections " +
                                     std::to_wstring(connections) + L" --capture \"" + capture_.path().wstring() +
                                     L"\" " + arguments) {
    // One "listening on" line per printer, in the order the printers got their ports.
    const std::string marker = "listening on 127.0.0.1:";
    std::string line = process_.firstLine();
    for (int i = 0; i < printers && line.starts_with(marker); ++i) {
      ports_.push_back(std::stoi(line.substr(marker.size())));
      const size_t unit = line.find("(printer ");
      units_.push_back(unit == std::string::npos ? 0 : std::stoi(line.substr(unit + 9)));
      if (i + 1 < printers) line = process_.ReadLine();
    }
  }
  FleetSimulator(const FleetSimulator&) = delete;
  FleetSimulator& operator=(const FleetSimulator&) = delete;

  const std::vector<int>& ports() const { return ports_; }
  // The capture folder of the printer listening on `port`.
  std::filesystem::path FolderOf(int port) const {
    for (size_t i = 0; i < ports_.size(); ++i) {
      if (ports_[i] == port) return capture_.path() / ("printer-" + std::to_string(units_[i]));
    }
    return {};
  }
  const std::filesystem::path& folder() const { return capture_.path(); }

  // Waits (up to 60 s) for every printer to end after its connections.
  DWORD ExitCode(DWORD limitMs = 60000) { return process_.ExitCode(limitMs); }

 private:
  ScratchFolder capture_;  // before the process, which writes into it
  SimulatorProcess process_;
  std::vector<int> ports_;
  std::vector<int> units_;
};

}  // namespace vostrel::testing

#endif  // _WIN32

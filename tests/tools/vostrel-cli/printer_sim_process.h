#pragma once
// The printer simulator as the printer commands' tests use it: one process on
// a free loopback port with a capture folder of its own, ended by its
// connection count (or, if a test fails half-way, when the object goes).
#if defined(_WIN32)

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/unique_handle.h"
#include "support/fake_clock.h"
#include "support/simulator_process.h"

namespace vostrel::cli::testing_support {

namespace fs = std::filesystem;

inline std::string FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A fresh folder for one test, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int serial = 0;
    path_ = fs::temp_directory_path() /
            ("vostrel-cli-printer-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& path() const { return path_; }
  fs::path operator/(const char* name) const { return path_ / name; }

 private:
  fs::path path_;
};

class SimulatorProcess {
 public:
  // Starts the simulator, quiet, with `arguments` after the listening and
  // capture options; it ends after `connections` connections.
  SimulatorProcess(int connections, const std::wstring& arguments = L"")
      : process_(fs::path(VX_PRINTER_SIM_EXE).wstring(), L"--capture \"" + capture_.path().wstring() +
                                                             L"\" --connections " + std::to_wstring(connections) +
                                                             L" " + arguments),
        port_(process_.port()) {}

  int port() const { return port_; }
  std::wstring link() const { return L"net:127.0.0.1:" + std::to_wstring(port_); }

  // Waits for the simulator to end after its connections; its exit code.
  DWORD Finish() { return process_.ExitCode(); }

  // The bytes the simulator received ("in") or sent ("out") on connection n.
  std::string Captured(int n, const char* direction) const {
    char name[32];
    std::snprintf(name, sizeof name, "conn-%04d-%s.bin", n, direction);
    return FileBytes(capture_.path() / name);
  }
  // The simulator's readable log so far.
  std::string Log() const { return FileBytes(capture_.path() / "sim.log"); }
  bool HasConnection(int n) const {
    char name[32];
    std::snprintf(name, sizeof name, "conn-%04d-in.bin", n);
    return fs::exists(capture_.path() / name);
  }

 private:
  ScratchFolder capture_;
  vostrel::testing::SimulatorProcess process_;
  int port_ = 0;
};

// Several printers in one simulator process (--printers N), each on a free
// loopback port with its own capture folder, as the fleet tests use them;
// ended by their connection count or, failing that, when the object goes.
class FleetSimulator {
 public:
  FleetSimulator(int printers, int connections, const std::wstring& arguments = L"") {
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
    std::wstring command = L"\"" + fs::path(VX_PRINTER_SIM_EXE).wstring() +
                           L"\" --quiet --listen 127.0.0.1:0 --printers " + std::to_wstring(printers) +
                           L" --connections " + std::to_wstring(connections) + L" --capture \"" +
                           capture_.path().wstring() + L"\" " + arguments;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &info)) {
      return;
    }
    process_.reset(info.hProcess);
    ::CloseHandle(info.hThread);
    childEnd.reset();
    // One "listening on" line per printer, in the order the printers got their ports.
    const std::string marker = "listening on 127.0.0.1:";
    for (int i = 0; i < printers; ++i) {
      std::string line;
      char c = 0;
      DWORD count = 0;
      while (::ReadFile(output_.get(), &c, 1, &count, nullptr) && count == 1 && c != '\n') {
        if (c != '\r') line += c;
      }
      if (!line.starts_with(marker)) break;
      ports_.push_back(std::stoi(line.substr(marker.size())));
      const size_t unit = line.find("(printer ");
      units_.push_back(unit == std::string::npos ? 0 : std::stoi(line.substr(unit + 9)));
    }
  }
  ~FleetSimulator() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) ::TerminateProcess(process_.get(), 99);
  }
  FleetSimulator(const FleetSimulator&) = delete;
  FleetSimulator& operator=(const FleetSimulator&) = delete;

  const std::vector<int>& ports() const { return ports_; }
  // The capture folder of the printer listening on `port`.
  fs::path FolderOf(int port) const {
    for (size_t i = 0; i < ports_.size(); ++i) {
      if (ports_[i] == port) return capture_.path() / ("printer-" + std::to_string(units_[i]));
    }
    return {};
  }
  const fs::path& folder() const { return capture_.path(); }

  // Waits (up to 60 s) for every printer to end after its connections.
  DWORD Finish() {
    if (!process_ || ::WaitForSingleObject(process_.get(), 60000) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
  }

 private:
  ScratchFolder capture_;
  ScopedHandle output_;
  ScopedHandle process_;
  std::vector<int> ports_;
  std::vector<int> units_;
};

// The fake clock, except that the link's polls also pass on the wall clock,
// so that a printer in another process or on another thread has time to
// answer. The steps of 100 ms the commands pause in pass at once.
class LoopbackClock final : public Clock {
 public:
  std::uint32_t TickCount() override { return fake_.TickCount(); }
  void Sleep(std::uint32_t milliseconds) override {
    fake_.Sleep(milliseconds);
    if (milliseconds != 100) ::Sleep(milliseconds);
  }
  const vostrel::testing::FakeClock& fake() const { return fake_; }

 private:
  vostrel::testing::FakeClock fake_{1000};
};

}  // namespace vostrel::cli::testing_support

#endif  // _WIN32

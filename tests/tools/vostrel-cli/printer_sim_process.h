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
  FleetSimulator(int printers, int connections, const std::wstring& arguments = L"")
      : process_(fs::path(VX_PRINTER_SIM_EXE).wstring(),
                 L"--printers " + std::to_wstring(printers) + L" --connections " + std::to_wstring(connections) +
                     L" --capture \"" + capture_.path().wstring() + L"\" " + arguments) {
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
  fs::path FolderOf(int port) const {
    for (size_t i = 0; i < ports_.size(); ++i) {
      if (ports_[i] == port) return capture_.path() / ("printer-" + std::to_string(units_[i]));
    }
    return {};
  }
  const fs::path& folder() const { return capture_.path(); }

  // Waits (up to 60 s) for every printer to end after its connections.
  DWORD Finish() { return process_.ExitCode(60000); }

 private:
  ScratchFolder capture_;  // before the process, which writes into it
  vostrel::testing::SimulatorProcess process_;
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

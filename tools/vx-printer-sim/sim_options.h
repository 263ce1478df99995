#pragma once
// The simulator's command line.

#include <cstdint>
#include <string>
#include <vector>

#include "sim_printer.h"
#include "sim_session.h"

namespace vostrel::sim {

struct SerialParameters {
  std::uint32_t baud = 9600;
  char parity = 'N';  // 'N', 'O' or 'E'
  std::uint8_t dataBits = 8;
  std::uint8_t stopBits = 1;
};

struct Options {
  Hardware hardware;
  Faults faults;
  std::string emulation;  // a MACHINE EMULATION CODE word to start with; empty keeps the state's
  std::wstring listenHost = L"127.0.0.1";
  std::uint16_t listenPort = 9100;
  std::wstring comPort;  // set: serve this COM port instead of TCP
  SerialParameters serial;
  std::wstring stateFile;
  std::wstring captureDir;
  long long connections = -1;  // stop after this many connections; -1 never
  bool quiet = false;
  bool help = false;
  bool version = false;
  // --strict: the pause before a configuration request is kept as a printer keeps it.
  bool strict = false;
  // --printers N: N printers, each on a port of its own (TCP only).
  long long printers = 1;
};

struct ParsedOptions {
  bool ok = false;
  std::wstring error;
  Options options;
};

ParsedOptions ParseOptions(const std::vector<std::wstring>& arguments);

// The usage text, one option per line.
std::wstring UsageText();

// "vx-printer-sim VERSION", the line --version prints.
std::wstring VersionText();

}  // namespace vostrel::sim

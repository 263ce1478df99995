#include "sim_options.h"

#include <array>
#include <string_view>

#include "vostrel_version.h"

namespace vostrel::sim {
namespace {

// A whole number from lo to hi, digits only.
bool ParseNumber(std::wstring_view text, long long lo, long long hi, long long& out) {
  if (text.empty() || text.size() > 12) return false;
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    value = value * 10 + (c - L'0');
  }
  if (value < lo || value > hi) return false;
  out = value;
  return true;
}

template <typename Choice, std::size_t N>
bool Choose(std::wstring_view text, const std::array<std::pair<std::wstring_view, Choice>, N>& choices, Choice& out) {
  for (const auto& [name, choice] : choices) {
    if (name == text) {
      out = choice;
      return true;
    }
  }
  return false;
}

bool SetModel(Options& o, std::wstring_view v) {
  return Choose(v,
                std::to_array<std::pair<std::wstring_view, Model>>(
                    {{L"VX-120-ZKQ", Model::Vx120}, {L"VX-135-ZKQ", Model::Vx135}}),
                o.hardware.model);
}

bool SetListen(Options& o, std::wstring_view v) {
  const std::size_t colon = v.rfind(L':');
  long long port = 0;
  if (colon == std::wstring_view::npos || colon == 0 || !ParseNumber(v.substr(colon + 1), 0, 65535, port)) {
    return false;
  }
  o.listenHost.assign(v.substr(0, colon));
  o.listenPort = static_cast<std::uint16_t>(port);
  return true;
}

bool SetCom(Options& o, std::wstring_view v) {
  o.comPort.assign(v);
  return !v.empty();
}

bool SetBaud(Options& o, std::wstring_view v) {
  long long baud = 0;
  if (!ParseNumber(v, 110, 921600, baud)) return false;
  o.serial.baud = static_cast<std::uint32_t>(baud);
  return true;
}

bool SetParity(Options& o, std::wstring_view v) {
  return Choose(v, std::to_array<std::pair<std::wstring_view, char>>({{L"none", 'N'}, {L"odd", 'O'}, {L"even", 'E'}}),
                o.serial.parity);
}

bool SetDataBits(Options& o, std::wstring_view v) {
  long long bits = 0;
  if (!ParseNumber(v, 7, 8, bits)) return false;
  o.serial.dataBits = static_cast<std::uint8_t>(bits);
  return true;
}

bool SetStopBits(Options& o, std::wstring_view v) {
  long long bits = 0;
  if (!ParseNumber(v, 1, 2, bits)) return false;
  o.serial.stopBits = static_cast<std::uint8_t>(bits);
  return true;
}

bool SetState(Options& o, std::wstring_view v) {
  o.stateFile.assign(v);
  return !v.empty();
}

bool SetCapture(Options& o, std::wstring_view v) {
  o.captureDir.assign(v);
  return !v.empty();
}

bool SetConnections(Options& o, std::wstring_view v) { return ParseNumber(v, 1, 1000000000, o.connections); }

bool SetEmulation(Options& o, std::wstring_view v) {
  static constexpr auto kCodes = std::to_array<std::pair<std::wstring_view, std::string_view>>(
      {{L"CODE_ZEBRA", "CODE_ZEBRA"}, {L"CODE_EPL", "CODE_EPL"}, {L"CODE_TELMARO", "CODE_TELMARO"}, {L"none", ""}});
  std::string_view code;
  if (!Choose(v, kCodes, code)) return false;
  o.emulation.assign(code);
  o.hardware.emulationLine = !code.empty();
  return true;
}

bool SetRfidResult(Options& o, std::wstring_view v) {
  return Choose(v, std::to_array<std::pair<std::wstring_view, bool>>({{L"ok", true}, {L"ng", false}}), o.faults.rfidOk);
}

bool SetCalibration(Options& o, std::wstring_view v) {
  return Choose(v,
                std::to_array<std::pair<std::wstring_view, CalibrationAnswer>>({
                    {L"succeeded", CalibrationAnswer::Succeeded},
                    {L"failed", CalibrationAnswer::Failed},
                    {L"unknown-word", CalibrationAnswer::UnknownWord},
                    {L"extra-line", CalibrationAnswer::ExtraLine},
                    {L"empty-line-first", CalibrationAnswer::EmptyLineFirst},
                    {L"ok-first", CalibrationAnswer::OkFirst},
                    {L"no-result", CalibrationAnswer::NoResult},
                    {L"two-bytes", CalibrationAnswer::TwoBytes},
                }),
                o.faults.calibration);
}

bool SetCloseAfter(Options& o, std::wstring_view v) { return ParseNumber(v, 0, 1000000000, o.faults.closeAfter); }

bool SetListingSize(Options& o, std::wstring_view v) { return ParseNumber(v, 0, 1000000, o.faults.listingSize); }

bool SetResetAfter(Options& o, std::wstring_view v) { return ParseNumber(v, 0, 1000000000, o.faults.resetAfter); }

bool SetDrip(Options& o, std::wstring_view v) {
  long long ms = 0;
  if (!ParseNumber(v, 1, 60000, ms)) return false;
  o.faults.dripMs = static_cast<std::uint32_t>(ms);
  return true;
}

struct OptionRow {
  std::wstring_view name;
  std::wstring_view value;  // the value's description; empty for a switch
  std::wstring_view help;
  bool (*set)(Options&, std::wstring_view);
};

constexpr auto kOptionRows = std::to_array<OptionRow>({
    {L"--model", L"VX-120-ZKQ|VX-135-ZKQ", L"the printer to be (default VX-120-ZKQ)", SetModel},
    {L"--listen", L"HOST:PORT", L"TCP address to serve (default 127.0.0.1:9100; port 0 picks a free one)", SetListen},
    {L"--com", L"NAME", L"serve a COM port (e.g. COM5) instead of TCP", SetCom},
    {L"--baud", L"N", L"COM speed (default 9600)", SetBaud},
    {L"--parity", L"none|odd|even", L"COM parity (default none)", SetParity},
    {L"--data-bits", L"7|8", L"COM data bits (default 8)", SetDataBits},
    {L"--stop-bits", L"1|2", L"COM stop bits (default 1)", SetStopBits},
    {L"--state", L"FILE", L"settings file to start from and to save the settings to", SetState},
    {L"--capture", L"DIR", L"write every byte received and sent, the print jobs and a log into DIR", SetCapture},
    {L"--connections", L"N", L"exit after N connections", SetConnections},
    {L"--rfid",
     {},
     L"the printer has the RFID option",
     [](Options& o, std::wstring_view) { return o.hardware.rfid = true; }},
    {L"--wlan",
     {},
     L"the printer has the wireless LAN option",
     [](Options& o, std::wstring_view) { return o.hardware.wlan = true; }},
    {L"--bluetooth",
     {},
     L"the printer has the Bluetooth option",
     [](Options& o, std::wstring_view) { return o.hardware.bluetooth = true; }},
    {L"--emulation", L"CODE_ZEBRA|CODE_EPL|CODE_TELMARO|none",
     L"the printer language in the listing; none leaves the line out", SetEmulation},
    {L"--calibration", L"succeeded|failed|unknown-word|extra-line|empty-line-first|ok-first|no-result|two-bytes",
     L"answer to a sensor adjustment", SetCalibration},
    {L"--rfid-result", L"ok|ng", L"answer to the RFID status poll after a calibration start", SetRfidResult},
    {L"--stray-byte",
     {},
     L"fault: one byte before the listing's header",
     [](Options& o, std::wstring_view) { return o.faults.strayByte = true; }},
    {L"--no-header",
     {},
     L"fault: the listing without its header",
     [](Options& o, std::wstring_view) { return o.faults.noHeader = true; }},
    {L"--no-end",
     {},
     L"fault: the listing without its END line",
     [](Options& o, std::wstring_view) { return o.faults.noEnd = true; }},
    {L"--long-reply",
     {},
     L"fault: the listing padded beyond 4096 bytes in front of its settings",
     [](Options& o, std::wstring_view) { return o.faults.longReply = true; }},
    {L"--listing-size", L"N", L"fault: the listing padded in front of its settings to at least N bytes",
     SetListingSize},
    {L"--garbage",
     {},
     L"fault: every reply replaced by meaningless bytes",
     [](Options& o, std::wstring_view) { return o.faults.garbage = true; }},
    {L"--silent", {}, L"fault: never reply", [](Options& o, std::wstring_view) { return o.faults.silent = true; }},
    {L"--close-after", L"N", L"fault: close the connection once N reply bytes were sent", SetCloseAfter},
    {L"--reset-after", L"N", L"fault: reset the connection once N reply bytes were sent", SetResetAfter},
    {L"--never-read",
     {},
     L"fault: accept each connection and never read from it",
     [](Options& o, std::wstring_view) { return o.faults.neverRead = true; }},
    {L"--drip", L"MS", L"fault: send replies one byte at a time, MS apart", SetDrip},
    {L"--quiet",
     {},
     L"print only the listening address and errors",
     [](Options& o, std::wstring_view) { return o.quiet = true; }},
    {L"--strict",
     {},
     L"answer a configuration request only when the pre-request came the printer's pause before it (20 s over TCP, "
     L"5 s over COM); otherwise answer nothing and log why",
     [](Options& o, std::wstring_view) { return o.strict = true; }},
    {L"--printers", L"N",
     L"N printers on N ports from the --listen port on (port 0: N free ports), each with its own settings, serial "
     L"number and capture folder DIR/printer-K",
     [](Options& o, std::wstring_view v) { return ParseNumber(v, 1, 64, o.printers); }},
    {L"--help", {}, L"this text", [](Options& o, std::wstring_view) { return o.help = true; }},
    {L"--version", {}, L"print the version", [](Options& o, std::wstring_view) { return o.version = true; }},
});

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::wstring>& arguments) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    const OptionRow* row = nullptr;
    for (const OptionRow& candidate : kOptionRows) {
      if (candidate.name == argument) row = &candidate;
    }
    if (row == nullptr) {
      parsed.error = L"unknown option: " + argument;
      return parsed;
    }
    std::wstring_view value;
    if (!row->value.empty()) {
      if (++i == arguments.size()) {
        parsed.error = argument + L" needs a value: " + std::wstring(row->value);
        return parsed;
      }
      value = arguments[i];
    }
    if (!row->set(parsed.options, value)) {
      parsed.error =
          L"bad value for " + argument + L": " + std::wstring(value) + L" (expected " + std::wstring(row->value) + L")";
      return parsed;
    }
  }
  const Hardware& hardware = parsed.options.hardware;
  if (int{hardware.wlan} + int{hardware.bluetooth} + int{hardware.rfid} > 1) {
    parsed.error = L"--wlan, --bluetooth and --rfid share the printer's one option slot: give one of them";
    return parsed;
  }
  if (parsed.options.printers > 1 && !parsed.options.comPort.empty()) {
    parsed.error = L"--printers serves TCP ports only: leave out --com";
    return parsed;
  }
  parsed.ok = true;
  return parsed;
}

std::wstring UsageText() {
  std::wstring text = L"usage: vx-printer-sim [options]\n";
  for (const OptionRow& row : kOptionRows) {
    text += L"  ";
    text += row.name;
    if (!row.value.empty()) {
      text += L' ';
      text += row.value;
    }
    text += L"\n      ";
    text += row.help;
    text += L'\n';
  }
  return text;
}

std::wstring VersionText() { return L"vx-printer-sim " VOSTREL_VERSION_WTEXT L"\n"; }

}  // namespace vostrel::sim

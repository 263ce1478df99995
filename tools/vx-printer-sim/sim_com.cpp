#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/unique_handle.h"
#include "sim_links.h"
#include "sim_serve.h"

namespace vostrel::sim {
namespace {

// The client opens and closes the port for every command; the printer sees
// only a pause. A pause this long ends one "connection" of the log and capture.
constexpr std::uint32_t kComIdleEndMs = 1000;

class ComChannel final : public Channel {
 public:
  explicit ComChannel(HANDLE port) : port_(port) {}
  int Read(char* buffer, int size) override {
    DWORD count = 0;
    if (!::ReadFile(port_, buffer, static_cast<DWORD>(size), &count, nullptr)) return -1;
    return static_cast<int>(count);
  }
  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!::WriteFile(port_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) {
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }

 private:
  HANDLE port_;
};

std::wstring DevicePath(const std::wstring& name) { return name.starts_with(L"\\\\.\\") ? name : L"\\\\.\\" + name; }

bool Configure(HANDLE port, const SerialParameters& serial) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(port, &dcb)) return false;
  dcb.BaudRate = serial.baud;
  dcb.ByteSize = serial.dataBits;
  dcb.Parity = serial.parity == 'O' ? ODDPARITY : serial.parity == 'E' ? EVENPARITY : NOPARITY;
  dcb.StopBits = serial.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = serial.parity != 'N';
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  if (!::SetCommState(port, &dcb)) return false;
  // A read returns what came within 100 ms, so that Ctrl+C and the idle end
  // are seen.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
  timeouts.ReadTotalTimeoutConstant = 100;
  timeouts.WriteTotalTimeoutConstant = 5000;
  return ::SetCommTimeouts(port, &timeouts) != 0;
}

}  // namespace

int ServeCom(const Options& options, Printer& printer, Recorder& recorder, Clock& clock, const std::atomic<bool>& stop,
             ServeTotals& totals) {
  const std::string name = WideToAnsi(options.comPort);
  ScopedHandle port(::CreateFileW(DevicePath(options.comPort).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
  if (!port) {
    recorder.Log("error: cannot open " + name + " (error " + std::to_string(::GetLastError()) + ")");
    return 1;
  }
  if (!Configure(port.get(), options.serial)) {
    recorder.Log("error: cannot set up " + name + " (error " + std::to_string(::GetLastError()) + ")");
    return 1;
  }
  std::printf("serving %s at %u baud\n", name.c_str(), static_cast<unsigned>(options.serial.baud));
  std::fflush(stdout);

  StrictPause strict{options.strict ? &clock : nullptr, kStrictComPauseMs};
  ServeSettings settings{options.faults, kComIdleEndMs, options.stateFile, &strict};
  ComChannel channel(port.get());
  while (!stop.load() && (options.connections < 0 || totals.connections < options.connections)) {
    // Wait for the first byte before a connection begins.
    char first[1];
    const int count = channel.Read(first, 1);
    if (count < 0) {
      recorder.Log("error: reading " + name + " failed (error " + std::to_string(::GetLastError()) + ")");
      return 1;
    }
    if (count == 0) continue;
    recorder.BeginConnection(++totals.connections, name);
    class Replay final : public Channel {
     public:
      Replay(Channel& inner, char byte) : inner_(inner), byte_(byte) {}
      int Read(char* buffer, int size) override {
        if (!pending_) return inner_.Read(buffer, size);
        pending_ = false;
        buffer[0] = byte_;
        return 1;
      }
      bool Write(std::string_view bytes) override { return inner_.Write(bytes); }

     private:
      Channel& inner_;
      char byte_;
      bool pending_ = true;
    } replay(channel, first[0]);
    ServeConnection(replay, printer, settings, recorder, clock, stop);
    recorder.EndConnection();
  }
  return 0;
}

}  // namespace vostrel::sim

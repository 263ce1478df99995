// The COM link: a serial port or a virtual serial port, read and written
// synchronously; the printer queues on the port are parked while it is open.

#include <algorithm>

#include "link/address.h"
#include "link/printer_link.h"
#include "link/spooler_jobs.h"

namespace vostrel {
namespace {

constexpr std::uint32_t kComReadPollMs = 500;
constexpr DWORD kComChunkTimeoutMs = 500;
constexpr std::uint32_t kDrainLimitMs = 2000;

}  // namespace

void ApplySerialSettings(DCB& dcb, const PreferencesRecord& prefs) {
  dcb.BaudRate = static_cast<DWORD>(prefs.baudRate);
  dcb.ByteSize = prefs.dataBits;
  dcb.Parity = prefs.parityCode;
  dcb.StopBits = prefs.stopBitsCode;
  if (prefs.flowControl == L"H") {
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fOutxDsrFlow = 1;
  } else if (prefs.flowControl == L"X") {
    dcb.fOutxDsrFlow = 0;
    dcb.fOutX = 1;
    dcb.fInX = 1;
  } else {
    dcb.fOutxDsrFlow = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
  }
  dcb.fParity = prefs.parityCode != 0 ? 1 : 0;
  dcb.fDsrSensitivity = 0;
  dcb.fTXContinueOnXoff = 0;
  dcb.fNull = 0;
  dcb.fBinary = 1;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fAbortOnError = 1;
}

bool PrinterLink::OpenCom(TimeoutClass timeouts) {
  const PortKind portClass = ClassifyPortName(prefs_.portName);
  if (portClass == PortKind::None || handle.valid()) return false;
  kind = portClass;
  portName = prefs_.portName;
  ParkQueues(portName, parkedQueues);
  handle.reset(::CreateFileW(portName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const bool opened = handle.valid();
  if (!opened && !parkedQueues.empty()) RestoreQueues(portName, parkedQueues);
  if (opened) DrainCom();
  if (!opened) {
    kind = PortKind::None;
    handle.release();  // the failure value, nothing to close
    portName.clear();
    return false;
  }
  // A name of the other class opens, but the port is not set up.
  if (prefs_.portKind != portClass) return false;

  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(handle.get(), &dcb)) return false;
  ApplySerialSettings(dcb, prefs_);
  if (!::SetCommState(handle.get(), &dcb)) return false;

  COMMTIMEOUTS commTimeouts{};
  if (!::GetCommTimeouts(handle.get(), &commTimeouts)) return false;
  commTimeouts.ReadTotalTimeoutConstant = 5000;
  commTimeouts.WriteTotalTimeoutMultiplier = 0xFFFFFFFF;
  commTimeouts.WriteTotalTimeoutConstant = 5000;
  const bool applied = ::SetCommTimeouts(handle.get(), &commTimeouts) != FALSE;
  comReadTimeout = timeouts == TimeoutClass::kLong ? 10000 : 5000;
  comWriteTimeout = 5000;
  return applied;
}

void PrinterLink::DrainCom() {
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    DWORD errors = 0;
    COMSTAT state{};
    if (!::ClearCommError(handle.get(), &errors, &state) || state.cbInQue == 0) return;
    DWORD got = 0;
    const DWORD want = std::min<DWORD>(state.cbInQue, sizeof drainScratch_);
    if (!::ReadFile(handle.get(), drainScratch_, want, &got, nullptr) || Elapsed(start) > kDrainLimitMs) return;
  }
}

LinkStatus PrinterLink::WriteCom(const char* bytes, std::uint32_t count, std::uint32_t* written) {
  if (!handle.valid()) return kLinkClosed;
  if (bytes == nullptr || written == nullptr) return kLinkMissingArgument;
  COMMTIMEOUTS commTimeouts{};
  if (!::GetCommTimeouts(handle.get(), &commTimeouts)) return ::GetLastError();
  const DWORD savedConstant = commTimeouts.WriteTotalTimeoutConstant;
  *written = 0;
  if (count == 0) return kLinkOk;

  std::uint32_t total = 0;
  std::uint32_t lastProgress = clock_.TickCount();
  LinkStatus status = kLinkOk;
  while (total < count) {
    const DWORD chunk = std::min(kComChunk, count - total);
    // Each chunk may take 500 ms; the stall limit below is what ends a write.
    commTimeouts.WriteTotalTimeoutConstant = kComChunkTimeoutMs;
    commTimeouts.WriteTotalTimeoutMultiplier = 0;
    ::SetCommTimeouts(handle.get(), &commTimeouts);
    DWORD sent = 0;
    ::WriteFile(handle.get(), bytes + total, chunk, &sent, nullptr);
    commTimeouts.WriteTotalTimeoutConstant = savedConstant;
    ::SetCommTimeouts(handle.get(), &commTimeouts);
    if (sent > 0) {
      total += sent;
      lastProgress = clock_.TickCount();
    } else if (Elapsed(lastProgress) > comWriteTimeout) {
      status = kLinkComStalled;
      break;
    }
  }
  *written = total;
  return total == count ? kLinkOk : status;
}

LinkStatus PrinterLink::ReadCom(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count) {
  if (!handle.valid()) return kLinkClosed;
  if (reply == nullptr || count == nullptr || capacity == 0) return kLinkMissingArgument;
  *count = 0;
  ::SetLastError(0);
  const std::uint32_t start = clock_.TickCount();
  std::uint32_t total = 0;
  bool earlyEnd = false;
  for (;;) {
    DWORD errors = 0;
    COMSTAT state{};
    if (!::ClearCommError(handle.get(), &errors, &state)) return ::GetLastError();
    if (state.cbInQue == 0) {
      if (earlyEnd || Elapsed(start) > comReadTimeout || clock_.WaitCancelled()) break;
    } else {
      // The last byte of the buffer stays zero; a full buffer ends the reply.
      if (total >= capacity - 1) break;
      DWORD got = 0;
      const DWORD want = std::min<DWORD>(state.cbInQue, capacity - 1 - total);
      if (!::ReadFile(handle.get(), reply + total, want, &got, nullptr)) return ::GetLastError();
      total += got;
      if (got >= 2) {
        if (rule == ReplyRule::kAnyReply) {
          if (total > 2) earlyEnd = true;
        } else if (ReplyEndsWith(reply, total, "END\r\n")) {
          break;
        } else if (ReplyEndsWith(reply, total, "ND\r\nT")) {
          // The "T" stays in the buffer but is not part of the reply.
          --total;
          break;
        }
      }
    }
    clock_.Sleep(kComReadPollMs);
  }
  *count = total;
  return total > 0 ? kLinkOk : ::GetLastError();
}

}  // namespace vostrel

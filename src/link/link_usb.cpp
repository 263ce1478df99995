// The USB link: a USB printer-class device, read and written asynchronously.
// One read is always pending on `readChunk` while the link is open; transfers
// are driven by polling, never by completion callbacks.

#include <algorithm>
#include <cstring>

#include "link/address.h"
#include "link/printer_link.h"
#include "link/usb_lookup.h"

namespace vostrel {
namespace {

constexpr std::uint32_t kFindRetrySleepMs = 100;
constexpr std::uint32_t kFindLimitMs = 1000;
constexpr std::uint32_t kUsbReadPollMs = 50;
constexpr std::uint32_t kUsbWritePollMs = 1;
constexpr std::uint32_t kIdlePollMs = 5;
constexpr std::uint32_t kIdleLimitMs = 2000;
constexpr std::uint32_t kDrainLimitMs = 2000;
constexpr ULONG_PTR kStatusPending = 259;

bool Pending(const OVERLAPPED& overlap) { return overlap.Internal == kStatusPending; }

}  // namespace

void PrinterLink::WaitUsbIdle(std::uint32_t limitMs) {
  const std::uint32_t start = clock_.TickCount();
  while ((Pending(readOverlap) || Pending(writeOverlap)) && Elapsed(start) <= limitMs) clock_.Sleep(kIdlePollMs);
}

bool PrinterLink::OpenUsb(TimeoutClass timeouts) {
  const PortKind portClass = ClassifyPortName(prefs_.portName);
  if (portClass == PortKind::None || handle.valid()) return false;
  kind = portClass;
  portName = prefs_.portName;

  // The device may still be arriving: look again for a second.
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    const UsbPrinterMatch match = FindUsbPrinter(portName, deviceRegistryRoot);
    if (match.found) {
      usbPortName = match.portName;
      break;
    }
    if (Elapsed(start) > kFindLimitMs || clock_.WaitCancelled()) {
      kind = PortKind::None;
      portName.clear();
      return false;
    }
    clock_.Sleep(kFindRetrySleepMs);
  }
  portName = usbPortName;
  const UsbPrinterMatch device = FindUsbPrinter(portName, deviceRegistryRoot);
  if (device.found) {
    handle.reset(::CreateFileW(device.devicePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OVERLAPPED, nullptr));
  }
  if (!handle.valid()) {
    kind = PortKind::None;
    handle.release();  // the failure value, nothing to close
    portName.clear();
    return false;
  }
  std::memset(readChunk, 0, sizeof readChunk);
  writeOverlap = OVERLAPPED{};
  readOverlap = OVERLAPPED{};
  DrainUsb();
  readOverlap = OVERLAPPED{};
  ::ReadFile(handle.get(), readChunk, kUsbReadChunk, nullptr, &readOverlap);
  // A name of the other class opens, but the link is not set up.
  if (prefs_.portKind != portClass) return false;
  usbReadTimeout = std::max<std::uint32_t>(100, timeouts == TimeoutClass::kLong ? 10000 : 5000);
  usbWriteTimeout = 5000;
  return true;
}

void PrinterLink::DrainUsb() {
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(handle.get(), drainScratch_, sizeof drainScratch_, &got, &readOverlap)) break;
    readOverlap = OVERLAPPED{};
    if (Elapsed(start) > kDrainLimitMs) break;
  }
  ::CancelIo(handle.get());
  const std::uint32_t cancelled = clock_.TickCount();
  while (Pending(readOverlap) && Elapsed(cancelled) <= kIdleLimitMs) clock_.Sleep(kIdlePollMs);
}

LinkStatus PrinterLink::WriteUsbChunk(const char* bytes, std::uint32_t count, std::uint32_t& sent) {
  sent = 0;
  const std::uint32_t waitStart = clock_.TickCount();
  while (Pending(writeOverlap)) {
    if (Elapsed(waitStart) > usbWriteTimeout) return kLinkWriteTimedOut;
    clock_.Sleep(kUsbWritePollMs);
  }
  writeOverlap = OVERLAPPED{};
  if (!::WriteFile(handle.get(), bytes, count, nullptr, &writeOverlap)) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_IO_PENDING) return error;
  }
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    DWORD done = 0;
    if (::GetOverlappedResult(handle.get(), &writeOverlap, &done, FALSE)) {
      sent = done;
      return kLinkOk;
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_IO_INCOMPLETE && error != ERROR_IO_PENDING) return error;
    if (Elapsed(start) > usbWriteTimeout) {
      // The caller's bytes are about to go away: the write must not outlive them.
      ::CancelIoEx(handle.get(), &writeOverlap);
      const std::uint32_t cancelled = clock_.TickCount();
      while (Pending(writeOverlap) && Elapsed(cancelled) <= kIdleLimitMs) clock_.Sleep(kIdlePollMs);
      return kLinkWriteTimedOut;
    }
    clock_.Sleep(kUsbWritePollMs);
  }
}

LinkStatus PrinterLink::WriteUsb(const char* bytes, std::uint32_t count, std::uint32_t* written) {
  if (!handle.valid()) return kLinkClosed;
  if (bytes == nullptr || written == nullptr) return kLinkMissingArgument;
  *written = 0;
  if (count == 0) return kLinkOk;
  std::uint32_t total = 0;
  LinkStatus status = kLinkOk;
  for (std::uint32_t offset = 0; offset < count; offset += kUsbChunk) {
    std::uint32_t sent = 0;
    status = WriteUsbChunk(bytes + offset, std::min(kUsbChunk, count - offset), sent);
    total += sent;
    if (status != kLinkOk) break;
  }
  *written = total;
  if (total == count) return kLinkOk;
  // A device that took part of a chunk lost the rest: never report that as done.
  return status != kLinkOk ? status : kLinkWriteTimedOut;
}

LinkStatus PrinterLink::ReadUsb(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count) {
  if (!handle.valid()) return kLinkClosed;
  if (reply == nullptr || count == nullptr || capacity == 0) return kLinkMissingArgument;
  *count = 0;
  const std::uint32_t start = clock_.TickCount();
  std::uint32_t total = 0;
  bool earlyEnd = false;
  LinkStatus result = kLinkOk;
  for (;;) {
    DWORD got = 0;
    bool arrived = false;
    if (!::GetOverlappedResult(handle.get(), &readOverlap, &got, FALSE)) {
      const DWORD error = ::GetLastError();
      if (error != ERROR_IO_INCOMPLETE && error != ERROR_IO_PENDING) {
        result = error;
        break;
      }
      if (earlyEnd) break;
    } else if (got == 0) {
      readOverlap = OVERLAPPED{};
      arrived = ::ReadFile(handle.get(), readChunk, kUsbReadChunk, &got, &readOverlap) && got > 0;
    } else {
      arrived = true;
    }
    if (arrived) {
      const std::uint32_t room = capacity - 1 - std::min(total, capacity - 1);
      const std::uint32_t take = std::min<std::uint32_t>(got, room);
      std::memcpy(reply + total, readChunk, take);
      total += take;
      std::memset(readChunk, 0, sizeof readChunk);
      readOverlap = OVERLAPPED{};
      ::ReadFile(handle.get(), readChunk, kUsbReadChunk, nullptr, &readOverlap);
      if (rule == ReplyRule::kAnyReply) {
        if (total > 2) earlyEnd = true;
      } else if (ReplyEndsWith(reply, total, "END\r\n")) {
        break;
      }
      // The last byte of the buffer stays zero; a full buffer ends the reply.
      if (total >= capacity - 1) break;
    }
    if (Elapsed(start) > usbReadTimeout || clock_.WaitCancelled()) {
      // A read that is merely still pending has timed out.
      const DWORD error = ::GetLastError();
      const bool stillPending = error == ERROR_IO_INCOMPLETE || error == ERROR_IO_PENDING;
      result = error != 0 && !stillPending ? error : kLinkTimedOut;
      break;
    }
    clock_.Sleep(kUsbReadPollMs);
  }
  *count = total;
  return result;
}

}  // namespace vostrel

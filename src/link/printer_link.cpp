#include "link/printer_link.h"

#include <ipexport.h>

#include <cstring>

#include "link/address.h"
#include "link/spooler_jobs.h"
#include "platform/ansi_text.h"
#include "platform/net_address.h"

namespace vostrel {
namespace {

using IcmpCreateFileFn = HANDLE(WINAPI*)();
using IcmpCloseHandleFn = BOOL(WINAPI*)(HANDLE);
using IcmpSendEchoFn = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD, DWORD);

template <typename Fn>
Fn LookUp(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

constexpr DWORD kEchoTimeoutMs = 500;

}  // namespace

bool ReplyEndsWith(const char* reply, std::uint32_t count, const char (&ending)[6]) {
  return count >= 5 && std::memcmp(reply + count - 5, ending, 5) == 0;
}

bool ReplyEndsWithLine(const char* reply, std::uint32_t count) {
  return count >= 2 && reply[count - 2] == '\r' && reply[count - 1] == '\n';
}

PrinterLink::PrinterLink(const PreferencesRecord& currentPrefs, const PortKind& driverLinkKind, Clock& clock)
    : prefs_(currentPrefs), driverLinkKind_(driverLinkKind), clock_(clock) {
  WSADATA data{};
  ::WSAStartup(MAKEWORD(2, 0), &data);
}

PrinterLink::~PrinterLink() {
  // Nothing may stay open past the link's life, whatever the preferences say now.
  CloseDevice();
  CloseSocket();
  icmpModule.reset();
  ::WSACleanup();
}

bool PrinterLink::Open(TimeoutClass timeouts) {
  switch (prefs_.portKind) {
    case PortKind::Com:
    case PortKind::Usb:
      switch (ClassifyPortName(prefs_.portName)) {
        case PortKind::Com: return OpenCom(timeouts);
        case PortKind::Usb: return OpenUsb(timeouts);
        default: return false;
      }
    case PortKind::Net: return OpenNet(timeouts);
    default: return false;
  }
}

LinkStatus PrinterLink::Write(const char* bytes, std::uint32_t count, std::uint32_t* written) {
  switch (prefs_.portKind) {
    case PortKind::Com: return WriteCom(bytes, count, written);
    case PortKind::Usb: return WriteUsb(bytes, count, written);
    case PortKind::Net: return WriteNet(bytes, count, written);
    default: return kLinkClosed;
  }
}

LinkStatus PrinterLink::Read(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count) {
  switch (prefs_.portKind) {
    case PortKind::Com: return ReadCom(reply, capacity, rule, count);
    case PortKind::Usb: return ReadUsb(reply, capacity, rule, count);
    case PortKind::Net: return ReadNet(reply, capacity, rule, count);
    default: return kLinkClosed;
  }
}

void PrinterLink::Close() {
  const PortKind linkKind = prefs_.portKind == PortKind::Prt ? driverLinkKind_ : prefs_.portKind;
  if (linkKind == PortKind::Com || linkKind == PortKind::Usb) {
    CloseDevice();
  } else if (linkKind == PortKind::Net) {
    CloseSocket();
  }
}

void PrinterLink::CloseDevice() {
  if (!handle.valid()) return;
  ::PurgeComm(handle.get(), PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  if (kind == PortKind::Usb) {
    ::CancelIo(handle.get());
    WaitUsbIdle(2000);
    usbReadTimeout = 0;
    usbWriteTimeout = 0;
  }
  handle.reset();
  if (kind == PortKind::Com && !parkedQueues.empty()) RestoreQueues(portName, parkedQueues);
  comReadTimeout = 0;
  comWriteTimeout = 0;
  portName.clear();
  kind = PortKind::None;
}

void PrinterLink::CloseSocket() {
  if (!socket.valid()) return;
  ::shutdown(socket.get(), SD_BOTH);
  socket.reset();
  portName.clear();
  netReadTimeout = 0;
  netWriteTimeout = 0;
  kind = PortKind::None;
}

bool PrinterLink::IsReachable(const std::wstring& host) {
  if (!icmpModule) icmpModule.reset(::LoadLibraryW(L"ICMP.DLL"));
  if (!icmpModule) return false;
  const auto createFile = LookUp<IcmpCreateFileFn>(icmpModule.get(), "IcmpCreateFile");
  const auto closeHandle = LookUp<IcmpCloseHandleFn>(icmpModule.get(), "IcmpCloseHandle");
  const auto sendEcho = LookUp<IcmpSendEchoFn>(icmpModule.get(), "IcmpSendEcho");
  if (createFile == nullptr || closeHandle == nullptr || sendEcho == nullptr) return false;

  std::wstring dotted = host;
  if (!IsDottedIPv4(dotted)) {
    auto resolved = ResolveToDotted(host);
    if (!resolved) return false;
    dotted = std::move(*resolved);
  }
  const std::string address = WideToAnsi(dotted);

  const HANDLE icmp = createFile();
  if (icmp == INVALID_HANDLE_VALUE || icmp == nullptr) return false;
  // The reply needs room for the platform's own echo-reply record and 8 more
  // bytes; the status starts as "no answer".
  alignas(ICMP_ECHO_REPLY) unsigned char reply[sizeof(ICMP_ECHO_REPLY) + 8] = {};
  auto* record = reinterpret_cast<ICMP_ECHO_REPLY*>(reply);
  record->Status = 1;
  IP_OPTION_INFORMATION options{};
  options.Ttl = 255;
  sendEcho(icmp, ::inet_addr(address.c_str()), nullptr, 0, &options, reply, sizeof reply, kEchoTimeoutMs);
  closeHandle(icmp);
  return record->Status == IP_SUCCESS;
}

}  // namespace vostrel

#include "link/port_discovery.h"

#include <windows.h>

#include <memory>

#include "link/port_registry.h"
#include "platform/split_text.h"
#include "prefs/preferences.h"

namespace vostrel {
namespace {

struct HeapFree {
  void operator()(void* block) const { ::HeapFree(::GetProcessHeap(), 0, block); }
};
using HeapBlock = std::unique_ptr<BYTE, HeapFree>;

// A spooler enumeration: the size is asked first, then the records are read
// into a zero-filled block of that size from the process heap. When the list
// grew in between, it is asked again.
template <typename Enumerate>
HeapBlock EnumerateInto(Enumerate enumerate, DWORD& count) {
  count = 0;
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD needed = 0;
    DWORD returned = 0;
    enumerate(nullptr, 0, &needed, &returned);
    if (needed == 0) return nullptr;
    HeapBlock block(static_cast<BYTE*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, needed)));
    if (!block) return nullptr;
    if (enumerate(block.get(), needed, &needed, &returned)) {
      count = returned;
      return block;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return nullptr;
  }
  return nullptr;
}

std::wstring TextOf(const wchar_t* text) { return text != nullptr ? text : L""; }

constexpr std::wstring_view kTelmaroComPrefix = L"TELMARO COM";

std::wstring StopBitsText(BYTE stopBits) {
  switch (stopBits) {
    case ONESTOPBIT: return L"1";
    case ONE5STOPBITS: return L"1.5";
    case TWOSTOPBITS: return L"2";
  }
  return std::to_wstring(stopBits);
}

std::wstring ParityText(BYTE parity) {
  switch (parity) {
    case NOPARITY: return L"None";
    case ODDPARITY: return L"Odd";
    case EVENPARITY: return L"Even";
    case MARKPARITY: return L"Mark";
    case SPACEPARITY: return L"Space";
  }
  return std::to_wstring(parity);
}

std::wstring FlowText(const DCB& dcb) {
  if (dcb.fOutxDsrFlow) return L"Hardware";
  if (dcb.fOutX && dcb.fInX) return L"Xon/Xoff";
  return L"None";
}

bool BeginsWithUsbInAnyCase(std::wstring_view name) {
  if (name.size() < 3) return false;
  return ::CompareStringOrdinal(name.data(), 3, L"USB", 3, TRUE) == CSTR_EQUAL;
}

bool AllDigits(std::wstring_view text) {
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

}  // namespace

std::vector<SpoolerPort> ListLocalPorts(const SpoolerCalls& calls) {
  std::vector<SpoolerPort> ports;
  if (calls.enumPorts == nullptr) return ports;
  DWORD count = 0;
  const HeapBlock block = EnumerateInto(
      [&](BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned) {
        return calls.enumPorts(nullptr, 2, buffer, size, needed, returned) != FALSE;
      },
      count);
  const auto* records = reinterpret_cast<const PORT_INFO_2W*>(block.get());
  for (DWORD i = 0; i < count; ++i) {
    ports.push_back({TextOf(records[i].pPortName), TextOf(records[i].pDescription)});
  }
  return ports;
}

std::vector<std::wstring> FillComList() {
  std::vector<std::wstring> entries;
  for (const std::wstring& port : ReadSerialCommPorts()) entries.push_back(port + L":");
  return entries;
}

std::vector<std::wstring> FillUsbList(const SpoolerCalls& calls) {
  std::vector<std::wstring> entries;
  for (const SpoolerPort& port : ListLocalPorts(calls)) {
    if (BeginsWithUsbInAnyCase(port.name)) entries.push_back(port.name);
  }
  return entries;
}

std::wstring DescribeComPort(std::wstring_view portName) {
  const bool telmaro = portName.starts_with(kTelmaroComPrefix);
  // A virtual port "TELMARO COM3" is the device COM3; "COM3:" is COM3.
  const std::wstring_view shortName = portName.empty() ? portName : portName.substr(0, portName.size() - 1);
  const std::wstring device(telmaro ? portName.substr(8) : shortName);

  COMMCONFIG config{};
  DWORD size = sizeof config;
  config.dwSize = size;
  if (!::GetDefaultCommConfigW(device.c_str(), &config, &size)) {
    return std::wstring(telmaro ? portName : shortName);
  }
  std::wstring text;
  for (const wchar_t c : portName) {
    if (c != L':') text.push_back(c);
  }
  const DCB& dcb = config.dcb;
  text += L", " + std::to_wstring(static_cast<int>(dcb.BaudRate)) + L", " + std::to_wstring(dcb.ByteSize) + L", " +
          StopBitsText(dcb.StopBits) + L", " + ParityText(dcb.Parity) + L", " + FlowText(dcb);
  return text;
}

NetworkPortKind ClassifyNetworkPort(std::wstring_view portName, const std::vector<SpoolerPort>& ports) {
  for (const SpoolerPort& port : ports) {
    if (port.name != portName) continue;
    if (port.description == kTelmaroTcpPortDescription) return NetworkPortKind::kTelmaro;
    if (port.description == kSehTcpPortDescription) return NetworkPortKind::kSeh;
    const std::vector<std::wstring> pieces = SplitText(ReadStandardTcpPort(portName), L", ");
    if (pieces.size() == 2 && !pieces[0].empty() && AllDigits(pieces[1])) return NetworkPortKind::kStandard;
  }
  return NetworkPortKind::kNone;
}

NetworkPortKind ClassifyNetworkPort(std::wstring_view portName, const SpoolerCalls& calls) {
  return ClassifyNetworkPort(portName, ListLocalPorts(calls));
}

QueueDiscovery FillQueueList(const SpoolerCalls& calls) {
  QueueDiscovery found;
  if (calls.enumPrinters == nullptr) return found;
  DWORD count = 0;
  const HeapBlock block = EnumerateInto(
      [&](BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned) {
        return calls.enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, buffer, size, needed, returned) != FALSE;
      },
      count);
  const auto* records = reinterpret_cast<const PRINTER_INFO_2W*>(block.get());
  // The ports are listed once for all queues, and only when a queue needs them.
  std::vector<SpoolerPort> ports;
  bool portsListed = false;
  for (DWORD i = 0; i < count; ++i) {
    const std::wstring queue = TextOf(records[i].pPrinterName);
    const std::wstring port = TextOf(records[i].pPortName);
    found.queues.push_back(queue);
    PortKind kind = PortKind::None;
    std::wstring text = port;
    if (port.starts_with(L"COM") || port.starts_with(kTelmaroComPrefix)) {
      kind = PortKind::Com;
      text = DescribeComPort(port);
    } else if (port.starts_with(L"USB")) {
      kind = PortKind::Usb;
    } else {
      if (!portsListed) {
        ports = ListLocalPorts(calls);
        portsListed = true;
      }
      switch (ClassifyNetworkPort(port, ports)) {
        case NetworkPortKind::kTelmaro:
          kind = PortKind::Net;
          text = ReadPropertyTcpPort(port);
          break;
        case NetworkPortKind::kStandard:
          kind = PortKind::Net;
          text = ReadStandardTcpPort(port);
          break;
        case NetworkPortKind::kSeh: {
          kind = PortKind::Net;
          text.clear();
          for (const wchar_t c : port) {
            if (c == L':') {
              text += L", ";
            } else {
              text.push_back(c);
            }
          }
          break;
        }
        case NetworkPortKind::kNone: break;
      }
    }
    found.queuePortKinds[queue] = kind;
    found.queuePortTexts[queue] = text;
  }
  return found;
}

}  // namespace vostrel

#pragma once
// What the link pickers of the main window offer, found once when the window
// opens: the COM ports, the USB printer ports and the printer queues, and for
// every queue the kind of its port and a one-line description of it. The
// results are plain data; the window fills its controls from them.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "link/spooler_jobs.h"
#include "prefs/preferences.h"

namespace vostrel {

// Port descriptions of the print monitors that are told apart.
inline constexpr wchar_t kTelmaroTcpPortDescription[] = L"TELMARO TCP/IP Port";
inline constexpr wchar_t kSehTcpPortDescription[] = L"SEH TCP/IP Port";

// A port of the local machine as the spooler lists it (level 2).
struct SpoolerPort {
  std::wstring name;
  std::wstring description;
  bool operator==(const SpoolerPort&) const = default;
};

// The local ports, in the spooler's order; empty when they cannot be listed.
std::vector<SpoolerPort> ListLocalPorts(const SpoolerCalls& calls = SystemSpooler());

// The COM list's entries: each SERIALCOMM value's data followed by ":", in
// the registry's value order.
std::vector<std::wstring> FillComList();

// The USB list's entries: the local ports whose name begins with "USB" in any
// case, in the spooler's order.
std::vector<std::wstring> FillUsbList(const SpoolerCalls& calls = SystemSpooler());

// The queue list and what the window keeps about each queue's port, keyed by
// the queue name as the spooler reports it.
struct QueueDiscovery {
  std::vector<std::wstring> queues;  // the spooler's order
  std::map<std::wstring, PortKind> queuePortKinds;
  std::map<std::wstring, std::wstring> queuePortTexts;
};

// Every local queue with the kind and description of its port: 2 (COM) with
// the COM description for ports beginning "COM" or "TELMARO COM", 3 (USB)
// with the port name for ports beginning "USB", 4 (NET) with "address, port"
// for the TCP/IP ports that ClassifyNetworkPort recognises, otherwise 0 with
// the port name.
QueueDiscovery FillQueueList(const SpoolerCalls& calls = SystemSpooler());

// "COM3, 9600, 8, 1, None, None": the port name without its colons and the
// port's default configuration; only the name (without its last character,
// or whole for a "TELMARO COM" port) when the system has none.
std::wstring DescribeComPort(std::wstring_view portName);

// What kind of TCP/IP port `portName` is.
enum class NetworkPortKind : std::int32_t { kNone = 0, kTelmaro = 1, kStandard = 2, kSeh = 3 };
NetworkPortKind ClassifyNetworkPort(std::wstring_view portName, const SpoolerCalls& calls = SystemSpooler());
// The same against a port list already taken.
NetworkPortKind ClassifyNetworkPort(std::wstring_view portName, const std::vector<SpoolerPort>& ports);

}  // namespace vostrel

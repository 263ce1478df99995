#pragma once
// What the registry tells about the ports behind printer queues and about the
// serial ports of the machine: the address and TCP port of a port of the
// Standard TCP/IP Port and the TELMARO TCP/IP Port monitors, and the COM
// ports the serial drivers report.

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

// Below HKEY_LOCAL_MACHINE; a port's key is the prefix followed by its name.
inline constexpr wchar_t kStandardTcpPortsKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\";
inline constexpr wchar_t kTelmaroTcpPortsKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\TELMARO TCP/IP Port\\Ports\\";
inline constexpr wchar_t kSerialCommKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";

// The "Property" record of a TELMARO TCP/IP port comes in two sizes, with
// the address (UTF-16, NUL-terminated) and the TCP port (32 bits) at fixed
// byte offsets.
struct PropertyLayout {
  std::size_t size;           // largest record of this layout
  std::size_t addressOffset;  // UTF-16 text
  std::size_t portOffset;     // unsigned 32-bit, little-endian
};
inline constexpr PropertyLayout kPropertySmall{1232, 1118, 972};
inline constexpr PropertyLayout kPropertyLarge{1248, 1130, 984};

// "address, port" of a Standard TCP/IP port: "IPAddress" (or, when that is
// empty, "HostName") and "PortNumber" in decimal; a missing number leaves
// that part empty. Empty text when the port has no key.
std::wstring ReadStandardTcpPort(std::wstring_view portName);

// "address, port" from the "Property" record of a TELMARO TCP/IP port.
// Empty text when the port has no key or its record cannot be read (larger
// than the large layout).
std::wstring ReadPropertyTcpPort(std::wstring_view portName);

// "address, port" of a record of `recordSize` bytes laid out as `layout`.
// Only the record's own bytes are read: an address that is not terminated
// inside the record ends with the record, and a field that lies (partly)
// beyond it reads as zeros.
std::wstring PropertyRecordText(const BYTE* record, std::size_t recordSize, const PropertyLayout& layout);

// The data of every value of the SERIALCOMM key (COM port names such as
// COM1), in the registry's value order. Values that are not text are left out.
std::vector<std::wstring> ReadSerialCommPorts();

}  // namespace vostrel

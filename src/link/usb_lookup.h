#pragma once
// Finding the USB printer-class device behind a USB printer port name such as
// USB001, from the device-interface class key of USB printers and the list of
// devices the usbprint service has running.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

// Where the lookup reads, below the root key it is given.
inline constexpr wchar_t kUsbPrinterClassKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
inline constexpr wchar_t kUsbPrintEnumKey[] = L"SYSTEM\\CurrentControlSet\\Services\\usbprint\\Enum";

// One USB printer interface of the class key.
struct UsbPrinterEntry {
  std::wstring deviceInstance;     // its "DeviceInstance"
  std::wstring devicePath;         // the key name with "##?#" made "\\?\": the path to open
  std::wstring portDescription;    // "Device Parameters" "Port Description"; empty when missing
  std::int32_t usbPortNumber = 0;  // "Device Parameters" "Port Number" (a DWORD); 0 when missing
  bool present = false;            // the usbprint service lists the device instance

  bool operator==(const UsbPrinterEntry&) const = default;
};

struct UsbPrinterList {
  std::vector<UsbPrinterEntry> entries;  // in registry order
  bool anyRead = false;                  // at least one "DeviceInstance" was read
};

// The USB printer interfaces below `root` (HKEY_LOCAL_MACHINE for the
// system's devices; tests hand in a key of their own).
UsbPrinterList ListUsbPrinters(HKEY root = HKEY_LOCAL_MACHINE);

struct UsbPrinterMatch {
  bool found = false;
  std::wstring devicePath;  // empty when not found
  std::wstring portName;    // canonical "USB%03d"; empty when not found
};

// The present device whose port number is the number in the last three
// characters of a six-character port name; the first in registry order wins.
UsbPrinterMatch FindUsbPrinter(std::wstring_view portName, HKEY root = HKEY_LOCAL_MACHINE);

// A device key name made into the path that opens the device.
std::wstring DevicePathFromKeyName(std::wstring_view keyName);

}  // namespace vostrel

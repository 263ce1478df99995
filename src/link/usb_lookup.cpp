#include "link/usb_lookup.h"

#include <algorithm>
#include <cwchar>
#include <optional>

#include "platform/unique_handle.h"

namespace vostrel {
namespace {

ScopedKey OpenKey(HKEY parent, const std::wstring& path) {
  ScopedKey key;
  if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

// A text value: its size is asked first, then it is read into a zero-filled
// buffer one character longer, so that a value stored without its closing
// zero still ends.
std::optional<std::wstring> ReadText(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  buffer.resize(std::wcslen(buffer.c_str()));
  return buffer;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_DWORD || size != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

// The device instances the usbprint service has running: the values "0",
// "1" and so on up to "Count" - 1. A wrong "Count" (0xFFFFFFFF would keep
// the lookup reading for hours) is not trusted: the list ends at the first
// number without a value and never takes more values than the key holds.
std::vector<std::wstring> RunningUsbPrintDevices(HKEY root) {
  std::vector<std::wstring> running;
  ScopedKey key = OpenKey(root, kUsbPrintEnumKey);
  if (!key) return running;
  DWORD valueCount = 0;
  if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS) {
    return running;
  }
  const DWORD count = std::min(ReadDword(key.get(), L"Count").value_or(0), valueCount);
  for (DWORD i = 0; i < count; ++i) {
    const std::wstring name = std::to_wstring(i);
    if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    // A value that is not text names no device, but the numbering goes on.
    if (std::optional<std::wstring> instance = ReadText(key.get(), name.c_str())) {
      running.push_back(std::move(*instance));
    }
  }
  return running;
}

}  // namespace

std::wstring DevicePathFromKeyName(std::wstring_view keyName) {
  constexpr std::wstring_view kKeyPrefix = L"##?#";
  constexpr std::wstring_view kPathPrefix = L"\\\\?\\";
  std::wstring path;
  std::size_t from = 0;
  for (std::size_t at = keyName.find(kKeyPrefix); at != std::wstring_view::npos; at = keyName.find(kKeyPrefix, from)) {
    path.append(keyName.substr(from, at - from)).append(kPathPrefix);
    from = at + kKeyPrefix.size();
  }
  path.append(keyName.substr(from));
  return path;
}

UsbPrinterList ListUsbPrinters(HKEY root) {
  UsbPrinterList list;
  ScopedKey classKey = OpenKey(root, kUsbPrinterClassKey);
  if (!classKey) return list;
  const std::vector<std::wstring> running = RunningUsbPrintDevices(root);
  for (DWORD index = 0;; ++index) {
    wchar_t name[1025] = {};
    DWORD length = 1025;
    const LONG result = ::RegEnumKeyExW(classKey.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) continue;  // a name too long for the buffer

    UsbPrinterEntry entry;
    bool counts = false;
    if (ScopedKey device = OpenKey(classKey.get(), name)) {
      if (auto instance = ReadText(device.get(), L"DeviceInstance")) {
        entry.deviceInstance = std::move(*instance);
        counts = true;
      }
    }
    entry.devicePath = DevicePathFromKeyName(name);
    if (ScopedKey parameters = OpenKey(classKey.get(), std::wstring(name) + L"\\#\\Device Parameters")) {
      entry.portDescription = ReadText(parameters.get(), L"Port Description").value_or(L"");
      entry.usbPortNumber = static_cast<std::int32_t>(ReadDword(parameters.get(), L"Port Number").value_or(0));
    }
    entry.present = std::find(running.begin(), running.end(), entry.deviceInstance) != running.end();
    if (counts) {
      list.entries.push_back(std::move(entry));
      list.anyRead = true;
    }
  }
  return list;
}

UsbPrinterMatch FindUsbPrinter(std::wstring_view portName, HKEY root) {
  UsbPrinterMatch match;
  if (portName.size() != 6) return match;
  const std::wstring digits(portName.substr(3));
  unsigned number = 0;
  if (std::swscanf(digits.c_str(), L"%u", &number) != 1) return match;
  const UsbPrinterList list = ListUsbPrinters(root);
  if (!list.anyRead) return match;
  for (const UsbPrinterEntry& entry : list.entries) {
    if (entry.usbPortNumber != static_cast<std::int32_t>(number) || !entry.present) continue;
    wchar_t canonical[16] = {};
    std::swprintf(canonical, 16, L"USB%03d", entry.usbPortNumber);
    match.found = true;
    match.devicePath = entry.devicePath;
    match.portName = canonical;
    return match;
  }
  return match;
}

}  // namespace vostrel

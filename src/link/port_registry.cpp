#include "link/port_registry.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <optional>

#include "platform/unique_handle.h"

namespace vostrel {
namespace {

ScopedKey OpenMachineKey(const std::wstring& path) {
  ScopedKey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A text value read into a zero-filled buffer of `bytes` bytes (plus room for
// a closing zero that the value may lack). A value that does not fit, is not
// text or is missing gives empty text.
std::wstring ReadBoundedText(HKEY key, const wchar_t* name, DWORD bytes) {
  std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = bytes;
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
      !IsText(type)) {
    return {};
  }
  buffer.resize(std::wcslen(buffer.c_str()));
  return buffer;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return std::nullopt;
  }
  return value;
}

// The record read into a zero-filled buffer of exactly `capacity` bytes;
// nothing when it does not fit (or is missing).
struct PropertyRecord {
  std::unique_ptr<BYTE[]> bytes;
  DWORD size = 0;
};
std::optional<PropertyRecord> ReadRecord(HKEY key, DWORD capacity) {
  PropertyRecord record{std::make_unique<BYTE[]>(capacity), capacity};
  if (::RegQueryValueExW(key, L"Property", nullptr, nullptr, record.bytes.get(), &record.size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return record;
}

}  // namespace

std::wstring ReadStandardTcpPort(std::wstring_view portName) {
  ScopedKey key = OpenMachineKey(kStandardTcpPortsKey + std::wstring(portName));
  if (!key) return {};
  constexpr DWORD kAddressBytes = 256;
  std::wstring address = ReadBoundedText(key.get(), L"IPAddress", kAddressBytes);
  if (address.empty()) address = ReadBoundedText(key.get(), L"HostName", kAddressBytes);
  std::wstring number;
  if (const std::optional<DWORD> port = ReadDword(key.get(), L"PortNumber")) {
    number = std::to_wstring(static_cast<std::int32_t>(*port));
  }
  return address + L", " + number;
}

std::wstring PropertyRecordText(const BYTE* record, std::size_t recordSize, const PropertyLayout& layout) {
  std::wstring address;
  for (std::size_t at = layout.addressOffset; at + 1 < recordSize; at += 2) {
    const wchar_t unit = static_cast<wchar_t>(record[at] | (record[at + 1] << 8));
    if (unit == L'\0') break;
    address.push_back(unit);
  }
  std::uint32_t port = 0;
  for (std::size_t i = 0; i < 4 && layout.portOffset + i < recordSize; ++i) {
    port |= static_cast<std::uint32_t>(record[layout.portOffset + i]) << (8 * i);
  }
  return address + L", " + std::to_wstring(port);
}

std::wstring ReadPropertyTcpPort(std::wstring_view portName) {
  ScopedKey key = OpenMachineKey(kTelmaroTcpPortsKey + std::wstring(portName));
  if (!key) return {};
  for (const PropertyLayout& layout : {kPropertySmall, kPropertyLarge}) {
    if (std::optional<PropertyRecord> record = ReadRecord(key.get(), static_cast<DWORD>(layout.size))) {
      return PropertyRecordText(record->bytes.get(), record->size, layout);
    }
  }
  return {};
}

std::vector<std::wstring> ReadSerialCommPorts() {
  std::vector<std::wstring> ports;
  ScopedKey key = OpenMachineKey(kSerialCommKey);
  if (!key) return ports;
  DWORD longestName = 0;
  DWORD longestData = 0;
  if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
    return ports;
  }
  std::wstring name(longestName + 1, L'\0');
  std::wstring data(longestData / sizeof(wchar_t) + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = longestName + 1;
    DWORD type = 0;
    DWORD size = longestData;
    std::fill(data.begin(), data.end(), L'\0');
    const LONG result = ::RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_NO_MORE_ITEMS) break;
    // A value added since the sizes were asked may not fit; it is left out.
    if (result != ERROR_SUCCESS || !IsText(type)) continue;
    ports.emplace_back(data.c_str());
  }
  return ports;
}

}  // namespace vostrel

#pragma once
// Fixtures of the port discovery tests, each removed again when the test
// ends: COM port names in SERIALCOMM, print monitors (the test monitor DLL
// installed under a chosen name) with their ports, and default serial
// configurations.

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "link/link_fixtures.h"
#include "platform/unique_handle.h"

namespace vostrel::testing_support {

inline constexpr wchar_t kMonitorsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\";
inline constexpr wchar_t kTestMonitorDll[] = L"vostrel_test_monitor.dll";

// One value of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, as a serial driver makes.
class SerialCommValue {
 public:
  SerialCommValue(std::wstring name, const std::wstring& comPort) : name_(std::move(name)) {
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, key_.put(), nullptr) != ERROR_SUCCESS) {
      key_.release();
      return;
    }
    added_ = ::RegSetValueExW(key_.get(), name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(comPort.c_str()),
                              static_cast<DWORD>((comPort.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  ~SerialCommValue() {
    if (added_) ::RegDeleteValueW(key_.get(), name_.c_str());
  }
  SerialCommValue(const SerialCommValue&) = delete;
  SerialCommValue& operator=(const SerialCommValue&) = delete;
  bool added() const { return added_; }

 private:
  std::wstring name_;
  ScopedKey key_;
  bool added_ = false;
};

// The test monitor DLL, built beside the test program, copied into the
// prefix's system folder where the spooler loads monitors from.
inline bool InstallTestMonitorDll() {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring source(self);
  source = source.substr(0, source.find_last_of(L'\\') + 1) + kTestMonitorDll;
  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring target = std::wstring(system) + L"\\" + kTestMonitorDll;
  WIN32_FILE_ATTRIBUTE_DATA from{};
  WIN32_FILE_ATTRIBUTE_DATA to{};
  if (!::GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from)) return false;
  if (::GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &to) && to.nFileSizeLow == from.nFileSizeLow &&
      ::CompareFileTime(&to.ftLastWriteTime, &from.ftLastWriteTime) >= 0) {
    return true;
  }
  return ::CopyFileW(source.c_str(), target.c_str(), FALSE) != FALSE;
}

// A print monitor named `name` whose ports the spooler lists with the
// description `description`. Ports are the subkeys of the monitor's "Ports"
// key, where the program also finds their settings. Holds a spooler turn.
class TestMonitor {
 public:
  TestMonitor(std::wstring name, const std::wstring& description) : name_(std::move(name)) {
    if (!InstallTestMonitorDll()) return;
    ScopedKey key;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kMonitorsKey + name_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          key.put(), nullptr) != ERROR_SUCCESS) {
      return;
    }
    ::RegSetValueExW(key.get(), L"Description", 0, REG_SZ, reinterpret_cast<const BYTE*>(description.c_str()),
                     static_cast<DWORD>((description.size() + 1) * sizeof(wchar_t)));
    std::wstring dll = kTestMonitorDll;
    for (const wchar_t* environment : {L"Windows x64", L"Windows NT x86"}) {
      std::wstring env = environment;
      MONITOR_INFO_2W info{name_.data(), env.data(), dll.data()};
      if (::AddMonitorW(nullptr, 2, reinterpret_cast<BYTE*>(&info)) ||
          ::GetLastError() == ERROR_PRINT_MONITOR_ALREADY_INSTALLED) {
        installed_ = true;
        break;
      }
    }
  }
  ~TestMonitor() {
    if (installed_) ::DeleteMonitorW(nullptr, nullptr, name_.data());
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kMonitorsKey + name_).c_str());
  }
  TestMonitor(const TestMonitor&) = delete;
  TestMonitor& operator=(const TestMonitor&) = delete;

  bool installed() const { return installed_; }

  // Adds a port; its key is returned for the settings the test gives it.
  ScopedKey AddPort(const std::wstring& port) const {
    ScopedKey key;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kMonitorsKey + name_ + L"\\Ports\\" + port).c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
      key.release();
    }
    return key;
  }

 private:
  SpoolerTurn turn_;
  std::wstring name_;
  bool installed_ = false;
};

inline bool SetText(HKEY key, const wchar_t* name, const std::wstring& value) {
  return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}
inline bool SetDword(HKEY key, const wchar_t* name, DWORD value) {
  return ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
         ERROR_SUCCESS;
}
inline bool SetBinary(HKEY key, const wchar_t* name, const std::vector<BYTE>& bytes) {
  return ::RegSetValueExW(key, name, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

// A default configuration of a COM port (what GetDefaultCommConfigW then
// reports), set back to the system's plain default afterwards.
class DefaultCommConfig {
 public:
  DefaultCommConfig(std::wstring device, const DCB& dcb) : device_(std::move(device)) {
    COMMCONFIG config{};
    config.dwSize = sizeof config;
    config.wVersion = 1;
    config.dwProviderSubType = PST_RS232;
    config.dcb = dcb;
    config.dcb.DCBlength = sizeof(DCB);
    set_ = ::SetDefaultCommConfigW(device_.c_str(), &config, sizeof config) != FALSE;
  }
  ~DefaultCommConfig() {
    if (!set_) return;
    DCB plain{};
    plain.DCBlength = sizeof plain;
    plain.BaudRate = 9600;
    plain.fBinary = TRUE;
    plain.ByteSize = 8;
    COMMCONFIG config{};
    config.dwSize = sizeof config;
    config.wVersion = 1;
    config.dwProviderSubType = PST_RS232;
    config.dcb = plain;
    ::SetDefaultCommConfigW(device_.c_str(), &config, sizeof config);
  }
  DefaultCommConfig(const DefaultCommConfig&) = delete;
  DefaultCommConfig& operator=(const DefaultCommConfig&) = delete;
  bool set() const { return set_; }

 private:
  SpoolerTurn turn_;  // one test at a time changes the machine's serial defaults
  std::wstring device_;
  bool set_ = false;
};

}  // namespace vostrel::testing_support

#pragma once
// A USB printer-class device stand-in: a named pipe that the device path of a
// registry key of the test's own leads to, through an object-manager symbolic
// link. The test serves the pipe and plays the printer on it. The pipe is in
// message mode, so the printer's end sees every write of the link as one
// message.

#include <windows.h>
#include <winternl.h>

#include <string>
#include <vector>

#include "link/link_fixtures.h"

namespace vostrel::testing_support {

class UsbPipeDevice {
 public:
  static constexpr wchar_t kGuid[] = L"#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";

  // Registers a device key with port number `portNumber` below `registry`
  // (listed by the usbprint service when `running`) and serves its pipe.
  UsbPipeDevice(const TestRegistryRoot& registry, DWORD portNumber, bool running = true) {
    const std::wstring tag = UniqueSuffix();
    const std::wstring interfaceName = L"USB#VID_1234&PID_5678#" + tag + kGuid;
    const std::wstring pipeName = L"vostrel-usb-" + tag;
    const std::wstring keyName = L"##?#" + interfaceName;
    const std::wstring classKey =
        L"SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\"
        L"{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\" +
        keyName;
    const std::wstring instance = L"USB\\VID_1234&PID_5678\\" + tag;
    registry.SetText(classKey, L"DeviceInstance", instance);
    registry.SetDword(classKey + L"\\#\\Device Parameters", L"Port Number", portNumber);
    const wchar_t* enumKey = L"SYSTEM\\CurrentControlSet\\Services\\usbprint\\Enum";
    if (running) {
      registry.SetText(enumKey, L"0", instance);
      registry.SetDword(enumKey, L"Count", 1);
    }

    pipe_ = ::CreateNamedPipeW((L"\\\\.\\pipe\\" + pipeName).c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                               PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 65536, 65536, 0, nullptr);
    connectEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    connect_.hEvent = connectEvent_;
    ::ConnectNamedPipe(pipe_, &connect_);

    using CreateLinkFn = LONG(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PUNICODE_STRING);
    const auto createLink = reinterpret_cast<CreateLinkFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtCreateSymbolicLinkObject")));
    std::wstring linkName = L"\\??\\" + interfaceName;
    std::wstring target = L"\\Device\\NamedPipe\\" + pipeName;
    UNICODE_STRING name{static_cast<USHORT>(linkName.size() * 2), static_cast<USHORT>(linkName.size() * 2),
                        linkName.data()};
    UNICODE_STRING to{static_cast<USHORT>(target.size() * 2), static_cast<USHORT>(target.size() * 2), target.data()};
    OBJECT_ATTRIBUTES attributes{};
    attributes.Length = sizeof attributes;
    attributes.ObjectName = &name;
    attributes.Attributes = OBJ_CASE_INSENSITIVE;
    if (createLink != nullptr) createLink(&symlink_, 0xF0001 /* all access to a symbolic link */, &attributes, &to);
  }
  ~UsbPipeDevice() {
    if (pipe_ != INVALID_HANDLE_VALUE) {
      ::CancelIo(pipe_);
      ::CloseHandle(pipe_);
    }
    if (connectEvent_ != nullptr) ::CloseHandle(connectEvent_);
    if (symlink_ != nullptr) ::CloseHandle(symlink_);
  }
  UsbPipeDevice(const UsbPipeDevice&) = delete;
  UsbPipeDevice& operator=(const UsbPipeDevice&) = delete;

  bool ready() const { return pipe_ != INVALID_HANDLE_VALUE && symlink_ != nullptr; }

  // Whether the link has opened the device.
  bool Connected() { return ::WaitForSingleObject(connectEvent_, 2000) == WAIT_OBJECT_0; }

  // Takes the link's next open once it has closed the device.
  bool Reconnect() {
    ::DisconnectNamedPipe(pipe_);
    ::ResetEvent(connectEvent_);
    connect_ = OVERLAPPED{};
    connect_.hEvent = connectEvent_;
    if (::ConnectNamedPipe(pipe_, &connect_)) return true;
    const DWORD error = ::GetLastError();
    if (error == ERROR_PIPE_CONNECTED) ::SetEvent(connectEvent_);
    return error == ERROR_PIPE_CONNECTED || error == ERROR_IO_PENDING;
  }

  bool Send(const std::string& bytes) {
    OVERLAPPED overlap{};
    DWORD sent = 0;
    if (!::WriteFile(pipe_, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &overlap) &&
        ::GetLastError() != ERROR_IO_PENDING) {
      return false;
    }
    return ::GetOverlappedResult(pipe_, &overlap, &sent, TRUE) && sent == bytes.size();
  }

  // The messages the link wrote, until none came for `quietMs`.
  std::vector<std::string> Messages(int quietMs = 500) {
    std::vector<std::string> messages;
    for (;;) {
      char buffer[4096];
      OVERLAPPED overlap{};
      overlap.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
      DWORD got = 0;
      if (!::ReadFile(pipe_, buffer, sizeof buffer, nullptr, &overlap) && ::GetLastError() != ERROR_IO_PENDING) {
        ::CloseHandle(overlap.hEvent);
        break;
      }
      if (::WaitForSingleObject(overlap.hEvent, quietMs) != WAIT_OBJECT_0) {
        ::CancelIo(pipe_);
        ::GetOverlappedResult(pipe_, &overlap, &got, TRUE);
        ::CloseHandle(overlap.hEvent);
        break;
      }
      const bool ok = ::GetOverlappedResult(pipe_, &overlap, &got, FALSE);
      ::CloseHandle(overlap.hEvent);
      if (!ok) break;
      messages.emplace_back(buffer, got);
    }
    return messages;
  }

 private:
  HANDLE pipe_ = INVALID_HANDLE_VALUE;
  HANDLE connectEvent_ = nullptr;
  OVERLAPPED connect_{};
  HANDLE symlink_ = nullptr;
};

}  // namespace vostrel::testing_support

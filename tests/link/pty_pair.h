#pragma once
// Two COM ports joined by a host pty pair (socat): the link opens one, the
// test plays the printer on the other. The socat process is this fixture's
// own: its pid is recorded and only that pid is ended.

#include <windows.h>

#include <string>

#include "link/host_shell.h"

namespace vostrel::testing_support {

class PtyPair {
 public:
  PtyPair() {
    const DWORD pid = ::GetCurrentProcessId();
    static int serial = 0;
    stem_ = "/tmp/vostrel-link-pty-" + std::to_string(pid) + "-" + std::to_string(++serial);
    // The link's port must be COM2 to COM9: only those open under their plain
    // name. The first free one is taken (a symbolic link is made only once).
    // The printer's end gets a number of its own, opened as \\.\COMn.
    const int peerNumber = 200 + static_cast<int>(pid % 400);
    peerPort_ = L"\\\\.\\COM" + std::to_wstring(peerNumber);
    peerName_ = L"COM" + std::to_wstring(peerNumber);
    wchar_t prefix[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH) == 0) return;
    const std::wstring widePrefix(prefix);
    const std::string dosdevices = std::string(widePrefix.begin(), widePrefix.end()) + "/dosdevices/";
    peerDevice_ = dosdevices + "com" + std::to_string(peerNumber);
    started_ = RunOnHost("socat pty,raw,echo=0,link=" + stem_ + "-a pty,raw,echo=0,link=" + stem_ +
                         "-b >/dev/null 2>&1 </dev/null & echo $! > " + stem_ +
                         ".pid; i=0; while [ $i -lt 100 ]; do "
                         "[ -e " +
                         stem_ + "-a ] && [ -e " + stem_ +
                         "-b ] && break; sleep 0.05; i=$((i+1)); done; "
                         "ln -sfn " +
                         stem_ + "-b '" + peerDevice_ + "' && for n in 2 3 4 5 6 7 8 9; do ln -s " + stem_ + "-a '" +
                         dosdevices + "'com$n 2>/dev/null && echo $n > " + stem_ + ".com && break; done; [ -s " +
                         stem_ + ".com ]");
    std::string number = ReadHostFile(stem_ + ".com");
    while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
    if (number.empty()) started_ = false;
    linkPort_ = L"COM" + std::wstring(number.begin(), number.end());
    linkDevice_ = dosdevices + "com" + number;
    pid_ = ReadHostFile(stem_ + ".pid");
    while (!pid_.empty() && (pid_.back() == '\n' || pid_.back() == '\r')) pid_.pop_back();
  }
  ~PtyPair() {
    if (peer_ != INVALID_HANDLE_VALUE) ::CloseHandle(peer_);
    std::string cleanup = "rm -f '" + linkDevice_ + "' '" + peerDevice_ + "' " + stem_ + ".pid " + stem_ + ".com";
    if (!pid_.empty()) cleanup = "kill " + pid_ + "; " + cleanup;
    RunOnHost(cleanup);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool started() const { return started_ && !pid_.empty(); }
  // The name the link opens, with its colon as the COM picker lists it.
  std::wstring linkPort() const { return linkPort_ + L":"; }

  // The printer's end as another program opens it (COMnnn).
  const std::wstring& peerName() const { return peerName_; }

  // Opens the printer's end; reads on it return at once with what is there.
  bool OpenPeer() {
    peer_ = ::CreateFileW(peerPort_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (peer_ == INVALID_HANDLE_VALUE) return false;
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 2000;
    return ::SetCommTimeouts(peer_, &timeouts) != FALSE;
  }
  bool Send(const std::string& bytes) {
    DWORD sent = 0;
    return ::WriteFile(peer_, bytes.data(), static_cast<DWORD>(bytes.size()), &sent, nullptr) && sent == bytes.size();
  }
  // Receives until `count` bytes came or nothing came for `quietMs`.
  std::string Receive(std::size_t count, int quietMs = 1000) {
    std::string bytes;
    char buffer[4096];
    int quiet = 0;
    while (bytes.size() < count && quiet < quietMs) {
      DWORD got = 0;
      if (!::ReadFile(peer_, buffer, sizeof buffer, &got, nullptr)) break;
      if (got == 0) {
        ::Sleep(10);
        quiet += 10;
        continue;
      }
      quiet = 0;
      bytes.append(buffer, got);
    }
    return bytes;
  }

 private:
  std::string stem_;
  std::string linkDevice_;
  std::string peerDevice_;
  std::string pid_;
  std::wstring linkPort_;
  std::wstring peerPort_;
  std::wstring peerName_;
  bool started_ = false;
  HANDLE peer_ = INVALID_HANDLE_VALUE;
};

}  // namespace vostrel::testing_support

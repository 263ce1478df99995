#pragma once
// The one link to the printer: a COM port, a USB printer-class device or a
// TCP connection, opened for one command, written to, read from and closed
// again. It takes its parameters from the current preferences record and
// waits only through its clock.

#include <windows.h>
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

#include "link/link_types.h"
#include "platform/clock.h"
#include "platform/unique_handle.h"
#include "prefs/preferences.h"

namespace vostrel {

class PrinterLink {
 public:
  // `currentPrefs` and `driverLinkKind` (the kind of the port behind the
  // chosen printer queue) are read at every call, never copied. Starts the
  // sockets library.
  PrinterLink(const PreferencesRecord& currentPrefs, const PortKind& driverLinkKind, Clock& clock = SystemClock());
  // Closes what is still open, frees the ICMP library, ends the sockets library.
  ~PrinterLink();
  PrinterLink(const PrinterLink&) = delete;
  PrinterLink& operator=(const PrinterLink&) = delete;

  // Opens the link of `currentPrefs.portKind` (COM, USB or NET; false for a
  // printer queue and for none).
  bool Open(TimeoutClass timeouts);
  // Writes `count` bytes; `written` receives how many left.
  LinkStatus Write(const char* bytes, std::uint32_t count, std::uint32_t* written);
  // Appends the reply to `reply` (a zero-filled buffer of `capacity` bytes,
  // whose last byte stays zero); `count` receives the number of reply bytes.
  LinkStatus Read(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count);
  // Closes whatever Open opened; harmless when nothing is open.
  void Close();

  // Whether the host (a dotted address or a name) answers one ICMP echo.
  bool IsReachable(const std::wstring& host);
  // Whether the host answered the echo of the last NET open; a hint for
  // diagnostics only, the connection decides whether the link opens.
  bool echoAnswered = false;

  // Why the last Open of a NET link failed, for the front ends that name the
  // cause: the socket error of the connect (WSAECONNREFUSED, ...),
  // kLinkTimedOut for a connect not answered in time, WSAEHOSTUNREACH for no
  // echo, WSAHOST_NOT_FOUND for a name that is not known; kLinkOk otherwise.
  LinkStatus openError = kLinkOk;

  // The state of the link, open to the flows that use it and to its tests.
  PortKind kind = PortKind::None;
  ScopedHandle handle;
  std::wstring portName;
  ScopedSocket socket;
  OVERLAPPED writeOverlap{};
  OVERLAPPED readOverlap{};
  char readChunk[kUsbReadChunk] = {};
  std::uint32_t usbReadTimeout = 0;
  std::uint32_t usbWriteTimeout = 0;
  std::uint32_t netReadTimeout = 0;
  std::uint32_t netWriteTimeout = 0;
  std::uint32_t comReadTimeout = 0;
  std::uint32_t comWriteTimeout = 0;
  ScopedModule icmpModule;
  std::vector<std::wstring> parkedQueues;
  std::wstring usbPortName;

  // Where the USB device lookup reads the device registry (the system's
  // HKEY_LOCAL_MACHINE unless a test hands in a key of its own).
  HKEY deviceRegistryRoot = HKEY_LOCAL_MACHINE;

 private:
  bool OpenCom(TimeoutClass timeouts);
  bool OpenUsb(TimeoutClass timeouts);
  bool OpenNet(TimeoutClass timeouts);
  // Connects `candidate` to `address` within five seconds on the clock.
  bool Connect(SOCKET candidate, const sockaddr_in& address);
  LinkStatus WriteCom(const char* bytes, std::uint32_t count, std::uint32_t* written);
  LinkStatus WriteUsb(const char* bytes, std::uint32_t count, std::uint32_t* written);
  LinkStatus WriteNet(const char* bytes, std::uint32_t count, std::uint32_t* written);
  LinkStatus ReadCom(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count);
  LinkStatus ReadUsb(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count);
  LinkStatus ReadNet(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count);
  void CloseDevice();
  void CloseSocket();
  void DrainCom();
  void DrainUsb();
  void DrainNet();
  LinkStatus WriteUsbChunk(const char* bytes, std::uint32_t count, std::uint32_t& sent);
  // Waits, polling through the clock, until no USB transfer is pending or
  // `limitMs` passed.
  void WaitUsbIdle(std::uint32_t limitMs);
  // Waits, polling through the clock, until the socket can be read (or
  // written); > 0 ready, 0 not within `limitMs`, < 0 the wait failed.
  int WaitSocket(bool forWrite, std::uint64_t limitMs);
  std::uint32_t Elapsed(std::uint32_t since) { return ElapsedMs(since, clock_.TickCount()); }

  const PreferencesRecord& prefs_;
  const PortKind& driverLinkKind_;
  Clock& clock_;
  // Target of the USB drain's reads; a member, so that a read the drain
  // leaves pending never writes into a stack that has moved on.
  char drainScratch_[kDrainScratchSize] = {};
};

// A port's serial state with the link's settings applied: speed, byte size,
// parity, stop bits and flow control from the preferences; binary mode, DTR
// on and abort on error; every field not named here keeps the port's value.
void ApplySerialSettings(DCB& dcb, const PreferencesRecord& prefs);

// Whether a reply of `count` bytes ends with the five bytes `ending`.
bool ReplyEndsWith(const char* reply, std::uint32_t count, const char (&ending)[6]);
// Whether a reply of `count` bytes ends with a whole line (CR LF).
bool ReplyEndsWithLine(const char* reply, std::uint32_t count);

}  // namespace vostrel

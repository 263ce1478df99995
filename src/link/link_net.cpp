// The NET link: a TCP connection to the printer's raw port.

#include <algorithm>
#include <utility>

#include "link/address.h"
#include "link/printer_link.h"
#include "platform/ansi_text.h"
#include "platform/net_address.h"

namespace vostrel {
namespace {

// Socket waits poll in steps this long, so that every wait runs on the clock.
constexpr std::uint32_t kSocketPollMs = 10;
constexpr std::uint32_t kEarlyEndWaitMs = 100;
constexpr std::uint32_t kReadRetrySleepMs = 100;
constexpr std::uint32_t kDrainWaitMs = 100;
constexpr std::uint32_t kDrainLimitMs = 2000;
// A host that answers the echo but never the connect (a full listen queue, a
// firewall that drops the port) would otherwise hold the command for the
// system's own connect timeout, over two minutes; five seconds are plenty
// for a printer on the local network and match the link's write limit.
constexpr std::uint64_t kConnectLimitMs = 5000;

}  // namespace

int PrinterLink::WaitSocket(bool forWrite, std::uint64_t limitMs) {
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket.get(), &set);
    timeval now{0, 0};
    const int ready = ::select(0, forWrite ? nullptr : &set, forWrite ? &set : nullptr, nullptr, &now);
    if (ready != 0) return ready;
    const std::uint32_t elapsed = Elapsed(start);
    // A write that has started is never ended half-way; a read ends as if
    // nothing came.
    if (elapsed >= limitMs || (!forWrite && clock_.WaitCancelled())) return 0;
    clock_.Sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(kSocketPollMs, limitMs - elapsed)));
  }
}

bool PrinterLink::Connect(SOCKET candidate, const sockaddr_in& address) {
  u_long nonBlocking = 1;
  if (::ioctlsocket(candidate, FIONBIO, &nonBlocking) != 0) return false;
  if (::connect(candidate, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    openError = static_cast<LinkStatus>(::WSAGetLastError());
    if (openError != WSAEWOULDBLOCK) return false;
    openError = kLinkOk;
    const std::uint32_t start = clock_.TickCount();
    for (;;) {
      fd_set writable;
      fd_set failed;
      FD_ZERO(&writable);
      FD_ZERO(&failed);
      FD_SET(candidate, &writable);
      FD_SET(candidate, &failed);
      timeval now{0, 0};
      const int ready = ::select(0, nullptr, &writable, &failed, &now);
      if (ready < 0 || FD_ISSET(candidate, &failed)) {
        int error = 0;
        int size = sizeof error;
        ::getsockopt(candidate, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        openError = error != 0 ? static_cast<LinkStatus>(error) : static_cast<LinkStatus>(::WSAGetLastError());
        return false;
      }
      if (ready > 0) break;
      const std::uint32_t elapsed = Elapsed(start);
      if (elapsed >= kConnectLimitMs || clock_.WaitCancelled()) {
        openError = kLinkTimedOut;
        return false;
      }
      clock_.Sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(kSocketPollMs, kConnectLimitMs - elapsed)));
    }
    int error = 0;
    int size = sizeof error;
    if (::getsockopt(candidate, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0 || error != 0) {
      openError = static_cast<LinkStatus>(error);
      return false;
    }
  }
  // Reads and writes wait through select and the clock themselves.
  u_long blocking = 0;
  return ::ioctlsocket(candidate, FIONBIO, &blocking) == 0;
}

bool PrinterLink::OpenNet(TimeoutClass timeouts) {
  openError = kLinkOk;
  if (socket.valid()) return false;
  // The echo is only a hint: many networks drop ICMP while the printer's
  // port is open, and a loaded printer may answer it late. The connection,
  // within its own limit, decides.
  echoAnswered = IsReachable(prefs_.portName);
  ScopedSocket created(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!created) {
    kind = PortKind::None;
    return false;
  }
  std::wstring host = prefs_.portName;
  if (!IsDottedIPv4(host)) {
    auto resolved = ResolveToDotted(host);
    if (!resolved) {
      openError = WSAHOST_NOT_FOUND;
      return false;  // the socket closes with `created`
    }
    host = std::move(*resolved);
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::inet_addr(WideToAnsi(host).c_str());
  address.sin_port = ::htons(ParsePortNumber(prefs_.portNumber));
  if (!Connect(created.get(), address)) {
    // Neither the echo nor the connect answered: the host is most likely
    // not on the network at all.
    if (openError == kLinkTimedOut && !echoAnswered) openError = WSAEHOSTUNREACH;
    return false;  // the socket closes with `created`
  }
  const BOOL inline_ = TRUE;
  if (::setsockopt(created.get(), SOL_SOCKET, SO_OOBINLINE, reinterpret_cast<const char*>(&inline_), sizeof inline_) !=
      0) {
    return false;
  }
  socket = std::move(created);
  kind = PortKind::Net;
  DrainNet();
  netReadTimeout = timeouts == TimeoutClass::kLong ? 10000 : 1000;
  netWriteTimeout = 5000;
  return true;
}

void PrinterLink::DrainNet() {
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    if (WaitSocket(false, kDrainWaitMs) <= 0) return;
    ::WSASetLastError(0);
    const int got = ::recv(socket.get(), drainScratch_, static_cast<int>(sizeof drainScratch_), 0);
    if (got == 0 || Elapsed(start) > kDrainLimitMs || ::WSAGetLastError() != 0) return;
  }
}

LinkStatus PrinterLink::WriteNet(const char* bytes, std::uint32_t count, std::uint32_t* written) {
  if (!socket.valid()) return kLinkClosed;
  if (bytes == nullptr || count == 0 || written == nullptr) return kLinkMissingArgument;
  std::uint32_t total = 0;
  std::uint32_t lastProgress = clock_.TickCount();
  LinkStatus status = kLinkOk;
  while (total < count) {
    const std::uint32_t chunk = std::min(kNetChunk, count - total);
    // A printer that accepted the connection but stopped reading fills the
    // socket's buffers: give up once the write made no progress for the
    // write limit, rather than hold the window for minutes.
    const std::uint32_t idle = Elapsed(lastProgress);
    const int ready = idle < netWriteTimeout ? WaitSocket(true, netWriteTimeout - idle) : 0;
    if (ready == 0) {
      status = kLinkWriteTimedOut;
      break;
    }
    if (ready < 0) {
      status = kLinkConnectionLost;
      break;
    }
    ::WSASetLastError(0);
    const int sent = ::send(socket.get(), bytes + total, static_cast<int>(chunk), 0);
    if (sent == SOCKET_ERROR || ::WSAGetLastError() != 0) {
      status = kLinkConnectionLost;
      break;
    }
    if (sent > 0) {
      total += static_cast<std::uint32_t>(sent);
      lastProgress = clock_.TickCount();
    } else if (Elapsed(lastProgress) >= netWriteTimeout) {
      status = kLinkWriteTimedOut;
      break;
    }
  }
  *written = total;
  return status;
}

LinkStatus PrinterLink::ReadNet(char* reply, std::uint32_t capacity, ReplyRule rule, std::uint32_t* count) {
  if (!socket.valid()) return kLinkClosed;
  if (reply == nullptr || count == nullptr || capacity == 0) return kLinkMissingArgument;
  const std::uint32_t start = clock_.TickCount();
  int retries = 0;
  bool earlyEnd = false;
  for (;;) {
    const std::uint64_t wait = earlyEnd ? kEarlyEndWaitMs : 2ull * netReadTimeout;
    if (WaitSocket(false, wait) == 0) {
      if (earlyEnd) return kLinkOk;
      if (retries == 2 || clock_.WaitCancelled()) return kLinkTimedOut;
      clock_.Sleep(kReadRetrySleepMs);
      ++retries;
      continue;
    }
    // The last byte of the buffer stays zero; a full buffer ends the reply.
    if (*count >= capacity - 1) return kLinkOk;
    const std::uint32_t room = std::min(kReplyBufferSize, capacity - 1 - *count);
    ::WSASetLastError(0);
    const int got = ::recv(socket.get(), reply + *count, static_cast<int>(room), 0);
    if (got == 0) {
      // A printer or print server may close the connection right after its
      // reply: for a reply that ends on silence, a close is silence too, but
      // only once the reply ends with a whole line. A reply cut in the middle
      // of a line is no reply.
      if (rule == ReplyRule::kAnyReply && ReplyEndsWithLine(reply, *count)) return kLinkOk;
      *count = 0xFFFFFFFFu;
      return kLinkConnectionLost;
    }
    if (got > 0) {
      *count += static_cast<std::uint32_t>(got);
      if (rule == ReplyRule::kAnyReply) {
        if (*count > 2) earlyEnd = true;
      } else if (ReplyEndsWith(reply, *count, "END\r\n") || ReplyEndsWith(reply, *count, "ND\r\nT")) {
        return kLinkOk;
      }
    }
    const DWORD lastError = ::WSAGetLastError();
    if (Elapsed(start) > netReadTimeout) return lastError != 0 ? lastError : kLinkTimedOut;
    if (lastError != 0) return kLinkConnectionLost;
    retries = 0;
  }
}

}  // namespace vostrel

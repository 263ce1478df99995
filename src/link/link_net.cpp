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
constexpr std::uint64_t kWritableWaitMs = 500ull * 1000;  // 500 seconds
constexpr std::uint32_t kEarlyEndWaitMs = 100;
constexpr std::uint32_t kReadRetrySleepMs = 100;
constexpr std::uint32_t kDrainWaitMs = 100;
constexpr std::uint32_t kDrainLimitMs = 2000;

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
    if (elapsed >= limitMs) return 0;
    clock_.Sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(kSocketPollMs, limitMs - elapsed)));
  }
}

bool PrinterLink::OpenNet(TimeoutClass timeouts) {
  if (!IsReachable(prefs_.portName)) return false;
  if (socket.valid()) return false;
  ScopedSocket created(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!created) {
    kind = 0;
    return false;
  }
  std::wstring host = prefs_.portName;
  if (!IsDottedIPv4(host)) {
    auto resolved = ResolveToDotted(host);
    if (!resolved) return false;  // the socket closes with `created`
    host = std::move(*resolved);
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::inet_addr(WideToAnsi(host).c_str());
  address.sin_port = ::htons(ParsePortNumber(prefs_.portNumber));
  if (::connect(created.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return false;
  const BOOL inline_ = TRUE;
  if (::setsockopt(created.get(), SOL_SOCKET, SO_OOBINLINE, reinterpret_cast<const char*>(&inline_), sizeof inline_) !=
      0) {
    return false;
  }
  socket = std::move(created);
  kind = kPortKindNet;
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
    if (WaitSocket(true, kWritableWaitMs) == 0) {
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
      if (retries == 2) return kLinkTimedOut;
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

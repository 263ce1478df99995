#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>

#include "platform/ansi_text.h"
#include "platform/unique_handle.h"
#include "sim_links.h"
#include "sim_serve.h"

namespace vostrel::sim {
namespace {

// Winsock for the life of the server.
class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data;
    ok_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~WinsockSession() {
    if (ok_) ::WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// Waits up to 100 ms for the socket to become readable.
bool Readable(SOCKET s) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{0, 100 * 1000};
  return ::select(0, &set, nullptr, nullptr, &wait) > 0;
}

class SocketChannel final : public Channel {
 public:
  explicit SocketChannel(SOCKET s) : socket_(s) {}
  int Read(char* buffer, int size) override {
    if (!Readable(socket_)) return 0;
    const int count = ::recv(socket_, buffer, size, 0);
    return count > 0 ? count : -1;
  }
  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const int sent = ::send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
      if (sent <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

 private:
  SOCKET socket_;
};

// Ends a connection with a reset instead of an orderly close, as a printer
// that restarts does.
void AbortConnection(SOCKET s) {
  const linger abort{1, 0};
  ::setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
}

// A printer that stopped reading: the connection stays open, unread, until
// the next client knocks or the simulator is stopped.
void HoldUnread(SOCKET listener, Recorder& recorder, const std::atomic<bool>& stop) {
  recorder.Log("  connection held, never read");
  while (!stop.load() && !Readable(listener)) {
  }
  recorder.Log("  connection dropped unread");
}

std::string Address(const sockaddr_in& address) {
  char host[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &address.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(address.sin_port));
}

}  // namespace

int ServeTcp(const Options& options, Printer& printer, Recorder& recorder, Clock& clock, const std::atomic<bool>& stop,
             ServeTotals& totals) {
  WinsockSession winsock;
  if (!winsock.ok()) {
    recorder.Log("error: the sockets library did not start");
    return 1;
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(options.listenPort);
  const std::string host = WideToAnsi(options.listenHost);
  if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
    recorder.Log("error: not an IPv4 address: " + host);
    return 1;
  }
  ScopedSocket listener(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (listener && options.faults.neverRead) {
    // A small window, inherited by every connection: a client that keeps
    // writing to a printer that never reads stalls after a few kilobytes.
    const int small = 4096;
    ::setsockopt(listener.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&small), sizeof small);
  }
  if (!listener || ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener.get(), 1) != 0) {
    recorder.Log("error: cannot listen on " + host + ":" + std::to_string(options.listenPort) + " (error " +
                 std::to_string(::WSAGetLastError()) + ")");
    return 1;
  }
  int length = sizeof address;
  ::getsockname(listener.get(), reinterpret_cast<sockaddr*>(&address), &length);
  // Always printed, also when quiet: a test that asked for port 0 learns the port here.
  // One of several printers says which, so that its capture folder printer-K can be found.
  const std::string unit =
      options.hardware.unit > 0 ? " (printer " + std::to_string(options.hardware.unit) + ")" : std::string();
  std::printf("listening on %s%s\n", Address(address).c_str(), unit.c_str());
  std::fflush(stdout);

  StrictPause strict{options.strict ? &clock : nullptr, kStrictTcpPauseMs};
  ServeSettings settings{options.faults, 0, options.stateFile, &strict};
  while (!stop.load() && (options.connections < 0 || totals.connections < options.connections)) {
    if (!Readable(listener.get())) continue;
    sockaddr_in peer{};
    int peerLength = sizeof peer;
    ScopedSocket client(::accept(listener.get(), reinterpret_cast<sockaddr*>(&peer), &peerLength));
    if (!client) continue;
    recorder.BeginConnection(++totals.connections, Address(peer));
    if (options.faults.neverRead) {
      HoldUnread(listener.get(), recorder, stop);
      AbortConnection(client.get());
      client.reset();
      recorder.EndConnection();
      continue;
    }
    SocketChannel channel(client.get());
    if (ServeConnection(channel, printer, settings, recorder, clock, stop) == ServeEnd::FaultReset) {
      AbortConnection(client.get());
    } else {
      ::shutdown(client.get(), SD_BOTH);
    }
    client.reset();
    recorder.EndConnection();
  }
  return 0;
}

}  // namespace vostrel::sim

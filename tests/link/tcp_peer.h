#pragma once
// A printer stand-in on loopback for the NET link tests: it listens on a
// port of its own, takes the link's connection and sends and receives raw
// bytes. A connect completes in the listen backlog, so a test can open the
// link first and accept afterwards, all on one thread.

#include <windows.h>
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vostrel::testing_support {

class TcpPeer {
 public:
  explicit TcpPeer(const char* address = "127.0.0.1") {
    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = ::inet_addr(address);
    where.sin_port = 0;
    ::bind(listener_, reinterpret_cast<const sockaddr*>(&where), sizeof where);
    ::listen(listener_, 4);
    int size = sizeof where;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &size);
    port_ = ::ntohs(where.sin_port);
  }
  ~TcpPeer() {
    CloseConnection();
    ::closesocket(listener_);
    ::WSACleanup();
  }
  TcpPeer(const TcpPeer&) = delete;
  TcpPeer& operator=(const TcpPeer&) = delete;

  std::uint16_t port() const { return port_; }
  std::wstring portText() const { return std::to_wstring(port_); }

  // Takes the next connection, waiting at most five seconds.
  bool Accept() {
    if (!Readable(listener_, 5000)) return false;
    connection_ = ::accept(listener_, nullptr, nullptr);
    return connection_ != INVALID_SOCKET;
  }
  bool Send(std::string_view bytes) {
    return ::send(connection_, bytes.data(), static_cast<int>(bytes.size()), 0) == static_cast<int>(bytes.size());
  }
  // Receives until `count` bytes came, the link closed or nothing came for
  // `quietMs`.
  std::string Receive(std::size_t count, int quietMs = 2000) {
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < count && Readable(connection_, quietMs)) {
      const int got = ::recv(connection_, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
  }
  // Whether the link closed its end (a receive of zero bytes).
  bool SeesClosed(int waitMs = 2000) {
    char byte = 0;
    return Readable(connection_, waitMs) && ::recv(connection_, &byte, 1, 0) == 0;
  }
  // Ends the connection with a reset, as a printer that restarts does.
  void ResetConnection() {
    if (connection_ == INVALID_SOCKET) return;
    const linger abort{1, 0};
    ::setsockopt(connection_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
    CloseConnection();
  }
  void CloseConnection() {
    if (connection_ == INVALID_SOCKET) return;
    ::closesocket(connection_);
    connection_ = INVALID_SOCKET;
  }

 private:
  static bool Readable(SOCKET s, int waitMs) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{waitMs / 1000, (waitMs % 1000) * 1000};
    return ::select(0, &set, nullptr, nullptr, &wait) > 0;
  }

  SOCKET listener_ = INVALID_SOCKET;
  SOCKET connection_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
};

}  // namespace vostrel::testing_support

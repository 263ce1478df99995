#include <winsock2.h>

#include <cstdio>

#include "platform/ansi_text.h"
#include "platform/net_address.h"

namespace vostrel {

std::optional<std::wstring> ResolveToDotted(std::wstring_view host) {
  // The application starts the sockets library for the whole run; starting
  // it here as well keeps the lookup working on its own (the count nests).
  WSADATA data{};
  if (::WSAStartup(MAKEWORD(2, 0), &data) != 0) return std::nullopt;
  std::optional<std::wstring> address;
  const std::string name = WideToAnsi(host);
  const hostent* entry = ::gethostbyname(name.c_str());
  if (entry != nullptr && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list != nullptr &&
      entry->h_addr_list[0] != nullptr) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]);
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
    address = text;
  }
  ::WSACleanup();
  return address;
}

}  // namespace vostrel

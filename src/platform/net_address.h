#pragma once
// IPv4 addresses of NET links and of the preferences: the dotted form and the
// lookup of a host name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vostrel {

// Four non-empty groups of decimal digits, each at most 255, separated by
// single dots ("192.168.0.1"; "1.2.3.4." and "1.2.3.256" are not).
bool IsDottedIPv4(std::wstring_view text);

// The first IPv4 address of a host name as "%d.%d.%d.%d"; nothing when the
// name does not resolve. The name is looked up in the ANSI code page.
std::optional<std::wstring> ResolveToDotted(std::wstring_view host);

// The TCP port of a decimal text; 0 when the text is not a port number.
std::uint16_t ParsePortNumber(std::wstring_view text);

}  // namespace vostrel

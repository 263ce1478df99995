#pragma once
// The two forms of an IPv6 address on the Standard page: the colon form the
// user types ("2001:0db8:...") and the byte list the printer's script carries
// ("32,1,13,184,...").

#include <string>
#include <string_view>

namespace vostrel {

// Eight colon-separated groups, each read as two hexadecimal byte pairs (the
// first two and the next two characters); a missing, empty or unreadable pair
// is 0 and text after the eighth colon is ignored. Only the full form with
// four digits per group converts faithfully.
std::wstring Ipv6TextToByteList(std::wstring_view text);

// Sixteen comma-separated decimal numbers back to the colon form with two
// lower-case hexadecimal digits per byte; a missing or unreadable number is 0
// and a number is taken modulo 256.
std::wstring ByteListToIpv6Text(std::wstring_view list);

}  // namespace vostrel

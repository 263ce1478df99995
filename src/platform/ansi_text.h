#pragma once
// The one conversion pair between the program's wide text and the narrow text
// of the system's ANSI code page, used by everything that writes to the
// printer or to files and everything that reads from them.
//
// Windows: WideCharToMultiByte / MultiByteToWideChar with CP_ACP (code page 932
// on the users' machines). Host build: iconv with CP932, so that the core's
// tests see the same bytes. Characters the code page lacks become '?' (the
// system first maps a few to a look-alike, such as e for e-acute; the host
// build does not); bytes that are not valid in it become U+30FB.

#include <string>
#include <string_view>

namespace vostrel {

std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);

}  // namespace vostrel

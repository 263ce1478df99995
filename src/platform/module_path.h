#pragma once
// Where the running program lives: its folder (the preferences and the
// recent-settings file sit beside the executable) and its name (the title of
// every message box).

#include <string>
#include <string_view>

namespace vostrel {

// The full path of the running executable; empty if the system cannot say.
std::wstring ModuleFileName();

// The drive and folder of the executable, ending in a backslash.
std::wstring ExeFolder();

// The executable's file name without folder and extension, e.g. "Vostrel".
std::wstring ApplicationName();

// The folder part of a path (up to and including its last "\" or "/") and the
// file name without its extension; the helpers behind the two above.
std::wstring_view FolderOfPath(std::wstring_view path);
std::wstring_view BaseNameOfPath(std::wstring_view path);

}  // namespace vostrel

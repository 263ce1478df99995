#include "platform/module_path.h"

#include <windows.h>

namespace vostrel {

std::wstring ModuleFileName() {
  // The path can be longer than MAX_PATH: grow the buffer until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring_view FolderOfPath(std::wstring_view path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring_view::npos) return path.substr(0, slash + 1);
  // "C:name" keeps its drive.
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  return {};
}

std::wstring_view BaseNameOfPath(std::wstring_view path) {
  std::wstring_view name = path.substr(FolderOfPath(path).size());
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring_view::npos) name = name.substr(0, dot);
  return name;
}

std::wstring ExeFolder() {
  const std::wstring path = ModuleFileName();
  std::wstring folder(FolderOfPath(path));
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring ApplicationName() { return std::wstring(BaseNameOfPath(ModuleFileName())); }

}  // namespace vostrel

#pragma once
// A folder of the test's own under the temporary folder, removed with the
// files in it when the test ends.

#include <windows.h>

#include <string>
#include <string_view>

namespace vostrel::testing_support {

class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, base);
    static int serial = 0;
    for (;;) {
      path_ = std::wstring(base) + L"vostrel-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial) + L"\\";
      if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
      if (::GetLastError() != ERROR_ALREADY_EXISTS) {
        path_.clear();
        break;
      }
    }
  }
  ~TempFolder() {
    if (path_.empty()) return;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((path_ + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((path_ + found.cFileName).c_str());
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Ends in a backslash; empty if the folder could not be made.
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Writes text as UTF-16 little-endian with a byte-order mark.
inline bool WriteUtf16File(const std::wstring& path, std::wstring_view text) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::wstring content = std::wstring(1, wchar_t{0xFEFF}) + std::wstring(text);
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(content.size() * sizeof(wchar_t));
  const bool ok = ::WriteFile(file, content.data(), size, &written, nullptr) && written == size;
  ::CloseHandle(file);
  return ok;
}

// Writes `bytes` as the whole file.
inline bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  ::CloseHandle(file);
  return ok;
}

// The bytes of a file; empty when it does not exist.
inline std::string ReadFileBytes(const std::wstring& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  ::CloseHandle(file);
  return bytes;
}

}  // namespace vostrel::testing_support

#pragma once
// A fresh folder under the temporary folder for one test, removed with its
// files afterwards.

#include <windows.h>

#include <string>

namespace vostrel::sim::testing {

class TestFolder {
 public:
  TestFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    path_ =
        std::wstring(temp) + L"vx-sim-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TestFolder() {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        ::DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(path_.c_str());
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

}  // namespace vostrel::sim::testing

#pragma once
// A fresh folder of the test's own under the temporary folder, removed with
// everything in it when the object goes.

#include <filesystem>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vostrel::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    static int serial = 0;
#if defined(_WIN32)
    const unsigned long process = ::GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(::getpid());
#endif
    path_ = std::filesystem::temp_directory_path() /
            ("vostrel-test-" + std::to_string(process) + "-" + std::to_string(++serial));
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_, ignored);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A file (or folder) in it.
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  // As the program's own file functions take them: a file in it, and the
  // folder ending in its separator.
  std::wstring File(const std::filesystem::path& name) const { return (path_ / name).wstring(); }
  std::wstring Folder() const {
    std::wstring folder = path_.wstring();
    folder += std::filesystem::path::preferred_separator;
    return folder;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vostrel::testing

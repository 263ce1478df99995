// The packaging tests' hand on a program started as a user starts it (from
// the Start-menu shortcut or the unzipped folder):
//   package_probe close TITLE
// waits (up to 60 s) for a visible main window titled exactly TITLE, prints
// the full path of the program behind it (UTF-8, one line), closes the window
// as a user does (answering the exit question Yes, so that the program
// writes its files) and waits until the process has ended.
// Exit status 0 done, 1 no such window, 2 it did not close, 64 usage.
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/gui_driver.h"

namespace {

using namespace vostrel::testing;

HWND FindWindowTitled(const std::wstring& title, std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = ::FindWindowW(L"#32770", title.c_str());
        return found != nullptr && ::IsWindowVisible(found);
      },
      timeoutMs);
  return found != nullptr && ::IsWindowVisible(found) ? found : nullptr;
}

std::wstring ImagePath(HANDLE process) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD length = MAX_PATH * 2;
  if (!::QueryFullProcessImageNameW(process, 0, path, &length)) return {};
  return std::wstring(path, length);
}

void PrintUtf8Line(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  std::string bytes(static_cast<size_t>(length) * 4, '\0');
  const int written = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(),
                                            static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<size_t>(written > 0 ? written : 0));
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 || std::wstring(argv[1]) != L"close") return 64;
  const HWND window = FindWindowTitled(argv[2], 60000);
  if (!window) return 1;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  GuiProcess program(processId);
  const vostrel::ScopedHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId));
  if (!process) return 1;
  PrintUtf8Line(ImagePath(process.get()));

  RequestClose(window);
  const HWND box = program.WaitForMessageBox(10000);
  if (!box) return 2;
  Answer(box, IDYES);
  return ::WaitForSingleObject(process.get(), 20000) == WAIT_OBJECT_0 ? 0 : 2;
}

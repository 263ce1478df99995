#pragma once
// Answers the system's file dialogs that a test's own thread opens: a helper
// thread waits for each dialog (a "#32770" window of that thread with the
// file-name box 1148), records the folder it starts in, then types the next
// planned file name and presses OK, or presses Cancel when the plan says so
// or is used up.

#include <commdlg.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vostrel::testing_support {

struct SeenFileDialog {
  std::wstring folder;  // where it started (CDM_GETFOLDERPATH)
  bool cancelled = false;
};

class FileDialogDriver {
 public:
  static constexpr int kFileNameBox = 1148;

  // Each answer a file name to choose; an empty one cancels.
  explicit FileDialogDriver(std::vector<std::wstring> answers = {})
      : answers_(std::move(answers)), thread_id_(::GetCurrentThreadId()), worker_([this] { Run(); }) {}
  ~FileDialogDriver() { Stop(); }
  FileDialogDriver(const FileDialogDriver&) = delete;
  FileDialogDriver& operator=(const FileDialogDriver&) = delete;

  // Every dialog seen so far; call after the code under test has returned.
  std::vector<SeenFileDialog> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

  void Stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
  }

 private:
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window) &&
        ::GetDlgItem(window, kFileNameBox) != nullptr) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  void Run() {
    while (!stop_) {
      HWND dialog = nullptr;
      ::EnumThreadWindows(thread_id_, FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog == nullptr) {
        ::Sleep(5);
        continue;
      }
      Answer(dialog);
      while (::IsWindow(dialog) && !stop_) ::Sleep(5);
    }
  }

  void Answer(HWND dialog) {
    SeenFileDialog seen;
    wchar_t folder[MAX_PATH] = {};
    ::SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    seen.folder = folder;
    const std::wstring answer = next_ < answers_.size() ? answers_[next_++] : std::wstring();
    seen.cancelled = answer.empty();
    {
      std::lock_guard<std::mutex> lock(mutex_);
      seen_.push_back(seen);
    }
    // Sent without a timeout, so that nothing is dropped.
    if (!answer.empty()) {
      ::SendMessageW(::GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
    }
    ::SendMessageW(::GetDlgItem(dialog, answer.empty() ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
  }

  std::vector<std::wstring> answers_;
  std::size_t next_ = 0;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenFileDialog> seen_;
  std::thread worker_;
};

}  // namespace vostrel::testing_support

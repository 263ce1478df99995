#pragma once
// Answers the message boxes that a test's own thread shows: a helper thread
// waits for each box (a "#32770" window of that thread), records its title,
// text, buttons and icon, and presses the next planned button. When the plan
// is used up it presses OK, No or Cancel, whichever the box has.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vostrel::testing_support {

struct CaughtBox {
  std::wstring title;
  std::wstring text;
  std::vector<int> buttons;  // the IDOK .. IDNO buttons it has, in id order
  HICON icon = nullptr;
  int pressed = 0;
};

class MessageBoxCatcher {
 public:
  // Watches the boxes of the calling thread.
  explicit MessageBoxCatcher(std::vector<int> answers = {})
      : answers_(std::move(answers)), thread_id_(::GetCurrentThreadId()), worker_([this] { Run(); }) {}
  ~MessageBoxCatcher() { Stop(); }
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  // Every box seen so far. Call after the code under test has returned: a box
  // it showed was closed by this catcher, so it has been recorded.
  std::vector<CaughtBox> Boxes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
  }

  void Stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
  }

  // Marks a dialog window of the calling thread that is not a message box
  // (a main window run in the test's own process).
  static constexpr wchar_t kNotABox[] = L"VostrelTestNotAMessageBox";
  static void IgnoreWindow(HWND window) { ::SetPropW(window, kNotABox, reinterpret_cast<HANDLE>(1)); }

  // The icons the system puts in a box for each icon style.
  static HICON IconOf(LPCWSTR id) { return ::LoadIconW(nullptr, id); }

 private:
  static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    // The file dialogs (file-name box 1148) are another driver's; a dialog
    // window of the program under test is not a box either.
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window) && ::GetDlgItem(window, 1148) == nullptr &&
        ::GetPropW(window, kNotABox) == nullptr) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  void Run() {
    while (!stop_) {
      HWND box = nullptr;
      ::EnumThreadWindows(thread_id_, FindBox, reinterpret_cast<LPARAM>(&box));
      if (box == nullptr) {
        ::Sleep(5);
        continue;
      }
      Answer(box);
      while (::IsWindow(box) && !stop_) ::Sleep(5);
    }
  }

  void Answer(HWND box) {
    CaughtBox caught;
    wchar_t buffer[2048] = {};
    ::GetWindowTextW(box, buffer, 2048);
    caught.title = buffer;
    buffer[0] = L'\0';
    ::GetDlgItemTextW(box, 0xFFFF, buffer, 2048);
    caught.text = buffer;
    for (int id = IDOK; id <= IDNO; ++id) {
      if (::GetDlgItem(box, id) != nullptr) caught.buttons.push_back(id);
    }
    caught.icon = reinterpret_cast<HICON>(::SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0));

    // A planned button the box lacks is recorded as planned, but the box is
    // still closed, so that a wrong style fails the test instead of hanging it.
    int press = next_ < answers_.size() ? answers_[next_++] : 0;
    caught.pressed = press;
    if (::GetDlgItem(box, press) == nullptr) {
      press = 0;
      for (int fallback : {IDOK, IDNO, IDCANCEL}) {
        if (press == 0 && ::GetDlgItem(box, fallback) != nullptr) press = fallback;
      }
      if (caught.pressed == 0) caught.pressed = press;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      boxes_.push_back(caught);
    }
    // Sent without a timeout, so that the click cannot be dropped.
    ::SendMessageW(::GetDlgItem(box, press), BM_CLICK, 0, 0);
  }

  std::vector<int> answers_;
  std::size_t next_ = 0;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<CaughtBox> boxes_;
  std::thread worker_;
};

}  // namespace vostrel::testing_support

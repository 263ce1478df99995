#pragma once
// A small driver for black-box tests of our own GUI programs: starts an
// executable as its own process, finds its windows and their controls by id,
// clicks, selects, types, reads texts and states, answers message boxes and
// waits, always with a timeout, through a clock.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/unique_handle.h"

namespace vostrel::testing {

// Polls `done` every 20 ms until it is true or `timeoutMs` passed; its last
// answer.
bool WaitUntil(const std::function<bool()>& done, std::uint32_t timeoutMs, Clock& clock = SystemClock());

// One started process. Ended (TerminateProcess) when the object goes and the
// process still runs.
class GuiProcess {
 public:
  // Runs `exe` in its own folder.
  explicit GuiProcess(const std::filesystem::path& exe, Clock& clock = SystemClock());
  // Attaches to a running process (left running when the object goes).
  explicit GuiProcess(DWORD processId, Clock& clock = SystemClock());
  ~GuiProcess();
  GuiProcess(const GuiProcess&) = delete;
  GuiProcess& operator=(const GuiProcess&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD id() const { return id_; }

  // The visible top-level windows of the process.
  std::vector<HWND> Windows() const;
  // Its first visible dialog window whose title starts with `title`, waiting
  // up to `timeoutMs`; nullptr when none came.
  HWND WaitForDialog(std::wstring_view title, std::uint32_t timeoutMs = 20000);
  // Its first visible message box, waiting up to `timeoutMs`.
  HWND WaitForMessageBox(std::uint32_t timeoutMs = 20000);
  // Whether a message box of the process is open now.
  bool HasMessageBox() const;
  // The exit code once the process ended within `timeoutMs`.
  std::optional<DWORD> WaitForExit(std::uint32_t timeoutMs = 20000);

  // Writes `size` bytes into memory of the process and returns its address
  // there (freed with the object): for messages whose parameters point at a
  // structure that the system does not copy between processes.
  void* CopyIn(const void* bytes, std::size_t size);
  void CopyOut(const void* remote, void* bytes, std::size_t size) const;

 private:
  Clock& clock_;
  ScopedHandle process_;
  DWORD id_ = 0;
  bool attached_ = false;
  std::vector<void*> remote_;
};

// A message sent from a thread of its own, for a message whose handling opens
// a modal box: the test goes on and answers the box; the destructor waits for
// the send to return.
class AsyncSend {
 public:
  AsyncSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  ~AsyncSend();
  AsyncSend(const AsyncSend&) = delete;
  AsyncSend& operator=(const AsyncSend&) = delete;

 private:
  std::thread thread_;
};

// Controls and their states (any process).
HWND ControlOf(HWND dialog, int id);
std::wstring TextOf(HWND window);
bool IsChecked(HWND button);
bool IsEnabled(HWND window);
bool IsShown(HWND window);
int ComboSelection(HWND combo);
std::vector<std::wstring> ComboItems(HWND combo);

// Clicks a button as the user would (BM_CLICK, posted, so that a modal box
// it opens does not hold the test).
void Click(HWND button);
// Selects entry `index` of a combo box and tells its dialog, as a user's
// choice does.
void SelectComboEntry(HWND dialog, int id, int index);
// Replaces the text of an edit (EN_CHANGE follows).
void TypeText(HWND edit, std::wstring_view text);
// Posts a key press (down and up) to `target`, the way the dialog loop sees
// the keyboard.
void PressKey(HWND target, UINT virtualKey);
// Asks the window to close, as its system menu does (posted).
void RequestClose(HWND window);

// The selected tab of a tab control.
int SelectedTab(HWND tabs);
int TabCount(HWND tabs);
std::wstring TabText(GuiProcess& process, HWND tabs, int index);
// Clicks tab `index` of tab control `id` of `dialog` with the mouse (posted),
// as a user does: the tab control selects it and notifies the dialog. Any box
// the switch opens is left for the test to answer.
void ClickTab(GuiProcess& process, HWND dialog, int id, int index);
// The same, waiting until the switch is done (for a switch that opens no box).
bool SelectTab(GuiProcess& process, HWND dialog, int id, int index);

// A message box's text (its static 0xFFFF) and title.
struct BoxTexts {
  std::wstring title;
  std::wstring text;
};
BoxTexts ReadMessageBox(HWND box);
// Presses button `button` (IDYES, IDNO, IDOK...) of a message box.
void Answer(HWND box, int button);

}  // namespace vostrel::testing

// One step of a scripted look at the running program, for scripts/run.sh's
// demo without a display (the script takes a screenshot after each step):
//   gui_step wait          wait (up to 60 s) for the main window
//   gui_step tab N         click tab N
//   gui_step ask-tab N     click tab N and wait for the box it opens
//   gui_step answer yes|no|ok  press Yes, No or OK in the open message box
//   gui_step model N       choose model N in the model list
//   gui_step receive       click Receive, answer its question Yes and wait
//                          (up to 60 s) until the exchange has ended; a box
//                          then open (a failure) is left for the screenshot
//   gui_step click ID      click the main window's control ID (posted)
//   gui_step close         close the window and answer the exit question Yes
// Exit status 0 done, 1 no main window, 2 the step failed, 64 usage.
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/main_window_ids.h"
#include "support/gui_driver.h"

namespace {

using namespace vostrel::testing;

HWND FindMainWindow(std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = ::FindWindowW(L"#32770", nullptr);
        for (; found; found = ::FindWindowExW(nullptr, found, L"#32770", nullptr)) {
          if (::IsWindowVisible(found) && TextOf(found).starts_with(L"ZKQ_Vostrel ")) return true;
        }
        return false;
      },
      timeoutMs);
  return found;
}

// Presses `button` in the box that opens within `timeoutMs`; true once the
// box has gone.
bool AnswerNextBox(GuiProcess& program, int button, std::uint32_t timeoutMs) {
  const HWND box = program.WaitForMessageBox(timeoutMs);
  if (!box) return false;
  Answer(box, button);
  return WaitUntil([&] { return !::IsWindow(box); }, 10000);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 64;
  const std::wstring step = argv[1];
  const int number = argc > 2 ? _wtoi(argv[2]) : 0;
  const HWND window = FindMainWindow(step == L"wait" ? 60000 : 5000);
  if (!window) return 1;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  GuiProcess program(processId);
  if (step == L"wait") return 0;
  if (step == L"tab") return SelectTab(program, window, IDC_MAIN_TABS, number) ? 0 : 2;
  if (step == L"ask-tab") {
    ClickTab(program, window, IDC_MAIN_TABS, number);
    return program.WaitForMessageBox(10000) ? 0 : 2;
  }
  if (step == L"answer") {
    if (argc < 3) return 2;
    const std::wstring answer = argv[2];
    return AnswerNextBox(program, answer == L"yes" ? IDYES : answer == L"ok" ? IDOK : IDNO, 5000) ? 0 : 2;
  }
  if (step == L"model") {
    SelectComboEntry(window, IDC_MAIN_MODEL_LIST, number);
    return 0;
  }
  if (step == L"receive") {
    const HWND strip = ControlOf(window, IDC_MAIN_STATUS_TEXT);
    Click(ControlOf(window, IDC_MAIN_RECEIVE));
    if (!AnswerNextBox(program, IDYES, 10000)) return 2;
    // The status strip counts the pause down while the exchange runs, and
    // then says how many settings came.
    WaitUntil([&] { return TextOf(strip).ends_with(L"受信しました") || program.HasMessageBox(); }, 60000);
    return TextOf(strip).ends_with(L"受信しました") && !program.HasMessageBox() ? 0 : 2;
  }
  if (step == L"click") {
    Click(ControlOf(window, number));
    return 0;
  }
  if (step == L"close") {
    RequestClose(window);
    const HWND box = program.WaitForMessageBox(10000);
    if (!box) return 2;
    Answer(box, IDYES);
    return WaitUntil([&] { return !::IsWindow(window); }, 20000) ? 0 : 2;
  }
  return 64;
}

#pragma once
// A copy of the program in a folder of the test's own (so that its
// Vostrel.ini and Recent.dat are the test's), started and driven from outside
// as a user would.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "res/advanced_page_ids.h"
#include "res/calibration_page_ids.h"
#include "res/easy_page_ids.h"
#include "res/information_page_ids.h"
#include "res/main_window_ids.h"
#include "res/print_page_ids.h"
#include "res/standard_page_ids.h"
#include "support/file_bytes.h"
#include "support/gui_driver.h"
#include "support/scratch_folder.h"

namespace vostrel::testing {

inline constexpr wchar_t kProgramName[] = L"ZKQ_Vostrel";

class ProgramTest : public ::testing::Test {
 public:
  // The page window (a child dialog of the main window) whose template has
  // control `id`, or nullptr.
  HWND PageWith(int id) const {
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (::GetDlgItem(child, id)) return child;
    }
    return nullptr;
  }

 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(folder_.path()));
    ASSERT_TRUE(::CopyFileW(std::filesystem::path(ZKQ_VOSTREL_EXE).wstring().c_str(), Exe().c_str(), FALSE));
  }

  std::wstring Folder() const { return folder_.Folder(); }
  std::wstring Exe(const std::wstring& name = kProgramName) const { return folder_.Folder() + name + L".exe"; }
  std::wstring IniPath() const { return folder_.File(L"Vostrel.ini"); }
  std::wstring RecentPath() const { return folder_.File(L"Recent.dat"); }

  void WriteIni(std::wstring_view keys) {
    ASSERT_TRUE(WriteUtf16File(IniPath(), L"[Vostrel]\r\n" + std::wstring(keys)));
  }
  // The value of a key of the preferences file; "<none>" when it is missing.
  std::wstring IniValue(const wchar_t* key) const {
    wchar_t value[256] = {};
    ::GetPrivateProfileStringW(L"Vostrel", key, L"<none>", value, 256, IniPath().c_str());
    return value;
  }

  // Starts the copy and waits for its main window.
  HWND Start() {
    program_ = std::make_unique<GuiProcess>(Exe());
    if (!program_->started()) return nullptr;
    window_ = program_->WaitForDialog(kProgramName);
    if (!window_) {
      // No window: the program failed, or Wine ended it at its start (it
      // does so now and then, silently). Its exit status says which.
      const std::optional<DWORD> status = program_->WaitForExit(0);
      std::printf("%ls showed no window; %s\n", kProgramName,
                  status ? ("exit status " + std::to_string(*status)).c_str() : "it still runs");
    }
    return window_;
  }

  // Closes the window and answers the exit question with Yes; the exit code.
  std::optional<DWORD> CloseWithYes() {
    RequestClose(window_);
    const HWND box = program_->WaitForMessageBox();
    if (!box) return std::nullopt;
    Answer(box, IDYES);
    return program_->WaitForExit();
  }

  // Answers a box and waits until the window has finished what asked.
  void AnswerAndSettle(HWND box, int button) {
    Answer(box, button);
    WaitUntil([box] { return !::IsWindow(box); }, 10000);
    ::SendMessageW(window_, WM_NULL, 0, 0);
  }

  HWND Item(int id) const { return ControlOf(window_, id); }
  GuiProcess& program() { return *program_; }
  HWND window() const { return window_; }

 private:
  ScratchFolder folder_;
  std::unique_ptr<GuiProcess> program_;
  HWND window_ = nullptr;
};

}  // namespace vostrel::testing

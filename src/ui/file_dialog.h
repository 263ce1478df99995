#pragma once
// The system's file dialogs.

#include <windows.h>

#include <optional>
#include <string>

namespace vostrel::ui {

struct FileDialogRequest {
  HWND owner = nullptr;
  // Display name and pattern pairs, each part ended by a NUL, then one more.
  const wchar_t* filter = nullptr;
  // The folder the dialog starts in; empty: the system's choice.
  std::wstring initialFolder;
  const wchar_t* defaultExtension = nullptr;  // without the dot
  DWORD flags = 0;                            // OFN_...
};

// Runs the open-file dialog; the chosen full path, or nothing when the user
// cancelled (or the dialog failed).
std::optional<std::wstring> AskOpenFileName(const FileDialogRequest& request);
// The same with the save-file dialog.
std::optional<std::wstring> AskSaveFileName(const FileDialogRequest& request);

}  // namespace vostrel::ui

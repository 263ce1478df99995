#include "ui/file_dialog.h"

#include <commdlg.h>

#include <array>

namespace vostrel::ui {

namespace {

using AskFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialog library brings the shell and its helpers with it: it is
// loaded when a file is first chosen, not at start, and kept for the rest of
// the process like a library the program imports.
AskFunction LookUpAsk(const char* name) {
  static const HMODULE library = ::LoadLibraryW(L"comdlg32.dll");
  const FARPROC found = library != nullptr ? ::GetProcAddress(library, name) : nullptr;
  return reinterpret_cast<AskFunction>(reinterpret_cast<void (*)()>(found));
}

std::optional<std::wstring> AskFileName(const FileDialogRequest& request, AskFunction ask) {
  if (ask == nullptr) return std::nullopt;
  std::array<wchar_t, MAX_PATH> file{};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = request.filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  dialog.lpstrDefExt = request.defaultExtension;
  dialog.Flags = request.flags;
  if (!ask(&dialog)) return std::nullopt;
  return std::wstring(file.data());
}

}  // namespace

std::optional<std::wstring> AskOpenFileName(const FileDialogRequest& request) {
  static const AskFunction ask = LookUpAsk("GetOpenFileNameW");
  return AskFileName(request, ask);
}

std::optional<std::wstring> AskSaveFileName(const FileDialogRequest& request) {
  static const AskFunction ask = LookUpAsk("GetSaveFileNameW");
  return AskFileName(request, ask);
}

}  // namespace vostrel::ui

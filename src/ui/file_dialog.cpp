#include "ui/file_dialog.h"

#include <commdlg.h>

#include <array>

namespace vostrel::ui {

namespace {

template <typename Ask>
std::optional<std::wstring> AskFileName(const FileDialogRequest& request, Ask ask) {
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
  return AskFileName(request, ::GetOpenFileNameW);
}

std::optional<std::wstring> AskSaveFileName(const FileDialogRequest& request) {
  return AskFileName(request, ::GetSaveFileNameW);
}

}  // namespace vostrel::ui

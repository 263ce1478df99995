#include "support/gui_driver.h"

#include <commctrl.h>

namespace vostrel::testing {
namespace {

constexpr std::uint32_t kPollMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsDialogClass(HWND window) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  return std::wstring_view(name) == L"#32770";
}

struct Search {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && ::IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

bool IsMessageBox(HWND window) { return IsDialogClass(window) && ::GetDlgItem(window, kMessageBoxTextId) != nullptr; }

}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::uint32_t timeoutMs, Clock& clock) {
  const std::uint32_t start = clock.TickCount();
  for (;;) {
    if (done()) return true;
    if (ElapsedMs(start, clock.TickCount()) >= timeoutMs) return done();
    clock.Sleep(kPollMs);
  }
}

GuiProcess::GuiProcess(const std::filesystem::path& exe, Clock& clock) : clock_(clock) {
  std::wstring command = L"\"" + exe.wstring() + L"\"";
  const std::wstring folder = exe.parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return;
  }
  process_.reset(info.hProcess);
  ::CloseHandle(info.hThread);
  id_ = info.dwProcessId;
}

GuiProcess::GuiProcess(DWORD processId, Clock& clock)
    : clock_(clock), process_(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId)), id_(processId), attached_(true) {}

GuiProcess::~GuiProcess() {
  if (!process_) return;
  for (void* remote : remote_) ::VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
  if (!attached_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
    ::TerminateProcess(process_.get(), 99);
    ::WaitForSingleObject(process_.get(), 10000);
  }
}

std::vector<HWND> GuiProcess::Windows() const {
  Search search{id_, {}};
  if (id_) ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND GuiProcess::WaitForDialog(std::wstring_view title, std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (IsDialogClass(window) && !IsMessageBox(window) && TextOf(window).starts_with(title)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs, clock_);
  return found;
}

HWND GuiProcess::WaitForMessageBox(std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (IsMessageBox(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs, clock_);
  return found;
}

bool GuiProcess::HasMessageBox() const {
  for (HWND window : Windows()) {
    if (IsMessageBox(window)) return true;
  }
  return false;
}

std::optional<DWORD> GuiProcess::WaitForExit(std::uint32_t timeoutMs) {
  if (!process_) return std::nullopt;
  const bool ended =
      WaitUntil([&] { return ::WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }, timeoutMs, clock_);
  if (!ended) return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

void* GuiProcess::CopyIn(const void* bytes, std::size_t size) {
  void* remote = ::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) return nullptr;
  remote_.push_back(remote);
  SIZE_T written = 0;
  ::WriteProcessMemory(process_.get(), remote, bytes, size, &written);
  return remote;
}

void GuiProcess::CopyOut(const void* remote, void* bytes, std::size_t size) const {
  SIZE_T read = 0;
  ::ReadProcessMemory(process_.get(), remote, bytes, size, &read);
}

AsyncSend::AsyncSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    : thread_([=] { ::SendMessageW(window, message, wParam, lParam); }) {}

AsyncSend::~AsyncSend() {
  if (thread_.joinable()) thread_.join();
}

HWND ControlOf(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }

std::wstring TextOf(HWND window) {
  if (!window) return {};
  const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  const LRESULT copied =
      ::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool IsChecked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool IsEnabled(HWND window) { return window && ::IsWindowEnabled(window); }
bool IsShown(HWND window) { return window && ::IsWindowVisible(window); }

int ComboSelection(HWND combo) { return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    items.push_back(text);
  }
  return items;
}

void Click(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }

void SelectComboEntry(HWND dialog, int id, int index) {
  const HWND combo = ::GetDlgItem(dialog, id);
  ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void TypeText(HWND edit, std::wstring_view text) {
  const std::wstring value(text);
  ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void PressKey(HWND target, UINT virtualKey) {
  const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  ::PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
  ::PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void RequestClose(HWND window) { ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

int SelectedTab(HWND tabs) { return static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }
int TabCount(HWND tabs) { return static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)); }

std::wstring TabText(GuiProcess& process, HWND tabs, int index) {
  wchar_t buffer[64] = {};
  void* remoteText = process.CopyIn(buffer, sizeof buffer);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = static_cast<wchar_t*>(remoteText);
  item.cchTextMax = 64;
  void* remoteItem = process.CopyIn(&item, sizeof item);
  ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remoteItem));
  process.CopyOut(remoteText, buffer, sizeof buffer);
  buffer[63] = L'\0';
  return buffer;
}

void ClickTab(GuiProcess& process, HWND dialog, int id, int index) {
  const HWND tabs = ::GetDlgItem(dialog, id);
  RECT rect{};
  void* remote = process.CopyIn(&rect, sizeof rect);
  ::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
  process.CopyOut(remote, &rect, sizeof rect);
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::PostMessageW(tabs, WM_LBUTTONUP, 0, point);
}

bool SelectTab(GuiProcess& process, HWND dialog, int id, int index) {
  ClickTab(process, dialog, id, index);
  const HWND tabs = ::GetDlgItem(dialog, id);
  const bool selected = WaitUntil([&] { return SelectedTab(tabs) == index; }, 10000);
  // Handled once the window takes a sent message again.
  ::SendMessageW(dialog, WM_NULL, 0, 0);
  return selected;
}

BoxTexts ReadMessageBox(HWND box) { return {TextOf(box), TextOf(::GetDlgItem(box, kMessageBoxTextId))}; }

void Answer(HWND box, int button) { ::PostMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0); }

}  // namespace vostrel::testing

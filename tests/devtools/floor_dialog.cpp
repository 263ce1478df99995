// The floor of scripts/time-startup.sh: what any program that shows this
// window must do at its start, and nothing more. It starts the sockets
// library, takes the single-instance mutex, registers the common controls,
// asks the spooler for its queues and ports (the link pickers need them),
// and creates the main template and the six page templates from
// ZKQ_Vostrel.exe's own resources, in the program's order, with procedures
// that do nothing. The program's start is measured against it.
#include <windows.h>
#include <winsock2.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <winspool.h>

#include <vector>

#include "res/advanced_page_ids.h"
#include "res/calibration_page_ids.h"
#include "res/easy_page_ids.h"
#include "res/information_page_ids.h"
#include "res/main_window_ids.h"
#include "res/print_page_ids.h"
#include "res/standard_page_ids.h"

namespace {

constexpr int kPages[] = {IDD_PAGE_EASY,        IDD_PAGE_STANDARD,    IDD_PAGE_ADVANCED,
                          IDD_PAGE_INFORMATION, IDD_PAGE_CALIBRATION, IDD_PAGE_PRINT};

INT_PTR CALLBACK PageProcedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

// The queues and the ports, as the pickers list them.
void AskSpooler() {
  for (const DWORD level : {DWORD{2}, DWORD{4}}) {
    DWORD needed = 0, count = 0;
    ::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, level, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    ::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, level, buffer.data(), needed, &needed,
                    &count);
  }
  DWORD needed = 0, count = 0;
  ::EnumPortsW(nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  ::EnumPortsW(nullptr, 2, buffer.data(), needed, &needed, &count);
}

INT_PTR CALLBACK MainProcedure(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    AskSpooler();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    bool first = true;
    for (const int page : kPages) {
      const HWND created = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(page), window, &PageProcedure, 0);
      if (created && first) ::ShowWindow(created, SW_SHOW);
      first = false;
    }
    return TRUE;
  }
  if (message == WM_CLOSE) {
    ::EndDialog(window, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WSADATA sockets{};
  ::WSAStartup(MAKEWORD(2, 0), &sockets);
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, L"floor_dialog");
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_INTERNET_CLASSES |
                                                      ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  const INT_PTR result = ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, &MainProcedure, 0);
  ::CloseHandle(mutex);
  ::WSACleanup();
  return static_cast<int>(result);
}

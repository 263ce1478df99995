#include "ui/dpi.h"

namespace vostrel::ui {
namespace {

constexpr wchar_t kDpiProperty[] = L"Vostrel.AnnouncedDpi";

// GetDpiForWindow exists from Windows 10 1607 on; the program also runs on
// older systems, where the system DPI is the window's.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindowFunction() {
  static const auto function = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

int SystemDpi() {
  const HDC dc = ::GetDC(nullptr);
  const int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSY) : kBaseDpi;
  if (dc) ::ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  const HWND top = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
  if (top) {
    const auto announced = static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropW(top, kDpiProperty)));
    if (announced > 0) return announced;
  }
  if (window) {
    if (const GetDpiForWindowFn dpiForWindow = DpiForWindowFunction()) {
      const auto dpi = static_cast<int>(dpiForWindow(window));
      if (dpi > 0) return dpi;
    }
  }
  return SystemDpi();
}

void SetAnnouncedDpi(HWND window, int dpi) {
  if (!window) return;
  if (dpi > 0) {
    ::SetPropW(window, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
  } else {
    ::RemovePropW(window, kDpiProperty);
  }
}

}  // namespace vostrel::ui

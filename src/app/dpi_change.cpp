#include "app/dpi_change.h"

#include <algorithm>

#include "pages/settings_page.h"
#include "ui/controls.h"
#include "ui/dpi.h"

namespace vostrel {
namespace {

bool IsComboBox(HWND window) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  return ::lstrcmpiW(name, L"ComboBox") == 0;
}

// The direct children of `parent`, moved and sized from `from` to `to` dpi
// (their places in the parent's client area scale with them) and given the
// font their own font becomes.
template <typename ScaleFont>
void RescaleChildren(HWND parent, int from, int to, ScaleFont scaleFont) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const RECT rect = ui::RectInParent(child, parent);
    int height = rect.bottom - rect.top;
    // A drop-down list's window height is that of its open list.
    if (IsComboBox(child)) {
      RECT dropped{};
      if (::SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) {
        height = std::max<int>(height, dropped.bottom - dropped.top);
      }
    }
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
    if (font) {
      if (const HFONT scaled = scaleFont(font))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
    }
    const int left = ui::Rescale(rect.left, from, to);
    const int top = ui::Rescale(rect.top, from, to);
    ::SetWindowPos(child, nullptr, left, top, ui::Rescale(rect.right, from, to) - left,
                   ui::Rescale(rect.top + height, from, to) - top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
}

}  // namespace

HFONT DpiChange::Scaled(HFONT font, int from, int to) {
  for (const FontPair& pair : fonts_) {
    if (pair.from == font) return static_cast<HFONT>(pair.to.get());
  }
  LOGFONTW description{};
  if (::GetObjectW(font, sizeof(description), &description) == 0) return nullptr;
  description.lfHeight = ui::Rescale(description.lfHeight, from, to);
  description.lfWidth = ui::Rescale(description.lfWidth, from, to);
  ScopedGdiObject made(::CreateFontIndirectW(&description));
  if (!made) return nullptr;
  const auto result = static_cast<HFONT>(made.get());
  fonts_.push_back({font, std::move(made)});
  return result;
}

void DpiChange::Rescale(HWND window, std::span<SettingsPage* const> pages, int dpi) {
  const int from = ui::WindowDpi(window);
  if (dpi > 0 && dpi != from) {
    ui::SetAnnouncedDpi(window, dpi);
    const auto scaleFont = [this, from, dpi](HFONT font) { return Scaled(font, from, dpi); };
    RescaleChildren(window, from, dpi, scaleFont);
    for (SettingsPage* page : pages) {
      if (!page || !page->hwnd()) continue;
      RescaleChildren(page->hwnd(), from, dpi, scaleFont);
      page->ChangeDpi(from, dpi);
    }
  }
}

void DpiChange::Place(HWND window, const RECT& suggested) {
  ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DpiChange::Forget(HWND window) { ui::SetAnnouncedDpi(window, 0); }

}  // namespace vostrel

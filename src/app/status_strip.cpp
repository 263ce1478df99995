#include "app/status_strip.h"

#include <commctrl.h>

#include <algorithm>

#include "i18n/text_table.h"
#include "ui/controls.h"
#include "ui/dpi.h"

#include "res/main_window_ids.h"

namespace vostrel {
namespace {

// Pixels at 96 dpi.
constexpr int kHeight = 26;
constexpr int kMargin = 6;
constexpr int kGap = 10;
constexpr int kCancelWidth = 80;
constexpr int kProgressWidth = 90;
constexpr int kProgressHeight = 14;
// The link part takes what its words need, but at most this share of the
// width.
constexpr int kLinkShareDivisor = 3;

// The width `text` takes in the font of `control`.
int TextWidth(HWND control, const std::wstring& text) {
  const HDC dc = ::GetDC(control);
  if (!dc) return 0;
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (old) ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return size.cx;
}

void Place(HWND control, int x, int y, int width, int height) {
  ::SetWindowPos(control, nullptr, x, y, std::max(width, 0), std::max(height, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND StatusStrip::cancelButton() const { return Item(IDC_MAIN_STATUS_CANCEL); }

int StatusStrip::Scaled(int pixels) const { return ui::ScaleToDpi(pixels, ui::WindowDpi(main_.hwnd())); }

int StatusStrip::Height() const { return Scaled(kHeight); }

void StatusStrip::Layout(int cx, int cy) {
  const int top = cy - Height();
  const int height = Height();
  Place(Item(IDC_MAIN_STATUS_RULE), 0, top, cx, 2);
  const int inner = height - Scaled(4);
  int right = cx - Scaled(kMargin);
  const HWND cancel = Item(IDC_MAIN_STATUS_CANCEL);
  if (ui::Control(cancel).IsShown()) {
    right -= Scaled(kCancelWidth);
    Place(cancel, right, top + Scaled(3), Scaled(kCancelWidth), inner - Scaled(1));
    right -= Scaled(kGap);
  }
  const HWND progress = Item(IDC_MAIN_STATUS_PROGRESS);
  if (ui::Control(progress).IsShown()) {
    right -= Scaled(kProgressWidth);
    Place(progress, right, top + (height - Scaled(kProgressHeight)) / 2 + 1, Scaled(kProgressWidth),
          Scaled(kProgressHeight));
    right -= Scaled(kGap);
  }
  const HWND link = Item(IDC_MAIN_STATUS_LINK);
  const int left = Scaled(kMargin);
  const int linkWidth = std::min(TextWidth(link, ui::Control(link).Text()) + Scaled(kGap), cx / kLinkShareDivisor);
  Place(link, left, top + Scaled(2), linkWidth, inner);
  const int textLeft = left + linkWidth + Scaled(kGap);
  Place(Item(IDC_MAIN_STATUS_TEXT), textLeft, top + Scaled(2), right - textLeft, inner);
}

void StatusStrip::Relayout() {
  RECT client{};
  ::GetClientRect(main_.hwnd(), &client);
  Layout(client.right, client.bottom);
}

void StatusStrip::ApplyLanguage() {
  ui::Control(Item(IDC_MAIN_STATUS_CANCEL)).SetText(GetText(StatusText::kCancelButton));
}

void StatusStrip::ShowLink(const std::wstring& words) {
  const ui::Control link(Item(IDC_MAIN_STATUS_LINK));
  if (link.Text() == words) return;
  link.SetText(words);
  Relayout();
}

void StatusStrip::ShowText(const std::wstring& text) {
  const ui::Control shown(Item(IDC_MAIN_STATUS_TEXT));
  if (shown.Text() != text) shown.SetText(text);
}

void StatusStrip::ShowProgress(int done, int total) {
  const HWND bar = Item(IDC_MAIN_STATUS_PROGRESS);
  const bool shown = total > 0;
  if (shown) {
    ::SendMessageW(bar, PBM_SETRANGE32, 0, total);
    ::SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(std::clamp(done, 0, total)), 0);
  }
  if (ui::Control(bar).IsShown() == shown) return;
  ui::Control(bar).Show(shown);
  Relayout();
}

void StatusStrip::ShowCancel(bool shown, bool enabled) {
  const ui::Control cancel(Item(IDC_MAIN_STATUS_CANCEL));
  cancel.Enable(enabled);
  if (cancel.IsShown() == shown) return;
  cancel.Show(shown);
  Relayout();
}

}  // namespace vostrel

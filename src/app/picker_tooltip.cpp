#include "app/picker_tooltip.h"

#include <commctrl.h>

namespace vostrel {
namespace {

TTTOOLINFOW ToolInfo(HWND owner, HWND tool, std::wstring& text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  // The tip watches the picker's mouse messages itself.
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text.data();
  return info;
}

}  // namespace

bool PickerTooltip::Create(HWND owner, HWND tool) {
  if (tip_ || !owner || !tool) return false;
  tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
  if (!tip_) return false;
  owner_ = owner;
  tool_ = tool;
  TTTOOLINFOW info = ToolInfo(owner_, tool_, text_);
  ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tip_, TTM_ACTIVATE, TRUE, 0);
  return true;
}

void PickerTooltip::SetText(std::wstring_view text) {
  text_ = text;
  if (!tip_) return;
  ::SendMessageW(tip_, TTM_POP, 0, 0);
  TTTOOLINFOW info = ToolInfo(owner_, tool_, text_);
  ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tip_, TTM_UPDATE, 0, 0);
}

std::wstring PickerTooltip::Text() const { return text_; }

}  // namespace vostrel

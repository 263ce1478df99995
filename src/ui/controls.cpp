#include "ui/controls.h"

#include <commctrl.h>

#include <vector>

namespace vostrel::ui {

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return window_ ? ::SendMessageW(window_, message, wParam, lParam) : 0;
}

std::wstring Control::Text() const {
  if (!window_) return {};
  const int length = ::GetWindowTextLengthW(window_);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

// The setters leave a control that is already in the state asked for alone:
// each message costs a round through the control's procedure and a repaint.
void Control::SetText(std::wstring_view text) const {
  if (window_ && Text() != text) ::SetWindowTextW(window_, std::wstring(text).c_str());
}

void Control::Enable(bool enabled) const {
  if (window_ && (::IsWindowEnabled(window_) != FALSE) != enabled) ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

bool Control::IsEnabled() const { return window_ && ::IsWindowEnabled(window_); }

void Control::Show(bool shown) const {
  if (window_ && IsShown() != shown) ::ShowWindow(window_, shown ? SW_SHOW : SW_HIDE);
}

bool Control::IsShown() const { return window_ && (::GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT RectInParent(HWND child, HWND parent) {
  RECT rect{};
  if (child) ::GetWindowRect(child, &rect);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool CheckBox::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) const {
  if (IsChecked() != checked) Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ComboBox::Clear() const { Send(CB_RESETCONTENT); }

int ComboBox::Add(std::wstring_view text) const {
  if (!hwnd()) return -1;
  const std::wstring copy(text);
  const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  return index < 0 ? -1 : static_cast<int>(index);
}

int ComboBox::Count() const {
  const LRESULT count = Send(CB_GETCOUNT);
  return count < 0 ? 0 : static_cast<int>(count);
}

bool ComboBox::Select(int index) const {
  if (index < 0 || index >= Count()) {
    Send(CB_SETCURSEL, static_cast<WPARAM>(-1));
    return false;
  }
  return Send(CB_SETCURSEL, static_cast<WPARAM>(index)) == index;
}

int ComboBox::Selected() const {
  if (!hwnd()) return -1;
  const LRESULT index = Send(CB_GETCURSEL);
  return index < 0 ? -1 : static_cast<int>(index);
}

std::wstring ComboBox::ItemText(int index) const {
  if (index < 0 || index >= Count()) return {};
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  if (copied <= 0) return {};
  return std::wstring(buffer.data(), static_cast<size_t>(copied < length ? copied : length));
}

void Edit::SetLimit(int characters) const { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }

void Edit::SetReadOnly(bool readOnly) const {
  if (IsReadOnly() != readOnly) Send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool Edit::IsReadOnly() const { return hwnd() && (::GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_READONLY) != 0; }

void UpDown::SetRange(std::int32_t low, std::int32_t high) const {
  Send(UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

UpDown::Range UpDown::GetRange() const {
  INT low = 0;
  INT high = 0;
  Send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  return {low, high};
}

void IpAddress::Set(const Octets& o) const { Send(IPM_SETADDRESS, 0, MAKEIPADDRESS(o[0], o[1], o[2], o[3])); }

IpAddress::Octets IpAddress::Get() const {
  DWORD address = 0;
  Send(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
  return {static_cast<std::uint8_t>(FIRST_IPADDRESS(address)), static_cast<std::uint8_t>(SECOND_IPADDRESS(address)),
          static_cast<std::uint8_t>(THIRD_IPADDRESS(address)), static_cast<std::uint8_t>(FOURTH_IPADDRESS(address))};
}

}  // namespace vostrel::ui

#pragma once
// Thin views of the controls the pages use. Each holds only the control's
// window handle and is made on the spot: ComboBox(page.Item(IDC_STD_PRINT_SPEED_LIST)).Select(4).
// A view of a missing control (nullptr) does nothing and reads as empty.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vostrel::ui {

class Control {
 public:
  explicit Control(HWND window) : window_(window) {}
  HWND hwnd() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }

  std::wstring Text() const;
  void SetText(std::wstring_view text) const;
  void Enable(bool enabled) const;
  bool IsEnabled() const;
  void Show(bool shown) const;
  bool IsShown() const;

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 private:
  HWND window_;
};

// A list filled entry by entry updates its scroll bar for each entry unless
// its redrawing is paused meanwhile.
class RedrawPause {
 public:
  explicit RedrawPause(HWND window) : window_(window) {
    if (window_) ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawPause() {
    if (window_) ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND window_;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  bool IsChecked() const;
  void SetChecked(bool checked) const;
};

class ComboBox : public Control {
 public:
  using Control::Control;
  void Clear() const;
  // The index of the new entry, or -1.
  int Add(std::wstring_view text) const;
  int Count() const;
  // Selects entry `index`; an index outside the list clears the selection.
  // True when an entry is selected afterwards.
  bool Select(int index) const;
  // The selected index, or -1.
  int Selected() const;
  // The text of entry `index`; empty for an index outside the list.
  std::wstring ItemText(int index) const;
  std::wstring SelectedText() const { return ItemText(Selected()); }
};

class Edit : public Control {
 public:
  using Control::Control;
  void SetLimit(int characters) const;
  void SetReadOnly(bool readOnly) const;
  bool IsReadOnly() const;
};

class UpDown : public Control {
 public:
  using Control::Control;
  struct Range {
    std::int32_t low = 0;
    std::int32_t high = 0;
  };
  void SetRange(std::int32_t low, std::int32_t high) const;
  Range GetRange() const;
};

class IpAddress : public Control {
 public:
  using Control::Control;
  using Octets = std::array<std::uint8_t, 4>;  // most significant first
  void Set(const Octets& octets) const;
  Octets Get() const;
};

using Static = Control;

// The window rectangle of `child` in the client coordinates of `parent`
// (empty for no child): where the child stands on its page or window.
RECT RectInParent(HWND child, HWND parent);

}  // namespace vostrel::ui

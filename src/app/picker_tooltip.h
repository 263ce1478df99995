#pragma once
// A tooltip that shows the full text of one picker of the main window (a
// queue name or a COM port that the list is too narrow for).

#include <windows.h>

#include <string>
#include <string_view>

namespace vostrel {

class PickerTooltip {
 public:
  PickerTooltip() = default;
  PickerTooltip(const PickerTooltip&) = delete;
  PickerTooltip& operator=(const PickerTooltip&) = delete;

  // Creates the tooltip (always shown, also for an inactive window) for
  // control `tool` of `owner` and activates it. The owner destroys it.
  bool Create(HWND owner, HWND tool);
  // Hides the tip, gives it `text` and updates it.
  void SetText(std::wstring_view text);
  std::wstring Text() const;
  HWND hwnd() const { return tip_; }

 private:
  HWND tip_ = nullptr;
  HWND owner_ = nullptr;
  HWND tool_ = nullptr;
  std::wstring text_;
};

}  // namespace vostrel

#pragma once
// The status strip along the bottom of the main window: the link and the
// model on the left; what a command does or how the last one ended in the
// middle; while a command waits, its progress and the Cancel that ends the
// wait. Its controls are the template's IDC_MAIN_STATUS_*; the strip places
// them, in pixels that follow the window's DPI.

#include <windows.h>

#include <string>

#include "ui/dialog.h"

namespace vostrel {

class StatusStrip {
 public:
  explicit StatusStrip(const ui::Dialog& window) : main_(window) {}

  // The strip's height at the window's DPI: the window is this much taller
  // than its template, and the tab area ends this much higher.
  int Height() const;
  // Along the bottom of a client area of `cx` by `cy`.
  void Layout(int cx, int cy);
  void ApplyLanguage();

  void ShowLink(const std::wstring& words);
  void ShowText(const std::wstring& text);
  // A bar `done` of `total` full; `total` 0 hides it.
  void ShowProgress(int done, int total);
  // The Cancel button: shown during a command, enabled while it may be
  // pressed.
  void ShowCancel(bool shown, bool enabled);
  HWND cancelButton() const;

 private:
  HWND Item(int id) const { return main_.Item(id); }
  int Scaled(int pixels) const;
  // Places the controls again in the client area as it is now.
  void Relayout();

  const ui::Dialog& main_;
};

}  // namespace vostrel

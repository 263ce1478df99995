#pragma once
// WM_DPICHANGED of the main window (moved to a monitor of another scale):
// the window takes the suggested rectangle, and its fonts, its controls'
// places and sizes, the pages' scroll ranges and pictures follow the new DPI.

#include <windows.h>

#include <span>
#include <vector>

#include "platform/unique_handle.h"

namespace vostrel {

class SettingsPage;

class DpiChange {
 public:
  // Rescales `window` (a top-level dialog) and `pages` (child dialogs of it)
  // from the DPI they are shown at to `dpi`.
  void Rescale(HWND window, std::span<SettingsPage* const> pages, int dpi);
  // Then gives the window `suggested` (screen coordinates, the frame
  // included), whose size change lays the pages out again.
  void Place(HWND window, const RECT& suggested);
  // The window goes: forget what it was told.
  void Forget(HWND window);

 private:
  // The font of `from` dpi that `font` becomes at `to` dpi (made once).
  HFONT Scaled(HFONT font, int from, int to);

  struct FontPair {
    HFONT from;
    ScopedGdiObject to;
  };
  // Every font made here lives as long as the window (the controls hold it).
  std::vector<FontPair> fonts_;
};

}  // namespace vostrel

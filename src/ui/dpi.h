#pragma once
// Dots per inch of a window. The layout's pixel figures are given for 96 dpi
// and scaled by the DPI of the window they are used in, so that at 96 dpi
// nothing changes.

#include <windows.h>

namespace vostrel::ui {

inline constexpr int kBaseDpi = 96;

// The DPI `window` is shown at: what the last DPI change told its top-level
// window (WM_DPICHANGED), otherwise the system's answer for the window (or
// for the system, where the system has no per-window answer).
int WindowDpi(HWND window);

// Records the DPI that a WM_DPICHANGED gave top-level `window`; 0 forgets it
// (done when the window goes).
void SetAnnouncedDpi(HWND window, int dpi);

// `pixels` given for 96 dpi, at `dpi` (rounded to the nearest pixel).
inline int ScaleToDpi(int pixels, int dpi) { return ::MulDiv(pixels, dpi > 0 ? dpi : kBaseDpi, kBaseDpi); }

// `pixels` measured at `from` dpi, at `to` dpi.
inline int Rescale(int pixels, int from, int to) { return from > 0 && to > 0 ? ::MulDiv(pixels, to, from) : pixels; }

}  // namespace vostrel::ui

#pragma once
// Bitmaps of the program's resources and their drawing with a transparent
// colour (the pictures that the pages paint over their own background).

#include <windows.h>

#include "platform/unique_handle.h"

namespace vostrel::ui {

// The pure red that marks the transparent pixels of the keyed pictures.
inline constexpr COLORREF kTransparentRed = RGB(255, 0, 0);

// Bitmap resource `id` of `instance` (nullptr: the program) as a DIB section,
// so that its pixels keep their exact colours whatever the display; empty
// when it is missing.
ScopedGdiObject LoadBitmapResource(HINSTANCE instance, int id);

// Width and height of a bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// Draws `bitmap` at its own size with its top-left corner at (x, y), leaving
// every pixel of colour `transparent` undrawn. False when nothing could be
// drawn.
bool DrawTransparent(HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent = kTransparentRed);

}  // namespace vostrel::ui

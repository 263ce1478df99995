#pragma once
// Bitmaps of the program's resources and their drawing with a transparent
// colour (the pictures that the pages paint over their own background).

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/unique_handle.h"

namespace vostrel::ui {

// The pure red that marks the transparent pixels of the keyed pictures.
inline constexpr COLORREF kTransparentRed = RGB(255, 0, 0);

// Bitmap resource `id` of `instance` (nullptr: the program) as a DIB section,
// so that its pixels keep their exact colours whatever the display; empty
// when it is missing.
ScopedGdiObject LoadBitmapResource(HINSTANCE instance, int id);

// Every picture is drawn at 100, 150 and 200 %: the resource of picture `id`
// at `percent` (one of kPictureScales) is id + the scale's offset.
inline constexpr int kPictureScales[] = {100, 150, 200};
int PictureResourceId(int id, int percent);
// The drawn scale a picture for `dpi` is made from: the smallest one at
// least as large (the largest above 200 %).
int PictureScaleFor(int dpi);

// Picture `id` for a window at `dpi`: its size at 96 dpi scaled by dpi / 96.
// At 96, 144 and 192 dpi the drawn picture as it is; otherwise the next
// larger drawing resampled (ResamplePixels). A DIB section; empty when the
// picture is missing.
ScopedGdiObject LoadPictureForDpi(HINSTANCE instance, int id, int dpi);
// Picture `id` at `size` (for a picture scaled to fit a place): the smallest
// drawing at least that large (the largest when none is), resampled where it
// is not that size already. A DIB section; empty when the picture is missing.
ScopedGdiObject LoadPictureSized(HINSTANCE instance, int id, SIZE size);
// The size of picture `id` at 100 %, read from its resource; 0 x 0 when it
// is missing.
SIZE PictureBaseSize(HINSTANCE instance, int id);

// Pixels as 0x00RRGGBB, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> data;
};

// Resamples `source` to width x height, each pixel the area-weighted average
// of the source pixels it covers (a box filter). Pixels of colour `key`
// (0x00RRGGBB) are not colours: a pixel that is mostly key stays exactly
// key, the others average only their non-key pixels, so no colour is
// blended into the key and no colour comes out as the key.
Pixels ResamplePixels(const Pixels& source, int width, int height, std::uint32_t key = 0x00FF0000);

// The pixels of a bitmap; empty for none.
Pixels ReadPixels(HBITMAP bitmap);
// A 24-bit DIB section holding `pixels`.
ScopedGdiObject MakeBitmap(const Pixels& pixels);

// Width and height of a bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// Draws `bitmap` at its own size with its top-left corner at (x, y), leaving
// every pixel of colour `transparent` undrawn. False when nothing could be
// drawn.
bool DrawTransparent(HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent = kTransparentRed);

}  // namespace vostrel::ui

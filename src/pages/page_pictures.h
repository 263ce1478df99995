#pragma once
// Pictures that a page paints itself over its background, each with its
// top-left corner at the top-left corner of a slot control and at its own
// size, the pixels of the transparent colour left undrawn. The slots draw
// nothing; the pictures may reach beyond them.

#include <windows.h>

#include <span>
#include <vector>

#include "platform/unique_handle.h"

namespace vostrel {

struct SlotPicture {
  int slot;    // control id of the slot in the page
  int bitmap;  // bitmap resource id
};

class PagePictures {
 public:
  // Loads the bitmaps from `instance` (nullptr: the program).
  void Load(HINSTANCE instance, std::span<const SlotPicture> pictures);
  // Draws the picture of every shown slot into `dc`, whose origin is the
  // page's client origin.
  void Paint(HWND page, HDC dc) const;
  // WM_PAINT of the page: begins and ends the paint around Paint.
  void OnPaint(HWND page) const;

  bool loaded() const;

 private:
  struct Picture {
    int slot;
    ScopedGdiObject bitmap;
  };
  std::vector<Picture> pictures_;
};

}  // namespace vostrel

#pragma once
// Pictures of a page at the page's DPI. PagePictures: pictures that a page
// paints itself over its background, each with its top-left corner at the
// top-left corner of a slot control and at its own size, the pixels of the
// transparent colour left undrawn; the slots draw nothing and the pictures
// may reach beyond them. ControlPictures: the bitmaps of picture controls
// (SS_BITMAP statics), which take the size of their bitmap.

#include <windows.h>

#include <span>
#include <vector>

#include "platform/unique_handle.h"

namespace vostrel {

struct SlotPicture {
  int slot;    // control id of the slot (or of the picture control) in the page
  int bitmap;  // bitmap resource id of the picture at 100 %
};

class PagePictures {
 public:
  // The pictures of `instance` (nullptr: the program); they are loaded for
  // the DPI of the page that paints them, at the first paint at that DPI.
  void Load(HINSTANCE instance, std::span<const SlotPicture> pictures);
  // Draws the picture of every shown slot into `dc`, whose origin is the
  // page's client origin.
  void Paint(HWND page, HDC dc) const;
  // WM_PAINT of the page: begins and ends the paint around Paint.
  void OnPaint(HWND page) const;

 private:
  struct Picture {
    int slot;
    int bitmap;
    mutable ScopedGdiObject image;
  };
  void LoadFor(int dpi) const;

  HINSTANCE instance_ = nullptr;
  std::vector<Picture> pictures_;
  mutable int dpi_ = 0;
};

class ControlPictures {
 public:
  // Gives each picture control of `page` its picture at `dpi`. The bitmaps
  // that the controls were created with are those of 96 dpi: at 96 dpi and
  // `force` false nothing changes.
  void Show(HWND page, HINSTANCE instance, std::span<const SlotPicture> pictures, int dpi, bool force = false);

 private:
  std::vector<ScopedGdiObject> images_;
};

}  // namespace vostrel

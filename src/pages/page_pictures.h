#pragma once
// Pictures of a page at the page's DPI. PagePictures: pictures that a page
// paints itself over its background, each with its top-left corner at the
// top-left corner of a slot control, the pixels of the transparent colour
// left undrawn; the slots draw nothing and the pictures may reach beyond
// them. Each has its own size at the page's DPI, or, for pictures that are to
// fit the page, that size made smaller (aspect kept) where the page leaves
// less room. ControlPictures: the bitmaps of picture controls (SS_BITMAP
// statics), which take the size of their bitmap.

#include <windows.h>

#include <span>
#include <vector>

#include "platform/unique_handle.h"

namespace vostrel {

struct SlotPicture {
  int slot;    // control id of the slot (or of the picture control) in the page
  int bitmap;  // bitmap resource id of the picture at 100 %
};

// How large a page paints its pictures.
enum class PictureFit {
  OwnSize,  // the picture's size at the page's DPI
  // No larger than that, and small enough to end above the bottom of the
  // page's client area and left of the next slot to its right (or of the
  // client area's right edge), the aspect kept.
  InsidePage,
};

class PagePictures {
 public:
  // The pictures of `instance` (nullptr: the program); they are loaded for
  // the DPI and the room of the page that paints them, at the first paint
  // that needs them.
  void Load(HINSTANCE instance, std::span<const SlotPicture> pictures, PictureFit fit = PictureFit::OwnSize);
  // Shows picture `bitmap` at slot `slot` from the next paint on.
  void SetPicture(int slot, int bitmap);
  // The bitmap shown at `slot`; 0 for none.
  int PictureAt(int slot) const;
  // Where the picture of `slot` is painted, in the page's client
  // coordinates; empty when the slot is hidden or holds no picture.
  RECT PictureRect(HWND page, int slot) const;
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
    mutable SIZE imageSize{};
    mutable SIZE baseSize{};  // at 100 %
  };

  HINSTANCE instance_ = nullptr;
  PictureFit fit_ = PictureFit::OwnSize;
  std::vector<Picture> pictures_;
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

// A picture on a page that stands for a choice: a click on it is a click on
// its radio button.
struct PictureChoice {
  int picture;  // the slot of a PagePictures picture, or a picture control
  int radio;
};

// The user's click at `point` (the page's client coordinates): when it hit the
// picture of one of `choices` (where `painted` paints it, or the picture
// control itself without `painted`), that choice's radio button is clicked as
// the user would click it: it is checked, takes the focus and tells the page,
// as its own click does. Nothing for a hidden picture or a hidden or disabled
// radio button. True when a radio button was clicked.
bool ClickChoiceAt(HWND page, POINT point, std::span<const PictureChoice> choices,
                   const PagePictures* painted = nullptr);

}  // namespace vostrel

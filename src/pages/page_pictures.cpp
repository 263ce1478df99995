#include "pages/page_pictures.h"

#include "ui/bitmap.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/gdi.h"

namespace vostrel {
namespace {

bool IsShownInPage(HWND control) { return control && (::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

// `size` made smaller, the aspect kept, until it fits `room` (as it is when it
// fits already).
SIZE FitInside(SIZE size, SIZE room) {
  if (size.cx <= room.cx && size.cy <= room.cy) return size;
  if (room.cx <= 0 || room.cy <= 0) return {0, 0};
  // The side whose room is scarcer decides; the other follows, rounded (never
  // beyond its own room, which holds it at the exact scale).
  if (static_cast<long long>(room.cy) * size.cx <= static_cast<long long>(room.cx) * size.cy) {
    return {::MulDiv(size.cx, room.cy, size.cy), room.cy};
  }
  return {room.cx, ::MulDiv(size.cy, room.cx, size.cx)};
}

}  // namespace

void PagePictures::Load(HINSTANCE instance, std::span<const SlotPicture> pictures, PictureFit fit) {
  instance_ = instance;
  fit_ = fit;
  pictures_.clear();
  for (const SlotPicture& p : pictures) {
    pictures_.push_back({p.slot, p.bitmap, {}, {}, ui::PictureBaseSize(instance, p.bitmap)});
  }
}

void PagePictures::SetPicture(int slot, int bitmap) {
  for (Picture& picture : pictures_) {
    if (picture.slot != slot || picture.bitmap == bitmap) continue;
    picture.bitmap = bitmap;
    picture.image.reset();
    picture.imageSize = {};
    picture.baseSize = ui::PictureBaseSize(instance_, bitmap);
  }
}

int PagePictures::PictureAt(int slot) const {
  for (const Picture& picture : pictures_) {
    if (picture.slot == slot) return picture.bitmap;
  }
  return 0;
}

RECT PagePictures::PictureRect(HWND page, int slot) const {
  const Picture* found = nullptr;
  for (const Picture& picture : pictures_) {
    if (picture.slot == slot) found = &picture;
  }
  const HWND control = ::GetDlgItem(page, slot);
  // A hidden slot hides its picture.
  if (!found || !IsShownInPage(control) || found->baseSize.cx <= 0 || found->baseSize.cy <= 0) return {};
  const RECT at = ui::RectInParent(control, page);
  const int dpi = ui::WindowDpi(page);
  SIZE size{ui::ScaleToDpi(found->baseSize.cx, dpi), ui::ScaleToDpi(found->baseSize.cy, dpi)};
  if (fit_ == PictureFit::InsidePage) {
    RECT client{};
    ::GetClientRect(page, &client);
    LONG right = client.right;
    for (const Picture& other : pictures_) {
      const HWND otherSlot = ::GetDlgItem(page, other.slot);
      if (&other == found || !IsShownInPage(otherSlot)) continue;
      const RECT next = ui::RectInParent(otherSlot, page);
      if (next.left > at.left && next.left < right) right = next.left;
    }
    size = FitInside(size, {right - at.left, client.bottom - at.top});
  }
  return {at.left, at.top, at.left + size.cx, at.top + size.cy};
}

void PagePictures::Paint(HWND page, HDC dc) const {
  for (const Picture& picture : pictures_) {
    const RECT rect = PictureRect(page, picture.slot);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (size.cx <= 0 || size.cy <= 0) continue;
    if (!picture.image || picture.imageSize.cx != size.cx || picture.imageSize.cy != size.cy) {
      picture.image = ui::LoadPictureSized(instance_, picture.bitmap, size);
      picture.imageSize = size;
    }
    if (picture.image) ui::DrawTransparent(dc, static_cast<HBITMAP>(picture.image.get()), rect.left, rect.top);
  }
}

void PagePictures::OnPaint(HWND page) const {
  const ui::PaintDc dc(page);
  if (dc.get()) Paint(page, dc.get());
}

void ControlPictures::Show(HWND page, HINSTANCE instance, std::span<const SlotPicture> pictures, int dpi, bool force) {
  if (dpi == ui::kBaseDpi && !force) return;
  images_.resize(pictures.size());
  for (size_t i = 0; i < pictures.size(); ++i) {
    ScopedGdiObject image = ui::LoadPictureForDpi(instance, pictures[i].bitmap, dpi);
    if (!image) continue;
    const HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(::SendDlgItemMessageW(
        page, pictures[i].slot, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.get())));
    // The first time the control gives back the bitmap it loaded from the
    // template, which nobody else releases.
    if (previous && previous != images_[i].get()) ::DeleteObject(previous);
    images_[i] = std::move(image);
  }
}

bool ClickChoiceAt(HWND page, POINT point, std::span<const PictureChoice> choices, const PagePictures* painted) {
  for (const PictureChoice& choice : choices) {
    const HWND picture = ::GetDlgItem(page, choice.picture);
    if (!IsShownInPage(picture)) continue;
    const RECT rect = painted ? painted->PictureRect(page, choice.picture) : ui::RectInParent(picture, page);
    if (!::PtInRect(&rect, point)) continue;
    const HWND radio = ::GetDlgItem(page, choice.radio);
    if (!IsShownInPage(radio) || !::IsWindowEnabled(radio)) return false;
    ::SendMessageW(radio, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace vostrel

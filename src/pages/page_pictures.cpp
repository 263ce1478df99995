#include "pages/page_pictures.h"

#include "ui/bitmap.h"
#include "ui/gdi.h"

namespace vostrel {

void PagePictures::Load(HINSTANCE instance, std::span<const SlotPicture> pictures) {
  pictures_.clear();
  for (const SlotPicture& p : pictures) pictures_.push_back({p.slot, ui::LoadBitmapResource(instance, p.bitmap)});
}

bool PagePictures::loaded() const {
  if (pictures_.empty()) return false;
  for (const Picture& picture : pictures_) {
    if (!picture.bitmap) return false;
  }
  return true;
}

void PagePictures::Paint(HWND page, HDC dc) const {
  for (const Picture& picture : pictures_) {
    const HWND slot = ::GetDlgItem(page, picture.slot);
    // A hidden slot hides its picture.
    if (!slot || !picture.bitmap || (::GetWindowLongPtrW(slot, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT rect{};
    ::GetWindowRect(slot, &rect);
    ::MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&rect), 2);
    ui::DrawTransparent(dc, static_cast<HBITMAP>(picture.bitmap.get()), rect.left, rect.top);
  }
}

void PagePictures::OnPaint(HWND page) const {
  const ui::PaintDc dc(page);
  if (dc.get()) Paint(page, dc.get());
}

}  // namespace vostrel

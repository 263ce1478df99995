#include "pages/page_pictures.h"

#include "ui/bitmap.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/gdi.h"

namespace vostrel {

void PagePictures::Load(HINSTANCE instance, std::span<const SlotPicture> pictures) {
  instance_ = instance;
  pictures_.clear();
  for (const SlotPicture& p : pictures) pictures_.push_back({p.slot, p.bitmap, {}});
  dpi_ = 0;
}

void PagePictures::LoadFor(int dpi) const {
  if (dpi == dpi_) return;
  for (const Picture& picture : pictures_) picture.image = ui::LoadPictureForDpi(instance_, picture.bitmap, dpi);
  dpi_ = dpi;
}

void PagePictures::Paint(HWND page, HDC dc) const {
  LoadFor(ui::WindowDpi(page));
  for (const Picture& picture : pictures_) {
    const HWND slot = ::GetDlgItem(page, picture.slot);
    // A hidden slot hides its picture.
    if (!slot || !picture.image || (::GetWindowLongPtrW(slot, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    const RECT rect = ui::RectInParent(slot, page);
    ui::DrawTransparent(dc, static_cast<HBITMAP>(picture.image.get()), rect.left, rect.top);
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

}  // namespace vostrel

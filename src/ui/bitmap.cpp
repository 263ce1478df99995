#include "ui/bitmap.h"

#include "ui/gdi.h"

namespace vostrel::ui {

ScopedGdiObject LoadBitmapResource(HINSTANCE instance, int id) {
  return ScopedGdiObject(::LoadImageW(instance ? instance : ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

bool DrawTransparent(HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent) {
  const SIZE size = BitmapSize(bitmap);
  if (!dc || size.cx <= 0 || size.cy <= 0) return false;
  const MemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return false;
  const SelectedObject selected(source.get(), bitmap);
  if (!selected.ok()) return false;
  // gdi32's own transparent blit (msimg32's TransparentBlt forwards to it).
  return ::GdiTransparentBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, transparent) != FALSE;
}

}  // namespace vostrel::ui

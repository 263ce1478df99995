#include "ui/bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/dpi.h"
#include "ui/gdi.h"

namespace vostrel::ui {
namespace {

// Resource ids of the larger drawings: the picture's id plus this.
constexpr int kScaleIdOffset150 = 10000;
constexpr int kScaleIdOffset200 = 20000;

BITMAPINFO TopDownInfo(int width, int height, WORD bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

ScopedGdiObject LoadBitmapResource(HINSTANCE instance, int id) {
  return ScopedGdiObject(::LoadImageW(instance ? instance : ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

int PictureResourceId(int id, int percent) {
  if (percent >= 200) return id + kScaleIdOffset200;
  if (percent >= 150) return id + kScaleIdOffset150;
  return id;
}

int PictureScaleFor(int dpi) {
  for (int percent : kPictureScales) {
    if (percent * kBaseDpi >= dpi * 100) return percent;
  }
  return kPictureScales[std::size(kPictureScales) - 1];
}

namespace {

// The drawing of picture `id` at `percent`, at `size`: as drawn when it has
// that size, otherwise resampled.
ScopedGdiObject LoadDrawingAt(HINSTANCE instance, int id, int percent, SIZE size) {
  ScopedGdiObject drawn = LoadBitmapResource(instance, PictureResourceId(id, percent));
  if (!drawn && percent != 100) drawn = LoadBitmapResource(instance, id);  // a build without the larger drawings
  if (!drawn) return {};
  const SIZE drawnSize = BitmapSize(static_cast<HBITMAP>(drawn.get()));
  if (drawnSize.cx == size.cx && drawnSize.cy == size.cy) return drawn;
  const Pixels pixels = ReadPixels(static_cast<HBITMAP>(drawn.get()));
  if (pixels.data.empty()) return {};
  return MakeBitmap(ResamplePixels(pixels, size.cx, size.cy));
}

}  // namespace

SIZE PictureBaseSize(HINSTANCE instance, int id) {
  const HMODULE module = instance ? instance : ::GetModuleHandleW(nullptr);
  const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
  const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data || ::SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) return {0, 0};
  // A bitmap resource is the file without its file header.
  BITMAPINFOHEADER header{};
  std::memcpy(&header, data, sizeof(header));
  return {header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight};
}

ScopedGdiObject LoadPictureForDpi(HINSTANCE instance, int id, int dpi) {
  if (dpi == kBaseDpi) return LoadBitmapResource(instance, id);
  const SIZE base = PictureBaseSize(instance, id);
  if (base.cx <= 0 || base.cy <= 0) return {};
  return LoadDrawingAt(instance, id, PictureScaleFor(dpi), {ScaleToDpi(base.cx, dpi), ScaleToDpi(base.cy, dpi)});
}

ScopedGdiObject LoadPictureSized(HINSTANCE instance, int id, SIZE size) {
  const SIZE base = PictureBaseSize(instance, id);
  if (base.cx <= 0 || base.cy <= 0 || size.cx <= 0 || size.cy <= 0) return {};
  int percent = kPictureScales[std::size(kPictureScales) - 1];
  for (int scale : kPictureScales) {
    if (::MulDiv(base.cx, scale, 100) >= size.cx && ::MulDiv(base.cy, scale, 100) >= size.cy) {
      percent = scale;
      break;
    }
  }
  return LoadDrawingAt(instance, id, percent, size);
}

Pixels ResamplePixels(const Pixels& source, int width, int height, std::uint32_t key) {
  Pixels out{width, height, {}};
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return out;
  out.data.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const double sx = static_cast<double>(source.width) / width;
  const double sy = static_cast<double>(source.height) / height;
  for (int y = 0; y < height; ++y) {
    const double top = y * sy;
    const double bottom = (y + 1) * sy;
    const int firstRow = static_cast<int>(std::floor(top));
    const int lastRow = std::min(source.height - 1, static_cast<int>(std::ceil(bottom)) - 1);
    for (int x = 0; x < width; ++x) {
      const double left = x * sx;
      const double right = (x + 1) * sx;
      const int firstColumn = static_cast<int>(std::floor(left));
      const int lastColumn = std::min(source.width - 1, static_cast<int>(std::ceil(right)) - 1);
      double keyWeight = 0;
      double colourWeight = 0;
      double r = 0, g = 0, b = 0;
      for (int row = firstRow; row <= lastRow; ++row) {
        const double h = std::min<double>(bottom, row + 1) - std::max<double>(top, row);
        for (int column = firstColumn; column <= lastColumn; ++column) {
          const double w = h * (std::min<double>(right, column + 1) - std::max<double>(left, column));
          if (w <= 0) continue;
          const std::uint32_t pixel = source.data[static_cast<size_t>(row) * source.width + column];
          if (pixel == key) {
            keyWeight += w;
            continue;
          }
          colourWeight += w;
          r += w * ((pixel >> 16) & 0xFF);
          g += w * ((pixel >> 8) & 0xFF);
          b += w * (pixel & 0xFF);
        }
      }
      std::uint32_t result = key;
      if (colourWeight > keyWeight) {
        const auto channel = [&](double sum) {
          return static_cast<std::uint32_t>(std::clamp(std::lround(sum / colourWeight), 0L, 255L));
        };
        result = (channel(r) << 16) | (channel(g) << 8) | channel(b);
        // Near-red colours may round onto the key itself: one step off it
        // stays a colour.
        if (result == key) result ^= 1;
      }
      out.data[static_cast<size_t>(y) * width + x] = result;
    }
  }
  return out;
}

Pixels ReadPixels(HBITMAP bitmap) {
  const SIZE size = BitmapSize(bitmap);
  Pixels pixels{size.cx, size.cy, {}};
  if (size.cx <= 0 || size.cy <= 0) return pixels;
  pixels.data.resize(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
  BITMAPINFO info = TopDownInfo(size.cx, size.cy, 32);
  const MemoryDc dc(::CreateCompatibleDC(nullptr));
  if (::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data.data(), &info, DIB_RGB_COLORS) !=
      size.cy) {
    pixels.data.clear();
  }
  for (std::uint32_t& pixel : pixels.data) pixel &= 0x00FFFFFF;
  return pixels;
}

ScopedGdiObject MakeBitmap(const Pixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.data.size() != static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height)) {
    return {};
  }
  // A 24-bit bitmap, as the drawn ones are: the static controls take a
  // 32-bit one's fourth byte for transparency.
  const BITMAPINFO info = TopDownInfo(pixels.width, pixels.height, 24);
  void* bits = nullptr;
  ScopedGdiObject bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  const size_t stride = (static_cast<size_t>(pixels.width) * 3 + 3) & ~size_t{3};
  auto* rows = static_cast<unsigned char*>(bits);
  for (int y = 0; y < pixels.height; ++y) {
    unsigned char* out = rows + stride * static_cast<size_t>(y);
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t pixel = pixels.data[static_cast<size_t>(y) * pixels.width + x];
      *out++ = static_cast<unsigned char>(pixel & 0xFF);
      *out++ = static_cast<unsigned char>((pixel >> 8) & 0xFF);
      *out++ = static_cast<unsigned char>((pixel >> 16) & 0xFF);
    }
  }
  ::GdiFlush();
  return bitmap;
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

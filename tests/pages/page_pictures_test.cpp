// The pictures that the Calibration and Print pages paint themselves: drawn
// at their slots, at their own size (where the page has room for it, as at 96
// dpi), with the pure red left undrawn. They are
// painted into a memory bitmap through the pages' own paint routine (the
// null display driver of the tests draws nothing on screen).
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "pages/calibration_page.h"
#include "pages/page_geometry.h"
#include "pages/pages_host.h"
#include "pages/print_page.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"

namespace vostrel::testing {
namespace {

constexpr std::uint32_t kBackground = 0x00010203;  // what the page's background stands for
constexpr std::uint32_t kRed = 0x00FF0000;         // 0x00RRGGBB
constexpr int kCanvasWidth = 700;
constexpr int kCanvasHeight = 600;

// A top-down 32-bit canvas the size of a page and more.
class Canvas {
 public:
  Canvas() : dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kCanvasWidth;
    info.bmiHeader.biHeight = -kCanvasHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    selected_.emplace(dc_.get(), bitmap_.get());
    for (int i = 0; i < kCanvasWidth * kCanvasHeight; ++i) bits_[i] = kBackground;
  }
  HDC dc() const { return dc_.get(); }
  bool ok() const { return bits_ != nullptr && selected_ && selected_->ok(); }
  std::uint32_t At(int x, int y) const {
    ::GdiFlush();
    return bits_[y * kCanvasWidth + x] & 0x00FFFFFF;
  }

 private:
  ui::MemoryDc dc_;
  ScopedGdiObject bitmap_;
  std::uint32_t* bits_ = nullptr;
  std::optional<ui::SelectedObject> selected_;
};

struct Picture {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;  // top row first, 0x00RRGGBB
};

Picture ResourcePicture(int id) {
  const ScopedGdiObject bitmap = ui::LoadBitmapResource(nullptr, id);
  const SIZE size = ui::BitmapSize(static_cast<HBITMAP>(bitmap.get()));
  Picture picture{size.cx, size.cy, std::vector<std::uint32_t>(static_cast<size_t>(size.cx * size.cy))};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
  if (::GetDIBits(dc.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(size.cy), picture.pixels.data(),
                  &info, DIB_RGB_COLORS) != size.cy) {
    picture.pixels.clear();
  }
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
  return picture;
}

POINT SlotOrigin(HWND page, int slot) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(page, slot), &rect);
  ::MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top};
}

// Every pixel of the picture's area: red ones show the background, the
// others the picture's own colour.
void ExpectPainted(const Canvas& canvas, POINT origin, int bitmapId, int width, int height) {
  const Picture picture = ResourcePicture(bitmapId);
  ASSERT_EQ(picture.width, width) << bitmapId;
  ASSERT_EQ(picture.height, height) << bitmapId;
  ASSERT_FALSE(picture.pixels.empty()) << bitmapId;
  ASSERT_LE(origin.x + width, kCanvasWidth) << bitmapId;
  ASSERT_LE(origin.y + height, kCanvasHeight) << bitmapId;
  int red = 0;
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t want = picture.pixels[static_cast<size_t>(y * width + x)];
      if (want == kRed) ++red;
      const std::uint32_t expected = want == kRed ? kBackground : want;
      if (canvas.At(origin.x + x, origin.y + y) != expected && wrong++ < 3) {
        ADD_FAILURE() << bitmapId << " at " << x << "," << y << ": " << std::hex
                      << canvas.At(origin.x + x, origin.y + y) << " instead of " << expected;
      }
    }
  }
  // A keyed picture with both kinds of pixels, or the test proves nothing.
  EXPECT_GT(red, 0) << bitmapId;
  EXPECT_LT(red, width * height) << bitmapId;
  EXPECT_EQ(wrong, 0) << bitmapId;
  // Nothing is drawn just outside the picture.
  EXPECT_EQ(canvas.At(origin.x + width, origin.y), kBackground) << bitmapId;
  EXPECT_EQ(canvas.At(origin.x, origin.y + height), kBackground) << bitmapId;
}

TEST(PagePictures, CalibrationRollsAreDrawnWithRedLeftOut) {
  ASSERT_TRUE(ui::InitDialogControls());
  SettingsStore store;
  PagesHost host;
  ASSERT_TRUE(host.CreateModeless(nullptr));
  CDlgTabCalibration page(store);
  ASSERT_TRUE(page.CreateModeless(host.hwnd()));
  Canvas canvas;
  ASSERT_TRUE(canvas.ok());
  page.PaintPictures(canvas.dc());
  ExpectPainted(canvas, SlotOrigin(page.hwnd(), IDC_CAL_GAPS_SLOT), IDB_CAL_ROLL_GAPS, 140, 120);
  ExpectPainted(canvas, SlotOrigin(page.hwnd(), IDC_CAL_MARKS_SLOT), IDB_CAL_ROLL_MARKS, 140, 120);
  // The RFID label only once its choice is offered.
  const POINT rfid = SlotOrigin(page.hwnd(), IDC_CAL_RFID_SLOT);
  EXPECT_EQ(canvas.At(rfid.x + 70, rfid.y + 80), kBackground);
  page.OfferThirdChoice(true);
  Canvas offered;
  ASSERT_TRUE(offered.ok());
  page.PaintPictures(offered.dc());
  ExpectPainted(offered, rfid, IDB_CAL_RFID_LABEL, 140, 120);
}

TEST(PagePictures, PrintSamplesAreDrawnWithRedLeftOut) {
  ASSERT_TRUE(ui::InitDialogControls());
  SettingsStore store;
  PreferencesRecord prefs;
  PagesHost host;
  ASSERT_TRUE(host.CreateModeless(nullptr));
  CDlgTabPrint page(store, prefs);
  ASSERT_TRUE(page.CreateModeless(host.hwnd()));
  // The size the main window gives the page, which has room for both
  // pictures at their own size at 96 dpi.
  ::MoveWindow(page.hwnd(), 10, 60, kPageWidth, kPageHeight, FALSE);
  // The self-test printout is the chosen model's; the page starts with the
  // first model's.
  struct Case {
    std::optional<int> model;
    int selfTest;
  };
  const Case cases[] = {{std::nullopt, IDB_PRINT_SELF_TEST},
                        {1, IDB_PRINT_SELF_TEST_VX135},
                        {0, IDB_PRINT_SELF_TEST},
                        {1, IDB_PRINT_SELF_TEST_VX135}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selfTest);
    if (c.model) page.ApplyModel(ModelAt(*c.model), Language::Japanese);
    Canvas canvas;
    ASSERT_TRUE(canvas.ok());
    page.PaintPictures(canvas.dc());
    ExpectPainted(canvas, SlotOrigin(page.hwnd(), IDC_PRINT_SELF_TEST_SLOT), c.selfTest, 282, 431);
    ExpectPainted(canvas, SlotOrigin(page.hwnd(), IDC_PRINT_SAMPLE_SLOT), IDB_PRINT_SAMPLE, 282, 431);
  }
}

// The two printouts differ (or the case above could not tell them apart).
TEST(PagePictures, TheModelsSelfTestPrintoutsDiffer) {
  EXPECT_NE(ResourcePicture(IDB_PRINT_SELF_TEST).pixels, ResourcePicture(IDB_PRINT_SELF_TEST_VX135).pixels);
}

}  // namespace
}  // namespace vostrel::testing

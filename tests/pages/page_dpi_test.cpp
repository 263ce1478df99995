// The pages at the DPI of the test's process: 96 in the suite's own prefix;
// tests/pages/page_dpi.sh runs these tests again at 120, 144 and 192 dpi in a
// Wine prefix of its own (VOSTREL_EXPECT_DPI says which, so that a DPI that
// did not take cannot pass for one that did). Every pixel figure of the pages
// scales with the DPI: a scrolling page scrolled to its end shows its last
// controls whole, and the pictures have their size at that DPI.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "pages/advanced_page.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/page_geometry.h"
#include "pages/pages_host.h"
#include "pages/print_page.h"
#include "pages/standard_page.h"
#include "res/easy_page_ids.h"
#include "ui/bitmap.h"
#include "ui/dpi.h"
#include "ui/gdi.h"

namespace vostrel::testing {
namespace {

int ExpectedDpi() {
  const char* text = std::getenv("VOSTREL_EXPECT_DPI");
  return text && *text ? std::atoi(text) : ui::kBaseDpi;
}

// The program declares itself per-monitor aware in its manifest; the test
// program has none, so it says so itself before its first window.
void BecomeDpiAware() {
  using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
  const auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  if (!set || !set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) ::SetProcessDPIAware();
}

int S(int pixels, int dpi) { return ui::ScaleToDpi(pixels, dpi); }

// Places the page as the main window's tab host does (600 x 455 pixels at
// 10, 60 at 96 dpi, scaled) and lets it adapt its scroll state.
void PlaceAsInTheMainWindow(SettingsPage& page, int dpi) {
  RECT before{};
  ::GetClientRect(page.hwnd(), &before);
  ::MoveWindow(page.hwnd(), S(10, dpi), S(60, dpi), S(kPageWidth, dpi), S(kPageHeight, dpi), FALSE);
  RECT after{};
  ::GetClientRect(page.hwnd(), &after);
  ::OffsetRect(&after, S(10, dpi), S(60, dpi));
  ::OffsetRect(&before, S(10, dpi), S(60, dpi));
  page.AdaptScroll(after, before);
}

template <typename Page>
class PageDpi : public HostedPageTest<Page> {
 protected:
  void SetUp() override {
    BecomeDpiAware();
    HostedPageTest<Page>::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    dpi_ = ui::WindowDpi(this->page_.hwnd());
    ASSERT_EQ(dpi_, ExpectedDpi()) << "the test runs at another DPI than it was started for";
    if constexpr (requires { this->page_.ApplyTexts(); }) this->page_.ApplyTexts();
    this->page_.ApplyModel(PrinterModel::Vx135Zkq, Language::Japanese);
    PlaceAsInTheMainWindow(this->page_, dpi_);
  }

  // Scrolled to its end, every shown control lies inside the page's client
  // area, and the view moved (the page is taller than its view). The range
  // is the one given for 96 dpi, scaled, or more where the controls (whose
  // sizes follow the font) reach further down.
  void ExpectEndShowsEverything(int baseMaximum) {
    if (dpi_ == ui::kBaseDpi) {
      EXPECT_EQ(this->page_.scrollState().maximum, baseMaximum);
    } else {
      EXPECT_GE(this->page_.scrollState().maximum, S(baseMaximum, dpi_));
    }
    ::SendMessageW(this->page_.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_GT(this->page_.scrollState().position, 0);
    RECT client{};
    ::GetClientRect(this->page_.hwnd(), &client);
    const std::vector<ChildBox> boxes = ShownChildren(this->page_.hwnd());
    ASSERT_FALSE(boxes.empty());
    for (const ChildBox& box : boxes) {
      EXPECT_LE(box.rect.bottom, client.bottom) << "control " << box.id << " at " << dpi_ << " dpi";
    }
    // Nothing is left below: the last control ends near the view's bottom.
    EXPECT_GE(ContentBottom(boxes), client.bottom - S(24, dpi_)) << dpi_ << " dpi";
  }

  int dpi_ = 0;
};

using StandardPageDpi = PageDpi<CDlgTabStandard>;
using AdvancedPageDpi = PageDpi<CDlgTabAdvanced>;
using CalibrationPageDpi = PageDpi<CDlgTabCalibration>;
using EasyPageDpi = PageDpi<CDlgTabEasy>;
using PrintPageDpi = PageDpi<CDlgTabPrint>;

TEST_F(StandardPageDpi, ScrolledToItsEndShowsItsLastRows) { ExpectEndShowsEverything(CDlgTabStandard::kScrollMaximum); }

// However the focus comes to a control (here the program's own SetFocus, as
// Tab and the mnemonics end in), the page scrolls just far enough to show it.
TEST_F(StandardPageDpi, AFocusedControlIsScrolledIntoView) {
  ::ShowWindow(host_.hwnd(), SW_SHOW);
  ::ShowWindow(page_.hwnd(), SW_SHOW);
  HWND lowest = nullptr;
  HWND highest = nullptr;
  int lowestBottom = 0;
  int highestTop = 1 << 20;
  for (const ChildBox& box : ShownChildren(page_.hwnd())) {
    const HWND control = page_.Item(box.id);
    if (!control || (::GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) == 0 || !::IsWindowEnabled(control)) continue;
    if (box.rect.bottom > lowestBottom) lowestBottom = box.rect.bottom, lowest = control;
    if (box.rect.top < highestTop) highestTop = box.rect.top, highest = control;
  }
  ASSERT_NE(lowest, nullptr);
  RECT client{};
  ::GetClientRect(page_.hwnd(), &client);
  ASSERT_GT(lowestBottom, client.bottom) << "the test needs a control below the first view";
  const auto inside = [&](HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, page_.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top >= 0 && rect.bottom <= client.bottom;
  };
  ::SetFocus(lowest);
  EXPECT_TRUE(inside(lowest));
  EXPECT_GT(page_.scrollState().position, 0);
  // Just far enough: the control stands at the view's bottom edge (or a
  // little above it where the range ends).
  RECT rect{};
  ::GetWindowRect(lowest, &rect);
  ::MapWindowPoints(HWND_DESKTOP, page_.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_GE(rect.bottom, client.bottom - S(24, dpi_));
  // Back up: the control stands at the view's top edge.
  ::SetFocus(highest);
  EXPECT_TRUE(inside(highest));
  ::GetWindowRect(highest, &rect);
  ::MapWindowPoints(HWND_DESKTOP, page_.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.top, 0);
  // Hidden (another tab) and shown again, it still follows the focus.
  ::ShowWindow(page_.hwnd(), SW_HIDE);
  ::ShowWindow(page_.hwnd(), SW_SHOW);
  ::SetFocus(lowest);
  EXPECT_TRUE(inside(lowest));
}

TEST_F(AdvancedPageDpi, ScrolledToItsEndShowsItsLastRows) { ExpectEndShowsEverything(CDlgTabAdvanced::kScrollMaximum); }

TEST_F(CalibrationPageDpi, ScrolledToItsEndShowsTheStartButton) {
  ExpectEndShowsEverything(CDlgTabCalibration::kScrollMaximum);
  // Both media: the guide of black marks runs as long.
  ::SendMessageW(page_.hwnd(), WM_VSCROLL, SB_TOP, 0);
  ::SendMessageW(page_.Item(IDC_CAL_MARKS_RADIO), BM_CLICK, 0, 0);
  ExpectEndShowsEverything(CDlgTabCalibration::kScrollMaximum);
  // The step pictures at the page's DPI, 20 pixels (scaled) below each.
  for (int id : CDlgTabCalibration::kStepPictures) {
    RECT rect{};
    ::GetWindowRect(page_.Item(id), &rect);
    EXPECT_EQ(rect.right - rect.left, S(376, dpi_)) << id;
    EXPECT_EQ(rect.bottom - rect.top, S(235, dpi_)) << id;
  }
  EXPECT_EQ(page_.guideSizes().gap, S(20, dpi_));
}

TEST_F(EasyPageDpi, PicturesHaveTheirSizeAtTheDpi) {
  struct Case {
    int control;
    int width, height;
  };
  const Case cases[] = {
      {IDC_EASY_GAPS_PICTURE, 81, 109}, {IDC_EASY_MARKS_PICTURE, 81, 109}, {IDC_EASY_CONTINUOUS_PICTURE, 80, 109}};
  for (const Case& c : cases) {
    const auto image = reinterpret_cast<HBITMAP>(::SendMessageW(page_.Item(c.control), STM_GETIMAGE, IMAGE_BITMAP, 0));
    const SIZE size = ui::BitmapSize(image);
    EXPECT_EQ(size.cx, S(c.width, dpi_)) << c.control;
    EXPECT_EQ(size.cy, S(c.height, dpi_)) << c.control;
    RECT rect{};
    ::GetWindowRect(page_.Item(c.control), &rect);
    EXPECT_EQ(rect.bottom - rect.top, S(c.height, dpi_)) << c.control;
  }
}

// The Print page's printouts, nearly as tall as the page, end inside it at
// every DPI: each at its size at the DPI, or made smaller to the height left
// below its slot (or to the width before the next), its aspect kept; and the
// page paints them there, down to their last rows and no further.
TEST_F(PrintPageDpi, ThePicturesFitInsideThePageWithTheirAspectKept) {
  RECT client{};
  ::GetClientRect(page_.hwnd(), &client);
  ASSERT_GE(client.bottom, S(kPageHeight, dpi_) - 1);
  constexpr std::uint32_t kGround = 0x00010203;
  for (int model : {0, 1}) {
    page_.ApplyModel(ModelAt(model), Language::Japanese);
    ui::Pixels ground{client.right, client.bottom, {}};
    ground.data.assign(static_cast<size_t>(client.right) * static_cast<size_t>(client.bottom), kGround);
    const ScopedGdiObject canvas = ui::MakeBitmap(ground);
    {
      const ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
      const ui::SelectedObject selected(dc.get(), canvas.get());
      ASSERT_TRUE(selected.ok());
      page_.PaintPictures(dc.get());
    }
    const ui::Pixels painted = ui::ReadPixels(static_cast<HBITMAP>(canvas.get()));
    ASSERT_EQ(painted.width, client.right);
    const auto at = [&](int x, int y) { return painted.data[static_cast<size_t>(y) * painted.width + x]; };
    RECT previous{};
    for (int slot : {IDC_PRINT_SELF_TEST_SLOT, IDC_PRINT_SAMPLE_SLOT}) {
      SCOPED_TRACE(::testing::Message() << "model " << model << " slot " << slot << " at " << dpi_ << " dpi");
      const RECT rect = page_.PictureRect(slot);
      const RECT slotRect = ui::RectInParent(page_.Item(slot), page_.hwnd());
      const int width = rect.right - rect.left;
      const int height = rect.bottom - rect.top;
      EXPECT_EQ(rect.left, slotRect.left);
      EXPECT_EQ(rect.top, slotRect.top);
      EXPECT_GE(rect.left, 0);
      EXPECT_GE(rect.top, 0);
      EXPECT_LE(rect.right, client.right);
      EXPECT_LE(rect.bottom, client.bottom);
      EXPECT_LE(rect.right - 1, rect.left + S(282, dpi_));
      EXPECT_LE(height, S(431, dpi_));
      EXPECT_GE(rect.left, previous.right);  // beside each other, not over
      // As large as the room allows: its own size, or the full height left
      // (or width, where that is scarcer).
      const LONG rightLimit = slot == IDC_PRINT_SELF_TEST_SLOT
                                  ? ui::RectInParent(page_.Item(IDC_PRINT_SAMPLE_SLOT), page_.hwnd()).left
                                  : client.right;
      EXPECT_TRUE(height == S(431, dpi_) || rect.bottom == client.bottom || rect.right >= rightLimit - 1) << height;
      // The aspect of 282 x 431, to the pixel.
      EXPECT_NEAR(width, height * 282.0 / 431.0, 1.0);
      // The transparent red stays exact at the fitted size: where the
      // picture is transparent the page's ground shows, never a reddish
      // fringe.
      int reddish = 0;
      for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
          const std::uint32_t pixel = at(x, y);
          reddish += ((pixel >> 16) & 0xFF) > 160 && ((pixel >> 8) & 0xFF) < 120 && (pixel & 0xFF) < 120;
        }
      }
      EXPECT_EQ(reddish, 0);
      EXPECT_EQ(at(rect.left, rect.top), kGround);  // outside the drawing: transparent
      // Painted to its last rows (the printout's torn edge), nothing below.
      int lastRows = 0;
      for (int y = rect.bottom - S(12, dpi_); y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) lastRows += at(x, y) != kGround;
      }
      EXPECT_GT(lastRows, 0);
      for (int y = rect.bottom; y < client.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
          if (at(x, y) != kGround) {
            ADD_FAILURE() << "painted below the picture at " << x << "," << y;
            y = client.bottom;
            break;
          }
        }
      }
      previous = rect;
    }
  }
}

// Every picture for the test's DPI: its size scaled, and the transparent red
// kept exact: a pixel is the red or clearly not red, and the red stays where
// the drawing had it.
TEST(PicturesAtDpi, EveryPictureHasItsSizeAndAnExactTransparentRed) {
  BecomeDpiAware();
  const int dpi = ExpectedDpi();
  struct Case {
    int id;
    int width, height;
    bool keyed;
  };
  const Case cases[] = {{103, 81, 109, false},  {104, 81, 109, false},  {106, 80, 109, false},  {250, 376, 235, false},
                        {251, 376, 235, false}, {252, 376, 235, false}, {253, 376, 235, false}, {254, 376, 235, false},
                        {256, 140, 120, true},  {257, 140, 120, true},  {258, 140, 120, true},  {266, 376, 235, false},
                        {267, 376, 235, false}, {268, 376, 235, false}, {272, 282, 431, true},  {273, 282, 431, true},
                        {274, 282, 431, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const ScopedGdiObject picture = ui::LoadPictureForDpi(nullptr, c.id, dpi);
    const ui::Pixels pixels = ui::ReadPixels(static_cast<HBITMAP>(picture.get()));
    ASSERT_EQ(pixels.width, S(c.width, dpi));
    ASSERT_EQ(pixels.height, S(c.height, dpi));
    ASSERT_FALSE(pixels.data.empty());
    int red = 0;
    for (std::uint32_t pixel : pixels.data) {
      const int r = static_cast<int>(pixel >> 16) & 0xFF, g = static_cast<int>(pixel >> 8) & 0xFF,
                b = static_cast<int>(pixel) & 0xFF;
      if (pixel == 0x00FF0000) {
        ++red;
      } else {
        EXPECT_FALSE(r > 160 && g < 120 && b < 120) << std::hex << pixel;
      }
    }
    if (c.keyed) {
      EXPECT_GT(red, 0);
      // Where the drawing at 100 % is transparent, so is the picture here
      // (its top-left corner is outside every drawing).
      EXPECT_EQ(pixels.data.front(), 0x00FF0000u);
    } else {
      EXPECT_EQ(red, 0);
    }
    if (dpi == ui::kBaseDpi) {
      // At 96 dpi the picture is the drawn one, pixel for pixel.
      const ScopedGdiObject drawn = ui::LoadBitmapResource(nullptr, c.id);
      EXPECT_EQ(ui::ReadPixels(static_cast<HBITMAP>(drawn.get())).data, pixels.data);
    }
  }
}

}  // namespace
}  // namespace vostrel::testing

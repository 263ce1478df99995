// Resampling a picture for another DPI: an area-weighted average in which
// the transparent red is never blended into a colour, nor a colour into it.
#include "ui/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vostrel::testing {
namespace {

constexpr std::uint32_t kKey = 0x00FF0000;

ui::Pixels Make(int width, int height, std::vector<std::uint32_t> data) { return {width, height, std::move(data)}; }

TEST(ResamplePixels, AveragesTheAreaEachPixelCovers) {
  // 4 x 1 to 2 x 1: each pixel the mean of two.
  const ui::Pixels half = ui::ResamplePixels(Make(4, 1, {0x000000, 0x646464, 0xC8C8C8, 0xFFFFFF}), 2, 1);
  EXPECT_EQ(half.data, (std::vector<std::uint32_t>{0x323232, 0xE4E4E4}));
  // 3 x 1 to 2 x 1: the middle pixel counts half for each.
  const ui::Pixels twoThirds = ui::ResamplePixels(Make(3, 1, {0x000000, 0x000030, 0x000060}), 2, 1);
  EXPECT_EQ(twoThirds.data, (std::vector<std::uint32_t>{0x000010, 0x000050}));
  // The same size: the same pixels.
  const ui::Pixels same = ui::ResamplePixels(Make(2, 2, {1, 2, 3, kKey}), 2, 2);
  EXPECT_EQ(same.data, (std::vector<std::uint32_t>{1, 2, 3, kKey}));
}

TEST(ResamplePixels, TheTransparentRedStaysExact) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> source;  // 2 x 2 to 1 x 1
    std::uint32_t expected;
  };
  const Case cases[] = {
      // Mostly key: key, not a pinkish blend.
      {"three of four red", {kKey, kKey, kKey, 0x202020}, kKey},
      // Mostly colour: the colours alone, the red left out of the average.
      {"one of four red", {kKey, 0x202020, 0x404040, 0x606060}, 0x404040},
      {"half and half", {kKey, kKey, 0x101010, 0x303030}, kKey},
      // Near-red colours whose mean rounds onto the key stay one step off it.
      {"colours that round to the key", {0xFE0000, 0xFE0000, 0xFF0100, 0xFF0001}, 0xFF0001},
  };
  for (const Case& c : cases) {
    const ui::Pixels out = ui::ResamplePixels(Make(2, 2, c.source), 1, 1);
    ASSERT_EQ(out.data.size(), 1u) << c.what;
    EXPECT_EQ(out.data[0], c.expected) << c.what;
  }
  // Scaled down by 1.25 (150 % drawn, 120 dpi wanted): every pixel is
  // either the key or one of the source's non-red colours' blends.
  std::vector<std::uint32_t> stripes;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) stripes.push_back(x % 2 ? kKey : 0x0000FF);
  }
  const ui::Pixels out = ui::ResamplePixels(Make(5, 5, stripes), 4, 4);
  for (std::uint32_t pixel : out.data) EXPECT_TRUE(pixel == kKey || (pixel >> 16) == 0) << std::hex << pixel;
}

}  // namespace
}  // namespace vostrel::testing

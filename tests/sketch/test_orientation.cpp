// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sketch/Orientation.h"

using sketch::fixOrientation;
using sketch::PixelBuffer;

namespace {

// Every pixel a distinct word: the index and a tag.
PixelBuffer numbered(int w, int h) {
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (std::size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = 0xAB000000u | std::uint32_t(i);
  return b;
}

}  // namespace

TEST(Orientation, UpAndUnknownValuesReturnTheSameBufferAndTinyRastersSurvive) {
  for (int value : {0, 8, -1, 100}) {
    PixelBuffer b = numbered(5, 3);
    const std::uint32_t* memory = b.pixels.data();
    const PixelBuffer out = fixOrientation(std::move(b), value);
    EXPECT_EQ(out.pixels.data(), memory) << value;  // moved, not copied
    EXPECT_EQ(out.pixels, numbered(5, 3).pixels);
    EXPECT_EQ(std::pair(out.width, out.height), std::pair(5, 3));
  }
  const PixelBuffer one = numbered(1, 1);
  for (int value = 1; value <= 7; ++value) EXPECT_EQ(fixOrientation(one, value).pixels, one.pixels);
  EXPECT_TRUE(fixOrientation(PixelBuffer{}, 3).empty());
}

TEST(Orientation, EveryPixelLandsWhereEachValueSays) {
  // Where the corners a (top-left), b (top-right), c (bottom-left) of a stored 3 x 2 raster land.
  const struct Expect { int value, w, h, ax, ay, bx, by, cx, cy; } table[] = {
      {1, 3, 2, 2, 1, 0, 1, 2, 0},  // half turn
      {2, 2, 3, 0, 2, 0, 0, 1, 2},  // counter-clockwise: top-left goes to bottom-left
      {3, 2, 3, 1, 0, 1, 2, 0, 0},  // clockwise: top-left to top-right, bottom row to left column
      {4, 3, 2, 2, 0, 0, 0, 2, 1},  // left-right mirror
      {5, 3, 2, 0, 1, 2, 1, 0, 0},  // top-bottom mirror
      {6, 2, 3, 0, 0, 0, 2, 1, 0},  // transpose
      {7, 2, 3, 1, 2, 1, 0, 0, 2},  // anti-diagonal mirror
  };
  // The 3 x 2 raster itself, then one larger than a tile with odd sizes: unit steps from a's corner.
  for (const PixelBuffer& in : {numbered(3, 2), numbered(131, 77)})
    for (const Expect& e : table) {
      SCOPED_TRACE(testing::Message() << "value " << e.value << " width " << in.width);
      const PixelBuffer out = fixOrientation(in, e.value);
      ASSERT_EQ(std::pair(out.width, out.height),
                e.w == 3 ? std::pair(in.width, in.height) : std::pair(in.height, in.width));
      const int xx = (e.bx - e.ax) / 2, xy = (e.by - e.ay) / 2, yx = e.cx - e.ax, yy = e.cy - e.ay;
      const int ox = e.ax ? out.width - 1 : 0, oy = e.ay ? out.height - 1 : 0;
      for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < in.width; ++x)
          ASSERT_EQ(out.at(ox + x * xx + y * yx, oy + x * xy + y * yy), in.at(x, y)) << x << "," << y;
    }
}

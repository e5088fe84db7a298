#include <gtest/gtest.h>

#include <algorithm>

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

TEST(Orientation, UpAndUnknownValuesReturnTheSameBuffer) {
  for (int value : {0, 8, -1, 100}) {
    PixelBuffer b = numbered(5, 3);
    const std::uint32_t* memory = b.pixels.data();
    const std::vector<std::uint32_t> before = b.pixels;
    PixelBuffer out = fixOrientation(std::move(b), value);
    EXPECT_EQ(out.pixels.data(), memory) << value;  // moved, not copied
    EXPECT_EQ(out.pixels, before);
    EXPECT_EQ(out.width, 5);
    EXPECT_EQ(out.height, 3);
  }
}

TEST(Orientation, CornersLandWhereEachValueSays) {
  // Stored 3 x 2 raster with corners a (top-left), b (top-right), c (bottom-left).
  const PixelBuffer src = numbered(3, 2);
  const std::uint32_t a = src.at(0, 0), b = src.at(2, 0), c = src.at(0, 1);
  const struct Expect {
    int value, w, h;
    int ax, ay, bx, by, cx, cy;
  } table[] = {
      {1, 3, 2, 2, 1, 0, 1, 2, 0},  // half turn
      {2, 2, 3, 0, 2, 0, 0, 1, 2},  // counter-clockwise: top-left goes to bottom-left
      {3, 2, 3, 1, 0, 1, 2, 0, 0},  // clockwise: top-left to top-right, bottom row to left column
      {4, 3, 2, 2, 0, 0, 0, 2, 1},  // left-right mirror
      {5, 3, 2, 0, 1, 2, 1, 0, 0},  // top-bottom mirror
      {6, 2, 3, 0, 0, 0, 2, 1, 0},  // transpose
      {7, 2, 3, 1, 2, 1, 0, 0, 2},  // anti-diagonal mirror
  };
  for (const Expect& e : table) {
    SCOPED_TRACE(e.value);
    PixelBuffer out = fixOrientation(src, e.value);
    ASSERT_EQ(out.width, e.w);
    ASSERT_EQ(out.height, e.h);
    EXPECT_EQ(out.at(e.ax, e.ay), a);
    EXPECT_EQ(out.at(e.bx, e.by), b);
    EXPECT_EQ(out.at(e.cx, e.cy), c);
  }
}

TEST(Orientation, EveryPixelMovesOnceAndTurnsCompose) {
  // Larger than one tile, odd sizes: every word appears exactly once.
  const PixelBuffer src = numbered(131, 77);
  for (int value = 1; value <= 7; ++value) {
    std::vector<std::uint32_t> sorted = fixOrientation(src, value).pixels;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, src.pixels) << value;
  }
  // Mirrors and the half turn undo themselves; a left turn undoes a right turn.
  for (int value : {1, 4, 5, 6, 7})
    EXPECT_EQ(fixOrientation(fixOrientation(src, value), value).pixels, src.pixels);
  EXPECT_EQ(fixOrientation(fixOrientation(src, 2), 3).pixels, src.pixels);
  EXPECT_EQ(fixOrientation(fixOrientation(src, 3), 2).pixels, src.pixels);
  // Two clockwise quarter turns are a half turn.
  EXPECT_EQ(fixOrientation(fixOrientation(src, 3), 3).pixels, fixOrientation(src, 1).pixels);
}

TEST(Orientation, SinglePixelAndEmptyRasters) {
  PixelBuffer one = numbered(1, 1);
  for (int value = 1; value <= 7; ++value) EXPECT_EQ(fixOrientation(one, value).pixels, one.pixels);
  EXPECT_TRUE(fixOrientation(PixelBuffer{}, 3).empty());
}

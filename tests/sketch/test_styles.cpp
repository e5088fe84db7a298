#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "sketch/Styles.h"

using sketch::GrayPlane;
using sketch::makePixel;
using sketch::PixelBuffer;

namespace {

PixelBuffer greyRaster(int w, int h, std::uint32_t seed, int lo = 0, int hi = 255) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> value(lo, hi);
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& word : b.pixels) word = std::uint32_t(value(rng));
  return b;
}

// Only 0 and 255: drives every clamp to its ends.
PixelBuffer harshRaster(int w, int h, std::uint32_t seed) {
  std::mt19937 rng(seed);
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& word : b.pixels) word = (rng() & 1) ? 255u : 0u;
  return b;
}

PixelBuffer uniformRaster(int w, int h, std::uint32_t value) {
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  std::fill(b.pixels.begin(), b.pixels.end(), value);
  return b;
}

GrayPlane run(int style, const PixelBuffer& grey) {
  GrayPlane plane;
  EXPECT_TRUE(sketch::stylePass(style, grey, plane));
  return plane;
}

}  // namespace

TEST(GreyConversion, WeightsAndTruncation) {
  PixelBuffer b = *PixelBuffer::allocate(6, 1);
  b.pixels = {makePixel(255, 10, 20, 30), makePixel(255, 255, 255, 255), makePixel(255, 255, 0, 0),
              makePixel(255, 0, 255, 0),  makePixel(255, 0, 0, 255),     makePixel(0, 10, 20, 30)};
  sketch::grayConvert(b);
  EXPECT_EQ(b.pixels, (std::vector<std::uint32_t>{18, 255, 76, 153, 25, 18}));
}

TEST(GreyConversion, MatchesTheFormulaOnLargeRandomPhotos) {
  // Large enough to be split over threads; odd width.
  std::mt19937 rng(7);
  PixelBuffer b = *PixelBuffer::allocate(301, 257);
  for (auto& word : b.pixels) word = rng();
  const PixelBuffer before = b;
  sketch::grayConvert(b);
  for (std::size_t i = 0; i < b.pixels.size(); ++i) {
    const std::uint32_t w = before.pixels[i];
    const std::uint32_t expect = (3 * ((w >> 8) & 0xFF) + 6 * ((w >> 16) & 0xFF) + (w >> 24)) / 10;
    ASSERT_EQ(b.pixels[i], expect) << i;
  }
}

TEST(PixelWord, OpaqueRedIsBytesFFFF0000) {
  const std::uint32_t red = makePixel(255, 255, 0, 0);
  EXPECT_EQ(red, 0x0000FFFFu);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&red);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
  EXPECT_EQ(bytes[2], 0x00);
  EXPECT_EQ(bytes[3], 0x00);
  EXPECT_EQ(sketch::greyOf(red), 76);
}

TEST(Relief, IntegerFormEqualsTheDoubleFormForEveryInput) {
  int mismatches = 0;
  for (int c = 0; c < 256; ++c)
    for (int r = 0; r < 256; ++r)
      for (int d = 0; d < 256; ++d) {
        const double sum = double(c - 128) * 0.5 + 128.0 + double(4 * (r + d - 2 * c));
        int v = int(sum);
        v = v < 0 ? 0 : (v > 255 ? 255 : v);
        if (sketch::reliefValue(c, r, d) != v) ++mismatches;
      }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(sketch::reliefValue(0, 0, 0), 64);
  EXPECT_EQ(sketch::reliefValue(255, 255, 255), 191);
  EXPECT_EQ(sketch::reliefValue(255, 0, 0), 0);
  EXPECT_EQ(sketch::reliefValue(0, 255, 255), 255);
}

TEST(StylePass, FastPathEqualsTheLiteralSum) {
  const std::pair<int, int> sizes[] = {{1, 1},  {1, 9},   {9, 1},   {2, 2},   {3, 3},     {4, 4},    {4, 11},
                                       {5, 5},  {5, 4},   {4, 5},   {6, 5},   {7, 7},     {15, 6},   {17, 13},
                                       {31, 9}, {33, 33}, {65, 10}, {97, 23}, {301, 257}, {258, 300}};
  std::uint32_t seed = 1;
  for (auto [w, h] : sizes) {
    for (int style = 1; style <= 7; ++style) {
      for (int kind = 0; kind < 3; ++kind) {
        const PixelBuffer grey = kind == 0   ? greyRaster(w, h, ++seed)
                                 : kind == 1 ? harshRaster(w, h, ++seed)
                                             : greyRaster(w, h, ++seed, 100, 140);
        GrayPlane fast, literal;
        ASSERT_TRUE(sketch::stylePass(style, grey, fast));
        ASSERT_TRUE(sketch::stylePassLiteral(style, grey, literal));
        ASSERT_EQ(fast.width, w);
        ASSERT_EQ(fast.height, h);
        ASSERT_EQ(fast.data, literal.data)
            << "style " << style << " size " << w << " x " << h << " kind " << kind;
      }
    }
  }
}

TEST(StylePass, UniformGreyInterior) {
  for (std::uint32_t c : {0u, 1u, 77u, 128u, 200u, 255u}) {
    const PixelBuffer grey = uniformRaster(9, 8, c);
    const int expect[8] = {0, int(c), int(c), 255, 0, int((c + 128) / 2), 128, 128};
    for (int style = 1; style <= 7; ++style) {
      const GrayPlane plane = run(style, grey);
      // Every pixel, frame included: the frame repeats the interior.
      for (std::uint8_t v : plane.data) ASSERT_EQ(v, expect[style]) << "style " << style << " c " << c;
    }
  }
}

TEST(StylePass, SingleWhitePixelInBlack) {
  PixelBuffer grey = uniformRaster(9, 9, 0);
  grey.at(4, 4) = 255;
  const GrayPlane s2 = run(2, grey), s3 = run(3, grey), s4 = run(4, grey);
  EXPECT_EQ(s2.at(4, 4), 255);
  EXPECT_EQ(s3.at(4, 4), 0);
  EXPECT_EQ(s4.at(4, 4), 255);
  for (int y = 2; y <= 6; ++y)
    for (int x = 2; x <= 6; ++x) {
      if (x == 4 && y == 4) continue;
      EXPECT_EQ(s4.at(x, y), 0) << x << "," << y;    // 25*0 - 255 clamps to 0
      EXPECT_EQ(s3.at(x, y), 255) << x << "," << y;  // 255 - 0
      EXPECT_EQ(s2.at(x, y), 0) << x << "," << y;
    }
}

TEST(StylePass, FourPixelWidePhoto) {
  const PixelBuffer grey = greyRaster(4, 6, 99);
  for (int style = 1; style <= 5; ++style) {
    const GrayPlane plane = run(style, grey);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(plane.at(x, y), grey.at(x, y)) << "no interior, style " << style;
  }
  for (int style : {6, 7}) {
    const GrayPlane plane = run(style, grey);
    const int sign = style == 6 ? -1 : 1;
    for (int y = 1; y <= 4; ++y)
      for (int x = 1; x <= 2; ++x) {
        const int c = int(grey.at(x, y)), r = int(grey.at(x + 1, y)), q = int(grey.at(x + 1, y + 1));
        EXPECT_EQ(plane.at(x, y), std::clamp(128 + sign * 2 * (2 * c - r - q), 0, 255));
      }
    for (int y = 0; y < 6; ++y) {
      const int yc = std::clamp(y, 1, 4);
      EXPECT_EQ(plane.at(0, y), plane.at(1, yc));
      EXPECT_EQ(plane.at(3, y), plane.at(2, yc));
      EXPECT_EQ(plane.at(1, y), plane.at(1, yc));
    }
  }
}

TEST(StylePass, FrameRepeatsTheNearestInteriorValue) {
  const PixelBuffer grey = greyRaster(9, 8, 5);
  const GrayPlane plane = run(4, grey);
  EXPECT_EQ(plane.at(0, 0), plane.at(2, 2));
  EXPECT_EQ(plane.at(1, 1), plane.at(2, 2));
  EXPECT_EQ(plane.at(8, 7), plane.at(6, 5));
  EXPECT_EQ(plane.at(0, 4), plane.at(2, 4));
  EXPECT_EQ(plane.at(5, 0), plane.at(5, 2));
  EXPECT_EQ(plane.at(7, 6), plane.at(6, 5));
  // And the interior holds the style's own value.
  int s = 0;
  for (int j = -2; j <= 2; ++j)
    for (int i = -2; i <= 2; ++i) s += int(grey.at(3 + i, 3 + j));
  EXPECT_EQ(plane.at(3, 3), std::clamp(25 * int(grey.at(3, 3)) - s, 0, 255));
}

TEST(StylePass, BadStyleOrRasterLeavesThePlane) {
  GrayPlane plane;
  plane.width = 2;
  plane.height = 1;
  plane.data = {9, 8};
  const PixelBuffer grey = greyRaster(6, 6, 3);
  for (int style : {0, 8, -1}) {
    EXPECT_FALSE(sketch::stylePass(style, grey, plane));
    EXPECT_FALSE(sketch::stylePassLiteral(style, grey, plane));
  }
  EXPECT_FALSE(sketch::stylePass(2, PixelBuffer{}, plane));
  PixelBuffer broken = grey;
  broken.pixels.pop_back();
  EXPECT_FALSE(sketch::stylePass(2, broken, plane));
  EXPECT_EQ(plane.width, 2);
  EXPECT_EQ(plane.data, (std::vector<std::uint8_t>{9, 8}));
}

TEST(TextureBlend, ScreenScaledBy256) {
  GrayPlane plane;
  plane.width = 4;
  plane.height = 2;
  plane.data = {0, 128, 255, 255, 100, 0, 128, 255};
  PixelBuffer texture = *PixelBuffer::allocate(4, 2);
  // Only the blue byte counts: the other channels hold noise.
  const int t[8] = {0, 0, 0, 255, 10, 255, 255, 1};
  for (int i = 0; i < 8; ++i)
    texture.pixels[std::size_t(i)] = makePixel(0x12, 0xEE, 0x77, std::uint8_t(t[i]));
  PixelBuffer result;
  sketch::textureBlend(plane, texture, result);
  ASSERT_EQ(result.width, 4);
  ASSERT_EQ(result.height, 2);
  const int expect[8] = {0, 127, 254, 254, (2550 + 245 * 100) / 256, 254, 254, (255 + 254 * 255) / 256};
  for (int i = 0; i < 8; ++i) {
    const auto v = std::uint8_t(expect[i]);
    EXPECT_EQ(result.pixels[std::size_t(i)], makePixel(255, v, v, v)) << i;
  }
}

TEST(TextureBlend, FullTextureGives254Everywhere) {
  GrayPlane plane;
  plane.width = 300;
  plane.height = 260;
  std::mt19937 rng(11);
  plane.data.resize(300 * 260);
  for (auto& v : plane.data) v = std::uint8_t(rng());
  const PixelBuffer texture = uniformRaster(300, 260, makePixel(255, 255, 255, 255));
  PixelBuffer result;
  sketch::textureBlend(plane, texture, result);
  ASSERT_EQ(result.pixels.size(), plane.data.size());
  for (std::uint32_t word : result.pixels) ASSERT_EQ(word, 0xFEFEFEFFu);
}

TEST(TextureBlend, MismatchedTextureGivesNoResult) {
  GrayPlane plane;
  plane.width = 3;
  plane.height = 3;
  plane.data.assign(9, 7);
  PixelBuffer result = uniformRaster(2, 2, 1);
  sketch::textureBlend(plane, uniformRaster(3, 2, 0), result);
  EXPECT_TRUE(result.empty());
  EXPECT_EQ(result.width, 0);
}

TEST(StylePass, ConcurrentCallersGetTheSameResults) {
  // Large enough to share rows with the helper thread; four callers contend.
  const PixelBuffer grey = greyRaster(400, 300, 77);
  GrayPlane expect[8];
  for (int style = 1; style <= 7; ++style) ASSERT_TRUE(sketch::stylePassLiteral(style, grey, expect[style]));
  std::vector<std::thread> callers;
  std::atomic<int> mismatches{0};
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&, t] {
      for (int round = 0; round < 10; ++round) {
        const int style = 1 + (t + round) % 7;
        GrayPlane plane;
        if (!sketch::stylePass(style, grey, plane) || plane.data != expect[style].data) ++mismatches;
      }
    });
  for (auto& caller : callers) caller.join();
  EXPECT_EQ(mismatches.load(), 0);
}

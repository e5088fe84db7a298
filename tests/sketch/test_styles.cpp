#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <random>
#include <thread>

#include "sketch/Styles.h"

using sketch::GrayPlane;
using sketch::makePixel;
using sketch::PixelBuffer;

namespace {

// Grey words drawn from lo..hi, each times `scale` (0..1 times 255 drives every clamp to its ends).
PixelBuffer greyRaster(int w, int h, std::uint32_t seed, int lo = 0, int hi = 255, std::uint32_t scale = 1) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> value(lo, hi);
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& word : b.pixels) word = std::uint32_t(value(rng)) * scale;
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

TEST(GreyConversion, WeightsAndTruncationOnLargeRandomPhotos) {
  // Large enough to be split over threads; odd width; the first words are fixed examples.
  std::mt19937 rng(7);
  PixelBuffer b = *PixelBuffer::allocate(301, 257);
  for (auto& word : b.pixels) word = rng();
  const std::uint32_t examples[] = {makePixel(255, 10, 20, 30), makePixel(255, 255, 255, 255),
                                    makePixel(255, 255, 0, 0),  makePixel(255, 0, 255, 0),
                                    makePixel(255, 0, 0, 255),  makePixel(0, 10, 20, 30)};
  std::copy(std::begin(examples), std::end(examples), b.pixels.begin());
  const PixelBuffer before = b;
  sketch::grayConvert(b);
  EXPECT_EQ(std::vector<std::uint32_t>(b.pixels.begin(), b.pixels.begin() + 6),
            (std::vector<std::uint32_t>{18, 255, 76, 153, 25, 18}));
  for (std::size_t i = 0; i < b.pixels.size(); ++i) {
    const std::uint32_t w = before.pixels[i];
    ASSERT_EQ(b.pixels[i], (3 * ((w >> 8) & 0xFF) + 6 * ((w >> 16) & 0xFF) + (w >> 24)) / 10) << i;
  }
}

TEST(Relief, IntegerFormEqualsTheDoubleFormForEveryInput) {
  int mismatches = 0;
  for (int c = 0; c < 256; ++c)
    for (int r = 0; r < 256; ++r)
      for (int d = 0; d < 256; ++d) {
        const double sum = double(c - 128) * 0.5 + 128.0 + double(4 * (r + d - 2 * c));
        if (sketch::reliefValue(c, r, d) != std::clamp(int(sum), 0, 255)) ++mismatches;
      }
  EXPECT_EQ(mismatches, 0);
  for (auto [c, r, d, v] : {std::array{0, 0, 0, 64}, {255, 255, 255, 191}, {255, 0, 0, 0}, {0, 255, 255, 255}})
    EXPECT_EQ(sketch::reliefValue(c, r, d), v) << c << " " << r << " " << d;
}

TEST(StylePass, FastPathEqualsTheLiteralSum) {
  const std::pair<int, int> sizes[] = {{1, 1}, {1, 9},   {9, 1},   {2, 2},   {3, 3},   {4, 4},     {4, 11},
                                       {5, 5}, {5, 4},   {4, 5},   {6, 5},   {7, 7},   {15, 6},    {17, 13},
                                       {31, 9}, {33, 33}, {65, 10}, {97, 23}, {301, 257}, {258, 300}};
  std::uint32_t seed = 1;
  for (auto [w, h] : sizes) {
    for (int style = 1; style <= 7; ++style) {
      for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(testing::Message() << "style " << style << " size " << w << " x " << h << " kind " << kind);
        const PixelBuffer grey = kind == 0   ? greyRaster(w, h, ++seed)
                                 : kind == 1 ? greyRaster(w, h, ++seed, 0, 1, 255)
                                             : greyRaster(w, h, ++seed, 100, 140);
        GrayPlane fast, literal;
        ASSERT_TRUE(sketch::stylePass(style, grey, fast));
        ASSERT_TRUE(sketch::stylePassLiteral(style, grey, literal));
        ASSERT_EQ(fast.width, w);
        ASSERT_EQ(fast.height, h);
        ASSERT_EQ(fast.data, literal.data);
      }
    }
  }
}

TEST(StylePass, UniformGreyEverywhereFrameIncluded) {
  for (std::uint32_t c : {0u, 1u, 77u, 128u, 200u, 255u}) {
    const int expect[8] = {0, int(c), int(c), 255, 0, int((c + 128) / 2), 128, 128};
    for (int style = 1; style <= 7; ++style)
      for (std::uint8_t v : run(style, uniformRaster(9, 8, c)).data)
        ASSERT_EQ(v, expect[style]) << "style " << style << " c " << c;
  }
}

TEST(StylePass, SingleWhitePixelInBlack) {
  PixelBuffer grey = uniformRaster(9, 9, 0);
  grey.at(4, 4) = 255;
  const GrayPlane s2 = run(2, grey), s3 = run(3, grey), s4 = run(4, grey);
  for (int y = 2; y <= 6; ++y)
    for (int x = 2; x <= 6; ++x) {
      const bool centre = x == 4 && y == 4;  // around it: 25*0 - 255 clamps to 0; 255 - 0
      EXPECT_EQ(s2.at(x, y), centre ? 255 : 0) << x << "," << y;
      EXPECT_EQ(s3.at(x, y), centre ? 0 : 255) << x << "," << y;
      EXPECT_EQ(s4.at(x, y), centre ? 255 : 0) << x << "," << y;
    }
}

TEST(StylePass, FourPixelWidePhoto) {
  const PixelBuffer grey = greyRaster(4, 6, 99);
  for (int style = 1; style <= 5; ++style) {  // no interior: the grey itself
    const GrayPlane plane = run(style, grey);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(plane.at(x, y), grey.at(x, y)) << "style " << style;
  }
  for (int style : {6, 7}) {
    const GrayPlane plane = run(style, grey);
    const int sign = style == 6 ? -1 : 1;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 4; ++x) {  // the frame repeats the nearest interior value
        const int xc = std::clamp(x, 1, 2), yc = std::clamp(y, 1, 4);
        const int c = int(grey.at(xc, yc)), r = int(grey.at(xc + 1, yc)), q = int(grey.at(xc + 1, yc + 1));
        EXPECT_EQ(plane.at(x, y), std::clamp(128 + sign * 2 * (2 * c - r - q), 0, 255)) << style;
      }
  }
}

TEST(StylePass, FrameRepeatsTheNearestInteriorValue) {
  const PixelBuffer grey = greyRaster(9, 8, 5);
  const GrayPlane plane = run(4, grey);
  for (auto [x, y, ix, iy] : {std::array{0, 0, 2, 2}, {1, 1, 2, 2}, {8, 7, 6, 5}, {0, 4, 2, 4}, {5, 0, 5, 2},
                              {7, 6, 6, 5}})
    EXPECT_EQ(plane.at(x, y), plane.at(ix, iy)) << x << "," << y;
  // And the interior holds the style's own value.
  int s = 0;
  for (int j = -2; j <= 2; ++j)
    for (int i = -2; i <= 2; ++i) s += int(grey.at(3 + i, 3 + j));
  EXPECT_EQ(plane.at(3, 3), std::clamp(25 * int(grey.at(3, 3)) - s, 0, 255));
}

TEST(StylePass, BadStyleOrRasterLeavesThePlane) {
  GrayPlane plane{2, 1, {9, 8}};
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
  GrayPlane plane{4, 2, {0, 128, 255, 255, 100, 0, 128, 255}};
  PixelBuffer texture = *PixelBuffer::allocate(4, 2);
  // Only the blue byte counts: the other channels hold noise.
  const int t[8] = {0, 0, 0, 255, 10, 255, 255, 1};
  for (int i = 0; i < 8; ++i) texture.pixels[std::size_t(i)] = makePixel(0x12, 0xEE, 0x77, std::uint8_t(t[i]));
  PixelBuffer result;
  sketch::textureBlend(plane, texture, result);
  ASSERT_EQ(result.width, 4);
  ASSERT_EQ(result.height, 2);
  std::vector<std::uint32_t> expect;
  for (int v : {0, 127, 254, 254, (2550 + 245 * 100) / 256, 254, 254, (255 + 254 * 255) / 256})
    expect.push_back(makePixel(255, std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)));
  EXPECT_EQ(result.pixels, expect);
}

TEST(TextureBlend, FullTextureGives254EverywhereAndAMismatchNothing) {
  GrayPlane plane{300, 260, std::vector<std::uint8_t>(300 * 260)};
  std::mt19937 rng(11);
  for (auto& v : plane.data) v = std::uint8_t(rng());
  PixelBuffer result;
  sketch::textureBlend(plane, uniformRaster(300, 260, makePixel(255, 255, 255, 255)), result);
  ASSERT_EQ(result.pixels.size(), plane.data.size());
  for (std::uint32_t word : result.pixels) ASSERT_EQ(word, 0xFEFEFEFFu);

  sketch::textureBlend(plane, uniformRaster(300, 259, 0), result);
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

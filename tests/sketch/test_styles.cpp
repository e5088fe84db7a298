// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <random>
#include <thread>

#include "ReferenceStyles.h"
#include "sketch/Diagnostics.h"
#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

using sketch::GrayPlane;
using sketch::makePixel;
using sketch::PixelBuffer;

namespace {

// Random words in lo..hi, each times `scale` (0..1 times 255 drives every clamp to its ends).
PixelBuffer raster(int w, int h, std::uint32_t seed, std::uint32_t lo = 0, std::uint32_t hi = 255,
                   std::uint32_t scale = 1) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::uint32_t> value(lo, hi);
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& word : b.pixels) word = value(rng) * scale;
  return b;
}

GrayPlane run(int style, const PixelBuffer& grey) {
  GrayPlane plane;
  EXPECT_TRUE(sketch::stylePass(style, grey, plane));
  return plane;
}

}  // namespace

TEST(PixelBuffer, AllocatesClearedRowsWithoutPaddingAlphaFirstOrSaysMemoryNotAllocated) {
  auto b = PixelBuffer::allocate(3, 2);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->pixels, std::vector<std::uint32_t>(6, 0u));
  b->at(2, 1) = makePixel(1, 2, 3, 4);
  EXPECT_EQ(std::string(b->bytes() + 20, b->bytes() + 24), "\1\2\3\4");  // no padding, A R G B in memory
  EXPECT_EQ(makePixel(255, 255, 0, 0), 0x0000FFFFu);  // opaque red is the bytes FF FF 00 00, grey 76
  EXPECT_EQ(sketch::greyOf(makePixel(255, 255, 0, 0)), 76);
  for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {100000, 100000}, {2147483647, 2}}) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(PixelBuffer::allocate(w, h)) << w << " x " << h;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Memory not allocated!");
  }
  // A program may route the message elsewhere; the default comes back with nullptr.
  static std::vector<std::string> routed;
  const sketch::DiagnosticSink previous =
      sketch::setDiagnosticSink([](const char* m) { routed.push_back(m); });
  testing::internal::CaptureStderr();
  EXPECT_FALSE(PixelBuffer::allocate(-1, 1));
  sketch::setDiagnosticSink(previous);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(routed, std::vector<std::string>{"Memory not allocated!"});
}

TEST(GreyConversion, WeightsAndTruncationOnLargeRandomPhotos) {
  // Large enough to be split over threads; odd width; the first words are fixed examples.
  PixelBuffer b = raster(301, 257, 7, 0, 0xFFFFFFFFu);
  const std::vector<std::uint32_t> examples = {makePixel(255, 10, 20, 30), makePixel(255, 255, 255, 255),
                                               makePixel(255, 255, 0, 0),  makePixel(255, 0, 255, 0),
                                               makePixel(255, 0, 0, 255),  makePixel(0, 10, 20, 30)};
  std::copy(examples.begin(), examples.end(), b.pixels.begin());
  const PixelBuffer before = b;
  sketch::grayConvert(b);
  EXPECT_EQ(std::vector<std::uint32_t>(b.pixels.begin(), b.pixels.begin() + 6),
            (std::vector<std::uint32_t>{18, 255, 76, 153, 25, 18}));
  for (std::size_t i = 0; i < b.size(); ++i) ASSERT_EQ(b.pixels[i], sketch::greyOf(before.pixels[i])) << i;
}

TEST(Relief, IntegerFormEqualsTheDoubleFormForEveryInput) {
  int mismatches = 0;
  for (int c = 0; c < 256; ++c)
    for (int r = 0; r < 256; ++r)
      for (int d = 0; d < 256; ++d)
        mismatches += sketch::reliefValue(c, r, d) !=
                      std::clamp(int(double(c - 128) * 0.5 + 128.0 + double(4 * (r + d - 2 * c))), 0, 255);
  EXPECT_EQ(mismatches, 0);
}

TEST(StylePass, FastPathEqualsTheReferenceSum) {
  std::uint32_t seed = 1;
  for (auto [w, h] : {std::pair{1, 1}, {1, 9},   {9, 1},   {2, 2},   {3, 3},     {4, 4},    {4, 11},
                      {5, 5},          {5, 4},   {4, 5},   {6, 5},   {7, 7},     {15, 6},   {17, 13},
                      {31, 9},         {33, 33}, {65, 10}, {97, 23}, {301, 257}, {258, 300}})
    for (int style = 1; style <= 7; ++style)
      for (auto [lo, hi, scale] : {std::array<std::uint32_t, 3>{0, 255, 1}, {0, 1, 255}, {100, 140, 1}}) {
        SCOPED_TRACE(testing::Message() << "style " << style << " size " << w << " x " << h << " top " << hi);
        const PixelBuffer grey = raster(w, h, ++seed, lo, hi, scale);
        GrayPlane fast, slow;
        ASSERT_TRUE(sketch::stylePass(style, grey, fast));
        ASSERT_TRUE(reference::stylePassReference(style, grey, slow));
        ASSERT_EQ(std::tuple(fast.width, fast.height, fast.data), std::tuple(w, h, slow.data));
      }
}

TEST(StylePass, UniformGreyAndASingleWhitePixel) {
  for (std::uint32_t c : {0u, 1u, 77u, 128u, 200u, 255u}) {
    const int expect[8] = {0, int(c), int(c), 255, 0, int((c + 128) / 2), 128, 128};
    for (int style = 1; style <= 7; ++style)
      for (std::uint8_t v : run(style, PixelBuffer{9, 8, std::vector<std::uint32_t>(72, c)}).data)
        ASSERT_EQ(v, expect[style]) << "style " << style << " c " << c;  // frame included
  }
  PixelBuffer dot{9, 9, std::vector<std::uint32_t>(81, 0)};
  dot.at(4, 4) = 255;  // around it 25*0 - 255 clamps to 0: styles 2 and 4 give 0 there, style 3 255
  for (int style : {2, 3, 4})
    for (int i = 0; i < 25; ++i)  // the 5 x 5 around it
      EXPECT_EQ(run(style, dot).at(2 + i % 5, 2 + i / 5), (i == 12) == (style != 3) ? 255 : 0) << style;
}

TEST(TextureBlend, ScreenScaledBy256AndAMismatchGivesNothing) {
  GrayPlane plane{4, 2, {0, 128, 255, 255, 100, 0, 128, 255}};
  PixelBuffer texture = *PixelBuffer::allocate(4, 2), result;
  const std::uint8_t t[8] = {0, 0, 0, 255, 10, 255, 255, 1};  // only the blue byte counts: the rest is noise
  for (std::size_t i = 0; i < 8; ++i) texture.pixels[i] = makePixel(0x12, 0xEE, 0x77, t[i]);
  sketch::textureBlend(plane, texture, result);
  ASSERT_EQ(std::pair(result.width, result.height), std::pair(4, 2));
  const int v[8] = {0, 127, 254, 254, (2550 + 245 * 100) / 256, 254, 254, (255 + 254 * 255) / 256};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(result.pixels[std::size_t(i)], makePixel(255, v[i], v[i], v[i])) << i;
  plane = {300, 260, std::vector<std::uint8_t>(78000)};  // a full texture over it gives 254 everywhere
  for (std::size_t i = 0; i < plane.data.size(); ++i) plane.data[i] = std::uint8_t(i * 7919 >> 3);
  sketch::textureBlend(plane, PixelBuffer{300, 260, std::vector<std::uint32_t>(78000, 0xFFFFFFFFu)}, result);
  EXPECT_EQ(result.pixels, std::vector<std::uint32_t>(78000, 0xFEFEFEFFu));
  sketch::textureBlend(plane, raster(300, 259, 1), result);
  EXPECT_TRUE(result.empty());
  EXPECT_EQ(result.width, 0);
}

TEST(StylePass, ConcurrentCallersGetTheSameResults) {
  // Large enough to share rows with the helper thread; four callers contend.
  const PixelBuffer grey = raster(400, 300, 77);
  GrayPlane expect[8];
  for (int style = 1; style <= 7; ++style)
    ASSERT_TRUE(reference::stylePassReference(style, grey, expect[style]));
  std::atomic<int> mismatches{0};
  std::vector<std::thread> callers;
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&, t] {
      for (int round = 0, style = 1 + t; round < 10; ++round, style = 1 + (t + round) % 7) {
        GrayPlane plane;
        mismatches += !sketch::stylePass(style, grey, plane) || plane.data != expect[style].data;
      }
    });
  for (auto& caller : callers) caller.join();
  EXPECT_EQ(mismatches.load(), 0);
}

TEST(StylePipeline, EqualsTheStagesOneByOne) {
  for (auto [w, h] : {std::pair{1, 1}, {4, 7}, {5, 5}, {13, 6}, {37, 29}, {300, 260}}) {
    PixelBuffer photo = raster(w, h, std::uint32_t(w * 1000 + h), 0, 0xFFFFFF, 256), grey, expect;
    for (auto& word : photo.pixels) word |= 0xFF;  // opaque
    const PixelBuffer texture = raster(w, h, std::uint32_t(h * 1000 + w), 0, 0xFFFFFFFFu);
    for (int style = 1; style <= 7; ++style) {
      SCOPED_TRACE(testing::Message() << "style " << style << " " << w << " x " << h);
      GrayPlane expectPlane, plane;
      sketch::grayConvert(grey = photo);
      ASSERT_TRUE(reference::stylePassReference(style, grey, expectPlane));
      sketch::textureBlend(expectPlane, texture, expect);
      std::string error;
      auto result = sketch::runStylePipeline(photo, style, texture, plane, &error);
      ASSERT_TRUE(result) << error;
      EXPECT_EQ(error, "");
      EXPECT_EQ(std::tuple(plane.width, plane.height, plane.data), std::tuple(w, h, expectPlane.data));
      EXPECT_EQ(std::tuple(result->width, result->height, result->pixels), std::tuple(w, h, expect.pixels));
    }
  }
}

TEST(StylePipeline, ReplacesAPlaneOfAnotherSizeAndKeepsItOnBadInput) {
  const PixelBuffer photo = raster(6, 9, 1), texture = raster(6, 9, 2), grey = raster(6, 6, 3);
  GrayPlane plane{100, 100, std::vector<std::uint8_t>(10000, 3)};
  ASSERT_TRUE(sketch::runStylePipeline(photo, 3, texture, plane));
  ASSERT_EQ(std::tuple(plane.width, plane.height, plane.data.size()), std::tuple(6, 9, 54u));
  const std::vector<std::uint8_t> kept = plane.data;
  for (auto [style, p, t, says] : {std::tuple{0, photo, texture, "style 0"},
                                   {8, photo, texture, "style 8"},
                                   {2, PixelBuffer{}, texture, ""},
                                   {2, photo, raster(6, 7, 3), "6 x 7"},
                                   {2, photo, PixelBuffer{}, ""}}) {
    std::string error;
    EXPECT_FALSE(sketch::runStylePipeline(p, style, t, plane, &error)) << style << " " << says;
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error.find(says), std::string::npos) << error;
  }
  EXPECT_FALSE(sketch::runStylePipeline(photo, 2, PixelBuffer{}, plane));  // no place for the reason
  PixelBuffer broken = grey;  // the style pass alone refuses the same and a raster shorter than its size
  broken.pixels.pop_back();
  for (int style : {0, 8, -1}) {
    EXPECT_FALSE(sketch::stylePass(style, grey, plane)) << style;
    EXPECT_FALSE(reference::stylePassReference(style, grey, plane)) << style;
  }
  EXPECT_FALSE(sketch::stylePass(2, PixelBuffer{}, plane));
  EXPECT_FALSE(sketch::stylePass(2, broken, plane));
  EXPECT_EQ(std::tuple(plane.width, plane.height, plane.data), std::tuple(6, 9, kept));
}

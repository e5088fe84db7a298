// SPDX-License-Identifier: GPL-3.0-or-later
// Renders at the photo's own size: exactly the working-size render where the
// taps do not spread, the blur and the spread taps as defined, and the look of
// every style at viewing scale within a few grey levels of the working-size
// render while holding more fine detail.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "LookMeasure.h"
#include "sketch/ScaledStyles.h"
#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

using sketch::GrayPlane;
using sketch::makePixel;
using sketch::PixelBuffer;

namespace {

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h;
}

std::uint8_t byteOf(double v) {
  return std::uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

// A photo at w x h: smooth colour gradients, a dark disc, a bright block and
// stripes (edges at several angles), and pixel-fine grain at this size.
PixelBuffer makePhoto(int w, int h) {
  PixelBuffer p = *PixelBuffer::allocate(w, h);
  const double pi = 3.14159265358979;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = (x + 0.5) / w, v = (y + 0.5) / h;
      double r = 60 + 140 * u, g = 80 + 100 * v, b = 200 - 120 * u * v;
      const double dx = (u - 0.3) * w / h, dy = v - 0.5;
      if (dx * dx + dy * dy < 0.04) r *= 0.4, g *= 0.45, b *= 0.5;
      if (u > 0.6 && u < 0.85 && v > 0.2 && v < 0.7) r += 60, g += 70, b += 40;
      if (v > 0.75 && std::sin(2 * pi * (u * 40 + v * 12)) > 0) r -= 50, g -= 50, b -= 30;
      const double grain = double(int(hash(x, y, 1) % 33) - 16);
      p.at(x, y) = makePixel(255, byteOf(r + grain), byteOf(g + grain), byteOf(b + grain));
    }
  return p;
}

// A pencil texture at w x h (blue byte): hatching whose period follows the
// picture's size, as the app's texture scaled to the photo does, and grain.
PixelBuffer makeTexture(int w, int h) {
  PixelBuffer t = *PixelBuffer::allocate(w, h);
  const double pi = 3.14159265358979;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = (x + 0.5) / w * 1280, v = (y + 0.5) / h * 800;
      const double value = 40 + 25 * std::sin(2 * pi * (u + v) / 7) + double(int(hash(x, y, 2) % 21) - 10);
      t.at(x, y) = makePixel(255, 0, 0, byteOf(value));
    }
  return t;
}

// Each channel of the words averaged over the areas of a smaller raster.
PixelBuffer reduceWords(const PixelBuffer& in, int nw, int nh) {
  PixelBuffer out = *PixelBuffer::allocate(nw, nh);
  for (int shift = 8; shift <= 24; shift += 8) {
    reference::Plane c{in.width, in.height, std::vector<double>(in.size())};
    for (std::size_t i = 0; i < in.size(); ++i) c.v[i] = double((in.pixels[i] >> shift) & 0xFF);
    const reference::Plane r = reference::areaReduce(c, nw, nh);
    for (std::size_t i = 0; i < out.size(); ++i) out.pixels[i] |= std::uint32_t(byteOf(r.v[i])) << shift;
  }
  for (auto& word : out.pixels) word |= 0xFFu;
  return out;
}

std::vector<std::uint32_t> render(const PixelBuffer& photo, int style, const PixelBuffer& texture, double scale,
                                  GrayPlane* planeOut = nullptr) {
  std::vector<std::uint32_t> out(photo.size());
  std::vector<std::uint8_t> grey;
  GrayPlane plane;
  std::string why;
  EXPECT_TRUE(sketch::runStylePipelineScaled(photo, style, texture, scale, plane, out.data(), grey, &why)) << why;
  if (planeOut) *planeOut = std::move(plane);
  return out;
}

PixelBuffer randomRaster(int w, int h, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::uint32_t> word;
  PixelBuffer b = *PixelBuffer::allocate(w, h);
  for (auto& x : b.pixels) x = word(rng) | 0xFFu;
  return b;
}

std::vector<std::uint8_t> greyBytes(const PixelBuffer& photo) {
  std::vector<std::uint8_t> g(photo.size());
  for (std::size_t i = 0; i < g.size(); ++i) g[i] = sketch::greyOf(photo.pixels[i]);
  return g;
}

// The blur as its definition reads: the mean over the box x box window from
// box/2 - 1/2 before to box/2 after the pixel (rounded down), the window's rows
// and columns clamped to the raster, rounded to nearest.
std::uint8_t blurAt(const std::vector<std::uint8_t>& g, int w, int h, int box, int x, int y) {
  const int before = (box - 1) / 2;
  int s = 0;
  for (int j = -before; j < box - before; ++j)
    for (int i = -before; i < box - before; ++i)
      s += g[std::size_t(std::clamp(y + j, 0, h - 1)) * w + std::clamp(x + i, 0, w - 1)];
  return std::uint8_t(std::floor(double(s) / (box * box) + 0.5));
}

}  // namespace

// Below a scale of 1.25 the taps do not spread; from it they do (the far tap at 3).
TEST(ScaledStyles, BelowOneAndAQuarterTheWorkingSizeRenderBitForBit) {
  const PixelBuffer photo = randomRaster(67, 41, 5);
  const PixelBuffer texture = randomRaster(67, 41, 6);
  for (int style = sketch::kFirstStyle; style <= sketch::kLastStyle; ++style) {
    GrayPlane plane;
    auto exact = sketch::runStylePipeline(photo, style, texture, plane);
    ASSERT_TRUE(exact);
    for (double s : {1.0, 1.2, 1.249}) {
      GrayPlane scaledPlane;
      EXPECT_EQ(render(photo, style, texture, s, &scaledPlane), exact->pixels) << style << " at " << s;
      EXPECT_EQ(scaledPlane.data, plane.data);
    }
    if (style >= 2 && style <= 4) {
      EXPECT_NE(render(photo, style, texture, 1.25), exact->pixels) << style;
    }
  }
}

TEST(ScaledStyles, RefusesAScaleBelowOneOrNotFiniteAndTouchesNothing) {
  const PixelBuffer photo = randomRaster(20, 20, 7);
  for (double s : {0.99, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN(),
                   std::numeric_limits<double>::infinity()}) {
    GrayPlane plane{1, 1, {42}};
    std::vector<std::uint32_t> out(photo.size(), 9u);
    std::vector<std::uint8_t> grey;
    std::string why;
    EXPECT_FALSE(sketch::runStylePipelineScaled(photo, 2, photo, s, plane, out.data(), grey, &why)) << s;
    EXPECT_NE(why.find("scale"), std::string::npos) << why;
    EXPECT_EQ(plane.data, std::vector<std::uint8_t>{42});
    EXPECT_EQ(out, std::vector<std::uint32_t>(photo.size(), 9u));
  }
  // A wrong texture or style is refused as at the working size.
  GrayPlane plane;
  std::vector<std::uint32_t> out(photo.size());
  std::vector<std::uint8_t> grey;
  std::string why;
  EXPECT_FALSE(sketch::runStylePipelineScaled(photo, 2, randomRaster(20, 19, 1), 2.0, plane, out.data(), grey, &why));
  EXPECT_NE(why.find("texture"), std::string::npos) << why;
  EXPECT_FALSE(sketch::runStylePipelineScaled(photo, 8, photo, 2.0, plane, out.data(), grey, &why));
  EXPECT_TRUE(plane.empty());
}

TEST(ScaledStyles, BlurIsTheCentredBoxMeanWithClampedEdges) {
  for (auto [w, h] : {std::pair{23, 17}, {1, 9}, {5, 1}, {300, 260}}) {
    const PixelBuffer photo = randomRaster(w, h, std::uint32_t(w * 31 + h));
    const std::vector<std::uint8_t> g = greyBytes(photo);
    for (int box : {1, 2, 3, 4, 7}) {
      std::vector<std::uint8_t> b(g.size());
      sketch::detail::boxBlur(g.data(), w, h, box, b.data());
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(b[std::size_t(y) * w + x], blurAt(g, w, h, box, x, y)) << w << "x" << h << " box " << box
                                                                           << " at " << x << "," << y;
    }
  }
}

TEST(ScaledStyles, EachStyleReadsItsTapsSpreadToTheScaleAndTheFrameRepeatsTheInterior) {
  const int w = 40, h = 31;
  const PixelBuffer photo = randomRaster(w, h, 11);
  const std::vector<std::uint8_t> g = greyBytes(photo);
  const double scale = 2.6;  // taps at 3 and 5, a box of 3
  std::vector<std::uint8_t> b(g.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b[std::size_t(y) * w + x] = blurAt(g, w, h, 3, x, y);
  auto G = [&](int x, int y) { return int(g[std::size_t(y) * w + x]); };
  auto B = [&](int x, int y) { return int(b[std::size_t(y) * w + x]); };
  auto clampByte = [](int a) { return std::clamp(a, 0, 255); };
  const int offsets[] = {-5, -3, 0, 3, 5};
  for (int style = sketch::kFirstStyle; style <= sketch::kLastStyle; ++style) {
    GrayPlane plane;
    render(photo, style, photo, scale, &plane);
    const int m = style >= 6 ? 3 : 5;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int cx = std::clamp(x, m, w - m - 1), cy = std::clamp(y, m, h - m - 1);
        int expected = 0;
        int S = 0;
        // Styles 6 and 7 read one tap out, where the 5 x 5 sum would reach past the edge.
        if (style <= 5)
          for (int j : offsets)
            for (int i : offsets) S += B(cx + i, cy + j);
        const int high = 25 * B(cx, cy) - S;
        switch (style) {
          case 1: expected = G(cx, cy); break;
          case 2: expected = clampByte(G(cx, cy) + high); break;
          case 3: expected = 255 - clampByte(high + G(cx, cy) - B(cx, cy)); break;
          case 4: expected = clampByte(high + G(cx, cy) - B(cx, cy)); break;
          case 5: {
            // 0.5c + 64 + 4(r + d - 2c) on the blur, plus the photo's own
            // detail c - blur at full weight.
            const int n = 8 * (B(cx + 3, cy) + B(cx, cy + 3)) - 18 * B(cx, cy) + 3 * G(cx, cy) + 128;
            expected = std::min(255, std::max(0, n) / 2);
            break;
          }
          case 6: expected = clampByte(128 - 2 * (2 * G(cx, cy) - B(cx + 3, cy) - B(cx + 3, cy + 3))); break;
          default: expected = clampByte(128 + 2 * (2 * G(cx, cy) - B(cx + 3, cy) - B(cx + 3, cy + 3))); break;
        }
        ASSERT_EQ(int(plane.at(x, y)), expected) << "style " << style << " at " << x << "," << y;
      }
  }
  // Too small for the spread frame: the plane is the grey itself.
  const PixelBuffer tiny = randomRaster(10, 30, 12);
  GrayPlane plane;
  render(tiny, 2, tiny, scale, &plane);
  EXPECT_EQ(plane.data, greyBytes(tiny));
}

// The look at viewing scale: working-size and full-size renders, each reduced
// by area average to 320 pixels on the longer side, differ by at most 8 grey
// levels on average; the full-size render holds at least twice the fine detail
// (variance of the Laplacian) of the working-size render enlarged bicubically.
class ScaledLook : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ScaledLook, EveryStyleLooksLikeTheWorkingSizeRenderWithMoreDetail) {
  const auto [fw, fh] = GetParam();
  const int ww = 1280, wh = 800;
  const double scale = double(fw) / ww;
  const PixelBuffer full = makePhoto(fw, fh);
  const PixelBuffer working = reduceWords(full, ww, wh);
  const PixelBuffer fullTexture = makeTexture(fw, fh);
  const PixelBuffer workingTexture = reduceWords(fullTexture, ww, wh);
  int vw = 0, vh = 0;
  reference::fitLonger(fw, fh, 320, vw, vh);
  for (int style = sketch::kFirstStyle; style <= sketch::kLastStyle; ++style) {
    const auto small = render(working, style, workingTexture, 1.0);
    const auto large = render(full, style, fullTexture, scale);
    const reference::Plane smallPlane = reference::blueOf(small.data(), ww, wh);
    const reference::Plane largePlane = reference::blueOf(large.data(), fw, fh);
    const double difference = reference::meanAbsDifference(reference::areaReduce(smallPlane, vw, vh),
                                                           reference::areaReduce(largePlane, vw, vh));
    const double detailLarge = reference::laplacianVariance(largePlane);
    const double detailEnlarged = reference::laplacianVariance(reference::bicubicEnlarge(smallPlane, fw, fh));
    EXPECT_GE(difference, 0.0);
    EXPECT_LE(difference, 8.0) << "style " << style;
    EXPECT_GE(detailLarge / detailEnlarged, 2.0) << "style " << style;
  }
}

INSTANTIATE_TEST_SUITE_P(PhotoSizes, ScaledLook, testing::Values(std::pair{2560, 1600}, std::pair{4000, 2500}));

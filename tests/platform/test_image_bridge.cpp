// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge between Qt's images and the engine's rasters: the words each format gives, round
// trips, scaling, and rasters and images filled in memory that is kept and reused (equal to the
// allocating forms bit for bit).
#include <gtest/gtest.h>

#include <random>

#include "platform/ImageBridge.h"
#include "sketch/StylePipeline.h"

using namespace platform;
using sketch::makePixel;

namespace {

sketch::PixelBuffer randomPremultiplied(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  sketch::PixelBuffer raster = *sketch::PixelBuffer::allocate(w, h);
  for (auto& word : raster.pixels) {
    const int a = int(rng() % 4 == 0 ? rng() % 256 : 255);
    auto channel = [&] { return std::uint8_t(a == 0 ? 0 : rng() % std::uint32_t(a + 1)); };
    word = makePixel(std::uint8_t(a), channel(), channel(), channel());
  }
  return raster;
}

}  // namespace

TEST(GetImageData, BytesOfRedTopLeftOtherFormatsAndARoundTripThroughADeepCopy) {
  QImage red(2, 2, QImage::Format_RGB32);
  red.fill(Qt::white);
  red.setPixel(0, 0, qRgb(255, 0, 0));
  auto buffer = GetImageData(red);
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->width, 2);
  ASSERT_EQ(buffer->height, 2);
  const std::vector<std::uint8_t> expect{0xFF, 0xFF, 0,    0,    0xFF, 0xFF, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::vector<std::uint8_t>(buffer->bytes(), buffer->bytes() + 16), expect);
  // Straight alpha is premultiplied: half-transparent red -> A 0x80, R 0x80.
  QImage straight(3, 1, QImage::Format_ARGB32), grey(1, 1, QImage::Format_Grayscale8),
      rgb(1, 1, QImage::Format_RGB32);
  straight.setPixel(0, 0, qRgba(255, 0, 0, 128));
  straight.setPixel(1, 0, qRgba(0, 0, 0, 0));
  straight.setPixel(2, 0, qRgba(10, 20, 30, 255));
  grey.setPixel(0, 0, qRgb(7, 7, 7));
  *reinterpret_cast<QRgb*>(rgb.scanLine(0)) = 0x00102030u;  // opaque though the unused byte is 0
  const std::pair<QImage, std::vector<std::uint32_t>> cases[] = {
      {straight, {makePixel(128, 128, 0, 0), 0u, makePixel(255, 10, 20, 30)}},
      {grey, {makePixel(255, 7, 7, 7)}}, {rgb, {makePixel(255, 0x10, 0x20, 0x30)}}};
  for (const auto& [image, words] : cases)
    EXPECT_EQ(GetImageData(image).value().pixels, words) << image.format();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(GetImageData(QImage()));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Context not created!");
  // A round trip through a deep copy is exact.
  sketch::PixelBuffer original = randomPremultiplied(37, 23, 42);
  const std::vector<std::uint32_t> words = original.pixels;
  const QImage image = toQImage(original);
  original.pixels.assign(original.pixels.size(), 0);  // the image owns its own copy
  ASSERT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(image.size(), QSize(37, 23));
  const std::uint32_t first = words[0];  // Qt sees the same colours
  EXPECT_EQ(reinterpret_cast<const QRgb*>(image.constScanLine(0))[0],
            qRgba(sketch::redOf(first), sketch::greenOf(first), sketch::blueOf(first), sketch::alphaOf(first)));
  const auto back = GetImageData(image);
  ASSERT_TRUE(back);
  EXPECT_EQ(std::tuple(back->width, back->height, back->pixels), std::tuple(37, 23, words));
  EXPECT_TRUE(toQImage(sketch::PixelBuffer{}).isNull());
  // Scaling stretches without bands, truncates fractions and refuses bad sizes.
  QImage source(8, 4, QImage::Format_ARGB32_Premultiplied);
  source.fill(qRgb(0, 0, 255));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(255, 0, 0));
  const QImage out = imageByScalingForSize(QSizeF(21, 9), source);
  ASSERT_EQ(out.size(), QSize(21, 9));
  ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 9; ++y)  // each half on its side, corners exact, all opaque: nothing cropped, no bands
    for (int x = 0; x < 21; ++x) {
      const QRgb p = out.pixel(x, y);
      EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
      if (x < 8) {
        EXPECT_GT(qRed(p), qBlue(p)) << x << "," << y;
      } else if (x > 12) {
        EXPECT_GT(qBlue(p), qRed(p)) << x << "," << y;
      }
      if (x % 20 == 0 && y % 8 == 0) {
        EXPECT_EQ(p, x ? qRgb(0, 0, 255) : qRgb(255, 0, 0)) << x << "," << y;
      }
    }
  EXPECT_EQ(imageByScalingForSize(QSizeF(1280, 956.0494), source).size(), QSize(1280, 956));
  EXPECT_EQ(imageByScalingForSize(QSizeF(7.99, 3.01), source).size(), QSize(7, 3));
  for (QSizeF size : {QSizeF(0.9, 20), QSizeF(20, -5), QSizeF(qQNaN(), 20)})
    EXPECT_TRUE(imageByScalingForSize(size, source).isNull());
  EXPECT_TRUE(imageByScalingForSize(QSizeF(20, 20), QImage()).isNull());
}

TEST(FillImageData, EqualsGetImageDataAndReusesMemoryOfTheSameSize) {
  const QImage premultiplied = toQImage(randomPremultiplied(29, 17, 1));
  QImage rgb(29, 17, QImage::Format_RGB32);
  rgb.fill(0x00406080u);  // opaque though the unused byte is 0
  sketch::PixelBuffer buffer = *sketch::PixelBuffer::allocate(29, 17);
  const std::uint32_t* memory = buffer.pixels.data();
  for (const QImage& image : {premultiplied, rgb, premultiplied.convertToFormat(QImage::Format_ARGB32)}) {
    std::fill(buffer.pixels.begin(), buffer.pixels.end(), 0xDEADBEEFu);
    ASSERT_TRUE(fillImageData(image, buffer)) << image.format();
    EXPECT_EQ(buffer.pixels, GetImageData(image).value().pixels) << image.format();
    EXPECT_EQ(buffer.pixels.data(), memory) << image.format();
    if (image.format() == QImage::Format_RGB32) {
      EXPECT_EQ(buffer.pixels[0], makePixel(255, 0x40, 0x60, 0x80));
    }
  }
  // Another size takes a raster of that size; a width and height that multiply to the same
  // count are not the same size.
  for (const QSize size : {QSize(17, 29), QSize(3, 2)}) {
    const QImage image = toQImage(randomPremultiplied(size.width(), size.height(), 2));
    ASSERT_TRUE(fillImageData(image, buffer));
    EXPECT_EQ(std::pair(buffer.width, buffer.height), std::pair(size.width(), size.height()));
    EXPECT_EQ(buffer.pixels, GetImageData(image).value().pixels);
  }
  testing::internal::CaptureStderr();
  EXPECT_FALSE(fillImageData(QImage(), buffer));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Context not created!");
}

TEST(RasterWordsToImage, TurnsRasterWordsInPlaceIntoTheRastersImage) {
  const sketch::PixelBuffer raster = randomPremultiplied(31, 9, 3);
  QImage image(31, 9, QImage::Format_ARGB32_Premultiplied);
  const uchar* memory = image.constBits();
  for (int y = 0; y < 9; ++y)
    std::copy_n(raster.pixels.data() + y * 31, 31, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  ASSERT_TRUE(rasterWordsToImage(image));
  EXPECT_EQ(image.constBits(), memory);
  EXPECT_EQ(image, toQImage(raster));
  // Only the premultiplied format holds raster words byte-swapped; others are left exactly as they were.
  QImage straight(2, 1, QImage::Format_ARGB32);
  straight.fill(0x80402010u);
  const QImage before = straight.copy();
  EXPECT_FALSE(rasterWordsToImage(straight));
  EXPECT_EQ(straight, before);
  QImage none;
  EXPECT_FALSE(rasterWordsToImage(none));
}

// The render into kept memory (every style against the consuming one is the scaled-style test's):
// a plane of another size is resized, scratch from a larger render does not leak into a smaller
// one, and a refused render writes nothing.
TEST(StylePipelineInto, KeptMemoryOfAnotherSizeIsResizedNotTrusted) {
  std::vector<std::uint8_t> grey;
  sketch::GrayPlane plane;
  plane.data.assign(5, 9);
  for (const QSize size : {QSize(23, 19), QSize(7, 5)}) {
    const sketch::PixelBuffer photo = randomPremultiplied(size.width(), size.height(), 4);
    const sketch::PixelBuffer texture = randomPremultiplied(size.width(), size.height(), 5);
    sketch::GrayPlane expectPlane;
    const auto expect = sketch::runStylePipeline(photo, 4, texture, expectPlane);
    ASSERT_TRUE(expect);
    std::vector<std::uint32_t> out(photo.pixels.size(), 0xDEADBEEFu);
    ASSERT_TRUE(sketch::runStylePipeline(photo, 4, texture, plane, out.data(), grey));
    EXPECT_EQ(out, expect->pixels);
    EXPECT_EQ(std::tuple(plane.width, plane.height, plane.data),
              std::tuple(size.width(), size.height(), expectPlane.data));
    std::vector<std::uint32_t> kept(out.size(), 7u);
    EXPECT_FALSE(sketch::runStylePipeline(photo, 8, texture, plane, kept.data(), grey));
    EXPECT_EQ(kept, std::vector<std::uint32_t>(out.size(), 7u));
    EXPECT_EQ(plane.data, expectPlane.data);
  }
}

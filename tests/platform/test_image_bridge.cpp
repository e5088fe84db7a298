// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge between Qt's images and the engine's rasters: the words each format gives, round
// trips, scaling, and rasters and images filled in memory that is kept and reused (equal to the
// allocating forms bit for bit).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "platform/ImageBridge.h"
#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

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

TEST(ImageWords, ReadAsTheyAreWhereTheFormatAllowsElseAPremultipliedCopy) {
  const QImage premultiplied = toQImage(randomPremultiplied(29, 17, 1));
  QImage rgb(29, 17, QImage::Format_RGB32);
  rgb.fill(0x00406080u);  // opaque though the unused byte is 0
  for (const QImage& shared : {premultiplied, rgb}) {
    const QImage readable = imageAsRasterWords(shared);
    EXPECT_EQ(readable.cacheKey(), shared.cacheKey()) << shared.format();
    const sketch::WordsView view = wordsOf(readable);
    EXPECT_EQ(view.words, reinterpret_cast<const std::uint32_t*>(shared.constBits()));
    EXPECT_EQ(std::tuple(view.width, view.height, view.order), std::tuple(29, 17, sketch::WordOrder::Argb32));
  }
  const QImage straight = premultiplied.convertToFormat(QImage::Format_ARGB32);
  const QImage converted = imageAsRasterWords(straight);
  EXPECT_EQ(converted.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(converted, premultiplied);
  EXPECT_TRUE(imageAsRasterWords(QImage()).isNull());
  // Formats whose words are not Qt's 32-bit ones, and rows with padding, give no view.
  for (const QImage& image : {straight, premultiplied.convertToFormat(QImage::Format_RGBA8888), QImage()})
    EXPECT_EQ(wordsOf(image).words, nullptr) << image.format();
  const QImage padded(reinterpret_cast<const uchar*>(premultiplied.constBits()), 28, 17, 29 * 4,
                      QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(wordsOf(padded).words, nullptr);
}

// A render that reads an image's words and writes into another image's memory gives the pixels
// the raster render gives, for every style, at the working size and spread to a larger one;
// the grey bytes are those of the raster.
TEST(ImageWords, RenderFromAnImagesMemoryEqualsTheRasterRender) {
  const sketch::PixelBuffer photoRaster = randomPremultiplied(41, 27, 8);
  const sketch::PixelBuffer textureRaster = randomPremultiplied(41, 27, 9);
  const QImage photo = toQImage(photoRaster), texture = toQImage(textureRaster);
  sketch::GrayPlane grey, values;
  ASSERT_TRUE(sketch::greyPlaneOfPhoto(wordsOf(photo), grey));
  ASSERT_EQ(std::pair(grey.width, grey.height), std::pair(41, 27));
  EXPECT_EQ(grey.data[0], sketch::greyOf(photoRaster.pixels[0]));
  // The texture's values are the blue bytes of its words, in either order.
  ASSERT_TRUE(sketch::textureValuesOf(wordsOf(texture), values));
  sketch::GrayPlane rasterValues;
  ASSERT_TRUE(sketch::textureValuesOf({textureRaster.pixels.data(), 41, 27, sketch::WordOrder::Raster},
                                      rasterValues));
  EXPECT_EQ(rasterValues.data, values.data);
  EXPECT_EQ(values.data[40], sketch::blueOf(textureRaster.pixels[40]));
  EXPECT_EQ(values.data[40], qBlue(texture.pixel(40, 0)));
  std::vector<std::uint8_t> scratch, rasterScratch;
  for (int style = sketch::kFirstStyle; style <= sketch::kLastStyle; ++style) {
    for (double scale : {1.0, 2.0}) {
      sketch::GrayPlane expectPlane, plane;
      std::vector<std::uint32_t> expect(photoRaster.size());
      ASSERT_TRUE(sketch::runStylePipelineScaled(photoRaster, style, textureRaster, scale, expectPlane,
                                                 expect.data(), rasterScratch));
      QImage out(41, 27, QImage::Format_ARGB32_Premultiplied);
      ASSERT_TRUE(sketch::runStyleOnGrey(grey, style, values, sketch::WordOrder::Argb32, scale, plane,
                                         reinterpret_cast<std::uint32_t*>(out.bits()), scratch));
      sketch::PixelBuffer expectRaster{41, 27, expect};
      EXPECT_EQ(out, toQImage(expectRaster)) << style << " at " << scale;
      EXPECT_EQ(plane.data, expectPlane.data) << style << " at " << scale;
    }
  }
}

// Refusals say why and write nothing: a texture of another size, no texture, an unknown style,
// an empty grey plane, a scale below 1.
TEST(ImageWords, RefusedRendersWriteNothing) {
  const QImage photo = toQImage(randomPremultiplied(12, 10, 3));
  sketch::GrayPlane grey, plane, texture, other;
  ASSERT_TRUE(sketch::greyPlaneOfPhoto(wordsOf(photo), grey));
  ASSERT_TRUE(sketch::textureValuesOf(wordsOf(toQImage(randomPremultiplied(12, 10, 4))), texture));
  ASSERT_TRUE(sketch::textureValuesOf(wordsOf(toQImage(randomPremultiplied(10, 12, 4))), other));
  sketch::GrayPlane kept = grey;
  std::string why;
  EXPECT_FALSE(sketch::greyPlaneOfPhoto(wordsOf(QImage()), kept, &why));
  EXPECT_EQ(why, "the photo raster is empty");
  EXPECT_EQ(kept.data, grey.data);
  EXPECT_FALSE(sketch::textureValuesOf(wordsOf(QImage()), kept, &why));
  EXPECT_EQ(why, "the texture is empty");
  EXPECT_EQ(kept.data, grey.data);
  std::vector<std::uint8_t> scratch;
  std::vector<std::uint32_t> out(120, 7u);
  const std::vector<std::uint32_t> untouched = out;
  struct Case {
    const sketch::GrayPlane* grey;
    int style;
    const sketch::GrayPlane* texture;
    double scale;
    const char* says;
  };
  const sketch::GrayPlane empty;
  for (const Case& c : {Case{&grey, 2, &other, 1.0, "the texture is 10 x 12, the photo 12 x 10"},
                        Case{&grey, 2, &empty, 1.0, "the texture is 0 x 0, the photo 12 x 10"},
                        Case{&grey, 8, &texture, 1.0, "there is no sketch style 8"},
                        Case{&empty, 2, &texture, 1.0, "the photo raster is empty"},
                        Case{&grey, 2, &texture, 0.5, "the render scale 0.500000 is not 1 or more"}}) {
    why.clear();
    EXPECT_FALSE(sketch::runStyleOnGrey(*c.grey, c.style, *c.texture, sketch::WordOrder::Argb32, c.scale, plane,
                                        out.data(), scratch, &why));
    EXPECT_EQ(why, c.says);
    EXPECT_EQ(out, untouched);
    EXPECT_TRUE(plane.data.empty());
  }
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

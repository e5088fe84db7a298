// SPDX-License-Identifier: GPL-3.0-or-later
// Rasters and images filled in memory that is kept and reused: the results must
// equal the allocating forms bit for bit.
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

sketch::PixelBuffer opaqueTexture(int w, int h) {
  sketch::PixelBuffer texture = *sketch::PixelBuffer::allocate(w, h);
  for (std::size_t i = 0; i < texture.pixels.size(); ++i) {
    const auto v = std::uint8_t((i * 37 + i / std::size_t(w) * 11) & 255);
    texture.pixels[i] = makePixel(255, v, std::uint8_t(255 - v), std::uint8_t(v / 2));
  }
  return texture;
}

}  // namespace

TEST(FillImageData, EqualsGetImageDataAndReusesMemoryOfTheSameSize) {
  const QImage premultiplied = toQImage(randomPremultiplied(29, 17, 1));
  QImage rgb(29, 17, QImage::Format_RGB32);
  rgb.fill(0x00406080u);  // opaque though the unused byte is 0
  const QImage straight = premultiplied.convertToFormat(QImage::Format_ARGB32);
  sketch::PixelBuffer buffer = *sketch::PixelBuffer::allocate(29, 17);
  const std::uint32_t* memory = buffer.pixels.data();
  for (const QImage& image : {premultiplied, rgb, straight}) {
    std::fill(buffer.pixels.begin(), buffer.pixels.end(), 0xDEADBEEFu);
    ASSERT_TRUE(fillImageData(image, buffer)) << image.format();
    EXPECT_EQ(buffer.pixels, GetImageData(image).value().pixels) << image.format();
    EXPECT_EQ(buffer.pixels.data(), memory) << image.format();
    if (image.format() == QImage::Format_RGB32) {
      EXPECT_EQ(buffer.pixels[0], makePixel(255, 0x40, 0x60, 0x80));
    }
  }

  // Another size takes a raster of that size; a width and height that multiply
  // to the same count are not the same size.
  for (const QSize size : {QSize(17, 29), QSize(3, 2)}) {
    const QImage image = toQImage(randomPremultiplied(size.width(), size.height(), 2));
    ASSERT_TRUE(fillImageData(image, buffer));
    EXPECT_EQ(buffer.width, size.width());
    EXPECT_EQ(buffer.height, size.height());
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
  EXPECT_EQ(image.pixel(0, 0), toQImage(raster).pixel(0, 0));

  // Only the premultiplied format holds raster words byte-swapped; others are
  // left exactly as they were.
  QImage straight(2, 1, QImage::Format_ARGB32);
  straight.fill(0x80402010u);
  const QImage before = straight.copy();
  EXPECT_FALSE(rasterWordsToImage(straight));
  EXPECT_EQ(straight, before);
  QImage none;
  EXPECT_FALSE(rasterWordsToImage(none));
}

TEST(StylePipelineInto, EqualsTheConsumingRenderForEveryStyleAndLeavesThePhoto) {
  const int w = 23, h = 19;
  const sketch::PixelBuffer photo = randomPremultiplied(w, h, 4);
  const sketch::PixelBuffer texture = opaqueTexture(w, h);
  std::vector<std::uint8_t> grey;
  for (int style = 1; style <= 7; ++style) {
    sketch::GrayPlane expectPlane, plane;
    const auto expect = sketch::runStylePipeline(photo, style, texture, expectPlane);
    ASSERT_TRUE(expect) << style;
    std::vector<std::uint32_t> out(photo.pixels.size(), 0xDEADBEEFu);
    plane.data.assign(5, 9);  // memory of another size is resized, not trusted
    ASSERT_TRUE(sketch::runStylePipeline(photo, style, texture, plane, out.data(), grey)) << style;
    EXPECT_EQ(out, expect->pixels) << style;
    EXPECT_EQ(plane.width, w);
    EXPECT_EQ(plane.height, h);
    EXPECT_EQ(plane.data, expectPlane.data) << style;
    EXPECT_EQ(photo.pixels, randomPremultiplied(w, h, 4).pixels) << style;
  }

  // Scratch left from a larger render does not leak into a smaller one.
  const sketch::PixelBuffer small = randomPremultiplied(7, 5, 5);
  const sketch::PixelBuffer smallTexture = opaqueTexture(7, 5);
  sketch::GrayPlane expectPlane, plane;
  const auto expect = sketch::runStylePipeline(small, 4, smallTexture, expectPlane);
  std::vector<std::uint32_t> out(small.pixels.size());
  ASSERT_TRUE(sketch::runStylePipeline(small, 4, smallTexture, plane, out.data(), grey));
  EXPECT_EQ(out, expect.value().pixels);
  EXPECT_EQ(plane.data, expectPlane.data);
}

TEST(StylePipelineInto, RefusesWhatTheConsumingRenderRefusesAndTouchesNothing) {
  const sketch::PixelBuffer photo = randomPremultiplied(6, 4, 6);
  const sketch::PixelBuffer texture = opaqueTexture(6, 4);
  const sketch::PixelBuffer otherTexture = opaqueTexture(4, 6);
  sketch::PixelBuffer empty;
  struct Case {
    const sketch::PixelBuffer& photo;
    int style;
    const sketch::PixelBuffer& texture;
    std::string why;
  };
  const Case cases[] = {{photo, 0, texture, "there is no sketch style 0"},
                        {photo, 8, texture, "there is no sketch style 8"},
                        {empty, 1, texture, "the photo raster is empty"},
                        {photo, 1, otherTexture, "the texture is 4 x 6, the photo 6 x 4"}};
  for (const Case& c : cases) {
    sketch::GrayPlane plane;
    plane.width = 1;
    plane.height = 1;
    plane.data = {42};
    std::vector<std::uint32_t> out(24, 0xDEADBEEFu);
    std::vector<std::uint8_t> grey;
    std::string why;
    EXPECT_FALSE(sketch::runStylePipeline(c.photo, c.style, c.texture, plane, out.data(), grey, &why));
    EXPECT_EQ(why, c.why);
    EXPECT_EQ(plane.data, std::vector<std::uint8_t>{42});
    EXPECT_EQ(plane.width, 1);
    EXPECT_EQ(out, std::vector<std::uint32_t>(24, 0xDEADBEEFu));
  }
}

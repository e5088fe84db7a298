// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <random>

#include "platform/ImageBridge.h"

using namespace platform;
using sketch::makePixel;

TEST(GetImageData, BytesOfRedTopLeftOtherFormatsAndARoundTripThroughADeepCopy) {
  QImage red(2, 2, QImage::Format_RGB32);
  red.fill(Qt::white);
  red.setPixel(0, 0, qRgb(255, 0, 0));
  auto buffer = GetImageData(red);
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->width, 2);
  ASSERT_EQ(buffer->height, 2);
  const std::vector<std::uint8_t> expect{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::vector<std::uint8_t>(buffer->bytes(), buffer->bytes() + 16), expect);
  // Straight alpha is premultiplied: half-transparent red -> A 0x80, R 0x80.
  QImage straight(3, 1, QImage::Format_ARGB32), grey(1, 1, QImage::Format_Grayscale8), rgb(1, 1, QImage::Format_RGB32);
  straight.setPixel(0, 0, qRgba(255, 0, 0, 128));
  straight.setPixel(1, 0, qRgba(0, 0, 0, 0));
  straight.setPixel(2, 0, qRgba(10, 20, 30, 255));
  grey.setPixel(0, 0, qRgb(7, 7, 7));
  *reinterpret_cast<QRgb*>(rgb.scanLine(0)) = 0x00102030u;  // opaque though the unused byte is 0
  const std::pair<QImage, std::vector<std::uint32_t>> cases[] = {
      {straight, {makePixel(128, 128, 0, 0), 0u, makePixel(255, 10, 20, 30)}},
      {grey, {makePixel(255, 7, 7, 7)}}, {rgb, {makePixel(255, 0x10, 0x20, 0x30)}}};
  for (const auto& [image, words] : cases) EXPECT_EQ(GetImageData(image).value().pixels, words) << image.format();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(GetImageData(QImage()));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Context not created!");
  // A round trip through a deep copy is exact.
  std::mt19937 rng(42);
  sketch::PixelBuffer original = *sketch::PixelBuffer::allocate(37, 23);
  for (auto& word : original.pixels) {
    const int a = int(rng() % 256);
    auto channel = [&] { return std::uint8_t(a == 0 ? 0 : rng() % std::uint32_t(a + 1)); };
    word = makePixel(std::uint8_t(a), channel(), channel(), channel());
  }
  const std::vector<std::uint32_t> words = original.pixels;
  const QImage image = toQImage(original);
  original.pixels.assign(original.pixels.size(), 0);  // the image owns its own copy
  ASSERT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(image.size(), QSize(37, 23));
  const std::uint32_t first = words[0];  // Qt sees the same colours
  EXPECT_EQ(reinterpret_cast<const QRgb*>(image.constScanLine(0))[0],
            qRgba(sketch::redOf(first), sketch::greenOf(first), sketch::blueOf(first), sketch::alphaOf(first)));
  auto back = GetImageData(image);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 37);
  EXPECT_EQ(back->height, 23);
  EXPECT_EQ(back->pixels, words);
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
      }
      if (x > 12) {
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

#include <gtest/gtest.h>

#include <random>

#include "platform/ImageBridge.h"

using platform::GetImageData;
using platform::imageByScalingForSize;
using platform::toQImage;
using sketch::makePixel;
using sketch::PixelBuffer;

TEST(GetImageData, RedTopLeftGivesBytesFFFF0000) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  auto buffer = GetImageData(image);
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->width, 2);
  ASSERT_EQ(buffer->height, 2);
  std::vector<std::uint8_t> expect(16, 0xFF);
  expect[2] = expect[3] = 0;
  EXPECT_EQ(std::vector<std::uint8_t>(buffer->bytes(), buffer->bytes() + 16), expect);
}

TEST(GetImageData, OtherFormatsArriveAsPremultipliedARGB) {
  // Straight alpha is premultiplied: half-transparent red -> A 0x80, R 0x80.
  QImage straight(3, 1, QImage::Format_ARGB32);
  straight.setPixel(0, 0, qRgba(255, 0, 0, 128));
  straight.setPixel(1, 0, qRgba(0, 0, 0, 0));
  straight.setPixel(2, 0, qRgba(10, 20, 30, 255));
  QImage grey(2, 1, QImage::Format_Grayscale8);
  grey.setPixel(0, 0, qRgb(7, 7, 7));
  grey.setPixel(1, 0, qRgb(200, 200, 200));
  // An RGB32 image is opaque even if its unused byte was never written.
  QImage rgb(1, 1, QImage::Format_RGB32);
  *reinterpret_cast<QRgb*>(rgb.scanLine(0)) = 0x00102030u;
  const std::pair<QImage, std::vector<std::uint32_t>> cases[] = {
      {straight, {makePixel(128, 128, 0, 0), 0u, makePixel(255, 10, 20, 30)}},
      {grey, {makePixel(255, 7, 7, 7), makePixel(255, 200, 200, 200)}},
      {rgb, {makePixel(255, 0x10, 0x20, 0x30)}}};
  for (const auto& [image, words] : cases) {
    auto buffer = GetImageData(image);
    ASSERT_TRUE(buffer) << image.format();
    EXPECT_EQ(buffer->pixels, words) << image.format();
  }
}

TEST(GetImageData, RoundTripThroughADeepCopyIsExact) {
  std::mt19937 rng(42);
  PixelBuffer source = *PixelBuffer::allocate(37, 23);
  for (auto& word : source.pixels) {
    const int a = int(rng() % 256);
    auto channel = [&] { return std::uint8_t(a == 0 ? 0 : rng() % std::uint32_t(a + 1)); };
    word = makePixel(std::uint8_t(a), channel(), channel(), channel());
  }
  const std::vector<std::uint32_t> words = source.pixels;
  const QImage image = toQImage(source);
  source.pixels.assign(source.pixels.size(), 0);  // the image owns its own copy
  ASSERT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(image.size(), QSize(37, 23));
  // Qt sees the same colours: pixel (0, 0) in Qt's own word.
  const std::uint32_t first = words[0];
  EXPECT_EQ(
      reinterpret_cast<const QRgb*>(image.constScanLine(0))[0],
      qRgba(sketch::redOf(first), sketch::greenOf(first), sketch::blueOf(first), sketch::alphaOf(first)));
  auto back = GetImageData(image);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 37);
  EXPECT_EQ(back->height, 23);
  EXPECT_EQ(back->pixels, words);
  EXPECT_TRUE(toQImage(PixelBuffer{}).isNull());
}

TEST(GetImageData, NullImageGivesNothingAndSaysSo) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(GetImageData(QImage()));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Context not created!");
}

TEST(ImageByScaling, StretchesToAnotherAspectWithoutBands) {
  QImage source(8, 4, QImage::Format_ARGB32_Premultiplied);
  source.fill(qRgb(0, 0, 255));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(255, 0, 0));
  const QImage out = imageByScalingForSize(QSizeF(21, 9), source);
  ASSERT_EQ(out.size(), QSize(21, 9));
  EXPECT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
  // The corners keep the picture's own colours: nothing cropped, no bands.
  for (auto [x, y, colour] : {std::tuple{0, 0, qRgb(255, 0, 0)}, {0, 8, qRgb(255, 0, 0)},
                              {20, 0, qRgb(0, 0, 255)}, {20, 8, qRgb(0, 0, 255)}})
    EXPECT_EQ(out.pixel(x, y), colour) << x << "," << y;
  // Each half stays on its side, every pixel opaque.
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 21; ++x) {
      const QRgb p = out.pixel(x, y);
      EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
      EXPECT_TRUE(x < 8 ? qRed(p) > qBlue(p) : x <= 12 || qBlue(p) > qRed(p)) << x << "," << y << std::hex << " " << p;
    }
  }
}

TEST(ImageByScaling, FractionalSizeTruncates) {
  QImage source(10, 10, QImage::Format_RGB32);
  source.fill(Qt::green);
  EXPECT_EQ(imageByScalingForSize(QSizeF(1280, 956.0494), source).size(), QSize(1280, 956));
  EXPECT_EQ(imageByScalingForSize(QSizeF(7.99, 3.01), source).size(), QSize(7, 3));
  const QImage same = imageByScalingForSize(QSizeF(10, 10), source);
  EXPECT_EQ(same.size(), QSize(10, 10));
  EXPECT_EQ(same.pixel(5, 5), qRgb(0, 255, 0));
}

namespace {
QStringList logged;
}

TEST(ImageByScaling, FailuresLogAndGiveNullImage) {
  QImage source(4, 4, QImage::Format_RGB32);
  source.fill(Qt::black);
  logged.clear();
  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& c, const QString& text) {
    logged.append(QString::number(int(type)) + "|" + QString::fromUtf8(c.category) + "|" + text);
  });
  EXPECT_TRUE(imageByScalingForSize(QSizeF(0.9, 20), source).isNull());
  EXPECT_TRUE(imageByScalingForSize(QSizeF(20, -5), source).isNull());
  EXPECT_TRUE(imageByScalingForSize(QSizeF(20, 20), QImage()).isNull());
  EXPECT_TRUE(imageByScalingForSize(QSizeF(qQNaN(), 20), source).isNull());
  qInstallMessageHandler(previous);
  const QString warning = QString::number(int(QtWarningMsg)) + "|vorlane|could not scale image";
  EXPECT_EQ(logged, QStringList(4, warning));
}

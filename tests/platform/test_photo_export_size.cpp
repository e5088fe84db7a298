// SPDX-License-Identifier: GPL-3.0-or-later
// A photo prepared for a render larger than the working size: the sizes an export takes, the
// 64 MP limit, the orientation, and a size the photo lacks.
#include <gtest/gtest.h>

#include <QBuffer>

#include "platform/PhotoDecoder.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace {

namespace pf = photo_files;

QImage pattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * 7 + y * 3) & 255));
  return image;
}

std::optional<platform::SizedPhoto> prepared(const QByteArray& bytes, int longer, QString* reason = nullptr) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  return platform::preparePhotoAtSize(buffer, longer, reason);
}

}  // namespace

TEST(ExportSize, OwnSizeOrALongerSideInProportionWithinSixtyFourMegapixels) {
  EXPECT_EQ(platform::exportSize(QSize(4032, 3024), 0), QSize(4032, 3024));
  EXPECT_EQ(platform::exportSize(QSize(4032, 3024), 2016), QSize(2016, 1512));
  EXPECT_EQ(platform::exportSize(QSize(3024, 4032), 1000), QSize(750, 1000));
  EXPECT_EQ(platform::exportSize(QSize(1000, 3), 256), QSize(256, 1));  // rounded, at least one pixel
  EXPECT_EQ(platform::exportSize(QSize(4032, 3024), 4032), QSize(4032, 3024));
  EXPECT_FALSE(platform::exportSize(QSize(4032, 3024), 4033).isValid());
  EXPECT_FALSE(platform::exportSize(QSize(4032, 3024), -1).isValid());
  EXPECT_FALSE(platform::exportSize(QSize(), 0).isValid());
  // The limit: exactly 8192 x 8192 stays; more is fitted inside, proportions kept.
  EXPECT_EQ(platform::exportSize(QSize(8192, 8192), 0), QSize(8192, 8192));
  const QSize fitted = platform::exportSize(QSize(12000, 9000), 0);
  EXPECT_LE(qint64(fitted.width()) * fitted.height(), platform::kMaxExportPixels);
  EXPECT_GT(qint64(fitted.width() + 1) * (fitted.height() + 1), platform::kMaxExportPixels);
  EXPECT_NEAR(double(fitted.width()) / fitted.height(), 12000.0 / 9000.0, 0.001);
  // A long thin photo within the longer side can still pass the pixel limit.
  const QSize thin = platform::exportSize(QSize(40000, 10000), 20000);
  EXPECT_LE(qint64(thin.width()) * thin.height(), platform::kMaxExportPixels);
  EXPECT_NEAR(double(thin.width()) / thin.height(), 4.0, 0.001);
}

TEST(ExportSize, PreparedAtTheSizeUprightWithTheScaleOverTheWorkingSize) {
  const QImage image = pattern(2560, 1600);
  const QByteArray png = pf::encode(image, "png");
  // The longer side asked, the photo prepared, the size written and the scale over the working size;
  // below the working size the photo comes at the working size, to be reduced after the render.
  for (auto [longer, photo, size, scale] : {std::tuple{0, QSize(2560, 1600), QSize(2560, 1600), 2.0},
                                            {1920, QSize(1920, 1200), QSize(1920, 1200), 1.5},
                                            {640, QSize(1280, 800), QSize(640, 400), 1.0}}) {
    SCOPED_TRACE(longer);
    const auto sized = prepared(png, longer);
    ASSERT_TRUE(sized);
    EXPECT_EQ(sized->photo.image.size(), photo);
    EXPECT_EQ(sized->size, size);
    EXPECT_DOUBLE_EQ(sized->scale, scale);
  }
  EXPECT_EQ(prepared(png, 0)->photo.image.convertToFormat(QImage::Format_RGB32), image);  // its own pixels
  QString reason;
  EXPECT_FALSE(prepared(png, 2561, &reason));
  EXPECT_EQ(reason, "2561 pixels is larger than the photo (2560 x 1600)");
  EXPECT_FALSE(prepared("not a picture at all", 0, &reason));
  EXPECT_EQ(reason, "the file is not a picture");

  // Stored 1600 x 2400 on its side (EXIF 6): upright at its own size; a portrait's working size is
  // 768 x 1152, so the scale is the heights'.
  const QByteArray jpeg = pf::withExifOrientation(pf::encode(pattern(2400, 1600), "jpeg", 90), 6);
  const auto full = prepared(jpeg, 0);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->photo.image.size(), QSize(1600, 2400));
  EXPECT_EQ(full->photo.uprightSize, QSize(1600, 2400));
  EXPECT_DOUBLE_EQ(full->scale, 2400.0 / 1152.0);
  EXPECT_EQ(prepared(jpeg, 1200).value().photo.image.size(), QSize(800, 1200));
}

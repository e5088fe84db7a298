#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "TestSupport.h"
#include "platform/PhotoDecoder.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace {

using platform::PreparedPhoto;

class PhotoDecoderTest : public testing::Test {
 protected:
  QTemporaryDir dir{vorlane_test::testRoot() + "/decoder-XXXXXX"};
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    const QString p = path(name);
    EXPECT_TRUE(photo_files::writeFile(p, bytes));
    return p;
  }
};

int channelDistance(QRgb a, QRgb b) {
  return std::max(
      {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Samples the middle of each quadrant of an upright picture.
void expectUprightQuadrants(const QImage& image, const QString& what) {
  const int w = image.width(), h = image.height();
  const QPoint centres[4] = {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
  for (int q = 0; q < 4; ++q) {
    const QRgb got = image.pixel(centres[q]);
    EXPECT_LE(channelDistance(got, photo_files::kQuadrantColours[q]), 12)
        << qPrintable(what) << " quadrant " << q << " got " << std::hex << got;
    EXPECT_EQ(qAlpha(got), 255) << qPrintable(what);
  }
}

TEST(OrientationFromExif, MapsEveryTagAndIgnoresOthers) {
  const int expected[9] = {0, 0, 4, 1, 5, 6, 3, 7, 2};  // index = EXIF value
  for (int exif = 1; exif <= 8; ++exif)
    EXPECT_EQ(platform::orientationFromExif(exif), expected[exif]) << exif;
  for (int bad : {0, -1, 9, 255}) EXPECT_EQ(platform::orientationFromExif(bad), 0) << bad;
}

TEST_F(PhotoDecoderTest, EveryExifOrientationComesOutUpright) {
  const QImage upright = photo_files::quadrants(64, 32);
  for (int exif = 1; exif <= 8; ++exif) {
    const int orientation = platform::orientationFromExif(exif);
    const QImage stored = photo_files::storedFor(upright, orientation);
    const QByteArray jpeg = photo_files::withExifOrientation(photo_files::encode(stored, "jpeg"), exif);
    const QString file = write(QString("exif%1.jpg").arg(exif), jpeg);
    for (bool fullDecode : {false, true}) {
      const QString what = QString("EXIF %1%2").arg(exif).arg(fullDecode ? " full decode" : "");
      QString reason;
      const std::optional<PreparedPhoto> photo = fullDecode ? platform::preparePhotoFullDecode(file, &reason)
                                                            : platform::preparePhoto(file, &reason);
      ASSERT_TRUE(photo) << qPrintable(what) << ": " << qPrintable(reason);
      EXPECT_EQ(photo->orientation, orientation) << qPrintable(what);
      EXPECT_EQ(photo->uprightSize, QSize(64, 32)) << qPrintable(what);
      ASSERT_EQ(photo->image.size(), QSize(64, 32)) << qPrintable(what);
      EXPECT_EQ(photo->image.format(), QImage::Format_ARGB32_Premultiplied) << qPrintable(what);
      expectUprightQuadrants(photo->image, what);
    }
  }
}

// A tagged photo large enough to be shrunk: the reduced decode works in the
// stored orientation while the working size comes from the upright one.
TEST_F(PhotoDecoderTest, ReducedDecodeOfARotatedPhotoIsUprightAndSizedFromTheUprightPhoto) {
  const QImage upright = photo_files::quadrants(2000, 3000);
  for (int exif : {6, 8, 5}) {
    const int orientation = platform::orientationFromExif(exif);
    const QString file =
        write(QString("big%1.jpg").arg(exif),
              photo_files::withExifOrientation(
                  photo_files::encode(photo_files::storedFor(upright, orientation), "jpeg", 90), exif));
    QString reason;
    const std::optional<PreparedPhoto> photo = platform::preparePhoto(file, &reason);
    ASSERT_TRUE(photo) << qPrintable(reason);
    EXPECT_EQ(photo->uprightSize, QSize(2000, 3000));
    // 2000 * 1280 / 3000 = 853 -> 768; 768 * 3000 / 2000 = 1152.
    ASSERT_EQ(photo->image.size(), QSize(768, 1152)) << exif;
    expectUprightQuadrants(photo->image, QString("EXIF %1").arg(exif));
  }
}

// The prepared size always follows from the full size, whichever decode ran;
// and the reduced decode shows the same picture as the full one.
TEST_F(PhotoDecoderTest, PreparedSizeIsExactlyTheWorkingSizeOfTheFullPhoto) {
  struct Case {
    QSize full;
    int exif;
    QSize prepared;
  };
  const Case cases[] = {
      {{4032, 3024}, 1, {1280, 960}},  {{2592, 1936}, 1, {1280, 956}},  // 1280 x 956.0494
      {{300, 2000}, 1, {192, 1280}},                                    // too narrow for a multiple of 256
      {{4032, 3024}, 6, {768, 1024}},                                   // stored landscape, upright portrait
      {{1281, 1280}, 1, {1280, 1279}},  // no reduction fits: full decode, then scaling
      {{1200, 1000}, 1, {1200, 1000}},  // within the limit: unchanged
  };
  for (const Case& c : cases) {
    const QString name = QString("size%1x%2-%3.jpg").arg(c.full.width()).arg(c.full.height()).arg(c.exif);
    const QString file = write(
        name,
        photo_files::withExifOrientation(
            photo_files::encode(photo_files::gradient(c.full.width(), c.full.height()), "jpeg", 90), c.exif));
    QString reason;
    const std::optional<PreparedPhoto> reduced = platform::preparePhoto(file, &reason);
    ASSERT_TRUE(reduced) << qPrintable(name) << ": " << qPrintable(reason);
    const std::optional<PreparedPhoto> full = platform::preparePhotoFullDecode(file, &reason);
    ASSERT_TRUE(full) << qPrintable(name) << ": " << qPrintable(reason);
    const QSize upright = c.exif == 6 ? c.full.transposed() : c.full;
    EXPECT_EQ(reduced->uprightSize, upright) << qPrintable(name);
    EXPECT_EQ(reduced->image.size(), c.prepared) << qPrintable(name);
    EXPECT_EQ(full->image.size(), c.prepared) << qPrintable(name);

    ASSERT_EQ(reduced->image.size(), full->image.size());
    qint64 total = 0;
    int worst = 0;
    for (int y = 0; y < full->image.height(); ++y)
      for (int x = 0; x < full->image.width(); ++x) {
        const int d = channelDistance(reduced->image.pixel(x, y), full->image.pixel(x, y));
        total += d;
        worst = std::max(worst, d);
      }
    const double mean = double(total) / (qint64(full->image.width()) * full->image.height());
    EXPECT_LT(mean, 1.0) << qPrintable(name);
    EXPECT_LE(worst, 8) << qPrintable(name);
  }
}

TEST_F(PhotoDecoderTest, TransparencyIsLaidOntoWhite) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));        // fully transparent
  image.setPixel(1, 0, qRgba(200, 10, 30, 255));  // opaque
  image.setPixel(2, 0, qRgba(0, 0, 255, 128));    // half-covered blue: premultiplied 0, 0, 128
  const QRgb expected[3] = {qRgb(255, 255, 255), qRgb(200, 10, 30), qRgb(127, 127, 255)};

  const QString file = write("alpha.png", photo_files::encode(image, "png"));
  for (int way = 0; way < 3; ++way) {
    QString reason;
    std::optional<PreparedPhoto> photo = way == 0   ? platform::preparePhoto(file, &reason)
                                         : way == 1 ? platform::preparePhotoFullDecode(file, &reason)
                                                    : platform::prepareImage(image, 0, &reason);
    ASSERT_TRUE(photo) << way << ": " << qPrintable(reason);
    ASSERT_EQ(photo->image.size(), QSize(3, 1));
    for (int x = 0; x < 3; ++x) {
      const QRgb got = reinterpret_cast<const QRgb*>(photo->image.constScanLine(0))[x];
      EXPECT_EQ(got, expected[x] | 0xFF000000u) << "way " << way << " x " << x << std::hex << " got " << got;
    }
  }
}

TEST_F(PhotoDecoderTest, PrepareImageHonoursTheOrientationValue) {
  // Stored 4 x 2 with orientation 3 (turn clockwise): upright 2 x 4, the stored
  // top-left pixel at the top right.
  QImage stored(4, 2, QImage::Format_RGB32);
  stored.fill(qRgb(0, 0, 0));
  stored.setPixel(0, 0, qRgb(255, 0, 0));
  stored.setPixel(3, 1, qRgb(0, 0, 255));
  QString reason;
  const std::optional<PreparedPhoto> photo = platform::prepareImage(stored, 3, &reason);
  ASSERT_TRUE(photo) << qPrintable(reason);
  EXPECT_EQ(photo->uprightSize, QSize(2, 4));
  ASSERT_EQ(photo->image.size(), QSize(2, 4));
  EXPECT_EQ(photo->image.pixel(1, 0), qRgb(255, 0, 0));
  EXPECT_EQ(photo->image.pixel(0, 3), qRgb(0, 0, 255));
  EXPECT_EQ(photo->image.pixel(0, 0), qRgb(0, 0, 0));

  // A large decoded picture is limited like a file.
  const std::optional<PreparedPhoto> big = platform::prepareImage(photo_files::gradient(2592, 1936), 0);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->image.size(), QSize(1280, 956));
  EXPECT_EQ(big->uprightSize, QSize(2592, 1936));

  EXPECT_FALSE(platform::prepareImage(QImage(), 0, &reason));
  EXPECT_FALSE(reason.isEmpty());
}

TEST_F(PhotoDecoderTest, SmallAndOddlyShapedPicturesArePrepared) {
  QImage dot(1, 1, QImage::Format_RGB32);
  dot.fill(qRgb(10, 120, 240));
  QString reason;
  std::optional<PreparedPhoto> photo =
      platform::preparePhoto(write("dot.png", photo_files::encode(dot, "png")), &reason);
  ASSERT_TRUE(photo) << qPrintable(reason);
  ASSERT_EQ(photo->image.size(), QSize(1, 1));
  EXPECT_EQ(photo->image.pixel(0, 0), qRgb(10, 120, 240));

  // 10 * 1280 / 4000 = 3, which rounds down to no width at all: it keeps 3 and
  // the height follows, 3 * 4000 / 10 = 1200.
  QImage strip(10, 4000, QImage::Format_RGB32);
  strip.fill(qRgb(90, 90, 90));
  for (const char* format : {"png", "jpeg"}) {
    const QString file = write(QString("strip.%1").arg(format), photo_files::encode(strip, format));
    photo = platform::preparePhoto(file, &reason);
    ASSERT_TRUE(photo) << format << ": " << qPrintable(reason);
    EXPECT_EQ(photo->image.size(), QSize(3, 1200)) << format;
    EXPECT_LE(channelDistance(photo->image.pixel(1, 600), qRgb(90, 90, 90)), 2) << format;
  }
}

TEST_F(PhotoDecoderTest, BadFilesAreRefusedWithAReason) {
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(qRgb(100, 150, 200));
  const QByteArray jpeg = photo_files::encode(picture, "jpeg");
  const QByteArray png = photo_files::encode(picture, "png");

  struct Case {
    QString file;
    QString reason;
  };
  const Case cases[] = {
      {path("missing.jpg"), "the file does not exist"},
      {write("empty.jpg", {}), "the file is empty"},
      {write("text.jpg", "This is a note, not a photo.\n"), "the file is not a picture"},
      {write("cut.jpg", jpeg.left(jpeg.size() / 2)), "the file is damaged or incomplete"},
      {write("cut-after-header.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA") + 12)),
       "the file is damaged or incomplete"},
      {write("cut.png", png.left(png.size() / 2)), "the file is damaged or incomplete"},
      {write("no-end.png", png.left(png.size() - 12)), "the file is damaged or incomplete"},
      {write("huge.png", photo_files::pngClaimingSize(100000, 100000)), "the picture is too large"},
      {write("square.png", photo_files::pngClaimingSize(20000, 20000)), "the picture is too large"},
      {dir.path(), "the file is not a picture"},
  };
  for (const Case& c : cases) {
    for (bool fullDecode : {false, true}) {
      QString reason;
      const auto photo = fullDecode ? platform::preparePhotoFullDecode(c.file, &reason)
                                    : platform::preparePhoto(c.file, &reason);
      EXPECT_FALSE(photo) << qPrintable(c.file);
      EXPECT_EQ(reason.toStdString(), c.reason.toStdString()) << qPrintable(c.file);
    }
    QString reason;
    EXPECT_FALSE(platform::readImageFile(c.file, &reason)) << qPrintable(c.file);
    EXPECT_EQ(reason.toStdString(), c.reason.toStdString()) << qPrintable(c.file);
  }
  // Without a place for the reason the refusal is the same.
  EXPECT_FALSE(platform::preparePhoto(path("missing.jpg")));

  // The complete files themselves are fine.
  for (const char* name : {"whole.jpg", "whole.png"}) {
    const QString file = write(name, QByteArray(name).endsWith("jpg") ? jpeg : png);
    QString reason;
    EXPECT_TRUE(platform::preparePhoto(file, &reason)) << name << ": " << qPrintable(reason);
  }
}

// A JPEG with trailing bytes after its end marker, and one whose EXIF thumbnail
// brings an end marker of its own before the main picture, are judged by the
// main picture.
TEST_F(PhotoDecoderTest, EndOfImageIsLookedForAfterTheMainScan) {
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(qRgb(60, 60, 60));
  const QByteArray jpeg = photo_files::encode(picture, "jpeg");
  QString reason;
  EXPECT_TRUE(platform::preparePhoto(write("trailing.jpg", jpeg + QByteArray(100, 'x')), &reason))
      << qPrintable(reason);
  EXPECT_TRUE(
      platform::preparePhoto(write("trailing.png", photo_files::encode(picture, "png") + "xyz"), &reason))
      << qPrintable(reason);
  // The end marker is searched for backwards in blocks: far from the end, and
  // straddling the boundary of the first block.
  for (int junk : {200000, 65535, 65536, 65534}) {
    EXPECT_TRUE(platform::preparePhoto(write("junk.jpg", jpeg + QByteArray(junk, 'x')), &reason))
        << junk << ": " << qPrintable(reason);
  }
  QImage noisy(300, 300, QImage::Format_RGB32);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 300; ++x)
      noisy.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y) % 253, x ^ y));
  const QByteArray big = photo_files::encode(noisy, "jpeg");
  ASSERT_GT(big.size(), 64 * 1024);
  EXPECT_FALSE(
      platform::preparePhoto(write("big-cut.jpg", big.left(big.size() - 2) + QByteArray(70000, 'x'))));

  // An APP2 segment carrying a whole small JPEG (with its own scan and end marker).
  const QByteArray thumbnail = photo_files::encode(picture.scaled(8, 8), "jpeg");
  QByteArray segment("\xFF\xE2", 2);
  segment.append(char((thumbnail.size() + 2) >> 8));
  segment.append(char((thumbnail.size() + 2) & 0xFF));
  segment += thumbnail;
  QByteArray withThumbnail = jpeg;
  withThumbnail.insert(2, segment);
  EXPECT_TRUE(platform::preparePhoto(write("thumb.jpg", withThumbnail), &reason)) << qPrintable(reason);
  const QByteArray cut = withThumbnail.left(withThumbnail.size() - 40);
  EXPECT_FALSE(platform::preparePhoto(write("thumb-cut.jpg", cut), &reason));
  EXPECT_EQ(reason.toStdString(), "the file is damaged or incomplete");
}

}  // namespace

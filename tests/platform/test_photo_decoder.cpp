#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "TestSupport.h"
#include "platform/PhotoDecoder.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace {

using platform::PreparedPhoto;
namespace pf = photo_files;

class PhotoDecoderTest : public testing::Test {
 protected:
  QTemporaryDir dir{vorlane_test::testRoot() + "/decoder-XXXXXX"};
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    EXPECT_TRUE(pf::writeFile(path(name), bytes));
    return path(name);
  }
  // Both decodes of the file, reduced first.
  static std::array<std::optional<PreparedPhoto>, 2> both(const QString& file, QString* reason) {
    return {platform::preparePhoto(file, reason), platform::preparePhotoFullDecode(file, reason)};
  }
};

int channelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(OrientationFromExif, MapsEveryTagAndIgnoresOthers) {
  const int expected[9] = {0, 0, 4, 1, 5, 6, 3, 7, 2};  // index = EXIF value
  for (int exif = 1; exif <= 8; ++exif) EXPECT_EQ(platform::orientationFromExif(exif), expected[exif]) << exif;
  for (int bad : {0, -1, 9, 255}) EXPECT_EQ(platform::orientationFromExif(bad), 0) << bad;
}

TEST_F(PhotoDecoderTest, EveryExifOrientationComesOutUpright) {
  const QImage upright = pf::quadrants(64, 32);
  for (int exif = 1; exif <= 8; ++exif) {
    const int orientation = platform::orientationFromExif(exif);
    const QString file = write(QString("exif%1.jpg").arg(exif),
                               pf::withExifOrientation(pf::encode(pf::storedFor(upright, orientation), "jpeg"), exif));
    QString reason;
    const auto photos = both(file, &reason);
    for (int way = 0; way < 2; ++way) {
      SCOPED_TRACE(testing::Message() << "EXIF " << exif << (way ? " full decode" : ""));
      const auto& photo = photos[std::size_t(way)];
      ASSERT_TRUE(photo) << qPrintable(reason);
      EXPECT_EQ(photo->orientation, orientation);
      EXPECT_EQ(photo->uprightSize, QSize(64, 32));
      ASSERT_EQ(photo->image.size(), QSize(64, 32));
      EXPECT_EQ(photo->image.format(), QImage::Format_ARGB32_Premultiplied);
      for (int q = 0; q < 4; ++q) {  // the middle of each quadrant
        const QRgb got = photo->image.pixel((q % 2 * 2 + 1) * 16, (q / 2 * 2 + 1) * 8);
        EXPECT_LE(channelDistance(got, pf::kQuadrantColours[q]), 12) << "quadrant " << q << std::hex << " " << got;
        EXPECT_EQ(qAlpha(got), 255);
      }
    }
  }
}

// The prepared size always follows from the full size, whichever decode ran, and
// the reduced decode (which works in the stored orientation) shows the same
// picture as the full one.
TEST_F(PhotoDecoderTest, PreparedSizeIsExactlyTheWorkingSizeOfTheFullPhoto) {
  const struct Case {
    QSize full;
    int exif;
    QSize prepared;
  } cases[] = {
      {{4032, 3024}, 1, {1280, 960}}, {{2592, 1936}, 1, {1280, 956}},  // 1280 x 956.0494
      {{300, 2000}, 1, {192, 1280}},                                   // too narrow for a multiple of 256
      {{4032, 3024}, 6, {768, 1024}},                                  // stored landscape, upright portrait
      {{3000, 2000}, 8, {768, 1152}}, {{3000, 2000}, 5, {768, 1152}},  // 2000 * 1280 / 3000 -> 768
      {{1281, 1280}, 1, {1280, 1279}},  // no reduction fits: full decode, then scaling
      {{1200, 1000}, 1, {1200, 1000}},  // within the limit: unchanged
  };
  for (const Case& c : cases) {
    const QString name = QString("size%1x%2-%3.jpg").arg(c.full.width()).arg(c.full.height()).arg(c.exif);
    SCOPED_TRACE(qPrintable(name));
    const QString file = write(
        name, pf::withExifOrientation(pf::encode(pf::gradient(c.full.width(), c.full.height()), "jpeg", 90), c.exif));
    QString reason;
    const auto [reduced, full] = both(file, &reason);
    ASSERT_TRUE(reduced && full) << qPrintable(reason);
    EXPECT_EQ(reduced->uprightSize, c.exif >= 5 ? c.full.transposed() : c.full);
    ASSERT_EQ(reduced->image.size(), c.prepared);
    ASSERT_EQ(full->image.size(), c.prepared);
    qint64 total = 0;
    int worst = 0;
    for (int y = 0; y < full->image.height(); ++y)
      for (int x = 0; x < full->image.width(); ++x) {
        const int d = channelDistance(reduced->image.pixel(x, y), full->image.pixel(x, y));
        total += d;
        worst = std::max(worst, d);
      }
    EXPECT_LT(double(total) / (qint64(full->image.width()) * full->image.height()), 1.0);
    EXPECT_LE(worst, 8);
  }
}

TEST_F(PhotoDecoderTest, TransparencyIsLaidOntoWhite) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));        // fully transparent
  image.setPixel(1, 0, qRgba(200, 10, 30, 255));  // opaque
  image.setPixel(2, 0, qRgba(0, 0, 255, 128));    // half-covered blue: premultiplied 0, 0, 128
  const QRgb expected[3] = {qRgb(255, 255, 255), qRgb(200, 10, 30), qRgb(127, 127, 255)};
  QString reason;
  const auto [reduced, full] = both(write("alpha.png", pf::encode(image, "png")), &reason);
  for (const auto& photo : {reduced, full, platform::prepareImage(image, 0, &reason)}) {
    ASSERT_TRUE(photo) << qPrintable(reason);
    ASSERT_EQ(photo->image.size(), QSize(3, 1));
    for (int x = 0; x < 3; ++x)  // the raw word: opaque
      EXPECT_EQ(reinterpret_cast<const QRgb*>(photo->image.constScanLine(0))[x], expected[x]) << x;
  }
}

TEST_F(PhotoDecoderTest, PrepareImageHonoursTheOrientationValueAndTheLimit) {
  // Stored 4 x 2 with orientation 3 (turn clockwise): upright 2 x 4, the stored
  // top-left pixel at the top right.
  QImage stored(4, 2, QImage::Format_RGB32);
  stored.fill(qRgb(0, 0, 0));
  stored.setPixel(0, 0, qRgb(255, 0, 0));
  QString reason;
  const std::optional<PreparedPhoto> photo = platform::prepareImage(stored, 3, &reason);
  ASSERT_TRUE(photo) << qPrintable(reason);
  EXPECT_EQ(photo->uprightSize, QSize(2, 4));
  ASSERT_EQ(photo->image.size(), QSize(2, 4));
  EXPECT_EQ(photo->image.pixel(1, 0), qRgb(255, 0, 0));

  const std::optional<PreparedPhoto> big = platform::prepareImage(pf::gradient(2592, 1936), 0);
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
  std::optional<PreparedPhoto> photo = platform::preparePhoto(write("dot.png", pf::encode(dot, "png")), &reason);
  ASSERT_TRUE(photo) << qPrintable(reason);
  ASSERT_EQ(photo->image.size(), QSize(1, 1));
  EXPECT_EQ(photo->image.pixel(0, 0), qRgb(10, 120, 240));
  // 10 * 1280 / 4000 = 3, which rounds down to no width at all: it keeps 3 and
  // the height follows, 3 * 4000 / 10 = 1200.
  QImage strip(10, 4000, QImage::Format_RGB32);
  strip.fill(qRgb(90, 90, 90));
  for (const char* format : {"png", "jpeg"}) {
    photo = platform::preparePhoto(write(QString("strip.%1").arg(format), pf::encode(strip, format)), &reason);
    ASSERT_TRUE(photo) << format << ": " << qPrintable(reason);
    EXPECT_EQ(photo->image.size(), QSize(3, 1200)) << format;
    EXPECT_LE(channelDistance(photo->image.pixel(1, 600), qRgb(90, 90, 90)), 2) << format;
  }
}

TEST_F(PhotoDecoderTest, BadFilesAreRefusedWithAReason) {
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(qRgb(100, 150, 200));
  const QByteArray jpeg = pf::encode(picture, "jpeg"), png = pf::encode(picture, "png");
  const QString damaged = "the file is damaged or incomplete", tooLarge = "the picture is too large";
  const std::pair<QString, QString> cases[] = {
      {path("missing.jpg"), "the file does not exist"},
      {write("empty.jpg", {}), "the file is empty"},
      {write("text.jpg", "This is a note, not a photo.\n"), "the file is not a picture"},
      {write("cut.jpg", jpeg.left(jpeg.size() / 2)), damaged},
      {write("cut-after-header.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA") + 12)), damaged},
      {write("cut.png", png.left(png.size() / 2)), damaged},
      {write("no-end.png", png.left(png.size() - 12)), damaged},
      {write("huge.png", pf::pngClaimingSize(100000, 100000)), tooLarge},
      {write("square.png", pf::pngClaimingSize(20000, 20000)), tooLarge},
      {dir.path(), "the file is not a picture"},
  };
  for (const auto& [file, expected] : cases) {
    SCOPED_TRACE(qPrintable(file));
    QString reasons[3];
    EXPECT_FALSE(platform::preparePhoto(file, &reasons[0]));
    EXPECT_FALSE(platform::preparePhotoFullDecode(file, &reasons[1]));
    EXPECT_FALSE(platform::readImageFile(file, &reasons[2]));
    for (const QString& reason : reasons) EXPECT_EQ(reason.toStdString(), expected.toStdString());
  }
  EXPECT_FALSE(platform::preparePhoto(path("missing.jpg")));  // without a place for the reason
  // The complete files themselves are fine.
  EXPECT_TRUE(platform::preparePhoto(write("whole.jpg", jpeg)));
  EXPECT_TRUE(platform::preparePhoto(write("whole.png", png)));
}

// A JPEG with trailing bytes after its end marker, and one whose embedded
// thumbnail brings an end marker of its own before the main picture, are judged
// by the main picture.
TEST_F(PhotoDecoderTest, EndOfImageIsLookedForAfterTheMainScan) {
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(qRgb(60, 60, 60));
  const QByteArray jpeg = pf::encode(picture, "jpeg");
  QString reason;
  EXPECT_TRUE(platform::preparePhoto(write("trailing.png", pf::encode(picture, "png") + "xyz"), &reason))
      << qPrintable(reason);
  // The end marker is searched for backwards in blocks: near and far from the
  // end, and straddling the boundary of the first block.
  for (int junk : {100, 200000, 65535, 65536, 65534})
    EXPECT_TRUE(platform::preparePhoto(write("junk.jpg", jpeg + QByteArray(junk, 'x')), &reason))
        << junk << ": " << qPrintable(reason);
  QImage noisy(300, 300, QImage::Format_RGB32);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 300; ++x) noisy.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y) % 253, x ^ y));
  const QByteArray big = pf::encode(noisy, "jpeg");
  ASSERT_GT(big.size(), 64 * 1024);
  EXPECT_FALSE(platform::preparePhoto(write("big-cut.jpg", big.left(big.size() - 2) + QByteArray(70000, 'x'))));

  // An APP2 segment carrying a whole small JPEG (with its own scan and end marker).
  const QByteArray withThumbnail = pf::withSegment(jpeg, '\xE2', pf::encode(picture.scaled(8, 8), "jpeg"));
  EXPECT_TRUE(platform::preparePhoto(write("thumb.jpg", withThumbnail), &reason)) << qPrintable(reason);
  EXPECT_FALSE(platform::preparePhoto(write("thumb-cut.jpg", withThumbnail.left(withThumbnail.size() - 40)), &reason));
  EXPECT_EQ(reason.toStdString(), "the file is damaged or incomplete");
}

}  // namespace

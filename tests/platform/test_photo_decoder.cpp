// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <numeric>

#include "TestSupport.h"
#include "platform/PhotoDecoder.h"
#include "tests/platform/test_photo_decoder_files.h"

using platform::PreparedPhoto;
namespace pf = photo_files;

static int channelDistance(QRgb a, QRgb b) {
  return std::max(
      {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class PhotoDecoderTest : public testing::Test {
 protected:
  QTemporaryDir dir{vorlane_test::testRoot() + "/decoder-XXXXXX"};
  QString write(const QString& name, const QByteArray& bytes) const {
    EXPECT_TRUE(pf::writeFile(dir.filePath(name), bytes));
    return dir.filePath(name);
  }
  // Both decodes of the file, reduced first.
  static std::array<std::optional<PreparedPhoto>, 2> both(const QString& file, QString* reason) {
    return {platform::preparePhoto(file, reason), platform::preparePhotoFullDecode(file, reason)};
  }
};

TEST_F(PhotoDecoderTest, EveryExifOrientationComesOutUpright) {
  const int expected[9] = {0, 0, 4, 1, 5, 6, 3, 7, 2};  // index = EXIF value
  for (int bad : {0, -1, 9, 255}) EXPECT_EQ(platform::orientationFromExif(bad), 0) << bad;
  for (int exif = 1; exif <= 8; ++exif) {
    const int orientation = platform::orientationFromExif(exif);
    EXPECT_EQ(orientation, expected[exif]) << exif;
    const QString file = write(
        QString("exif%1.jpg").arg(exif),
        pf::withExifOrientation(pf::encode(pf::storedFor(pf::quadrants(64, 32), orientation), "jpeg"), exif));
    QString reason;
    const auto photos = both(file, &reason);
    for (int way = 0; way < 2; ++way) {
      SCOPED_TRACE(testing::Message() << "EXIF " << exif << (way ? " full decode" : ""));
      const auto& photo = photos[std::size_t(way)];
      ASSERT_TRUE(photo) << qPrintable(reason);
      EXPECT_EQ(photo->orientation, orientation);
      EXPECT_EQ(photo->uprightSize, QSize(64, 32));
      ASSERT_EQ(photo->image.size(), QSize(64, 32));
      ASSERT_EQ(photo->image.format(), QImage::Format_ARGB32_Premultiplied);
      for (int q = 0; q < 4; ++q) {  // the middle of each quadrant
        const QRgb got = photo->image.pixel((q % 2 * 2 + 1) * 16, (q / 2 * 2 + 1) * 8);
        EXPECT_LE(channelDistance(got, pf::kQuadrantColours[q]), 12) << q << std::hex << " " << got;
        EXPECT_EQ(qAlpha(got), 255) << q << std::hex << " " << got;
      }
    }
  }
}

// The prepared size follows from the full size whichever decode ran, and the
// reduced decode (in the stored orientation) shows the same picture as the full one.
TEST_F(PhotoDecoderTest, PreparedSizeIsTheWorkingSizeOfTheFullPhotoLaidOntoWhite) {
  const struct {
    QSize full;
    int exif;
    QSize prepared;
  } cases[] = {
      {{4032, 3024}, 1, {1280, 960}},  {{2592, 1936}, 1, {1280, 956}},  // 1280 x 956.0494
      {{300, 2000}, 1, {192, 1280}},                                    // too narrow for a multiple of 256
      {{4032, 3024}, 6, {768, 1024}},                                   // stored landscape, upright portrait
      {{3000, 2000}, 8, {768, 1152}},  {{3000, 2000}, 5, {768, 1152}},  // 2000 * 1280 / 3000 -> 768
      {{1281, 1280}, 1, {1280, 1279}},  // no reduction fits: full decode, then scaling
      {{1200, 1000}, 1, {1200, 1000}},  // within the limit: unchanged
  };
  for (const auto& c : cases) {
    const QString name = QString("size%1x%2-%3.jpg").arg(c.full.width()).arg(c.full.height()).arg(c.exif);
    SCOPED_TRACE(qPrintable(name));
    QString reason;
    const auto [reduced, full] =
        both(write(name, pf::withExifOrientation(
                             pf::encode(pf::gradient(c.full.width(), c.full.height()), "jpeg", 90), c.exif)),
             &reason);
    ASSERT_TRUE(reduced) << qPrintable(reason);
    ASSERT_TRUE(full) << qPrintable(reason);
    EXPECT_EQ(reduced->uprightSize, c.exif >= 5 ? c.full.transposed() : c.full);
    ASSERT_EQ(reduced->image.size(), c.prepared) << reduced->image.size().width();
    ASSERT_EQ(full->image.size(), c.prepared) << reduced->image.size().width();
    std::vector<int> d;  // the two decodes differ by under 1 on average, 8 at worst
    for (int i = 0; i < c.prepared.width() * c.prepared.height(); ++i)
      d.push_back(channelDistance(reduced->image.pixel(i % c.prepared.width(), i / c.prepared.width()),
                                  full->image.pixel(i % c.prepared.width(), i / c.prepared.width())));
    EXPECT_LT(std::accumulate(d.begin(), d.end(), 0.0), d.size());
    EXPECT_LE(*std::max_element(d.begin(), d.end()), 8);
  }
  // The same limit for a picture in memory.
  EXPECT_EQ(platform::prepareImage(pf::gradient(2592, 1936), 0).value().image.size(), QSize(1280, 956));
  // Transparency is laid onto white.
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));        // fully transparent
  image.setPixel(1, 0, qRgba(200, 10, 30, 255));  // opaque
  image.setPixel(2, 0, qRgba(0, 0, 255, 128));    // half-covered blue: premultiplied 0, 0, 128
  const QRgb expected[3] = {qRgb(255, 255, 255), qRgb(200, 10, 30), qRgb(127, 127, 255)};
  QString reason;
  const auto [reduced, full] = both(write("alpha.png", pf::encode(image, "png")), &reason);
  for (const auto& photo : {reduced, full, platform::prepareImage(image, 0, &reason)}) {
    ASSERT_TRUE(photo) << qPrintable(reason);
    ASSERT_EQ(photo->image.size(), QSize(3, 1)) << qPrintable(reason);
    for (int x = 0; x < 3; ++x)  // the raw word: opaque
      EXPECT_EQ(reinterpret_cast<const QRgb*>(photo->image.constScanLine(0))[x], expected[x]) << x;
  }
  EXPECT_FALSE(platform::prepareImage(QImage(), 0, &reason));
  EXPECT_FALSE(reason.isEmpty());
  QImage strip(10, 4000, QImage::Format_RGB32);
  strip.fill(qRgb(90, 90, 90));  // 10 * 1280 / 4000 = 3 rounds down to nothing: 3 kept, 3 * 4000 / 10 high
  for (const auto& photo : both(write("strip.jpg", pf::encode(strip, "jpeg")), &reason)) {
    ASSERT_TRUE(photo) << qPrintable(reason);
    EXPECT_EQ(photo->image.size(), QSize(3, 1200));
    EXPECT_LE(channelDistance(photo->image.pixel(1, 600), strip.pixel(0, 0)), 2);
  }
}

TEST_F(PhotoDecoderTest, BadFilesAreRefusedWithAReasonAndJudgedByTheMainPicture) {
  const QImage picture = pf::gradient(64, 48);
  const QByteArray jpeg = pf::encode(picture, "jpeg"), png = pf::encode(picture, "png");
  const QString damaged = "the file is damaged or incomplete";
  const std::pair<QString, QString> cases[] = {
      {dir.filePath("missing.jpg"), "the file does not exist"},
      {write("empty.jpg", {}), "the file is empty"},
      {write("text.jpg", "This is a note, not a photo.\n"), "the file is not a picture"},
      {write("cut.jpg", jpeg.left(jpeg.size() / 2)), damaged},
      {write("cut.png", png.left(png.size() / 2)), damaged},
      {write("no-end.png", png.left(png.size() - 12)), damaged},
      {write("huge.png", pf::pngClaimingSize(100000, 100000)), "the picture is too large"},
      {dir.path(), "not a regular file"},
      {"/dev/null", "not a regular file"},
  };
  for (const auto& [file, expected] : cases) {
    QString reasons[3];
    EXPECT_FALSE(platform::preparePhoto(file, &reasons[0])) << qPrintable(file);
    EXPECT_FALSE(platform::preparePhotoFullDecode(file, &reasons[1])) << qPrintable(file);
    EXPECT_FALSE(platform::readImageFile(file, &reasons[2])) << qPrintable(file);
    for (const QString& reason : reasons)
      EXPECT_EQ(reason.toStdString(), expected.toStdString()) << qPrintable(file);
  }
  EXPECT_FALSE(platform::preparePhoto(dir.filePath("missing.jpg")));  // without a place for the reason
  EXPECT_TRUE(platform::preparePhoto(write("trailing.png", png + "xyz")));
  // Trailing bytes after the end marker: it is searched for backwards in blocks,
  // near and far from the end and straddling the first block's boundary.
  for (int junk : {100, 200000, 65535, 65536, 65534})
    EXPECT_TRUE(platform::preparePhoto(write("junk.jpg", jpeg + QByteArray(junk, 'x')))) << junk;
  // An APP2 segment carrying a whole small JPEG, with its own scan and end marker.
  const QByteArray withThumbnail = pf::withSegment(jpeg, '\xE2', pf::encode(picture.scaled(8, 8), "jpeg"));
  EXPECT_TRUE(platform::preparePhoto(write("thumb.jpg", withThumbnail)));
  QString reason;
  EXPECT_FALSE(
      platform::preparePhoto(write("thumb-cut.jpg", withThumbnail.left(withThumbnail.size() - 40)), &reason));
  EXPECT_EQ(reason, damaged);
}

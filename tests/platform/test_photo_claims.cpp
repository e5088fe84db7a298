// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture's header claims is judged before decoding: the memory its decode would cost, and
// whether its data reaches as far as the picture does. Every file is made here.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include "TestSupport.h"
#include "fuzz/FuzzBody.h"
#include "platform/PhotoDecoder.h"
#include "platform/PictureHeader.h"
#include "tests/platform/test_heif_files.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace pf = photo_files;

namespace {

const QString kDamaged = "the file is damaged or incomplete", kTooLarge = "the picture is too large";

std::optional<platform::PictureHeader> header(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return platform::readPictureHeader(buffer);
}

// Both ways in, from memory and from a file, must agree on the outcome.
QString refusal(const QByteArray& bytes, const QString& dir) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QString fromMemory = "accepted", fromFile = "accepted";
  if (platform::preparePhoto(buffer, &fromMemory)) fromMemory = "accepted";
  const QString path = dir + "/claim";
  EXPECT_TRUE(pf::writeFile(path, bytes));
  if (platform::preparePhoto(path, &fromFile)) fromFile = "accepted";
  EXPECT_EQ(fromMemory, fromFile);
  return fromFile;
}

QByteArray rle8(const QByteArray& runs) {
  return pf::bmp(300, 200, 8, 1, runs);
}

}  // namespace

TEST(PhotoClaims, HeadersClaimingMoreThanTheirDataOrTheBudgetAreRefusedBeforeDecoding) {
  QTemporaryDir dir(vorlane_test::testRoot() + "/claims-XXXXXX");
  const QByteArray gradientPng = pf::encode(pf::gradient(300, 200), "png");
  const struct {
    const char* name;
    QByteArray bytes;
    QString outcome;
  } cases[] = {
      // Progressive: the coefficients of the whole picture are kept, whatever the output size.
      {"progressive 11999 4:2:0, header only", pf::flatJpeg(11999, 11999, true, 0x22, 0), kDamaged},
      {"progressive 11999 4:4:4, header only", pf::flatJpeg(11999, 11999, true, 0x11, 0), kTooLarge},
      {"progressive 12000 4:4:4, every block", pf::flatJpeg(12000, 12000, true, 0x11), kTooLarge},
      {"progressive 4000 4:2:0, one byte short", pf::flatJpeg(4000, 4000, true, 0x22, 46874), kDamaged},
      {"progressive 4000 4:2:0, every block", pf::flatJpeg(4000, 4000, true, 0x22), "accepted"},
      // Baseline: decoded at 1/8, so 200 megapixels cost a few megabytes.
      {"baseline 16320 x 12240, header only", pf::flatJpeg(16320, 12240, false, 0x22, 0), kDamaged},
      {"baseline 16320 x 12240, every block", pf::flatJpeg(16320, 12240, false, 0), "accepted"},
      {"baseline 65500 x 65500, header only", pf::flatJpeg(65500, 65500, false, 0x11, 0), kDamaged},
      {"GIF screen 11999, frame 1 x 1", pf::gifWithScreen(11999, 11999, 1, 1), kTooLarge},
      {"GIF cut inside its frame", pf::gifWithScreen(40, 30, 1, 1).left(30), kDamaged},
      {"BMP 11999 header", pf::bmp(11999, 11999, 24, 0, {}), kTooLarge},
      {"BMP 4000 header", pf::bmp(4000, 4000, 24, 0, {}), kDamaged},
      {"BMP 4000 one row short", pf::bmp(4000, 2, 24, 0, QByteArray(12000, '\x40')), kDamaged},
      {"BMP RLE without its end", rle8(QByteArray("\xFF\x01\x00\x00", 4)), kDamaged},
      {"BMP RLE ending early", rle8(QByteArray("\xFF\x01\x00\x00\x00\x01", 6)), "accepted"},
      {"PNG 8000 x 8000 with 64 bytes of data", pf::pngClaimingSize(8000, 8000), kDamaged},
      {"PNG 100000 x 100000", pf::pngClaimingSize(100000, 100000), kTooLarge},
      {"PNG cut", gradientPng.left(gradientPng.size() - 20), kDamaged},
      {"PGM header only", "P5\n4000 4000\n255\n", kDamaged},
      {"PPM 3 x 1", QByteArray("P6 3 1 255\n", 11) + QByteArray(9, '\x7F'), "accepted"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(refusal(c.bytes, dir.path()).toStdString(), c.outcome.toStdString()) << c.name;
  // Cut short in every format that is read: damaged, never a partial picture.
  const QImage picture = pf::gradient(120, 90);
  for (const char* format : {"tiff", "webp", "bmp", "ppm", "jpeg"}) {
    const QByteArray whole = pf::encode(picture, format);
    ASSERT_FALSE(whole.isEmpty()) << format;
    EXPECT_EQ(refusal(whole, dir.path()).toStdString(), "accepted") << format;
    EXPECT_EQ(refusal(whole.left(whole.size() * 2 / 3), dir.path()).toStdString(), kDamaged.toStdString())
        << format;
  }
  for (const bool avif : {false, true}) {
    const QByteArray whole = heif_files::encode(picture, avif);
    ASSERT_FALSE(whole.isEmpty()) << (avif ? "no AV1 encoder" : "no HEVC encoder");
    EXPECT_EQ(refusal(whole, dir.path()).toStdString(), "accepted") << avif;
    EXPECT_EQ(refusal(whole.left(whole.size() - 40), dir.path()).toStdString(), kDamaged.toStdString())
        << avif;
    // Its size box claiming 65535 x 11999: beyond what libheif itself takes, still only a claim.
    QByteArray claiming = whole;
    const qsizetype ispe = claiming.indexOf("ispe");
    ASSERT_GT(ispe, 0) << avif;
    qToBigEndian<quint32>(65535, claiming.data() + ispe + 8);
    qToBigEndian<quint32>(11999, claiming.data() + ispe + 12);
    EXPECT_EQ(refusal(claiming, dir.path()).toStdString(), kTooLarge.toStdString()) << avif;
  }
}

// A palette shorter than the indices its pixels use (one colour, pixels of index 0 and 7): what lies
// past the table is opaque black, never what happens to follow the table in memory.
TEST(PhotoClaims, IndicesPastAShortPaletteComeOutBlack) {
  const int w = 8, h = 6;
  QByteArray rows;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rows += char((x + y) % 2 ? 7 : 0);  // 8 bytes a row: no padding
  QByteArray file = pf::bmp(w, h, 8, 0, rows);
  qToLittleEndian<quint32>(1, file.data() + 46);                   // colours used: 1
  file[54] = char(30), file[55] = char(200), file[56] = char(10);  // B, G, R of colour 0
  for (int round = 0; round < 20; ++round) {  // the fault it guards against came and went
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QString reason;
    const auto photo = platform::preparePhoto(buffer, &reason);
    ASSERT_TRUE(photo) << qPrintable(reason);
    ASSERT_EQ(photo->image.size(), QSize(w, h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(photo->image.pixel(x, y), (x + (h - 1 - y)) % 2 ? qRgb(0, 0, 0) : qRgb(10, 200, 30))
            << x << "," << y;
  }
}

// A GIF decodes onto its logical screen: the screen is the photo, and the working size applies to it.
TEST(PhotoClaims, WhatIsDecodedIsWhatIsLimited) {
  QBuffer buffer;
  buffer.setData(pf::gifWithScreen(4000, 40, 1, 1));
  buffer.open(QIODevice::ReadOnly);
  QString reason;
  const auto photo = platform::preparePhoto(buffer, &reason);
  ASSERT_TRUE(photo) << qPrintable(reason);
  EXPECT_EQ(photo->uprightSize, QSize(4000, 40));
  EXPECT_EQ(photo->image.size(), QSize(1280, 12));
  // The 200-megapixel grey JPEG comes out at the working size, every pixel its mid-grey.
  buffer.close();
  buffer.setData(pf::flatJpeg(16320, 12240, false, 0x22));
  buffer.open(QIODevice::ReadOnly);
  const auto big = platform::preparePhoto(buffer, &reason);
  ASSERT_TRUE(big) << qPrintable(reason);
  ASSERT_EQ(big->image.size(), QSize(1280, 960));
  for (int i = 0; i < 1280 * 960; i += 997)
    ASSERT_EQ(big->image.pixel(i % 1280, i / 1280), qRgb(128, 128, 128)) << i;
}

// The header alone is read, whatever size it claims (what a decode would cost is judged by the
// refusals above); what is not a picture is refused with its reason.
TEST(PhotoClaims, HeadersAreReadWithoutDecodingAndNonPicturesAreRefused) {
  const auto progressive = header(pf::flatJpeg(12000, 12000, true, 0x11, 0));
  ASSERT_TRUE(progressive);
  EXPECT_EQ(progressive->size, QSize(12000, 12000));
  EXPECT_TRUE(progressive->reducible);
  EXPECT_FALSE(progressive->complete);
  for (const QByteArray& bytes : {QByteArray("not a picture"), QByteArray("\xFF\xD8\xFF\xD9", 4)}) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString reason;
    EXPECT_FALSE(platform::readPictureHeader(buffer, &reason));
    EXPECT_EQ(reason, bytes.startsWith("not") ? "the file is not a picture" : kDamaged);
  }
}

// Every input the fuzzer found a fault with, replayed through the same path as the fuzzer takes it,
// within the fuzzer's memory limit (600 MB resident, this test process included).
TEST(FuzzRegressions, EveryFindingPassesThePhotoPathWithinTheMemoryLimit) {
  const QDir dir(VORLANE_FUZZ_REGRESSIONS);
  const QStringList names = dir.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    const std::optional<std::string> fault = fuzz::prepareAndRender(file.readAll());
    EXPECT_FALSE(fault) << qPrintable(name) << ": " << fault.value_or("");
  }
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer's shadow memory makes resident size meaningless
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 600L * 1024) << "peak resident set " << usage.ru_maxrss << " KB";
#endif
}

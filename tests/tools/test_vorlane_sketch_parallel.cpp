// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real vorlane-sketch binary with several photos at once: what the codecs say stays with
// the photo it is about, whatever the number of jobs, and every format the app opens is taken
// from a folder.
#include <QtEndian>

#include "tests/platform/test_heif_files.h"
#include "tests/tools/SketchFixture.h"

namespace {

using namespace sketch_test;

// A 16 x 8 RGB PNG; `warn`: a text chunk whose checksum is wrong (libpng warns and reads on);
// `damaged`: its compressed pixels broken (libpng gives up with an error).
QByteArray pngBytes(bool warn, bool damaged) {
  QByteArray header(13, '\0');
  qToBigEndian<quint32>(16, header.data());
  qToBigEndian<quint32>(8, header.data() + 4);
  header[8] = 8, header[9] = 2;
  QByteArray raw;
  for (int y = 0; y < 8; ++y) {
    raw += '\0';
    for (int x = 0; x < 16; ++x) raw += QByteArray(1, char(x * 16)) + char(y * 30) + char(100);
  }
  QByteArray pixels = qCompress(raw).mid(4);  // qCompress puts the length before zlib's stream
  if (damaged) pixels[5] = char(pixels[5] ^ 0xFF), pixels[6] = char(pixels[6] ^ 0x55);
  QByteArray text = pf::pngChunk("tEXt", QByteArray("Comment\0hello", 13));
  text.back() = char(text.back() ^ 1);
  return QByteArray("\x89PNG\r\n\x1A\n", 8) + pf::pngChunk("IHDR", header) + (warn ? text : QByteArray()) +
         pf::pngChunk("IDAT", pixels) + pf::pngChunk("IEND", {});
}

QStringList lines(const QString& text) {
  return text.split('\n', Qt::SkipEmptyParts);
}

}  // namespace

// Fifty batches of twelve damaged PNGs among twelve good JPEGs, four jobs at a time: no crash, one
// line for each damaged photo and the count, nothing else (libpng's own words stay in the log).
TEST_F(VorlaneSketchTest, ParallelBatchesOfDamagedPhotosSayOneLineEachAndNeverCrash) {
  QDir(dir.path()).mkpath("in");
  QStringList damaged;
  for (int i = 0; i < 12; ++i) {
    damaged << write(QString("in/d%1.png").arg(i, 2, 10, QChar('0')), pngBytes(false, true));
    write(QString("in/g%1.jpg").arg(i, 2, 10, QChar('0')), pf::encode(pf::gradient(40 + i, 30), "jpeg", 90));
  }
  for (int round = 0; round < 50; ++round) {
    const QString out = path(QString("out%1").arg(round));
    const Outcome o = run({"--jobs", "4", "--out-dir", out, path("in")});
    ASSERT_EQ(o.exitCode, 1) << "round " << round << ": " << qPrintable(o.err);
    QStringList expected;
    for (const QString& file : damaged)
      expected << "vorlane-sketch: " + file + ": the file is damaged or incomplete";
    expected << "vorlane-sketch: 12 of 24 photos failed";
    QStringList said = lines(o.err);
    std::sort(said.begin(), said.end() - 1);  // jobs finish in any order; the count comes last
    ASSERT_EQ(said, expected) << "round " << round;
    ASSERT_EQ(entries(out).size(), 12) << "round " << round;
  }
}

// Asked for, the codecs' words are logged under the name of the photo they are about, also when
// four photos are read at once.
TEST_F(VorlaneSketchTest, CodecWordsAreLoggedUnderTheirPhotosName) {
  QDir(dir.path()).mkpath("in");
  QStringList expected;
  for (int i = 0; i < 4; ++i) {
    const QString file = write(QString("in/w%1.png").arg(i), pngBytes(true, false));
    expected << "vorlane.codec: " + file + ": libpng warning: tEXt: CRC error";
  }
  const Outcome o = run({"--jobs", "4", "--out-dir", path("out"), path("in")},
                        {.env = {"QT_LOGGING_RULES=vorlane.codec=true"}});
  EXPECT_EQ(o.exitCode, 0);
  QStringList said = lines(o.err);
  said.sort();
  EXPECT_EQ(said, expected);
}

// A folder of phone photos: HEIC and AVIF are taken like any other picture, as named one by one.
TEST_F(VorlaneSketchTest, FoldersGiveEveryFormatTheAppOpensHeifAndAvifIncluded) {
  QDir(dir.path()).mkpath("phone");
  const QImage picture = pf::gradient(48, 32);
  const QByteArray heic = heif_files::encode(picture, false), avif = heif_files::encode(picture, true);
  ASSERT_FALSE(heic.isEmpty());
  ASSERT_FALSE(avif.isEmpty());
  write("phone/IMG_1.HEIC", heic);
  write("phone/IMG_2.heif", heic);
  write("phone/IMG_3.avif", avif);
  write("phone/IMG_4.png", pf::encode(picture, "png"));
  write("phone/notes.txt", "not a photo");
  const Outcome o = run({"--out-dir", path("out"), path("phone")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
  EXPECT_EQ(entries(path("out")),
            (QStringList{"IMG_1.style1.png", "IMG_2.style1.png", "IMG_3.style1.png", "IMG_4.style1.png"}));
  for (const QString& name : QDir(path("out")).entryList(QDir::Files))
    EXPECT_EQ(QImage(path("out/" + name)).size(), picture.size()) << qPrintable(name);
}

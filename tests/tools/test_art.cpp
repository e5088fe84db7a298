// The art generator: the committed pictures are exactly what it draws, and the
// pictures have the properties the application relies on.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <vector>

#include "tools/art/Art.h"

namespace {

TEST(ArtGenerator, CommittedPicturesAreExactlyTheRegeneratedOnes) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  QStringList written;
  QString error;
  ASSERT_TRUE(art::generateAll(out.path(), &written, &error)) << error.toStdString();
  QSet<QString> generated;
  for (const art::Piece& piece : art::catalog()) {
    SCOPED_TRACE(piece.name.toStdString());
    generated.insert(piece.name);
    const QString fresh = QDir(out.path()).filePath(piece.name);
    ASSERT_TRUE(written.contains(fresh));
    const QImage now(fresh), committed(":/images/" + piece.name);
    ASSERT_FALSE(now.isNull());
    ASSERT_FALSE(committed.isNull()) << "not committed";
    EXPECT_TRUE(now.convertToFormat(QImage::Format_ARGB32) == committed.convertToFormat(QImage::Format_ARGB32))
        << "differs: run the regenerate-art target and commit";
  }
  // Nothing stale: every shipped picture comes from the generator.
  for (QDirIterator it(":/images"); it.hasNext();)
    EXPECT_TRUE(generated.contains(QFileInfo(it.next()).fileName())) << it.fileName().toStdString() << " is not drawn";
  EXPECT_EQ(QImage(":/sample/astronaut.png").size(), QSize(512, 512));  // the sample photo is compiled in too
}

TEST(ArtGenerator, RefusesUnknownPictureTypesAndUnwritableFolders) {
  QTemporaryDir out;
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  QString error;
  EXPECT_FALSE(art::writePicture(image, out.filePath("x.bmp"), &error));
  EXPECT_TRUE(error.contains("x.bmp"));
  EXPECT_FALSE(QFile::exists(out.filePath("x.bmp")));
  // A file standing where the folder should be.
  QFile blocker(out.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  error.clear();
  EXPECT_FALSE(art::generateAll(out.filePath("blocked/images"), nullptr, &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(ArtGenerator, JpegIsFlattenedOntoWhite) {
  QTemporaryDir out;
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  ASSERT_TRUE(art::writePicture(image, out.filePath("flat.jpg")));
  const QImage back(out.filePath("flat.jpg"));
  ASSERT_EQ(back.size(), QSize(16, 16));
  EXPECT_GE(qRed(back.pixel(8, 8)), 250);
  EXPECT_GE(qBlue(back.pixel(8, 8)), 250);
}

TEST(ArtTexture, GreyMostlyDarkWithLighterStrokes) {
  const QImage texture = QImage(":/images/sketchbrush.png").convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(texture.size(), QSize(1024, 1024));
  std::vector<int> histogram(256, 0);
  double sum = 0;
  for (int y = 0; y < texture.height(); ++y)
    for (int x = 0; x < texture.width(); ++x) {
      const QRgb p = texture.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qBlue(p) && qGreen(p) == qBlue(p) && qAlpha(p) == 255) << x << "," << y;
      ++histogram[qBlue(p)];
      sum += qBlue(p);
    }
  const double n = 1024.0 * 1024.0;
  EXPECT_GT(sum / n, 25.0);
  EXPECT_LT(sum / n, 45.0);
  // Quantiles: most of the sheet is dark, strokes reach well above it, nothing near white.
  auto quantile = [&](double q) {
    double seen = 0;
    for (int v = 0; v < 256; ++v)
      if ((seen += histogram[v]) >= q * n) return v;
    return 255;
  };
  EXPECT_LE(quantile(0.75), 60);
  EXPECT_GE(quantile(0.99), 75);
  EXPECT_LE(quantile(1.0), 128);
  EXPECT_GE(quantile(0.01), 1);  // paper grain everywhere: no flat black
}

}  // namespace

// The art generator: the committed pictures are exactly what it draws, and the
// pictures have the properties the application relies on.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "tools/art/Art.h"

namespace {

QImage asArgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32);
}

// Empty when equal, else where and how they first differ.
QString firstDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size())
    return QString("size %1x%2 vs %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
  const QImage x = asArgb(a), y = asArgb(b);
  for (int row = 0; row < x.height(); ++row) {
    const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int col = 0; col < x.width(); ++col)
      if (p[col] != q[col])
        return QString("pixel (%1, %2): %3 vs %4").arg(col).arg(row).arg(p[col], 8, 16).arg(q[col], 8, 16);
  }
  return {};
}

TEST(ArtResources, CompiledInUnderTheirPrefixes) {
  for (const char* path : {":/images/sketchbrush.png", ":/data/AppDataList.plist", ":/data/maillink.plist",
                           ":/strings/Localizable.strings", ":/sample/astronaut.png"})
    EXPECT_TRUE(QFile(path).exists()) << path;
  EXPECT_FALSE(QFile(":/images/no-such-picture.png").exists());
  const QImage sample(":/sample/astronaut.png");
  EXPECT_EQ(sample.size(), QSize(512, 512));
}

TEST(ArtGenerator, CommittedPicturesAreExactlyTheRegeneratedOnes) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  QStringList written;
  QString error;
  ASSERT_TRUE(art::generateAll(out.path(), &written, &error)) << error.toStdString();

  QSet<QString> generated;
  for (const art::Piece& piece : art::catalog()) {
    generated.insert(piece.name);
    const QString fresh = QDir(out.path()).filePath(piece.name);
    ASSERT_TRUE(written.contains(fresh)) << piece.name.toStdString();
    const QImage now(fresh), committed(":/images/" + piece.name);
    ASSERT_FALSE(now.isNull()) << piece.name.toStdString();
    ASSERT_FALSE(committed.isNull()) << piece.name.toStdString() << " is not committed";
    EXPECT_EQ(firstDifference(now, committed).toStdString(), "")
        << piece.name.toStdString() << " differs: run the regenerate-art target and commit";
  }
  // Nothing stale: every shipped picture comes from the generator.
  QDirIterator it(":/images");
  while (it.hasNext()) {
    it.next();
    EXPECT_TRUE(generated.contains(it.fileName())) << it.fileName().toStdString() << " is not drawn";
  }
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
  const QImage texture = asArgb(QImage(":/images/sketchbrush.png"));
  ASSERT_EQ(texture.size(), QSize(1024, 1024));
  std::vector<int> histogram(256, 0);
  double sum = 0;
  for (int y = 0; y < texture.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(texture.constScanLine(y));
    for (int x = 0; x < texture.width(); ++x) {
      ASSERT_EQ(qRed(row[x]), qBlue(row[x])) << x << "," << y;
      ASSERT_EQ(qGreen(row[x]), qBlue(row[x])) << x << "," << y;
      ASSERT_EQ(qAlpha(row[x]), 255);
      ++histogram[qBlue(row[x])];
      sum += qBlue(row[x]);
    }
  }
  const double n = 1024.0 * 1024.0;
  const double mean = sum / n;
  EXPECT_GT(mean, 25.0);
  EXPECT_LT(mean, 45.0);
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

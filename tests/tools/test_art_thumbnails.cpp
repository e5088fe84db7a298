// Style thumbnails: the crop that fits a photo into a list cell, and renderings
// that really come from the engine.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QVariant>

#include "platform/PropertyList.h"
#include "tools/art/Art.h"

namespace {

QImage solid(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

// Counts pixels whose red clearly dominates (the marked margins below).
int redPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 100 && c.green() < 100) ++count;
    }
  return count;
}

double meanGrey(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  return sum / (image.width() * image.height());
}

TEST(ArtThumbnails, CentreCropDropsTheMarginsOfWideAndTallPictures) {
  // Square 400 x 400: a 3:4 crop is 300 wide, so 50 columns go on each side.
  QImage wide = solid(400, 400, Qt::green);
  QPainter(&wide).fillRect(QRect(0, 0, 49, 400), Qt::red);
  QPainter(&wide).fillRect(QRect(351, 0, 49, 400), Qt::red);
  const QImage a = art::fitCentreCrop(wide, 240, 320);
  EXPECT_EQ(a.size(), QSize(240, 320));
  EXPECT_EQ(redPixels(a), 0);
  // One column more of red on the left would show.
  QPainter(&wide).fillRect(QRect(0, 0, 60, 400), Qt::red);
  EXPECT_GT(redPixels(art::fitCentreCrop(wide, 240, 320)), 0);

  // Tall 300 x 800: the 3:4 crop is 400 high, 200 rows go at top and bottom.
  QImage tall = solid(300, 800, Qt::green);
  QPainter(&tall).fillRect(QRect(0, 0, 300, 199), Qt::red);
  QPainter(&tall).fillRect(QRect(0, 601, 300, 199), Qt::red);
  const QImage b = art::fitCentreCrop(tall, 240, 320);
  EXPECT_EQ(b.size(), QSize(240, 320));
  EXPECT_EQ(redPixels(b), 0);

  EXPECT_TRUE(art::fitCentreCrop(QImage(), 240, 320).isNull());
  EXPECT_TRUE(art::fitCentreCrop(tall, 0, 320).isNull());
}

TEST(ArtThumbnails, StyleZeroIsThePhotoItself) {
  const QImage photo = solid(120, 160, QColor(200, 40, 10));
  const QImage thumb = art::drawStyleThumbnail(0, photo, solid(8, 8, Qt::black)).value();
  EXPECT_EQ(thumb.size(), QSize(art::kThumbnailWidth, art::kThumbnailHeight));
  EXPECT_EQ(thumb.pixelColor(120, 160), QColor(200, 40, 10));
}

TEST(ArtThumbnails, StylesRenderThroughTheEngineWithTheTextureBlend) {
  // Uniform grey 100 under a black texture: style 1 keeps c, the blend gives
  // floor(255 * 100 / 256) = 99; style 3 gives 255 -> 254; style 4 gives 0.
  const QImage photo = solid(120, 160, QColor(100, 100, 100));
  const QImage black = solid(64, 64, Qt::black);
  const std::pair<int, int> expected[] = {{1, 99}, {3, 254}, {4, 0}, {6, 127}};
  for (const auto& [style, value] : expected) {
    const QImage thumb = art::drawStyleThumbnail(style, photo, black).value();
    ASSERT_EQ(thumb.size(), QSize(240, 320));
    const QColor c = thumb.pixelColor(120, 160);
    EXPECT_EQ(c.red(), value) << "style " << style;
    EXPECT_EQ(c.green(), value) << "style " << style;
    EXPECT_EQ(c.blue(), value) << "style " << style;
  }
  // A white texture lifts every style to 254, whatever the photo.
  const QImage white = solid(64, 64, Qt::white);
  EXPECT_EQ(art::drawStyleThumbnail(4, photo, white).value().pixelColor(120, 160), QColor(254, 254, 254));
}

TEST(ArtThumbnails, RefusesWhatTheEngineRefuses) {
  QString error;
  EXPECT_FALSE(art::drawStyleThumbnail(8, solid(32, 32, Qt::gray), solid(8, 8, Qt::black), &error));
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_FALSE(art::drawStyleThumbnail(1, QImage(), solid(8, 8, Qt::black), &error));
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_FALSE(art::drawStyleThumbnail(2, solid(32, 32, Qt::gray), QImage(), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(ArtThumbnails, ShippedListNamesOneThumbnailPerStyle) {
  QString error;
  const QVariantMap data = platform::readPropertyList(":/data/AppDataList.plist", &error).toMap();
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  EXPECT_EQ(data.value("sketchbrush").toStringList(), QStringList({"sketchbrush.png"}));
  const QStringList types = data.value("sketchtype").toStringList();
  ASSERT_EQ(types.size(), 8);
  for (int style = 0; style < types.size(); ++style) {
    EXPECT_EQ(types[style], QString("sketchtype%1.jpg").arg(style));
    EXPECT_EQ(QImage(":/images/" + types[style]).size(), QSize(240, 320)) << style;
  }
}

TEST(ArtThumbnails, ShippedThumbnailsLookLikeTheirStyles) {
  auto load = [](int style) { return QImage(QString(":/images/sketchtype%1.jpg").arg(style)); };
  // Row 0 is the colour photo; the styles are grey (within JPEG's rounding).
  int coloured = 0;
  const QImage photo = load(0);
  for (int y = 0; y < photo.height(); y += 4)
    for (int x = 0; x < photo.width(); x += 4)
      if (photo.pixelColor(x, y).hsvSaturation() > 100) ++coloured;
  EXPECT_GT(coloured, 500);
  for (int style = 1; style <= 7; ++style) {
    const QImage image = load(style);
    int maxSpread = 0;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3) {
        const QColor c = image.pixelColor(x, y);
        maxSpread = std::max({maxSpread, std::abs(c.red() - c.green()), std::abs(c.green() - c.blue())});
      }
    EXPECT_LE(maxSpread, 4) << "style " << style;
  }
  // Dark edges on white against light edges on black; reliefs sit near mid-grey.
  EXPECT_GT(meanGrey(load(3)), 170);
  EXPECT_LT(meanGrey(load(4)), 90);
  for (int style : {6, 7}) {
    EXPECT_GT(meanGrey(load(style)), 110) << style;
    EXPECT_LT(meanGrey(load(style)), 170) << style;
  }
}

}  // namespace

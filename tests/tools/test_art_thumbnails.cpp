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

// A green picture with red margins of the given widths at left/right or top/bottom.
QImage marked(int w, int h, QRect first, QRect second) {
  QImage image = solid(w, h, Qt::green);
  QPainter(&image).fillRect(first, Qt::red);
  QPainter(&image).fillRect(second, Qt::red);
  return image;
}

bool anyRed(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).red() > 100 && image.pixelColor(x, y).green() < 100) return true;
  return false;
}

double meanGrey(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  return sum / (image.width() * image.height());
}

TEST(ArtThumbnails, CentreCropDropsTheMarginsOfWideAndTallPictures) {
  // Square 400 x 400: a 3:4 crop is 300 wide, so 50 columns go on each side;
  // tall 300 x 800: the crop is 400 high, 200 rows go at top and bottom.
  const QImage wide = marked(400, 400, {0, 0, 49, 400}, {351, 0, 49, 400});
  const QImage tall = marked(300, 800, {0, 0, 300, 199}, {0, 601, 300, 199});
  for (const QImage& picture : {wide, tall}) {
    const QImage crop = art::fitCentreCrop(picture, 240, 320);
    EXPECT_EQ(crop.size(), QSize(240, 320));
    EXPECT_FALSE(anyRed(crop));
  }
  // A red margin reaching into the crop shows.
  EXPECT_TRUE(anyRed(art::fitCentreCrop(marked(400, 400, {0, 0, 60, 400}, {}), 240, 320)));
  EXPECT_TRUE(art::fitCentreCrop(QImage(), 240, 320).isNull());
  EXPECT_TRUE(art::fitCentreCrop(tall, 0, 320).isNull());
}

TEST(ArtThumbnails, StylesRenderThroughTheEngineWithTheTextureBlend) {
  // Uniform grey 100 under a black texture: style 1 keeps c, the blend gives
  // floor(255 * 100 / 256) = 99; style 3 gives 255 -> 254; style 4 gives 0. A
  // white texture lifts every style to 254. Style 0 is the photo itself.
  const QImage photo = solid(120, 160, QColor(100, 100, 100));
  const QImage black = solid(64, 64, Qt::black), white = solid(64, 64, Qt::white);
  const std::tuple<int, QImage, int> cases[] = {
      {1, black, 99}, {3, black, 254}, {4, black, 0}, {6, black, 127}, {4, white, 254}};
  for (const auto& [style, texture, value] : cases) {
    const auto thumb = art::drawStyleThumbnail(style, photo, texture);
    ASSERT_TRUE(thumb) << style;
    ASSERT_EQ(thumb->size(), QSize(240, 320));
    EXPECT_EQ(thumb->pixelColor(120, 160), QColor(value, value, value)) << "style " << style;
  }
  EXPECT_EQ(art::drawStyleThumbnail(0, solid(120, 160, QColor(200, 40, 10)), black)->pixelColor(120, 160),
            QColor(200, 40, 10));
}

TEST(ArtThumbnails, RefusesWhatTheEngineRefuses) {
  const QImage grey = solid(32, 32, Qt::gray), black = solid(8, 8, Qt::black);
  for (const auto& [style, photo, texture] : {std::tuple{8, grey, black}, {1, QImage(), black}, {2, grey, QImage()}}) {
    QString error;
    EXPECT_FALSE(art::drawStyleThumbnail(style, photo, texture, &error)) << style;
    EXPECT_FALSE(error.isEmpty()) << style;
  }
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
    for (int x = 0; x < photo.width(); x += 4) coloured += photo.pixelColor(x, y).hsvSaturation() > 100;
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

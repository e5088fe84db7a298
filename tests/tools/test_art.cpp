// SPDX-License-Identifier: GPL-3.0-or-later
// The art generator: the committed pictures are exactly what it draws, as the screens need them.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "tools/art/Art.h"

namespace {

QImage committed(const QString& name) {
  return QImage(":/images/" + name).convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of one channel between two pictures of the same size
// (256 when the sizes differ).
int maxChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 256;
  int most = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      for (int shift : {0, 8, 16, 24})
        most = std::max(most, std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
    }
  return most;
}

QImage solid(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

TEST(ArtGenerator, CommittedPicturesAreExactlyTheRegeneratedOnes) {
  QTemporaryDir out;
  QStringList written, generated;
  QString error;
  ASSERT_TRUE(art::generateAll(out.path(), &written, &error)) << error.toStdString();
  const QImage sample(":/sample/astronaut.png"), brush = committed("sketchbrush.png");  // both compiled in
  for (const art::Piece& piece : art::catalog()) {
    const QImage now = QImage(out.filePath(piece.name)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_TRUE(written.contains(out.filePath(piece.name))) << piece.name.toStdString();
    EXPECT_FALSE(now.isNull()) << piece.name.toStdString();
    // Qt's raster engine picks its blending code by processor, and antialiased
    // edges may round one level apart on another machine; anything more is a change.
    EXPECT_LE(maxChannelDifference(now, committed(piece.name)), 1)
        << piece.name.toStdString() << " differs: run regenerate-art, commit";
    if (piece.name.startsWith("sketchtype")) {  // the thumbnail of style N is that style's rendering
      EXPECT_TRUE(piece.draw() == art::drawStyleThumbnail(piece.name.mid(10, 1).toInt(), sample, brush))
          << piece.name.toStdString();
    }
    generated << piece.name;
  }
  // Nothing stale: every shipped picture comes from the generator.
  for (QDirIterator it(":/images"); it.hasNext();)
    EXPECT_TRUE(generated.contains(it.next().section('/', -1)))
        << it.fileName().toStdString() << " is not drawn";
}

// Each block x block square of pixels as one pixel, its channels averaged.
QImage blockAverage(const QImage& image, int block) {
  QImage out(image.width() / block, image.height() / block, QImage::Format_ARGB32);
  for (int by = 0; by < out.height(); ++by)
    for (int bx = 0; bx < out.width(); ++bx) {
      int sum[4] = {0, 0, 0, 0};
      for (int y = by * block; y < (by + 1) * block; ++y)
        for (int x = bx * block; x < (bx + 1) * block; ++x) {
          const QRgb p = image.pixel(x, y);
          sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
        }
      const int n = block * block;
      out.setPixel(bx, by, qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n));
    }
  return out;
}

// How far Qt's own (SVG Tiny) renderer's drawing of svg is from the raster
// drawing at 256 pixels, seen in blocks of block x block pixels: the mean
// difference, and the blocks far apart.
void expectSvgRendersLike(const QByteArray& svg, const QImage& raster, const char* name, int block = 1) {
  SCOPED_TRACE(name);
  EXPECT_FALSE(svg.contains("clipPath"));
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.defaultSize(), QSize(256, 256));
  QImage rendered(256, 256, QImage::Format_ARGB32_Premultiplied);
  rendered.fill(Qt::transparent);
  QPainter painter(&rendered);
  renderer.render(&painter);
  painter.end();
  ASSERT_EQ(raster.size(), QSize(256, 256));
  const QImage a = blockAverage(rendered.convertToFormat(QImage::Format_ARGB32), block),
               b = blockAverage(raster.convertToFormat(QImage::Format_ARGB32), block);
  const int side = 256 / block;
  double total = 0;
  int far = 0;
  for (int i = 0; i < side * side; ++i) {
    const QRgb p = a.pixel(i % side, i / side), q = b.pixel(i % side, i / side);
    const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                            std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    total += d;
    far += d > 48;
  }
  EXPECT_LT(total / (side * side), 0.5);  // when written: app icon 0.17, document icon 0.30 (in 4 x 4)
  EXPECT_LT(far, 64 / (block * block)) << "blocks far apart";
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The desktop icon's other sizes and the document icon's: committed as drawn (to the level), nothing
// stale; each SVG, drawn by Qt's own (SVG Tiny) renderer, shows its raster icon: close on average, and no
// region of another colour.
TEST(ArtIcons, CommittedIconsAreTheDrawnOnesAndTheScalableIconsRenderLikeTheRasterOnes) {
  QTemporaryDir out;
  QStringList written;
  QString error;
  ASSERT_TRUE(art::generateIcons(out.path(), &written, &error)) << error.toStdString();
  const QDir icons(VORLANE_ICONS_DIR);
  QStringList names, committedNames = icons.entryList(QDir::Files);
  for (const QString& path : written) names << path.section('/', -1);
  names.sort(), committedNames.sort();
  EXPECT_EQ(committedNames, names);
  std::vector<std::pair<QString, int>> pngs;
  for (int size : art::kIconSizes) pngs.emplace_back(QString("%1x%1.png").arg(size), size);
  for (int size : art::kDocumentIconSizes) pngs.emplace_back(QString("document-%1x%1.png").arg(size), size);
  for (const auto& [name, size] : pngs) {
    const QImage now = QImage(out.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(now.size(), QSize(size, size)) << size;
    EXPECT_LE(maxChannelDifference(now, QImage(icons.filePath(name)).convertToFormat(QImage::Format_ARGB32)),
              1)
        << name.toStdString() << " differs: run regenerate-art, commit";
  }
  for (const char* name : {"scalable.svg", "document-scalable.svg"}) {
    const QByteArray svg = readAll(out.filePath(name));
    EXPECT_FALSE(svg.isEmpty()) << name;
    EXPECT_TRUE(svg == readAll(icons.filePath(name))) << name << " differs: run regenerate-art, commit";
  }
  expectSvgRendersLike(readAll(out.filePath("scalable.svg")), art::drawAppIcon(256), "app icon");
  // The document's hatching is thin at its window's scale, and the renderers'
  // antialiasing parts along a few of its lines; seen 4 x 4 pixels, they agree.
  expectSvgRendersLike(readAll(out.filePath("document-scalable.svg")), art::drawDocumentIcon(256),
                       "document icon", 4);
}

// The document icon is the app's landscape on a page: the page is opaque paper
// and the corner past the fold is left transparent, so the icon reads as a sheet.
TEST(ArtIcons, DocumentIconIsAPageWithAFoldedCornerAroundTheLandscape) {
  const QImage icon = art::drawDocumentIcon(256).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(icon.pixel(4, 128)), 0);              // left of the page
  EXPECT_EQ(qAlpha(icon.pixel(214, 16)), 0);             // beyond the fold
  EXPECT_EQ(qAlpha(icon.pixel(190, 40)), 255);           // the folded flap itself
  EXPECT_EQ(icon.pixel(120, 230), qRgb(252, 250, 244));  // paper below the picture
  // The picture's left half is the sketch's paper, nearly grey, its right half the blue sky.
  const QRgb sketch = icon.pixel(70, 90), sky = icon.pixel(186, 90);
  EXPECT_LE(std::abs(qRed(sketch) - qBlue(sketch)), 10);
  EXPECT_GT(qBlue(sky), qRed(sky) + 60);
}

TEST(ArtGenerator, JpegIsFlattenedOntoWhiteAndBadTypesOrFoldersAreRefused) {
  QTemporaryDir out;
  const QImage clear = solid(16, 16, Qt::transparent);
  ASSERT_TRUE(art::writePicture(clear, out.filePath("flat.jpg")));
  EXPECT_GE(qGray(QImage(out.filePath("flat.jpg")).pixel(8, 8)), 250);
  QString error;
  EXPECT_FALSE(art::writePicture(clear, out.filePath("x.bmp"), &error));
  EXPECT_TRUE(error.contains("x.bmp")) << error.toStdString();
  EXPECT_FALSE(QFile::exists(out.filePath("x.bmp")));
  QFile blocker(out.filePath("blocked"));  // a file standing where the folder should be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  error.clear();
  EXPECT_FALSE(art::generateAll(out.filePath("blocked/images"), nullptr, &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(ArtPictures, TheBrushRingAndTheButtonsReadAsWhatTheyAre) {
  // The brush ring: clear outside, opaque on all four sides, the picture showing through inside.
  const QImage circle = committed("circle.png");
  for (auto [x, y, lo, hi] : {std::array{0, 0, 0, 0},
                              {30, 30, 0, 0},
                              {255, 128, 0, 0},
                              {248, 128, 255, 255},
                              {8, 128, 255, 255},
                              {128, 8, 255, 255},
                              {128, 248, 255, 255},
                              {128, 128, 11, 127}}) {
    EXPECT_GE(qAlpha(circle.pixel(x, y)), lo) << x << "," << y;
    EXPECT_LE(qAlpha(circle.pixel(x, y)), hi) << x << "," << y;
  }
  // Redo is undo mirrored, and told apart; a selected brush button is dark, an unselected one light.
  const QImage undo = committed("undo.png"), redo = committed("redo.png");
  EXPECT_TRUE(undo.mirrored(true, false) == redo);
  EXPECT_FALSE(undo == redo);
  for (const QString letter : {"A", "B"}) {
    EXPECT_GT(committed(letter + "_UnSel.png").pixelColor(18, 66).lightness(), 180) << letter.toStdString();
    EXPECT_LT(committed(letter + "_Sel.png").pixelColor(18, 66).lightness(), 110) << letter.toStdString();
  }
}

TEST(ArtPictures, ToolbarIconsAreOneDesignAtEachRatioAndQtPicksTheRightFile) {
  ASSERT_EQ(art::toolbarIconNames().size(), 14);
  for (const QString& name : art::toolbarIconNames()) {
    SCOPED_TRACE(name.toStdString());
    const QImage one = committed(name + ".png"), half = committed(name + "@1.5x.png"),
                 two = committed(name + "@2x.png");
    for (const QImage& image : {one, half, two}) {  // 24, 36 and 48 pixels, the corners clear
      const int e = image.width() - 1;
      ASSERT_EQ(image.size(), QSize(e + 1, e + 1));
      EXPECT_EQ(qAlpha(image.pixel(0, 0)) | qAlpha(image.pixel(e, 0)) | qAlpha(image.pixel(0, e)) |
                    qAlpha(image.pixel(e, e)),
                0);
    }
    ASSERT_EQ(std::tuple(one.width(), half.width(), two.width()), std::tuple(24, 36, 48));
    // A solid glyph in the outline grey, and the double size the same design: averaged down 2 x 2 it
    // covers the same pixels within 8 levels on average (5 at most today; zoom out against zoom in is 10).
    int solid = 0, ink = 0, drift = 0;
    for (int i = 0; i < 24 * 24; ++i) {
      const int x = i % 24, y = i / 24;
      solid += qAlpha(one.pixel(x, y)) == 255;
      ink += one.pixel(x, y) == qRgb(0x3b, 0x3b, 0x3b);
      const int quad = qAlpha(two.pixel(2 * x, 2 * y)) + qAlpha(two.pixel(2 * x + 1, 2 * y)) +
                       qAlpha(two.pixel(2 * x, 2 * y + 1)) + qAlpha(two.pixel(2 * x + 1, 2 * y + 1));
      drift += std::abs(quad / 4 - qAlpha(one.pixel(x, y)));
    }
    EXPECT_GE(solid, 40);
    EXPECT_GE(ink, 10);
    EXPECT_LT(drift, 24 * 24 * 8);
  }
  EXPECT_TRUE(art::drawToolbarIcon("tb_nothing", 24).isNull());
  EXPECT_TRUE(art::drawToolbarIcon("tb_open", 0).isNull());
  // Qt reads the @2x file as ratio 2 by its name; an icon holding the three files
  // hands out the drawn size for ratios 1, 1.5 and 2 instead of scaling another.
  EXPECT_EQ(QImage(":/images/tb_open@2x.png").devicePixelRatio(), 2.0);
  QIcon icon(":/images/tb_open.png");
  for (const char* suffix : {"@1.5x", "@2x"}) icon.addFile(QString(":/images/tb_open%1.png").arg(suffix));
  for (auto [ratio, file] :
       {std::pair{1.0, "tb_open.png"}, {1.5, "tb_open@1.5x.png"}, {2.0, "tb_open@2x.png"}}) {
    const QImage drawn = icon.pixmap(QSize(24, 24), ratio).toImage();
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_Alpha8),
              committed(file).convertToFormat(QImage::Format_Alpha8))
        << file;
  }
}

TEST(ArtTexture, GreyMostlyDarkWithLighterStrokes) {
  const QImage texture(":/images/sketchbrush.png");
  EXPECT_TRUE(texture.allGray());
  EXPECT_FALSE(texture.hasAlphaChannel());
  std::vector<int> v;
  for (int i = 0; i < 1024 * 1024; ++i) v.push_back(qBlue(texture.pixel(i % 1024, i / 1024)));
  std::sort(v.begin(), v.end());
  const double mean = std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
  EXPECT_GT(mean, 25);
  EXPECT_LT(mean, 45);
  EXPECT_LE(v[786431], 60);   // 75% of the sheet dark,
  EXPECT_GE(v[1038090], 75);  // the top 1% of strokes well above it,
  EXPECT_LE(v.back(), 128);   // none near white,
  EXPECT_GE(v[10485], 1);     // grain in the darkest 1%
}

TEST(ArtData, ListsNameDrawnPicturesAndHomePagesAndOnlyLongTextsHaveEntries) {
  QString error;
  const QVariantList more = platform::readPropertyList(":/data/more.plist", &error).toList();
  ASSERT_EQ(more.size(), 3) << error.toStdString();
  for (const QVariant& item : more) {
    const QVariantMap entry = item.toMap();
    EXPECT_TRUE(entry.value("link").toString().startsWith("https://"))
        << entry.value("link").toString().toStdString();
    EXPECT_FALSE(entry.value("title").toString().isEmpty());
    EXPECT_TRUE(entry.value("info").toString().endsWith('.'));
    EXPECT_EQ(committed(entry.value("icon").toString()).size(), QSize(192, 192));
    EXPECT_EQ(committed(entry.value("demoimg").toString()).size(), QSize(768, 400));
  }
  const QVariantMap data = platform::readPropertyList(":/data/AppDataList.plist").toMap();
  QStringList types;
  for (int style = 0; style <= 7; ++style) types << QString("sketchtype%1.jpg").arg(style);
  EXPECT_EQ(data.value("sketchtype").toStringList(), types);
  EXPECT_EQ(data.value("sketchbrush").toStringList(), QStringList({"sketchbrush.png"}));
  QFile file(":/strings/Localizable.strings");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const auto table = platform::parseStringsTable(file.readAll(), &error);
  EXPECT_EQ(error, "");
  // The help texts, the style names and the more-apps buttons (listed as their own text, so that
  // their translations can be found): nothing else.
  EXPECT_EQ(table.size(), 13);
  for (const char* button : {"Get it", "More", "Next time"}) EXPECT_EQ(table.value(button), button);
  for (int style = 0; style <= 7; ++style)
    EXPECT_FALSE(table.value(QString("StyleName%1").arg(style)).isEmpty());
  EXPECT_TRUE(table.value("HelpTextDesktop").contains("right or middle mouse button"));
  EXPECT_FALSE(table.value("HelpText").isEmpty());
  EXPECT_EQ(platform::localizedString("Next time", ""), "Next time");
}

TEST(ArtThumbnails, CentreCropDropsTheMarginsOfWideAndTallPictures) {
  // Square 400 x 400: a 3:4 crop is 300 wide, so 50 columns go on each side; tall 300 x 800: the crop
  // is 400 high, 200 rows go at top and bottom. Red marks the margins, or reaches 10 into the crop.
  for (auto [w, h, first, second, shows] :
       {std::tuple{400, 400, QRect(0, 0, 49, 400), QRect(351, 0, 49, 400), false},
        {300, 800, QRect(0, 0, 300, 199), QRect(0, 601, 300, 199), false},
        {400, 400, QRect(0, 0, 60, 400), QRect(), true}}) {
    QImage picture = solid(w, h, Qt::green);
    for (QRect margin : {first, second}) QPainter(&picture).fillRect(margin, Qt::red);
    const QImage crop = art::fitCentreCrop(picture, 240, 320);
    ASSERT_EQ(crop.size(), QSize(240, 320));
    int red = 0;
    for (int i = 0; i < 240 * 320; ++i)
      red += qRed(crop.pixel(i % 240, i / 240)) > 100 && qGreen(crop.pixel(i % 240, i / 240)) < 100;
    EXPECT_EQ(red > 0, shows) << w << " x " << h << ": " << red;
  }
  EXPECT_TRUE(art::fitCentreCrop(QImage(), 240, 320).isNull());
  EXPECT_TRUE(art::fitCentreCrop(solid(300, 800, Qt::green), 0, 320).isNull());
}

TEST(ArtThumbnails, StylesRenderThroughTheEngineAndRefuseWhatItRefuses) {
  // Uniform grey 100 under a black texture: style 1 keeps c, the blend gives floor(255 * 100 / 256) = 99;
  // style 3 gives 255 -> 254; style 4 gives 0. A white texture lifts every style to 254. Style 0 is the
  // photo.
  const QImage photo = solid(120, 160, QColor(100, 100, 100)), black = solid(64, 64, Qt::black);
  for (auto [style, texture, value] : {std::tuple{1, black, 99},
                                       {3, black, 254},
                                       {4, black, 0},
                                       {6, black, 127},
                                       {4, solid(64, 64, Qt::white), 254}}) {
    const auto thumb = art::drawStyleThumbnail(style, photo, texture);
    ASSERT_TRUE(thumb) << style;
    ASSERT_EQ(thumb->size(), QSize(240, 320)) << style;
    EXPECT_EQ(thumb->pixelColor(120, 160), QColor(value, value, value)) << "style " << style;
  }
  EXPECT_EQ(art::drawStyleThumbnail(0, solid(120, 160, QColor(200, 40, 10)), black)->pixelColor(120, 160),
            QColor(200, 40, 10));
  for (auto [style, picture, texture] :
       {std::tuple{8, photo, black}, {1, QImage(), black}, {2, photo, QImage()}}) {
    QString error;
    EXPECT_FALSE(art::drawStyleThumbnail(style, picture, texture, &error)) << style;
    EXPECT_FALSE(error.isEmpty()) << style;
  }
}

}  // namespace

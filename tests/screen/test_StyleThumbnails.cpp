// SPDX-License-Identifier: GPL-3.0-or-later
// Style thumbnails: small copies of the engine's renderings of the photo, each
// delivered on the main thread, and nothing of a photo that was replaced.
#include <QMap>

#include "ScreenFixture.h"
#include "document/StyleRenderer.h"
#include "document/StyleThumbnails.h"

namespace {

constexpr const char* kTexture = "sketchbrush.png";

// The engine's own output for every row of a photo at a box.
QList<QImage> expectedRows(const QImage& photo, QSize box) {
  const QImage small = document::StyleThumbnails::smallCopy(photo, box);
  QList<QImage> rows{small};
  document::StyleRenderer renderer;
  renderer.setTextureName(kTexture);
  for (int style = 1; style <= 7; ++style) {
    sketch::GrayPlane plane;
    rows << document::StyleThumbnails::smallCopy(
        renderer.render(photo, style, plane, nullptr).value_or(QImage()), box);
  }
  return rows;
}

}  // namespace

TEST_F(ScreenTest, SmallCopyFitsTheBoxKeepingTheShapeAndNeverEnlarges) {
  const QImage photo = makePhoto(1280, 960).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (auto [size, box, expected] : {std::tuple{QSize(1280, 960), QSize(176, 176), QSize(176, 132)},
                                     {QSize(960, 1280), QSize(176, 176), QSize(132, 176)},
                                     {QSize(100, 80), QSize(176, 176), QSize(100, 80)},
                                     {QSize(4000, 3), QSize(176, 176), QSize(176, 1)}}) {
    const QImage copy = document::StyleThumbnails::smallCopy(photo.scaled(size), box);
    EXPECT_EQ(copy.size(), expected) << size.width() << "x" << size.height();
    EXPECT_EQ(copy.format(), QImage::Format_ARGB32_Premultiplied);
  }
  EXPECT_TRUE(document::StyleThumbnails::smallCopy(QImage(), QSize(10, 10)).isNull());
  EXPECT_TRUE(document::StyleThumbnails::smallCopy(photo, QSize()).isNull());
}

TEST_F(ScreenTest, ThumbnailsAreTheEngineOutputAndALaterPhotoCancelsTheFirst) {
  const QImage first = makePhoto(640, 480).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage second = makePhoto(300, 400).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  second.invertPixels(QImage::InvertRgb);
  const QSize box(120, 120);
  document::StyleThumbnails thumbnails;
  thumbnails.setTextureName(kTexture);
  QMap<int, QImage> delivered;
  int deliveries = 0;
  QObject::connect(&thumbnails, &document::StyleThumbnails::thumbnailReady,
                   [&](int row, const QImage& image) { delivered[row] = image, ++deliveries; });
  QSignalSpy finished(&thumbnails, &document::StyleThumbnails::finished);

  // Waits for the next end and checks that exactly photo's eight rows arrived since the last.
  auto onlyRowsOf = [&](const QImage& photo, QSize size) {
    const qsizetype ends = finished.count();
    ASSERT_TRUE(finished.wait(20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), ends + 1);
    EXPECT_EQ(deliveries, 8);
    const QList<QImage> expected = expectedRows(photo, box);
    for (int row = 0; row <= 7; ++row) {
      EXPECT_EQ(delivered.value(row).size(), size) << row;
      EXPECT_EQ(delivered.value(row), expected.at(row)) << row;
    }
    deliveries = 0;
    delivered.clear();
  };

  // Both asked for before the event loop runs, the first one's rows already rendered and waiting in
  // the event queue (setting the texture waits for the work in hand): only the second photo's arrive.
  thumbnails.render(first, box, 7);
  thumbnails.setTextureName(kTexture);
  thumbnails.render(second, box, 7);
  onlyRowsOf(second, QSize(90, 120));
  // The styles really differ from one another and from the photo.
  const QList<QImage> expected = expectedRows(second, box);
  for (int row = 1; row <= 7; ++row) EXPECT_NE(expected.at(row), expected.at(row - 1)) << row;

  // A cancelled photo delivers nothing, not even its end: after it, a third
  // photo's rows are all that arrive.
  thumbnails.render(first, box, 7);
  thumbnails.setTextureName(kTexture);
  thumbnails.cancel();
  const QImage third = makePhoto(120, 60).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  thumbnails.render(third, box, 7);
  onlyRowsOf(third, QSize(120, 60));
}

// The busy indicator's backdrop and spinning ticks, and the hand-painted label:
// exact text and shadow pixels, view alpha, blur, and taps passing through.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/ShadowLabel.h"

using platform::ActivityIndicator;
using platform::ShadowLabel;

namespace {

QImage grabbed(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(ActivityIndicator, StartShowsAndTurnsStopOnlyStops) {
  QWidget host;
  host.resize(200, 200);
  host.show();
  ActivityIndicator indicator(&host);
  indicator.hide();
  EXPECT_EQ(indicator.size(), QSize(20, 20));
  EXPECT_EQ(indicator.sizeHint(), QSize(20, 20));
  EXPECT_FALSE(indicator.isAnimating());

  indicator.startAnimating();
  EXPECT_TRUE(indicator.isVisible());
  EXPECT_TRUE(indicator.isAnimating());
  const int start = indicator.phase();
  QTRY_VERIFY(indicator.phase() != start);

  indicator.stopAnimating();
  EXPECT_FALSE(indicator.isAnimating());
  EXPECT_TRUE(indicator.isVisible());  // hiding is the caller's decision
  const int stopped = indicator.phase();
  QTest::qWait(250);
  EXPECT_EQ(indicator.phase(), stopped);
  indicator.startAnimating();
  indicator.startAnimating();
  EXPECT_TRUE(indicator.isAnimating());
}

TEST(ActivityIndicator, GreyBackdropAtThreeQuartersAndWhiteTicksWhileTurning) {
  // Over a black parent the backdrop shows as 0.75 x 128 = 96.
  QWidget host;
  QPalette palette = host.palette();
  palette.setColor(QPalette::Window, Qt::black);
  host.setPalette(palette);
  host.setAutoFillBackground(true);
  host.show();
  ActivityIndicator indicator(&host);
  indicator.setGeometry(10, 10, 20, 20);
  EXPECT_DOUBLE_EQ(indicator.viewAlpha(), 0.75);
  EXPECT_EQ(indicator.backdropColor(), QColor(128, 128, 128));

  QImage stopped = grabbed(indicator);
  ASSERT_EQ(stopped.size(), QSize(20, 20));
  // Grey 128 at alpha 0.75 everywhere, ticks not drawn.
  for (QPoint p : {QPoint(0, 0), QPoint(10, 3), QPoint(19, 19)}) {
    const QRgb c = stopped.pixel(p);
    EXPECT_NEAR(qRed(c), 96, 1);
    EXPECT_EQ(qRed(c), qGreen(c));
    EXPECT_EQ(qRed(c), qBlue(c));
  }
  indicator.startAnimating();
  const QImage turning = grabbed(indicator);
  // The top tick is white over the grey (255 x 0.75 = 191 at its core); the
  // corners stay grey.
  EXPECT_GT(qRed(turning.pixel(10, 3)), 140);
  EXPECT_LE(qRed(turning.pixel(10, 3)), 192);
  EXPECT_NEAR(qRed(turning.pixel(0, 0)), 96, 1);

  indicator.setViewAlpha(1.0);
  EXPECT_NEAR(qRed(grabbed(indicator).pixel(0, 0)), 128, 1);
  indicator.stopAnimating();
}

namespace {

// A label with thick glyphs so that whole pixels are inside the text.
void setUpLabel(ShadowLabel& label) {
  label.setGeometry(0, 0, 120, 60);
  label.setText("IHI");
  QFont f = label.font();
  f.setBold(true);
  label.setFont(f);
  label.setFontPixelSize(44);
  label.setTextColor(QColor(89, 13, 0));
  label.setAlignment(Qt::AlignHCenter);
}

}  // namespace

TEST(ShadowLabel, TextColourOnTheGlyphsAndShadowColourAtTheOffset) {
  QWidget host;
  host.resize(120, 60);
  ShadowLabel label(&host);
  setUpLabel(label);
  host.show();

  const QImage plain = grabbed(label);  // no shadow yet
  label.setShadowColor(QColor(144, 80, 23));
  label.setShadowOffset(QPointF(3, 3));
  label.setShadowRadius(0);
  const QImage shadowed = grabbed(label);
  ASSERT_EQ(shadowed.size(), QSize(120, 60));

  int textPixels = 0, shadowPixels = 0, emptyPixels = 0;
  for (int y = 3; y < 60; ++y)
    for (int x = 3; x < 120; ++x) {
      const bool glyph = qAlpha(plain.pixel(x, y)) == 255;
      const bool empty = qAlpha(plain.pixel(x, y)) == 0;
      const bool glyphBehind = qAlpha(plain.pixel(x - 3, y - 3)) == 255;
      const bool emptyBehind = qAlpha(plain.pixel(x - 3, y - 3)) == 0;
      if (glyph) {
        ++textPixels;
        EXPECT_EQ(shadowed.pixel(x, y), qRgba(89, 13, 0, 255)) << x << "," << y;
      } else if (empty && glyphBehind) {
        ++shadowPixels;
        EXPECT_EQ(shadowed.pixel(x, y), qRgba(144, 80, 23, 255)) << x << "," << y;
      } else if (empty && emptyBehind) {
        ++emptyPixels;
        EXPECT_EQ(qAlpha(shadowed.pixel(x, y)), 0) << x << "," << y;
      }
    }
  EXPECT_GT(textPixels, 100);
  EXPECT_GT(shadowPixels, 50);
  EXPECT_GT(emptyPixels, 1000);
}

TEST(ShadowLabel, AlignmentMovesTheText) {
  QWidget host;
  ShadowLabel label(&host);
  setUpLabel(label);
  label.setText("I");
  host.show();
  auto inkColumns = [&label] {
    const QImage img = grabbed(label);
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
      for (int y = 0; y < img.height(); ++y)
        if (qAlpha(img.pixel(x, y)) > 0) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair{first, last};
  };
  label.setAlignment(Qt::AlignLeft);
  const auto left = inkColumns();
  label.setAlignment(Qt::AlignRight);
  const auto right = inkColumns();
  label.setAlignment(Qt::AlignHCenter);
  const auto centre = inkColumns();
  EXPECT_LT(left.second, 30);
  EXPECT_GT(right.first, 90);
  EXPECT_NEAR((centre.first + centre.second) / 2.0, 60.0, 3.0);
}

TEST(ShadowLabel, ViewAlphaFadesTextAndShadowAlike) {
  QWidget host;
  ShadowLabel label(&host);
  setUpLabel(label);
  label.setShadowColor(QColor(144, 80, 23));
  label.setShadowOffset(QPointF(3, 3));
  label.setShadowRadius(0);
  host.show();
  const QImage full = grabbed(label);
  label.setViewAlpha(0.3);
  EXPECT_DOUBLE_EQ(label.viewAlpha(), 0.3);
  const QImage faint = grabbed(label);
  int checked = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if (qAlpha(full.pixel(x, y)) == 255) {
        ++checked;
        // 0.3 x 255 = 77; the painter's opacity steps of 1/256 give 75 or 76.
        EXPECT_NEAR(qAlpha(faint.pixel(x, y)), 76, 2);
        EXPECT_NEAR(qRed(faint.pixel(x, y)), qRed(full.pixel(x, y)), 2);  // same colour, less cover
      }
  EXPECT_GT(checked, 150);
  label.setViewAlpha(0.0);
  const QImage gone = grabbed(label);
  EXPECT_EQ(qAlpha(gone.pixel(60, 30)), 0);
}

TEST(ShadowLabel, BlurSpreadsTheShadowBeyondItsHardEdge) {
  QWidget host;
  ShadowLabel label(&host);
  setUpLabel(label);
  label.setText("I");
  label.setShadowColor(QColor(0, 0, 255));
  label.setShadowOffset(QPointF(0, 0));
  label.setShadowRadius(0);
  host.show();
  const QImage hard = label.renderContent();
  label.setShadowRadius(4);
  const QImage soft = label.renderContent();
  // Right of the glyph: nothing with a hard shadow, blue haze with a blurred one.
  int haze = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if (qAlpha(hard.pixel(x, y)) == 0 && qAlpha(soft.pixel(x, y)) > 0) {
        ++haze;
        EXPECT_EQ(qRed(soft.pixel(x, y)), 0);
        EXPECT_LT(qAlpha(soft.pixel(x, y)), 255);
      }
  EXPECT_GT(haze, 20);
  // The haze fades out within a few radii of the glyph.
  int rightmostInk = 0;
  for (int x = 0; x < 120; ++x)
    for (int y = 0; y < 60; ++y)
      if (qAlpha(hard.pixel(x, y)) > 0) rightmostInk = x;
  for (int y = 0; y < 60; ++y) EXPECT_EQ(qAlpha(soft.pixel(std::min(119, rightmostInk + 8), y)), 0);
}

TEST(ShadowLabel, TapsReachTheButtonUnderneath) {
  QWidget window;
  window.resize(100, 100);
  QPushButton button(&window);
  button.setGeometry(0, 0, 100, 100);
  ShadowLabel label("Load", &window);
  label.setGeometry(0, 50, 100, 50);
  label.raise();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(label.testAttribute(Qt::WA_TransparentForMouseEvents));
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  // Through the window, so that Qt picks the widget under the point.
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 75));
  EXPECT_EQ(clicks, 1);
}

// The busy indicator's backdrop and spinning ticks, and the hand-painted label:
// exact text and shadow pixels, view alpha, and taps passing through.
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

TEST(ActivityIndicator, GreyBackdropAlwaysWhiteTicksOnlyWhileTurning) {
  // Over a black parent the backdrop shows as 0.75 x 128 = 96.
  QWidget host;
  QPalette palette = host.palette();
  palette.setColor(QPalette::Window, Qt::black);
  host.setPalette(palette);
  host.setAutoFillBackground(true);
  host.show();
  ActivityIndicator indicator(&host);
  EXPECT_EQ(indicator.size(), QSize(20, 20));
  EXPECT_FALSE(indicator.isAnimating());
  const QImage stopped = grabbed(indicator);
  for (QPoint p : {QPoint(0, 0), QPoint(10, 3), QPoint(19, 19)}) {  // grey everywhere, no ticks
    const QRgb c = stopped.pixel(p);
    EXPECT_NEAR(qRed(c), 96, 1);
    EXPECT_TRUE(qRed(c) == qGreen(c) && qRed(c) == qBlue(c));
  }

  indicator.hide();
  indicator.startAnimating();
  EXPECT_TRUE(indicator.isVisible());
  const QImage turning = grabbed(indicator);
  // The top tick is white over the grey (255 x 0.75 = 191 at its core); the corners stay grey.
  EXPECT_GT(qRed(turning.pixel(10, 3)), 140);
  EXPECT_LE(qRed(turning.pixel(10, 3)), 192);
  EXPECT_NEAR(qRed(turning.pixel(0, 0)), 96, 1);
  const int start = indicator.phase();
  QTRY_VERIFY(indicator.phase() != start);

  indicator.stopAnimating();
  EXPECT_FALSE(indicator.isAnimating());
  EXPECT_TRUE(indicator.isVisible());  // hiding is the caller's decision
  const int stopped_phase = indicator.phase();
  QTest::qWait(250);
  EXPECT_EQ(indicator.phase(), stopped_phase);
  indicator.setViewAlpha(1.0);
  EXPECT_NEAR(qRed(grabbed(indicator).pixel(0, 0)), 128, 1);
}

TEST(ShadowLabel, TextAndShadowColoursAtTheirPixelsFadedAlikeByViewAlpha) {
  // Thick glyphs, so that whole pixels are inside the text.
  QWidget host;
  ShadowLabel label(&host);
  label.setGeometry(0, 0, 120, 60);
  label.setText("IHI");
  QFont f = label.font();
  f.setBold(true);
  label.setFont(f);
  label.setFontPixelSize(44);
  label.setTextColor(QColor(89, 13, 0));
  label.setAlignment(Qt::AlignHCenter);
  host.show();

  const QImage plain = grabbed(label);  // no shadow yet
  label.setShadowColor(QColor(144, 80, 23));
  label.setShadowOffset(QPointF(3, 3));
  label.setShadowRadius(0);
  const QImage shadowed = grabbed(label);
  label.setViewAlpha(0.3);
  const QImage faint = grabbed(label);
  ASSERT_EQ(shadowed.size(), QSize(120, 60));
  int textPixels = 0, shadowPixels = 0, emptyPixels = 0;
  for (int y = 3; y < 60; ++y)
    for (int x = 3; x < 120; ++x) {
      const int here = qAlpha(plain.pixel(x, y)), behind = qAlpha(plain.pixel(x - 3, y - 3));
      const QRgb want = here == 255                   ? qRgba(89, 13, 0, 255)
                        : here == 0 && behind == 255 ? qRgba(144, 80, 23, 255)
                        : here == 0 && behind == 0   ? 0u
                                                     : 1u;
      if (want == 1u) continue;  // anti-aliased edges
      (want == 0u ? emptyPixels : qRed(want) == 89 ? textPixels : shadowPixels)++;
      EXPECT_EQ(shadowed.pixel(x, y), want) << x << "," << y;
      // 0.3 x 255 = 77; the painter's opacity steps of 1/256 give 75 or 76, colour unchanged.
      EXPECT_NEAR(qAlpha(faint.pixel(x, y)), qAlpha(want) ? 76 : 0, 2) << x << "," << y;
      EXPECT_NEAR(qRed(faint.pixel(x, y)), qAlpha(want) ? qRed(want) : qRed(faint.pixel(x, y)), 2) << x << "," << y;
    }
  EXPECT_GT(textPixels, 100);
  EXPECT_GT(shadowPixels, 50);
  EXPECT_GT(emptyPixels, 1000);
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
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  // Through the window, so that Qt picks the widget under the point.
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 75));
  EXPECT_EQ(clicks, 1);
}

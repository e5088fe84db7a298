// SPDX-License-Identifier: GPL-3.0-or-later
// The busy indicator's backdrop and ticks; the label's text and shadow pixels, fading, taps passing through.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/ShadowLabel.h"

static QImage grabbed(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

TEST(ActivityIndicator, GreyBackdropAlwaysWhiteTicksOnlyWhileTurning) {
  QWidget host;  // over a black parent the backdrop shows as 0.75 x 128 = 96
  host.setPalette(QPalette(Qt::black, Qt::black));
  host.setAutoFillBackground(true);
  host.show();
  platform::ActivityIndicator indicator(&host);
  EXPECT_EQ(indicator.size(), QSize(20, 20));
  EXPECT_FALSE(indicator.isAnimating());
  EXPECT_NEAR(qRed(grabbed(indicator).pixel(10, 3)), 96, 1);  // no tick while stopped
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
  indicator.setViewAlpha(1.0);
  EXPECT_NEAR(qRed(grabbed(indicator).pixel(0, 0)), 128, 1);
}

TEST(ShadowLabel, TextAndShadowColoursAtTheirPixelsFadedAlikeByViewAlphaAndTapsPassThrough) {
  QWidget window;
  QPushButton button(&window);
  button.setGeometry(0, 0, 120, 120);
  platform::ShadowLabel label("IHI", &window);  // thick glyphs: whole pixels inside the text
  label.setGeometry(0, 60, 120, 60);
  label.setFont([&] { QFont f = label.font(); f.setBold(true); return f; }());
  label.setFontPixelSize(44);
  label.setTextColor(QColor(89, 13, 0));
  label.setAlignment(Qt::AlignHCenter);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QImage plain = grabbed(label);  // no shadow yet
  label.setShadowColor(QColor(144, 80, 23));
  label.setShadowOffset(QPointF(3, 3));
  label.setShadowRadius(0);
  const QImage shadowed = grabbed(label);
  label.setViewAlpha(0.3);
  const QImage faint = grabbed(label);
  int counts[3] = {};  // empty, text, shadow
  for (int y = 3; y < 60; ++y)
    for (int x = 3; x < 120; ++x) {
      const int here = qAlpha(plain.pixel(x, y)), behind = qAlpha(plain.pixel(x - 3, y - 3));
      if (here != 255 && (here != 0 || (behind != 0 && behind != 255))) continue;  // anti-aliased edges
      const int kind = here == 255 ? 1 : behind == 255 ? 2 : 0;
      const QRgb want = kind == 1 ? qRgba(89, 13, 0, 255) : kind == 2 ? qRgba(144, 80, 23, 255) : 0u;
      ++counts[kind];
      EXPECT_EQ(shadowed.pixel(x, y), want) << x << "," << y;
      // 0.3 x 255 = 77; the painter's opacity steps of 1/256 give 75 or 76, colour unchanged.
      EXPECT_NEAR(qAlpha(faint.pixel(x, y)), kind ? 76 : 0, 2) << x << "," << y;
      EXPECT_LE(kind ? std::abs(qRed(faint.pixel(x, y)) - qRed(want)) : 0, 2) << x << "," << y;
    }
  EXPECT_GT(counts[0], 1000);  // empty
  EXPECT_GT(counts[1], 100);   // text
  EXPECT_GT(counts[2], 50);    // shadow
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  // Through the window, so that Qt picks the widget under the point.
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 90));
  EXPECT_EQ(clicks, 1);
}

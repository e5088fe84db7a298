// SPDX-License-Identifier: GPL-3.0-or-later
// The platform widgets driven with real events and read by their pixels: the busy indicator, the
// label with a shadow, fading and passing taps through, the picture button, the float slider, and
// labels that are never cut off (drawn exactly as the same text unclipped at the size they chose).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <cmath>

#include "TestSupport.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/FittedLabel.h"
#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"

namespace {

QImage grabbed(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

QFont ofSize(QFont f, int pixels) {
  f.setPixelSize(pixels);
  return f;
}

// The text at size in frame: cut off, or wider than the frame.
bool overflows(const QFont& font, const QString& text, QSize frame) {
  return QFontMetricsF(font).horizontalAdvance(text) > frame.width() ||
         vorlane_test::drawTextUnclipped(font, text, frame, Qt::AlignHCenter).outsideAlpha > 0;
}

}  // namespace

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

TEST(PictureButton, SelectedPicksThePictureAndClicksCountOnlyWhenEnabledAndReleasedInside) {
  QWidget window;
  window.resize(200, 200);
  auto* button = new platform::PictureButton(&window);
  button->setGeometry(10, 10, 30, 30);
  QImage image(2, 1, QImage::Format_ARGB32_Premultiplied);  // shrunk to fit: black left, white right
  image.setPixel(0, 0, qRgb(0, 0, 0)), image.setPixel(1, 0, qRgb(255, 255, 255));
  image = image.scaled(300, 300);
  button->setImage(image);
  button->setSelected(true);
  const auto at = [&](int x) { return button->grab().toImage().pixel(x, 15); };
  EXPECT_EQ(at(3), qRgb(0, 0, 0));  // no selected picture: the normal one
  EXPECT_EQ(at(27), qRgb(255, 255, 255));
  button->setSelectedImage(image.mirrored(true, false));
  EXPECT_TRUE(button->isSelected());
  EXPECT_FALSE(button->isChecked());
  EXPECT_EQ(at(3), qRgb(255, 255, 255));
  EXPECT_EQ(at(27), qRgb(0, 0, 0));
  button->setSelected(false);
  EXPECT_EQ(at(3), qRgb(0, 0, 0));
  window.show();
  const QSignalSpy clicks(button, &QAbstractButton::clicked);
  button->setEnabled(false);
  EXPECT_NE(at(3), qRgb(0, 0, 0));  // dimmed
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
  button->setEnabled(true);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(15, 15));
  QTest::mouseMove(button, QPoint(150, 150));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 150));
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(button->isSelected());  // a click does not toggle the flag: the owner decides
}

TEST(FloatSlider, SetValueKeepsTheExactFloatPinnedToRangeSilentlyAndUserChangesSignal) {
  platform::FloatSlider slider;
  QSignalSpy changes(&slider, &platform::FloatSlider::valueChanged);
  for (auto [in, out] : {std::pair{1.5f, 1.0f}, {-0.2f, 0.0f}, {std::nanf(""), 0.0f}, {0.1234567f, 0.1234567f}})
    EXPECT_EQ((slider.setValue(in), slider.value()), out) << in;
  EXPECT_EQ(slider.slider()->value(), 1235);
  EXPECT_TRUE(changes.isEmpty());
  slider.setValue(0.5f);
  slider.resize(200, 40);
  slider.show();
  QTest::mouseClick(slider.slider(), Qt::LeftButton, {}, QPoint(195, 20));  // near the right end: moves right
  ASSERT_GE(changes.count(), 1);
  const float reported = changes.last().at(0).toFloat();
  EXPECT_GT(reported, 0.5f);
  EXPECT_LE(reported, 1.0f);
  EXPECT_EQ(slider.value(), reported);
}

// The main screen's labels over its buttons: menu titles (50 x 50 at 12 on the
// phone, 100 x 100 at 24 on the tablet) and the panel letters at 60 (50 x 65 and 140 x 180).
TEST(ShadowLabel, MenuTitlesAndPanelLettersOfBothProfilesFitTheirFrames) {
  ASSERT_EQ(QFontInfo(QApplication::font()).family(), "DejaVu Sans") << "the font scripts/deps.sh installs";
  const std::tuple<const char*, QSize, int, bool> cases[] = {
      // clang-format off
      {"Load", {50, 50}, 12, true},   {"Camera", {50, 50}, 12, true}, {"Save", {50, 50}, 12, true},
      {"Share", {50, 50}, 12, true},  {"Help", {50, 50}, 12, true},    {"A", {50, 65}, 60, true},
      {"B", {50, 65}, 60, true},
      {"Load", {100, 100}, 24, true}, {"Camera", {100, 100}, 24, true}, {"Save", {100, 100}, 24, true},
      {"Share", {100, 100}, 24, true}, {"Help", {100, 100}, 24, true},   {"A", {140, 180}, 60, true},
      {"B", {140, 180}, 60, true},
      {"Camera", {40, 50}, 12, false},  // a frame narrower than its title: drawn smaller
      // clang-format on
  };
  for (const auto& [text, frame, asked, kept] : cases) {
    SCOPED_TRACE(testing::Message() << text << " at " << asked << " in " << frame.width());
    platform::ShadowLabel label(text, nullptr);
    label.setGeometry(QRect(QPoint(0, 0), frame));
    label.setFontPixelSize(asked);
    label.setAlignment(Qt::AlignHCenter);
    const int drawn = label.drawnPixelSize();
    EXPECT_EQ(drawn == asked, kept) << drawn;
    EXPECT_EQ(overflows(ofSize(label.font(), asked), text, frame), !kept);
    const auto unclipped =
        vorlane_test::drawTextUnclipped(ofSize(label.font(), drawn), text, frame, Qt::AlignHCenter);
    EXPECT_EQ(unclipped.outsideAlpha, 0);
    EXPECT_EQ(label.renderContent(), unclipped.inside);  // black glyphs, no shadow: the same pixels
    if (drawn < asked) {
      EXPECT_TRUE(overflows(ofSize(label.font(), drawn + 1), text, frame)) << drawn;
    }
  }
}

// A new text or a new size refits; the size asked for comes back when the text fits again.
TEST(FittedLabel, DrawsTheLargestSizeThatFitsAndRefitsOnTextAndSize) {
  platform::FittedLabel label;
  label.setGeometry(0, 0, 80, 40);
  label.setFont(ofSize(label.font(), 18));
  label.setAlignment(Qt::AlignCenter);
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label.setPalette(palette);
  const auto paintedAs = [&](int size) {
    QImage painted(label.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    label.render(&painted, QPoint(), QRegion(), QWidget::RenderFlags());
    const auto unclipped = vorlane_test::drawTextUnclipped(ofSize(label.font(), size), label.text(),
                                                           label.size(), Qt::AlignHCenter);
    return unclipped.outsideAlpha == 0 && painted == unclipped.inside;
  };
  const std::tuple<QString, QSize, bool> steps[] = {{"More", {80, 40}, true},
                                                    {"Next time", {80, 40}, false},
                                                    {"Next time", {192, 96}, true},
                                                    {"More", {20, 40}, false}};
  for (const auto& [text, size, kept] : steps) {
    SCOPED_TRACE(text.toStdString());
    label.setText(text);
    label.resize(size);
    const int drawn = label.drawnPixelSize();
    EXPECT_EQ(drawn == 18, kept) << drawn;
    EXPECT_EQ(label.font().pixelSize(), 18);
    EXPECT_TRUE(paintedAs(drawn));
  }
}


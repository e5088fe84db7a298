// SPDX-License-Identifier: GPL-3.0-or-later
// Labels are never cut off: the menu titles and panel letters of both profiles, and a fitted QLabel,
// drawn exactly as the same text unclipped at the size the label chose.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>

#include "TestSupport.h"
#include "platform/widgets/FittedLabel.h"
#include "platform/widgets/ShadowLabel.h"

namespace {

QFont ofSize(QFont f, int pixels) {
  f.setPixelSize(pixels);
  return f;
}

// The text at size in frame: cut off, or wider than the frame.
bool overflows(const QFont& font, const QString& text, QSize frame) {
  return QFontMetricsF(font).horizontalAdvance(text) > frame.width() ||
         vorlane_test::drawTextUnclipped(font, text, frame, Qt::AlignHCenter).outsideAlpha > 0;
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

}  // namespace

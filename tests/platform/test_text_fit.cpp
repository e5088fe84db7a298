// SPDX-License-Identifier: GPL-3.0-or-later
// Labels on fixed frames: the size kept while the text fits, else the largest that fits, by the pixels drawn.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

#include "TestSupport.h"
#include "platform/TextFit.h"

namespace {

QFont ofSize(int pixels) {
  QFont f = QGuiApplication::font();
  f.setPixelSize(pixels);
  return f;
}

// Drawn at size, the text stays inside frame: no ink outside, advance no wider.
bool staysInside(const QString& text, QSize frame, int size, Qt::Alignment alignment) {
  const bool narrow = QFontMetricsF(ofSize(size)).horizontalAdvance(text) <= frame.width();
  return narrow && vorlane_test::drawTextUnclipped(ofSize(size), text, frame, alignment).outsideAlpha == 0;
}

TEST(TextFit, KeepsTheSizeThatFitsElseTakesTheLargestThatFits) {
  ASSERT_EQ(QFontInfo(QGuiApplication::font()).family(), "DejaVu Sans")
      << "the font scripts/deps.sh installs";
  const Qt::Alignment centre = Qt::AlignHCenter, left = Qt::AlignLeft, right = Qt::AlignRight;
  // The sizes are DejaVu Sans's; each is also checked by its pixels.
  const std::tuple<QString, QSize, int, Qt::Alignment, int> cases[] = {
      {"Load", {50, 50}, 12, centre, 12},
      {"Next time", {80, 40}, 18, centre, 16},  // wider than its button
      {"Next time", {192, 96}, 34, centre, 34},
      {"B", {50, 65}, 60, centre, 60},          // the line box is taller than 65, the glyph is not
      {"Brush Size", {488, 26}, 36, left, 32},  // ascenders and descenders taller than the frame
      {"Share", {40, 50}, 24, right, 13},
      {"Camera", {50, 50}, 100000, centre, 12},  // a huge size asked for costs a few measurements
  };
  for (const auto& [text, frame, asked, alignment, want] : cases) {
    SCOPED_TRACE(testing::Message() << text.toStdString() << " " << asked << " in " << frame.width() << "x"
                                    << frame.height());
    const int size = platform::fittedPixelSize(ofSize(asked), text, frame, asked, alignment);
    EXPECT_EQ(size, want);
    EXPECT_TRUE(staysInside(text, frame, size, alignment)) << size;
    if (size < asked) {
      EXPECT_FALSE(staysInside(text, frame, size + 1, alignment)) << size;
    }
  }
}

// A "T" overhangs its own side in DejaVu Sans: at the frame's edge it would lose
// a sliver of ink at every size, so it is moved in by whole pixels instead of
// being shrunk (it used to come out at 2 px).
TEST(TextFit, AnOverhangingEdgeLetterIsMovedInNotShrunk) {
  const Qt::Alignment left = Qt::AlignLeft;
  for (const auto& [text, alignment, want] :
       {std::tuple{QString("Taille pinceau\uFF1A"), left, 16}, {QString("Tama\u00F1o pincel"), left, 18}}) {
    SCOPED_TRACE(text.toStdString());
    const QSize frame(220, 20);
    const qreal inset = platform::textInset(ofSize(want), text, alignment);
    EXPECT_EQ(std::abs(inset), 1.0);
    EXPECT_GT(vorlane_test::drawTextUnclipped(ofSize(want), text, frame, alignment).outsideAlpha, 0);
    EXPECT_EQ(vorlane_test::drawTextUnclipped(ofSize(want), text, frame, alignment, inset).outsideAlpha, 0);
    EXPECT_EQ(platform::fittedPixelSize(ofSize(18), text, frame, 18, alignment), want);
  }
  for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight})
    EXPECT_EQ(platform::textInset(ofSize(18), "Brush Size\uFF1A", alignment), 0.0);
  EXPECT_EQ(platform::textInset(ofSize(18), "Taille", Qt::AlignHCenter), 0.0);
  EXPECT_EQ(platform::textInset(ofSize(18), "", Qt::AlignLeft), 0.0);
}

TEST(TextFit, EmptyTextTinyFramesAndBadSizes) {
  const QString tooLong(20000, QChar('W'));
  const std::tuple<QString, QSize, int, int> cases[] = {
      {"", {10, 10}, 12, 12}, {" ", {0, 0}, 12, 1},   {"x", {0, 0}, 12, 1},       {"x", {-5, 20}, 12, 1},
      {"x", {40, 40}, 0, 1},  {"x", {40, 40}, -3, 1}, {tooLong, {80, 40}, 18, 1}, {"x", {40, 40}, 1, 1},
  };
  for (const auto& [text, frame, asked, want] : cases)
    EXPECT_EQ(platform::fittedPixelSize(ofSize(std::max(asked, 1)), text, frame, asked, Qt::AlignHCenter),
              want)
        << text.size() << " chars, " << asked << " in " << frame.width() << "x" << frame.height();
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Every format the photo path reads, from a file and from memory, turned upright by the file's own
// orientation; the formats offered to the user are exactly those; what codecs and the log print.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/LibraryMessages.h"
#include "platform/Log.h"
#include "platform/PhotoDecoder.h"
#include "tests/platform/test_heif_files.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace pf = photo_files;

namespace {

int distance(QRgb a, QRgb b) {
  return std::max(
      {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Upright quadrants (64 x 32) stored by the format with EXIF-numbered orientation `exif`.
QByteArray quadrantsFile(const char* format, int exif) {
  const QImage upright = pf::quadrants(64, 32);
  if (QByteArray(format) == "heic" || QByteArray(format) == "avif")
    return heif_files::encode(
        exif == 1 ? upright : pf::storedFor(upright, platform::orientationFromExif(exif)),
        QByteArray(format) == "avif", exif);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QImageWriter writer(&buffer, format);
  // Qt's TIFF writer stores the orientation tag it is given; the pixels stay as stored.
  if (exif != 1)
    writer.setTransformation(QImageIOHandler::Transformations(
        exif == 6 ? QImageIOHandler::TransformationRotate90 : QImageIOHandler::TransformationRotate180));
  const bool written =
      writer.write(exif == 1 ? upright : pf::storedFor(upright, platform::orientationFromExif(exif)));
  return written ? bytes : QByteArray();
}

}  // namespace

TEST(PhotoFormats, EachFormatComesOutUprightFromFileAndMemoryAlike) {
  QTemporaryDir dir(vorlane_test::testRoot() + "/formats-XXXXXX");
  const struct {
    const char* format;
    int exif;
    int tolerance;
  } cases[] = {{"png", 1, 0},   {"bmp", 1, 0},   {"ppm", 1, 0},   {"tiff", 1, 0},
               {"tiff", 6, 0},  {"tiff", 3, 0},  {"webp", 1, 24}, {"heic", 1, 24},
               {"heic", 6, 24}, {"heic", 8, 24}, {"avif", 1, 24}, {"avif", 3, 24}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.format << " EXIF " << c.exif);
    const QByteArray bytes = quadrantsFile(c.format, c.exif);
    ASSERT_FALSE(bytes.isEmpty());
    const QString path = dir.filePath(QString("q-%1-%2.%1").arg(c.format).arg(c.exif));
    ASSERT_TRUE(pf::writeFile(path, bytes));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString reason;
    const auto fromFile = platform::preparePhoto(path, &reason);
    ASSERT_TRUE(fromFile) << qPrintable(reason);
    const auto fromMemory = platform::preparePhoto(buffer, &reason);
    ASSERT_TRUE(fromMemory) << qPrintable(reason);
    EXPECT_EQ(fromFile->image, fromMemory->image);
    ASSERT_EQ(fromFile->image.size(), QSize(64, 32));
    EXPECT_EQ(fromFile->uprightSize, QSize(64, 32));
    for (int q = 0; q < 4; ++q) {
      const QRgb got = fromFile->image.pixel((q % 2 * 2 + 1) * 16, (q / 2 * 2 + 1) * 8);
      EXPECT_LE(distance(got, pf::kQuadrantColours[std::size_t(q)]), c.tolerance)
          << "quadrant " << q << std::hex << " " << got;
    }
  }
}

TEST(PhotoFormats, TheOfferedFormatsAreTheReadableOnes) {
  const QStringList patterns = platform::readablePhotoPatterns();  // the types are the desktop entry's test
  for (const char* p : {"*.jpg", "*.png", "*.gif", "*.bmp", "*.tif", "*.webp", "*.ppm", "*.heic", "*.avif"})
    EXPECT_TRUE(patterns.contains(p)) << p;
  for (const char* p : {"*.ico", "*.xpm", "*.svg", "*.tga"}) EXPECT_FALSE(patterns.contains(p)) << p;
  // A format outside the list is not a picture here, even where Qt could decode it.
  QByteArray xpm = "/* XPM */\nstatic const char* x[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n";
  QBuffer buffer(&xpm);
  buffer.open(QIODevice::ReadOnly);
  QString reason;
  EXPECT_FALSE(platform::preparePhoto(buffer, &reason));
  EXPECT_EQ(reason, "the file is not a picture");
}

namespace {
QStringList seen;
std::mutex seenMutex;
void collect(QtMsgType, const QMessageLogContext& context, const QString& message) {
  std::lock_guard lock(seenMutex);
  seen << QString::fromLatin1(context.category) + ": " + message;
}
}  // namespace

// What a codec prints on stderr becomes one log message a line, for the message handler to judge,
// named after the file being read.
TEST(PhotoFormats, CodecOutputIsCapturedAsLogMessagesOnEveryThreadApart) {
  seen.clear();
  const QtMessageHandler previous = qInstallMessageHandler(collect);
  {
    platform::CodecMessageCapture outer;
    std::fprintf(stderr, "libpng error: bad adaptive filter value\n");
    {
      platform::CodecMessageCapture inner;
      std::fputs("first\nsecond", stderr);
    }
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(seen, (QStringList{"vorlane.codec: first", "vorlane.codec: second",
                               "vorlane.codec: libpng error: bad adaptive filter value"}));

  // Eight threads at once, each capturing what it prints under its own name: every line comes back
  // once, under the name of the thread that printed it (the C library's stderr is shared by all).
  seen.clear();
  qInstallMessageHandler(collect);
  constexpr int kThreads = 8, kLines = 300;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([t] {
      platform::CodecMessageCapture capture(QStringLiteral("photo%1.png").arg(t));
      for (int i = 0; i < kLines; ++i) std::fprintf(stderr, "libpng error: thread %d line %d\n", t, i);
    });
  for (std::thread& thread : threads) thread.join();
  qInstallMessageHandler(previous);
  ASSERT_EQ(seen.size(), kThreads * kLines);
  std::vector<int> next(kThreads, 0);
  for (const QString& line : std::as_const(seen)) {
    const QRegularExpressionMatch m =
        QRegularExpression(R"(^vorlane\.codec: photo(\d)\.png: libpng error: thread (\d) line (\d+)$)")
            .match(line);
    ASSERT_TRUE(m.hasMatch()) << qPrintable(line);
    const int t = m.captured(1).toInt();
    ASSERT_EQ(m.captured(2).toInt(), t) << qPrintable(line);
    EXPECT_EQ(m.captured(3).toInt(), next[t]++) << qPrintable(line);  // in the order printed
  }

  const struct {
    const char* category;
    QtMsgType type;
    const char* rules;
    bool asked;
  } rules[] = {{"vorlane.codec", QtWarningMsg, "", false},
               {"vorlane.codec", QtWarningMsg, "vorlane.codec.warning=true", true},
               {"vorlane.codec", QtWarningMsg, "vorlane.codec.debug=true", false},
               {"vorlane.codec", QtWarningMsg, "vorlane.*=true;vorlane.codec=false", false},
               {"vorlane.codec", QtWarningMsg, "*=true", true},
               {"qt.gui.imageio", QtWarningMsg, "qt.*.imageio=true", false},
               {"qt.gui.imageio", QtWarningMsg, "*.imageio=true\nvorlane.engine=true", true},
               {"default", QtWarningMsg, "default.warning=true", true},
               {nullptr, QtCriticalMsg, "*imag*=true", false}};
  for (const auto& r : rules)
    EXPECT_EQ(platform::loggingRulesAskFor(r.category, r.type, r.rules), r.asked) << r.rules;
}

// The log: warnings always reach the terminal; diagnostic lines only when a logging rule asks for them.
namespace {

struct Captured {
  static inline QStringList lines;
  static void handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
    lines << QString::fromLatin1(context.category) + ": " + message;
  }
};

TEST(Log, DiagnosticsAreOffUntilARuleSwitchesThemOnWarningsAreAlwaysOn) {
  const QtMessageHandler previous = qInstallMessageHandler(&Captured::handler);
  const auto emitAll = [] {
    Captured::lines.clear();
    qCDebug(lcVorlaneDiag, "d");
    qCInfo(lcVorlaneDiag, "i");
    qCWarning(lcVorlaneDiag, "w");
    qCWarning(lcVorlane, "v");
    return Captured::lines;
  };
  const QString d = "vorlane.diagnostic: d", i = "vorlane.diagnostic: i", w = "vorlane.diagnostic: w",
                v = "vorlane: v";
  const std::pair<QString, QStringList> cases[] = {
      {"", {w, v}},
      {"vorlane.debug=true;vorlane.info=true", {w, v}},  // the parent's name does not reach it
      {"vorlane.diagnostic=true", {d, i, w, v}},
      {"vorlane.diagnostic.info=true", {i, w, v}},
      {"vorlane.*=true", {d, i, w, v}},
      {"vorlane.diagnostic=true\nvorlane.diagnostic.debug=false", {i, w, v}},
  };
  for (const auto& [rules, want] : cases) {
    QLoggingCategory::setFilterRules(rules);
    EXPECT_EQ(emitAll(), want) << rules.toStdString();
  }
  QLoggingCategory::setFilterRules(QString());
  qInstallMessageHandler(previous);
}

}  // namespace

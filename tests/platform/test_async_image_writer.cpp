// SPDX-License-Identifier: GPL-3.0-or-later
// The background picture writer: whole files, in order, failures reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/AsyncImageWriter.h"

static QImage pattern(int seed, QSize size = QSize(64, 48)) {  // every alpha, premultiplied
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      image.setPixel(x, y, qPremultiply(qRgba(x + y + seed, (x * y + seed) / 2, 0, x * 7 + y * 3 + seed)));
  return image;
}
static QImage readBack(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied); }

TEST(AsyncImageWriter, WritesLosslesslyInPlaceTheLastWriteWinsAndFailuresLeaveTheOldFile) {
  QTemporaryDir dir;
  platform::AsyncImageWriter writer;
  writer.waitForIdle();  // returns at once with nothing queued
  const QString a = dir.filePath("sub/a.png"), b = dir.filePath("sub/b.png");
  EXPECT_FALSE(writer.lastWriteSucceeded(a));
  for (int i = 0; i < 20; ++i) {
    writer.write(pattern(i, QSize(300, 200)), a);
    if (i == 9) writer.write(pattern(4), b);  // between two queued writes to a
  }
  writer.waitForIdle();
  EXPECT_TRUE(writer.lastWriteSucceeded(a));
  EXPECT_TRUE(writer.lastWriteSucceeded(b));
  EXPECT_TRUE(readBack(a) == pattern(19, QSize(300, 200)));
  EXPECT_TRUE(readBack(b) == pattern(4));
  // Older queued pictures may be dropped, never written after a newer one.
  EXPECT_GE(writer.completedWrites(), 2);
  EXPECT_LE(writer.completedWrites(), 21);
  // Written aside and moved into place: nothing else is left in the folder.
  EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), (QStringList{"a.png", "b.png"}));
  // Failures are reported and leave the old file.
  const QString path = dir.filePath("pic.png"), bad = dir.filePath("file/pic.png");
  writer.write(pattern(7), path);
  writer.waitForIdle();
  ASSERT_TRUE(writer.lastWriteSucceeded(path));
  writer.write(QImage(), path);
  QFile(dir.filePath("file")).open(QIODevice::WriteOnly);  // a file where the folder should be
  writer.write(pattern(8), bad);
  writer.waitForIdle();
  EXPECT_FALSE(writer.lastWriteSucceeded(path));
  EXPECT_FALSE(writer.lastWriteSucceeded(bad));
  EXPECT_EQ(readBack(path), pattern(7));
}

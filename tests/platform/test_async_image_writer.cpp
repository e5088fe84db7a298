// The background picture writer: whole files, in order, failures reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/AsyncImageWriter.h"

using platform::AsyncImageWriter;

namespace {

QImage pattern(int seed, QSize size = QSize(64, 48)) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const int a = (x * 7 + y * 3 + seed) % 256, v = (x + y + seed) % 256;
      image.setPixel(x, y, qRgba(v * a / 255, (v / 2) * a / 255, 0, a));
    }
  return image;
}

QImage readBack(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied); }

}  // namespace

TEST(AsyncImageWriter, WritesThePictureLosslessly) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  writer.waitForIdle();  // returns at once with nothing queued
  EXPECT_EQ(writer.completedWrites(), 0);
  const QString path = dir.filePath("sub/pic.png");
  writer.write(pattern(1), path);
  writer.waitForIdle();
  EXPECT_TRUE(writer.lastWriteSucceeded(path));
  EXPECT_EQ(readBack(path), pattern(1));
  // Written aside and moved into place: nothing else is left in the folder.
  EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), QStringList{"pic.png"});
}

TEST(AsyncImageWriter, TheLastWriteToAPathWinsAndOtherPathsAreKept) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  const QString a = dir.filePath("a.png"), b = dir.filePath("b.png");
  for (int i = 0; i < 20; ++i) {
    writer.write(pattern(i, QSize(300, 200)), a);
    if (i == 9) writer.write(pattern(4), b);  // between two queued writes to a
  }
  writer.waitForIdle();
  EXPECT_EQ(readBack(a), pattern(19, QSize(300, 200)));
  EXPECT_EQ(readBack(b), pattern(4));
  // Older queued pictures may be dropped, never written after a newer one.
  EXPECT_GE(writer.completedWrites(), 2);
  EXPECT_LE(writer.completedWrites(), 21);
}

TEST(AsyncImageWriter, FailuresAreReportedAndLeaveTheOldFile) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  const QString path = dir.filePath("pic.png");
  EXPECT_FALSE(writer.lastWriteSucceeded(path));
  writer.write(pattern(7), path);
  writer.waitForIdle();
  ASSERT_TRUE(writer.lastWriteSucceeded(path));
  writer.write(QImage(), path);
  writer.waitForIdle();
  EXPECT_FALSE(writer.lastWriteSucceeded(path));
  EXPECT_EQ(readBack(path), pattern(7));
  // A folder that cannot exist (a file stands in its place).
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString bad = dir.filePath("file/pic.png");
  writer.write(pattern(8), bad);
  writer.waitForIdle();
  EXPECT_FALSE(writer.lastWriteSucceeded(bad));
}

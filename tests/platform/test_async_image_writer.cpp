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
      const int a = (x * 7 + y * 3 + seed) % 256;
      const int v = (x + y + seed) % 256;
      image.setPixel(x, y, qRgba(v * a / 255, (v / 2) * a / 255, 0, a));
    }
  return image;
}

QImage readBack(const QString& path) {
  return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST(AsyncImageWriter, WritesThePictureLosslessly) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  const QString path = dir.filePath("sub/pic.png");
  const QImage image = pattern(1);
  writer.write(image, path);
  writer.waitForIdle();
  EXPECT_TRUE(writer.lastWriteSucceeded(path));
  EXPECT_EQ(readBack(path), image);
  // Written aside and moved into place: nothing else is left in the folder.
  EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), QStringList{"pic.png"});
}

TEST(AsyncImageWriter, TheLastWriteToAPathWins) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  const QString path = dir.filePath("pic.png");
  for (int i = 0; i < 20; ++i) writer.write(pattern(i, QSize(300, 200)), path);
  writer.waitForIdle();
  EXPECT_EQ(readBack(path), pattern(19, QSize(300, 200)));
  // Older queued pictures may be dropped, never written after a newer one.
  EXPECT_GE(writer.completedWrites(), 1);
  EXPECT_LE(writer.completedWrites(), 20);
}

TEST(AsyncImageWriter, WritesToOtherPathsAreKept) {
  QTemporaryDir dir;
  AsyncImageWriter writer;
  writer.write(pattern(3), dir.filePath("a.png"));
  writer.write(pattern(4), dir.filePath("b.png"));
  writer.write(pattern(5), dir.filePath("a.png"));
  writer.waitForIdle();
  EXPECT_EQ(readBack(dir.filePath("a.png")), pattern(5));
  EXPECT_EQ(readBack(dir.filePath("b.png")), pattern(4));
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

TEST(AsyncImageWriter, IdleWithNothingQueuedReturnsAtOnce) {
  AsyncImageWriter writer;
  writer.waitForIdle();
  EXPECT_EQ(writer.completedWrites(), 0);
}

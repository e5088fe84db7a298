// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real vorlane-sketch binary: the batch form (--out-dir).
#include "tests/tools/SketchFixture.h"

namespace {

using namespace sketch_test;

struct VorlaneSketchBatchTest : VorlaneSketchTest {
  // Photos told apart by every style: a gradient and noise.
  QImage photo(int seed, int w, int h) const {
    QImage image(w, h, QImage::Format_RGB32);
    for (int i = 0; i < w * h; ++i) {
      const int x = i % w, y = i / w, n = (x * 37 + y * 101 + seed * 53) * 2654435761u >> 24;
      image.setPixel(x, y, qRgb((x * 255 / w + n) / 2, (y * 255 / h + seed * 40) & 255, n));
    }
    return image;
  }
};

// Folders give their pictures one level deep (no text, sub-folder or hidden file); names that are taken,
// on disk or earlier in the run, get " (2)", " (3)": in input order, whatever the number of jobs; an existing
// file is never touched, and each output is exactly what the INPUT OUTPUT form renders.
TEST_F(VorlaneSketchBatchTest, AllStylesNameByInputOrderNeverReplaceAndMatchTheSinglePhotoForm) {
  for (const char* folder : {"in/sub", "other", "out"}) QDir(dir.path()).mkpath(folder);
  png("in/b.png", photo(1, 40, 30));
  write("in/a.jpg", pf::encode(photo(2, 36, 48), "jpeg", 90));
  write("in/notes.txt", "not a photo");
  png("in/sub/c.png", photo(3, 8, 8));
  png("in/.hidden.png", photo(4, 8, 8));
  png("other/a.png", photo(5, 20, 20));
  write("out/a.style1.png", "earlier file");
  const Outcome o = run({"--style", "all", "--jobs", "3", "--out-dir", path("out"), path("in"),
                         path("other/a.png"), path("in/b.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  ASSERT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
  ASSERT_TRUE(o.out.isEmpty()) << qPrintable(o.err);
  // a.jpg first (the folder's pictures by name), b.png, then other/a.png; in/b.png again is the same photo.
  QStringList expected{"a.style1 (2).png", "a.style1 (3).png", "a.style1.png"};
  for (int style = 2; style <= 7; ++style)
    expected << QString("a.style%1 (2).png").arg(style) << QString("a.style%1.png").arg(style);
  for (int style = 1; style <= 7; ++style) expected << QString("b.style%1.png").arg(style);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(entries(path("out")), expected);
  EXPECT_EQ(readAll(path("out/a.style1.png")), "earlier file");

  for (auto [input, first, second] : {std::tuple{"in/a.jpg", "a.style1 (2).png", "a.style%1.png"},
                                      {"in/b.png", "b.style1.png", "b.style%1.png"},
                                      {"other/a.png", "a.style1 (3).png", "a.style%1 (2).png"}}) {
    for (int style = 1; style <= 7; ++style) {
      const QString name = style == 1 ? QString(first) : QString(second).arg(style);
      const QImage single = render({"--style", QString::number(style), path(input)}, path("single.png"));
      const QImage batch(path("out/" + name));
      ASSERT_FALSE(single.isNull());
      EXPECT_TRUE(batch.convertToFormat(QImage::Format_RGB32) == single.convertToFormat(QImage::Format_RGB32))
          << input << " style " << style << " in " << qPrintable(name);
      EXPECT_EQ(batch.format(), QImage::Format_Grayscale8) << qPrintable(name);  // grey pictures stored grey
    }
  }
}

// A bad photo costs one line and the rest go on; the count comes last; nothing partial or temporary is left.
TEST_F(VorlaneSketchBatchTest, FailuresAreOneLineEachTheBatchGoesOnAndTheExitCodeCounts) {
  const QString good = png("good.png", photo(1, 24, 16)), good2 = png("good2.png", photo(2, 16, 24));
  const QString text = write("text.jpg", "shopping list\n"),
                cut = write("cut.png", pf::encode(photo(3, 64, 64), "png").left(200));
  const QString missing = path("missing.jpg"), loop = path("loop.jpg"), out = path("out");
  ASSERT_TRUE(QFile::link(loop, loop));
  const Outcome o = run({"--jobs", "2", "--out-dir", out, good, text, missing, loop, cut, good2});
  EXPECT_EQ(o.exitCode, 1);
  QStringList lines = o.err.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << qPrintable(o.err);
  EXPECT_EQ(lines.takeLast(), "vorlane-sketch: 4 of 6 photos failed");
  lines.sort();  // the jobs finish in any order
  EXPECT_EQ(lines, QStringList({"vorlane-sketch: " + cut + ": the file is damaged or incomplete",
                                "vorlane-sketch: " + loop + ": too many levels of symbolic links",
                                "vorlane-sketch: " + missing + ": the file does not exist",
                                "vorlane-sketch: " + text + ": the file is not a picture"}));
  EXPECT_EQ(entries(out), QStringList({"good.style1.png", "good2.style1.png"}));

  // All good: exit 0 and silent; --style 0 and JPEG output; a folder with no pictures: one line, exit 1.
  const Outcome fine = run({"--style", "0", "--format", "jpg", "--out-dir", out, good});
  EXPECT_EQ(fine.exitCode, 0) << qPrintable(fine.err);
  EXPECT_TRUE(fine.err.isEmpty()) << qPrintable(fine.err);
  EXPECT_EQ(QImageReader(path("out/good.style0.jpg")).format(), "jpeg");
  QDir(dir.path()).mkpath("empty");
  const Outcome none = run({"--out-dir", out, path("empty")});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(
      none.err,
      "vorlane-sketch: no photos among the inputs (a folder's pictures are taken by their extension)\n");
  EXPECT_EQ(entries(out), QStringList({"good.style0.jpg", "good.style1.png", "good2.style1.png"}));
}

// A rerun with --skip-existing writes only the planned names that are missing (a second photo of a name
// plans " (2)", as the first run wrote it), replaces nothing, and does not read a photo whose every
// output is there (a damaged one says nothing); the closing lines count every photo.
TEST_F(VorlaneSketchBatchTest, SkipExistingWritesOnlyTheMissingPlannedNamesAndReadsNoPhotoThatIsDone) {
  QDir(dir.path()).mkpath("other");
  const QString a = png("a.png", photo(1, 24, 16)), b = png("b.png", photo(2, 16, 24)),
                otherA = png("other/a.png", photo(3, 20, 20)), out = path("out");
  const QStringList args{"--style", "all", "--out-dir", out, a, b, otherA};
  ASSERT_EQ(run(args).exitCode, 0);
  const QStringList first = entries(out);
  ASSERT_EQ(first.size(), 21);
  const QByteArray b3 = readAll(path("out/b.style3.png"));
  ASSERT_TRUE(QFile::remove(path("out/b.style3.png")));
  ASSERT_TRUE(QFile::remove(path("out/a.style2 (2).png")));
  write("out/a.style1.png", "kept");  // every output of a.png is there
  // Done already, damaged: never read. Not done and damaged: fails.
  const QString done = write("done.png", "not a picture"), bad = write("bad.png", "not a picture");
  for (int style = 1; style <= 7; ++style) write(QString("out/done.style%1.png").arg(style), "done");

  const Outcome o = run(QStringList{"--skip-existing"} + args + QStringList{done, bad});
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "vorlane-sketch: " + bad +
                       ": the file is not a picture\n"
                       "vorlane-sketch: 1 of 5 photos failed\n"
                       "vorlane-sketch: 2 of 5 photos already done, skipped\n");
  QStringList expected = first;
  for (int style = 1; style <= 7; ++style) expected << QString("done.style%1.png").arg(style);
  expected.sort();
  EXPECT_EQ(entries(out), expected);  // no " (3)", nothing for bad.png
  EXPECT_EQ(readAll(path("out/b.style3.png")), b3);
  EXPECT_EQ(readAll(path("out/a.style1.png")), "kept");
  // " (2)" is other/a.png's, as in the first run.
  const QImage single = render({"--style", "2", otherA}, path("single.png"));
  ASSERT_FALSE(single.isNull());
  EXPECT_EQ(QImage(path("out/a.style2 (2).png")).convertToFormat(QImage::Format_RGB32),
            single.convertToFormat(QImage::Format_RGB32));
}

// --quality: JPEG quality, or PNG effort that changes the file size but never a pixel.
TEST_F(VorlaneSketchBatchTest, QualitySetsJpegQualityAndPngEffortWithoutChangingPixels) {
  const QString in = png("noisy.png", photo(7, 200, 150));
  std::map<QString, qint64> sizes;
  QImage first;
  for (const QString q : {"0", "default", "100"}) {
    const QString out = path("png-" + q);
    const Outcome o = run(QStringList{"--out-dir", out, in} +
                          (q == "default" ? QStringList{} : QStringList{"--quality", q}));
    ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
    const QImage image(out + "/noisy.style1.png");
    if (first.isNull()) first = image;
    EXPECT_FALSE(image.isNull()) << qPrintable(q);
    EXPECT_EQ(image, first) << qPrintable(q);
    sizes[q] = QFileInfo(out + "/noisy.style1.png").size();
  }
  EXPECT_GT(sizes["0"], sizes["default"]) << sizes["0"] << " " << sizes["default"] << " " << sizes["100"];
  EXPECT_GT(sizes["default"], sizes["100"]) << sizes["0"] << " " << sizes["default"] << " " << sizes["100"];
  qint64 previous = 0;
  for (const QString q : {"5", "92"}) {
    ASSERT_EQ(run({"--format", "jpg", "--quality", q, "--out-dir", path("jpg-" + q), in}).exitCode, 0);
    const qint64 size = QFileInfo(path("jpg-" + q + "/noisy.style1.jpg")).size();
    EXPECT_GT(size, previous) << qPrintable(q);
    previous = size;
  }
}

// On a terminal, one progress line redrawn in place that ends with everything done; through a pipe (every
// other test) nothing but errors.
TEST_F(VorlaneSketchBatchTest, ProgressLineOnATerminalOnly) {
  const QString a = png("a.png", photo(1, 16, 16)), b = png("b.png", photo(2, 16, 16)),
                bad = write("bad.png", "x");
  const Outcome o = run({"--jobs", "1", "--out-dir", path("out"), a, bad, b}, {.terminal = true});
  const std::string seen = QString(o.err).replace('\033', "^[").toStdString();
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_TRUE(o.err.contains("\r\033[K3/3 photos,")) << seen;
  EXPECT_TRUE(o.err.contains("vorlane-sketch: " + bad + ": ")) << seen;
  EXPECT_TRUE(o.err.endsWith("vorlane-sketch: 1 of 3 photos failed\r\n")) << seen;
  // The error line is never glued to a progress line: it starts a line of its own.
  EXPECT_TRUE(o.err.contains("\r\033[Kvorlane-sketch: " + bad) || o.err.startsWith("vorlane-sketch: " + bad));
}

}  // namespace

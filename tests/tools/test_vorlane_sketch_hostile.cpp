// SPDX-License-Identifier: GPL-3.0-or-later
// The real vorlane-sketch binary given hostile input: damaged, huge-claiming and special files, OUTPUT
// naming an input, a full disk, a file-size limit, an output folder that cannot be written and memory
// running out; one line, bounded memory, nothing changed.
#include <sys/stat.h>

#include <QProcess>
#include <QtEndian>

#include "SketchFixture.h"
#include "tests/platform/test_heif_files.h"

namespace {

using namespace sketch_test;
using HostileSketchTest = VorlaneSketchTest;

// Under an address-space limit. glibc gives a thread its own 64 MB malloc arena when it meets another
// in malloc, which depends on timing: one arena keeps the address space a run takes the same under any
// load. A fontconfig set-up with no font folder and a cache of its own: a run that runs out of memory
// while fontconfig scans the fonts would otherwise write an empty cache for them into the system's
// (the tests run as root in CI), and every later program would find no fonts there.
Start limitedTo(rlim_t bytes) {
  static const QByteArray config = [] {
    const QString file = QDir::temp().filePath(QStringLiteral("vorlane-tests-no-fonts.conf"));
    QFile conf(file);
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
      conf.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                 QDir::temp().filePath(QStringLiteral("vorlane-tests-fontconfig")).toUtf8() +
                 "</cachedir></fontconfig>\n");
    return file.toUtf8();
  }();
  return {.addressSpace = bytes, .env = {"MALLOC_ARENA_MAX=1", "FONTCONFIG_FILE=" + config}};
}

// A PNG whose pixels libpng refuses (its own complaint goes to stderr unless captured).
QByteArray pngWithBadFilter() {
  QByteArray header(13, '\0');
  qToBigEndian<quint32>(4, header.data()), qToBigEndian<quint32>(4, header.data() + 4);
  header[8] = 8, header[9] = 2;
  QByteArray rows;
  for (int y = 0; y < 4; ++y) rows += QByteArray(1, '\x07') + QByteArray(12, '\x40');
  return QByteArray("\x89PNG\r\n\x1A\n", 8) + pf::pngChunk("IHDR", header) +
         pf::pngChunk("IDAT", qCompress(rows).mid(4)) + pf::pngChunk("IEND", {});
}

// A wrapper that runs the binary in a user and mount namespace of its own, after `mount` ("$1" the folder).
QStringList namespaced(const QString& mount, const QString& folder) {
  return {"unshare", "-rm", "sh", "-c", mount + " && shift && exec \"$@\"", "sh", folder};
}

bool isFifo(const QString& path) {
  return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Exit 1, exactly the one line, no OUTPUT, the input as it was, and header-only files cheap.
TEST_F(HostileSketchTest, HostileInputsFailWithOneLineWithinBudgetAndChangeNothing) {
  QByteArray crc = pf::encode(pf::gradient(16, 16), "png");
  crc[29] = char(crc[29] ^ 1);  // the header chunk's checksum
  const QString damaged = "the file is damaged or incomplete", tooLarge = "the picture is too large";
  const QString fifo = path("fifo.jpg");
  ASSERT_TRUE(isFifo(fifo));
  const struct {
    QString input;
    QString reason;
    bool headerOnly;
  } cases[] = {
      {write("filter.png", pngWithBadFilter()), damaged, false},
      {write("crc.png", crc), damaged, false},
      {write("header.jpg", pf::flatJpeg(11999, 11999, true, 0x22, 0)), damaged, true},
      {write("wide.jpg", pf::flatJpeg(11999, 11999, true, 0x11, 0)), tooLarge, true},
      {write("screen.gif", pf::gifWithScreen(11999, 11999, 1, 1)), tooLarge, true},
      {write("header.bmp", pf::bmp(11999, 11999, 24, 0, {})), tooLarge, true},
      {fifo, "not a regular file", true},
      {"/dev/zero", "not a regular file", true},
  };
  for (const auto& c : cases) {
    const QByteArray before = c.reason == "not a regular file" ? QByteArray() : readAll(c.input);
    const QStringList present = entries();
    const Outcome o = run({"--style", "1", c.input, path("out.png")});
    EXPECT_EQ(o.exitCode, 1) << qPrintable(c.input);
    EXPECT_EQ(o.err, "vorlane-sketch: " + c.input + ": " + c.reason + "\n");
    EXPECT_EQ(entries(), present) << qPrintable(c.input);
    if (!before.isEmpty()) {
      EXPECT_EQ(readAll(c.input), before) << qPrintable(c.input);
    }
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LE(o.peakKb, (c.headerOnly ? 50L : 512L) * 1024) << qPrintable(c.input);
#endif
  }
  // A logging rule brings the codec's own message back, on a line of its own, naming the photo.
  const Outcome asked =
      run({cases[0].input, path("out.png")}, {.env = {"QT_LOGGING_RULES=vorlane.codec.warning=true"}});
  EXPECT_EQ(asked.err, "vorlane.codec: " + cases[0].input + ": libpng error: bad adaptive filter value\n" +
                           "vorlane-sketch: " + cases[0].input + ": " + damaged + "\n");
}

// Refused before anything is read (a FIFO would hold a reader): exit 2, the input untouched.
TEST_F(HostileSketchTest, OutputNamingTheInputOrTheTextureIsRefused) {
  const QByteArray photo = pf::encode(pf::gradient(40, 30), "png");
  const QString in = write("photo.png", photo), texture = write("texture.png", photo),
                fifo = path("fifo.png");
  ASSERT_TRUE(QFile::link(in, path("link.png")));
  ASSERT_EQ(::link(QFile::encodeName(in), QFile::encodeName(path("hard.png"))), 0);
  ASSERT_TRUE(isFifo(fifo));
  const QString same = "vorlane-sketch: OUTPUT is the same file as INPUT\nTry 'vorlane-sketch --help'.\n";
  const struct {
    QStringList args;
    QString err;
  } cases[] = {
      {{in, in}, same},
      {{"photo.png", "./photo.png"}, same},
      {{"./link.png", "hard.png"}, same},
      {{"--style", "0", in, path("link.png")}, same},
      {{fifo, fifo}, same},
      {{"--texture", texture, in, "texture.png"},
       "vorlane-sketch: OUTPUT is the same file as the texture\nTry 'vorlane-sketch --help'.\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args, {.cwd = dir.path()});
    EXPECT_EQ(o.exitCode, 2) << qPrintable(c.args.join(' '));
    EXPECT_EQ(o.err, c.err);
  }
  for (const char* name : {"photo.png", "link.png", "hard.png", "texture.png"})
    EXPECT_EQ(readAll(path(name)), photo) << name;
  // Writing into a FIFO or a device is not writing a picture file.
  const Outcome o = run({in, fifo});
  EXPECT_EQ(o.exitCode, 1) << qPrintable(o.err);
  EXPECT_EQ(o.err, "vorlane-sketch: " + fifo + ": not a regular file\n");
}

// A full disk, made with a 16 KB memory file system in a mount namespace of the child's own.
TEST_F(HostileSketchTest, AFullDiskIsNamedInOneLine) {
  if (QProcess::execute("unshare", {"-rm", "true"}) != 0) GTEST_SKIP() << "no user and mount namespaces here";
  const QString in = write("photo.png", pf::encode(pf::gradient(1280, 960), "png")), disk = path("disk");
  ASSERT_TRUE(QDir().mkpath(disk));
  const QStringList wrapper = namespaced("mount -t tmpfs -o size=16k none \"$1\"", disk);
  for (const char* style : {"0", "3"}) {
    const Outcome o = run({"--style", style, in, disk + "/out.png"}, {.wrapper = wrapper});
    EXPECT_EQ(o.exitCode, 1) << style;
    EXPECT_EQ(o.err, "vorlane-sketch: " + disk + "/out.png: no space left on the device\n");
  }
  EXPECT_TRUE(QDir(disk).isEmpty());
}

// A file-size limit (ulimit -f) fails each photo at its first write, in one line naming the file; the
// program is not killed by SIGXFSZ, and no partial or temporary file is left, in either form.
TEST_F(HostileSketchTest, AFileSizeLimitIsNamedInOneLinePerPhotoAndLeavesNoFile) {
  QImage noise(400, 300, QImage::Format_RGB32);  // sketches far larger than the limit
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x) {
      const quint32 h = quint32(x * 7919 + y * 104729) * 2654435761u;
      noise.setPixel(x, y, qRgb(h >> 24, (h >> 16) & 255, (h >> 8) & 255));
    }
  const QString a = png("a.png", noise), b = png("b.png", noise.mirrored(true, false)), out = path("out");
  const Outcome batch =
      run({"--style", "all", "--jobs", "2", "--out-dir", out, a, b}, {.fileSize = 16 << 10});
  EXPECT_EQ(batch.exitCode, 1) << qPrintable(batch.err);  // -1: killed
  QStringList lines = batch.err.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << qPrintable(batch.err);
  EXPECT_EQ(lines.takeLast(), "vorlane-sketch: 2 of 2 photos failed");
  lines.sort();  // the jobs finish in any order
  EXPECT_EQ(lines, QStringList({"vorlane-sketch: " + out + "/a.style1.png: file too large",
                                "vorlane-sketch: " + out + "/b.style1.png: file too large"}));
  EXPECT_EQ(entries(out), QStringList());
  const QStringList present = entries();
  const Outcome single = run({"--style", "3", a, path("single.png")}, {.fileSize = 16 << 10});
  EXPECT_EQ(single.exitCode, 1) << qPrintable(single.err);
  EXPECT_EQ(single.err, "vorlane-sketch: " + path("single.png") + ": file too large\n");
  EXPECT_EQ(entries(), present);
}

// A batch's folder that cannot be written is named before any photo is read (a damaged one would
// add a line of its own): a regular file in its place, a folder without write permission (which does not
// bind root), a read-only mount (which does).
TEST_F(HostileSketchTest, AnOutputFolderThatCannotBeWrittenIsNamedBeforeAnyPhotoIsRead) {
  const QString bad = write("bad.png", "not a picture"), good = png("good.png", 8, 8, qRgb(1, 2, 3)),
                folder = path("folder");
  ASSERT_TRUE(QDir().mkpath(folder));
  const Outcome file = run({"--out-dir", good, bad});
  EXPECT_EQ(file.exitCode, 1);
  EXPECT_EQ(file.err, "vorlane-sketch: " + good + ": the folder cannot be created\n");
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const Outcome o = run({"--out-dir", folder, bad});
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "vorlane-sketch: " + folder + ": the folder cannot be written (Permission denied)\n");
  }
  if (QProcess::execute("unshare", {"-rm", "true"}) != 0) GTEST_SKIP() << "no user and mount namespaces here";
  const QStringList readOnly =
      namespaced("mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\"", folder);
  const Outcome mounted = run({"--style", "all", "--out-dir", folder, bad, good}, {.wrapper = readOnly});
  EXPECT_EQ(mounted.exitCode, 1);
  EXPECT_EQ(mounted.err,
            "vorlane-sketch: " + folder + ": the folder cannot be written (Read-only file system)\n");
  EXPECT_TRUE(QDir(folder).isEmpty());
}

// Under an address-space limit that lets a tiny photo through but not the coefficients of a
// 4000 x 4000 progressive one: the photo is blamed, or that picture when it is the texture, the
// reason is memory, on one line.
TEST_F(HostileSketchTest, MemoryRunningOutIsReportedAgainstThePhotoOrTheTextureInOneLine) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
#else
  const QString tiny = png("tiny.png", 64, 48, qRgb(90, 90, 90));
  rlim_t enough = 0;
  for (rlim_t mb = 64; mb <= 2048 && !enough; mb += 32)
    if (run({tiny, path("tiny-out.png")}, limitedTo(mb << 20)).exitCode == 0) enough = mb << 20;
  ASSERT_GT(enough, 0u);
  const QString in = write("progressive.jpg", pf::flatJpeg(4000, 4000, true, 0x11));
  EXPECT_EQ(run({"--style", "0", in, path("check.png")}).exitCode, 0);  // fine with memory to spare
  for (const QStringList& args :
       {QStringList{"--style", "0", in}, {"--style", "2", in}, {"--texture", in, tiny}}) {
    const Outcome o = run(args + QStringList{path("out.png")}, limitedTo(enough + (32 << 20)));
    EXPECT_EQ(o.exitCode, 1) << qPrintable(args.join(' '));
    EXPECT_EQ(o.err, "vorlane-sketch: " + in + ": memory ran out\n");
  }
  EXPECT_FALSE(QFile::exists(path("out.png")));
#endif
}

// What is decoded is what is limited: a GIF's wide screen, 200 megapixels of baseline JPEG, HEIC.
TEST_F(HostileSketchTest, LargeScreensAndPhotosComeOutAtTheWorkingSize) {
  EXPECT_EQ(render({"--style", "0", write("screen.gif", pf::gifWithScreen(4000, 40, 1, 1))}, path("gif.png"))
                .size(),
            QSize(1280, 12));
  const QString big = write("big.jpg", pf::flatJpeg(16320, 12240, false, 0x22));
  const Outcome o = run({"--style", "5", big, path("big.png")});
  EXPECT_EQ(o.exitCode, 0) << qPrintable(o.err);
  EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
  EXPECT_EQ(QImageReader(path("big.png")).size(), QSize(1280, 960));
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LE(o.peakKb, 100L * 1024);
#endif
  const QString heic =
      write("photo.heic", heif_files::encode(pf::storedFor(pf::quadrants(64, 32), 3), false, 6));
  const QImage image = render({"--style", "0", heic}, path("heic.png"));
  ASSERT_EQ(image.size(), QSize(64, 32));
  EXPECT_LT(qRed(image.pixel(16, 8)), 255);
  EXPECT_GT(qRed(image.pixel(16, 8)), 200);  // the red quadrant is at the top left, upright
}

}  // namespace

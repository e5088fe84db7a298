// Runs the real vorlane-sketch binary.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "tests/platform/test_photo_decoder_files.h"

extern char** environ;

#ifndef VORLANE_SKETCH_EXE
#error "VORLANE_SKETCH_EXE must name the built vorlane-sketch binary"
#endif

namespace {

namespace pf = photo_files;

struct Outcome {
  int exitCode = -1;
  bool crashed = true;
  QString out, err;
};

Outcome runSketch(const QStringList& args) {
  QProcess process;
  // Under the sanitizers, keep the leak checker's table of suppressions off the
  // child's stderr, whose exact contents the tests check.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (env.contains("LSAN_OPTIONS")) env.insert("LSAN_OPTIONS", env.value("LSAN_OPTIONS") + ":print_suppressions=0");
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(VORLANE_SKETCH_EXE), args);
  Outcome o;
  if (!process.waitForFinished(240000)) {
    process.kill();
    process.waitForFinished();
    return o;
  }
  o.crashed = process.exitStatus() != QProcess::NormalExit;
  o.exitCode = process.exitCode();
  o.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  o.err = QString::fromLocal8Bit(process.readAllStandardError());
  return o;
}

QImage readBack(const QString& file, QByteArray* format = nullptr) {
  QImageReader reader(file);
  reader.setAutoTransform(false);
  if (format) *format = reader.format();
  return reader.read();
}

QImage flat(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

class VorlaneSketchTest : public testing::Test {
 protected:
  QTemporaryDir dir{vorlane_test::testRoot() + "/sketch-XXXXXX"};
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    EXPECT_TRUE(pf::writeFile(path(name), bytes));
    return path(name);
  }
  QString writePng(const QString& name, const QImage& image) const { return write(name, pf::encode(image, "png")); }
  // Runs with success expected and reads the output back.
  QImage render(const QStringList& args, const QString& out) const {
    const Outcome o = runSketch(args + QStringList{out});
    EXPECT_FALSE(o.crashed);
    EXPECT_EQ(o.exitCode, 0) << qPrintable(args.join(' ')) << ": " << qPrintable(o.err);
    EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
    return readBack(out);
  }
};

TEST_F(VorlaneSketchTest, HelpPrintsTheUsageAndSucceeds) {
  for (const char* flag : {"--help", "-h"}) {
    const Outcome o = runSketch({flag});
    EXPECT_FALSE(o.crashed);
    EXPECT_EQ(o.exitCode, 0) << flag;
    EXPECT_TRUE(o.out.startsWith("Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT")) << qPrintable(o.out);
    EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
  }
}

TEST_F(VorlaneSketchTest, UsageErrorsExitTwoWithTheUsageAndWriteNothing) {
  const QString in = writePng("in.png", flat(8, 8, qRgb(50, 50, 50))), out = path("out.png");
  const QList<QStringList> cases = {
      {},         {in}, {in, out, path("third.png")}, {"--style", "8", in, out}, {"--style", "-1", in, out},
      {"--style", "two", in, out}, {"--style=", in, out}, {in, out, "--style"}, {"--texture", in, out, "--texture"},
      {"--colour", "red", in, out}, {"-x", in, out}, {in, path("out.bmp")}, {in, path("out")},
  };
  for (const QStringList& args : cases) {
    SCOPED_TRACE(qPrintable(args.join(' ')));
    const Outcome o = runSketch(args);
    EXPECT_FALSE(o.crashed);
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_TRUE(o.err.contains("Usage: vorlane-sketch")) << qPrintable(o.err);
    EXPECT_TRUE(o.out.isEmpty());
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in.png"});
}

// One line on stderr naming the file and why; an existing OUTPUT is untouched,
// a missing one is not created.
TEST_F(VorlaneSketchTest, BadInputsOutputsAndTexturesFailWithOneLineAndWriteNothing) {
  const QImage picture = pf::gradient(200, 150);
  const QByteArray jpeg = pf::encode(picture, "jpeg"), png = pf::encode(picture, "png");
  const QString in = writePng("in.png", flat(20, 20, qRgb(90, 90, 90)));
  const QString out = write("out.png", "previous contents"), nowhere = path("no-such-folder/out.png");
  const QString texture = write("texture.png", "not a picture at all");
  const struct Case {
    QStringList args;
    QString line;
  } cases[] = {
      {{path("missing.jpg"), out}, path("missing.jpg") + ": the file does not exist"},
      {{write("empty.jpg", {}), out}, path("empty.jpg") + ": the file is empty"},
      {{write("text.jpg", "shopping list: milk, bread\n"), out}, path("text.jpg") + ": the file is not a picture"},
      {{write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), out}, path("cut.jpg") + ": the file is damaged or incomplete"},
      {{write("cut.png", png.left(png.size() / 2)), out}, path("cut.png") + ": the file is damaged or incomplete"},
      {{write("bomb.png", pf::pngClaimingSize(100000, 100000)), out}, path("bomb.png") + ": the picture is too large"},
      {{"--texture", texture, in, path("new.png")}, texture + ": the file is not a picture"},
      {{in, nowhere}, nowhere + ": the file cannot be written"},
  };
  for (const Case& c : cases) {
    // Style 0 writes the prepared photo and reads no texture.
    for (const QString& style : c.args.contains("--texture") ? QStringList{"1"} : QStringList{"0", "1"}) {
      SCOPED_TRACE(qPrintable(c.args.join(' ') + " style " + style));
      const Outcome o = runSketch(QStringList{"--style", style} + c.args);
      EXPECT_FALSE(o.crashed);
      EXPECT_EQ(o.exitCode, 1);
      EXPECT_TRUE(o.err.startsWith("vorlane-sketch: " + c.line)) << qPrintable(o.err);
      EXPECT_EQ(o.err.count('\n'), 1);
      if (!c.line.endsWith("written")) {
        EXPECT_EQ(o.err.toStdString(), ("vorlane-sketch: " + c.line + "\n").toStdString());
      }
    }
  }
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "previous contents");
  EXPECT_FALSE(QFile::exists(path("new.png")));
  EXPECT_FALSE(QFile::exists(nowhere));
}

// A flat grey photo (grey value c) under a texture of blue byte t gives, for a
// style plane p, v = (255 t + (255 - t) p) / 256 at every pixel: a texture of the
// photo's size is used pixel for pixel.
TEST_F(VorlaneSketchTest, FlatGreyPhotoRendersTheExactValuesOfEachStyle) {
  const int c = 100;
  const QString in = writePng("grey.png", flat(40, 30, qRgb(c, c, c)));
  QImage texture(40, 30, QImage::Format_RGB32);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) texture.setPixel(x, y, qRgb(0, 0, (x * 37 + y * 101) & 255));
  const QString textureFile = writePng("texture.png", texture);
  const int plane[8] = {0, c, c, 255, 0, (c + 128) / 2, 128, 128};
  for (int style = 1; style <= 7; ++style) {
    const QImage image =
        render({"--style", QString::number(style), "--texture", textureFile, in}, path(QString("s%1.png").arg(style)));
    ASSERT_EQ(image.size(), QSize(40, 30));
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const int t = (x * 37 + y * 101) & 255, v = (255 * t + (255 - t) * plane[style]) >> 8;
        ASSERT_EQ(image.pixel(x, y), qRgb(v, v, v)) << "style " << style << " at " << x << "," << y;
      }
  }
  // A white texture, stretched from another size, saturates every pixel at 254.
  const QString white = writePng("white.png", flat(7, 5, qRgb(255, 255, 255)));
  const QImage image = render({"--style", "4", "--texture", white, in}, path("white-out.png"));
  ASSERT_EQ(image.size(), QSize(40, 30));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(image.pixel(x, y), qRgb(254, 254, 254)) << x << "," << y;
}

TEST_F(VorlaneSketchTest, WritesByExtensionAndHonoursOrientation) {
  // Upright 64 x 32 quadrants stored turned, with EXIF 6 undoing the turn.
  const QString in = write(
      "tagged.jpg", pf::withExifOrientation(pf::encode(pf::storedFor(pf::quadrants(64, 32), 3), "jpeg"), 6));
  for (const char* name : {"photo.png", "photo.jpg", "photo.JPEG"}) {
    SCOPED_TRACE(name);
    render({"--style", "0", in}, path(name));
    QByteArray format;
    const QImage image = readBack(path(name), &format);
    EXPECT_EQ(format, QByteArray(name).endsWith("png") ? "png" : "jpeg");
    ASSERT_EQ(image.size(), QSize(64, 32));
    EXPECT_FALSE(image.hasAlphaChannel());
    for (int q = 0; q < 4; ++q) {
      const QRgb got = image.pixel(q % 2 * 32 + 16, q / 2 * 16 + 8), want = pf::kQuadrantColours[q];
      EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                    std::abs(qBlue(got) - qBlue(want)), 30) << "quadrant " << q;
    }
  }
}

TEST_F(VorlaneSketchTest, TinyAndStripPhotosAndTheBuiltInTexture) {
  const QString dot = writePng("dot.png", flat(1, 1, qRgb(200, 30, 40)));
  const QImage image = render({"--style", "0", dot}, path("dot-out.png"));
  ASSERT_EQ(image.size(), QSize(1, 1));
  EXPECT_EQ(image.pixel(0, 0), qRgb(200, 30, 40));
  EXPECT_EQ(render({"--style", "3", dot}, path("dot-3.png")).size(), QSize(1, 1));

  const QString strip = writePng("strip.png", flat(10, 4000, qRgb(128, 128, 128)));
  for (int style = 0; style <= 7; ++style)
    EXPECT_EQ(render({"--style", QString::number(style), strip}, path(QString("strip-%1.png").arg(style))).size(),
              QSize(3, 1200)) << style;

  // The built-in texture: a grey result no lighter than 254 and not all one value.
  const QImage built = render({writePng("gradient.png", pf::gradient(300, 200))}, path("builtin.png"));
  ASSERT_EQ(built.size(), QSize(300, 200));
  bool varied = false;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const QRgb p = built.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) <= 254) << x << "," << y;
      varied = varied || p != built.pixel(0, 0);
    }
  EXPECT_TRUE(varied);
}

// Peak resident memory of the child itself (wait4 reports it for that child
// alone): the reduced decode keeps a 12-megapixel photo well inside 100 MB.
TEST_F(VorlaneSketchTest, TwelveMegapixelPhotoStaysWithinAHundredMegabytes) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory makes resident size meaningless";
#else
  const QString in = write("big.jpg", pf::encode(pf::gradient(4032, 3024), "jpeg", 90)), out = path("big-out.jpg");
  QByteArray exe = VORLANE_SKETCH_EXE, inBytes = QFile::encodeName(in), outBytes = QFile::encodeName(out);
  char* argv[] = {exe.data(), inBytes.data(), outBytes.data(), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, exe.constData(), nullptr, nullptr, argv, environ), 0);
  int status = 0;
  rusage usage{};
  ASSERT_EQ(wait4(pid, &status, 0, &usage), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readBack(out).size(), QSize(1280, 960));
  EXPECT_LE(usage.ru_maxrss, 100L * 1024) << "peak resident set " << usage.ru_maxrss << " KB";
#endif
}

}  // namespace

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
#include <vector>

#include "TestSupport.h"
#include "tests/platform/test_photo_decoder_files.h"

extern char** environ;

#ifndef VORLANE_SKETCH_EXE
#error "VORLANE_SKETCH_EXE must name the built vorlane-sketch binary"
#endif

namespace {

struct Outcome {
  int exitCode = -1;
  bool crashed = false;
  QString out;
  QString err;
};

Outcome runSketch(const QStringList& args) {
  QProcess process;
  process.setProgram(QStringLiteral(VORLANE_SKETCH_EXE));
  process.setArguments(args);
  // Under the sanitizers, keep the leak checker's table of suppressions off the
  // child's stderr, whose exact contents the tests check.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (env.contains("LSAN_OPTIONS"))
    env.insert("LSAN_OPTIONS", env.value("LSAN_OPTIONS") + ":print_suppressions=0");
  process.setProcessEnvironment(env);
  process.start();
  Outcome outcome;
  if (!process.waitForFinished(240000)) {
    process.kill();
    process.waitForFinished();
    outcome.crashed = true;
    return outcome;
  }
  outcome.crashed = process.exitStatus() != QProcess::NormalExit;
  outcome.exitCode = process.exitCode();
  outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
  return outcome;
}

class VorlaneSketchTest : public testing::Test {
 protected:
  QTemporaryDir dir{vorlane_test::testRoot() + "/sketch-XXXXXX"};
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    const QString p = path(name);
    EXPECT_TRUE(photo_files::writeFile(p, bytes));
    return p;
  }
  QString writePicture(const QString& name, const QImage& image, const char* format = "png") const {
    return write(name, photo_files::encode(image, format));
  }
  static QImage flat(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
  }
  // Only the sketch's own files in the folder: nothing left half-written.
  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

TEST_F(VorlaneSketchTest, HelpPrintsTheUsageAndSucceeds) {
  for (const char* flag : {"--help", "-h"}) {
    const Outcome o = runSketch({flag});
    EXPECT_FALSE(o.crashed);
    EXPECT_EQ(o.exitCode, 0) << flag;
    EXPECT_TRUE(o.out.startsWith("Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT"))
        << qPrintable(o.out);
    EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
  }
}

TEST_F(VorlaneSketchTest, UsageErrorsExitTwoWithTheUsageAndWriteNothing) {
  const QString in = writePicture("in.png", flat(8, 8, qRgb(50, 50, 50)));
  const QString out = path("out.png");
  const QList<QStringList> cases = {
      {},
      {in},
      {in, out, path("third.png")},
      {"--style", "8", in, out},
      {"--style", "-1", in, out},
      {"--style", "two", in, out},
      {"--style=", in, out},
      {in, out, "--style"},
      {"--texture", in, out, "--texture"},
      {"--colour", "red", in, out},
      {"-x", in, out},
      {in, path("out.bmp")},
      {in, path("out")},
  };
  for (const QStringList& args : cases) {
    const Outcome o = runSketch(args);
    EXPECT_FALSE(o.crashed) << qPrintable(args.join(' '));
    EXPECT_EQ(o.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_TRUE(o.err.contains("Usage: vorlane-sketch")) << qPrintable(o.err);
    EXPECT_TRUE(o.out.isEmpty());
  }
  EXPECT_EQ(files(), QStringList{"in.png"});
}

// One line on stderr naming the file and why; an existing OUTPUT is untouched.
TEST_F(VorlaneSketchTest, UnreadableInputsFailWithOneLineAndLeaveOutputAlone) {
  QImage picture = photo_files::gradient(200, 150);
  const QByteArray jpeg = photo_files::encode(picture, "jpeg");
  const QByteArray png = photo_files::encode(picture, "png");
  struct Case {
    QString input;
    QString reason;
  };
  const Case cases[] = {
      {path("missing.jpg"), "the file does not exist"},
      {write("empty.jpg", {}), "the file is empty"},
      {write("text.jpg", "shopping list: milk, bread\n"), "the file is not a picture"},
      {write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), "the file is damaged or incomplete"},
      {write("cut.png", png.left(png.size() / 2)), "the file is damaged or incomplete"},
      {write("bomb.png", photo_files::pngClaimingSize(100000, 100000)), "the picture is too large"},
  };
  const QByteArray previous = "previous contents";
  const QString out = write("out.png", previous);
  for (const Case& c : cases) {
    for (const char* style : {"0", "1"}) {
      const Outcome o = runSketch({"--style", style, c.input, out});
      EXPECT_FALSE(o.crashed) << qPrintable(c.input);
      EXPECT_EQ(o.exitCode, 1) << qPrintable(c.input);
      EXPECT_EQ(o.err.toStdString(), ("vorlane-sketch: " + c.input + ": " + c.reason + "\n").toStdString());
    }
  }
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), previous);
}

TEST_F(VorlaneSketchTest, UnwritableOutputAndBadTextureFailWithOneLine) {
  const QString in = writePicture("in.png", flat(20, 20, qRgb(90, 90, 90)));
  const QString nowhere = path("no-such-folder/out.png");
  Outcome o = runSketch({in, nowhere});
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_TRUE(o.err.startsWith("vorlane-sketch: " + nowhere + ": the file cannot be written"))
      << qPrintable(o.err);
  EXPECT_EQ(o.err.count('\n'), 1);

  const QString texture = write("texture.png", "not a picture at all");
  o = runSketch({"--texture", texture, in, path("out.png")});
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err.toStdString(),
            ("vorlane-sketch: " + texture + ": the file is not a picture\n").toStdString());
  EXPECT_FALSE(QFile::exists(path("out.png")));
  EXPECT_FALSE(QFile::exists(nowhere));
}

QImage readBack(const QString& file, QByteArray* format = nullptr) {
  QImageReader reader(file);
  reader.setAutoTransform(false);
  if (format) *format = reader.format();
  return reader.read();
}

// A flat grey photo (grey value c) under a texture of blue byte t gives, for a
// style plane p, v = (255 t + (255 - t) p) / 256 everywhere.
TEST_F(VorlaneSketchTest, FlatGreyPhotoRendersTheExactValuesOfEachStyle) {
  const int c = 100;
  const QString in = writePicture("grey.png", flat(40, 30, qRgb(c, c, c)));
  const QString black = writePicture("black.png", flat(40, 30, qRgb(0, 0, 0)));
  struct Case {
    int style;
    int plane;
  };
  const Case cases[] = {{1, c}, {2, c}, {3, 255}, {4, 0}, {5, (c + 128) / 2}, {6, 128}, {7, 128}};
  for (const Case& k : cases) {
    const QString out = path(QString("style%1.png").arg(k.style));
    const Outcome o = runSketch({"--style", QString::number(k.style), "--texture", black, in, out});
    ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
    const QImage image = readBack(out);
    ASSERT_EQ(image.size(), QSize(40, 30));
    const int v = 255 * k.plane / 256;
    for (QPoint p : {QPoint(20, 15), QPoint(3, 3), QPoint(36, 26)})
      EXPECT_EQ(image.pixel(p), qRgb(v, v, v)) << "style " << k.style << " at " << p.x() << "," << p.y();
  }

  // A white texture, stretched from another size, saturates every style at 254.
  const QString white = writePicture("white.png", flat(7, 5, qRgb(255, 255, 255)));
  const Outcome o = runSketch({"--style", "4", "--texture", white, in, path("white-out.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  const QImage image = readBack(path("white-out.png"));
  ASSERT_EQ(image.size(), QSize(40, 30));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(image.pixel(x, y), qRgb(254, 254, 254)) << x << "," << y;
}

TEST_F(VorlaneSketchTest, TextureOfThePhotosSizeIsUsedPixelForPixel) {
  const int c = 60;
  const QString in = writePicture("grey.png", flat(24, 16, qRgb(c, c, c)));
  QImage texture(24, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) texture.setPixel(x, y, qRgb(0, 0, (x * 37 + y * 101) & 255));
  const QString textureFile = writePicture("texture.png", texture);
  const Outcome o = runSketch({"--texture", textureFile, in, path("out.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  const QImage image = readBack(path("out.png"));
  ASSERT_EQ(image.size(), QSize(24, 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) {
      const int t = (x * 37 + y * 101) & 255;
      const int v = (255 * t + (255 - t) * c) >> 8;
      ASSERT_EQ(image.pixel(x, y), qRgb(v, v, v)) << x << "," << y;
    }
}

TEST_F(VorlaneSketchTest, WritesByExtensionAndHonoursOrientation) {
  // Upright 64 x 32 quadrants stored turned, with EXIF 6 undoing the turn.
  const QImage upright = photo_files::quadrants(64, 32);
  const QString in = write(
      "tagged.jpg",
      photo_files::withExifOrientation(photo_files::encode(photo_files::storedFor(upright, 3), "jpeg"), 6));
  for (const char* name : {"photo.png", "photo.jpg", "photo.JPEG"}) {
    const Outcome o = runSketch({"--style", "0", in, path(name)});
    ASSERT_EQ(o.exitCode, 0) << name << ": " << qPrintable(o.err);
    EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);
    QByteArray format;
    const QImage image = readBack(path(name), &format);
    EXPECT_EQ(format, QByteArray(name).endsWith("png") ? "png" : "jpeg") << name;
    ASSERT_EQ(image.size(), QSize(64, 32)) << name;
    EXPECT_FALSE(image.hasAlphaChannel()) << name;
    const QPoint centres[4] = {{16, 8}, {48, 8}, {16, 24}, {48, 24}};
    for (int q = 0; q < 4; ++q) {
      const QRgb got = image.pixel(centres[q]), want = photo_files::kQuadrantColours[q];
      EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                    std::abs(qBlue(got) - qBlue(want)),
                30)
          << name << " quadrant " << q;
    }
  }
}

TEST_F(VorlaneSketchTest, TinyAndStripPhotosAndTheBuiltInTexture) {
  const QString dot = writePicture("dot.png", flat(1, 1, qRgb(200, 30, 40)));
  Outcome o = runSketch({"--style", "0", dot, path("dot-out.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  QImage image = readBack(path("dot-out.png"));
  ASSERT_EQ(image.size(), QSize(1, 1));
  EXPECT_EQ(image.pixel(0, 0), qRgb(200, 30, 40));
  o = runSketch({"--style", "3", dot, path("dot-3.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  EXPECT_EQ(readBack(path("dot-3.png")).size(), QSize(1, 1));

  const QString strip = writePicture("strip.png", flat(10, 4000, qRgb(128, 128, 128)));
  for (int style = 0; style <= 7; ++style) {
    const QString out = path(QString("strip-%1.png").arg(style));
    o = runSketch({"--style", QString::number(style), strip, out});
    ASSERT_EQ(o.exitCode, 0) << style << ": " << qPrintable(o.err);
    image = readBack(out);
    EXPECT_EQ(image.size(), QSize(3, 1200)) << style;
  }

  // The built-in texture: a grey result no lighter than 254 and not all one value.
  const QString photo = writePicture("gradient.png", photo_files::gradient(300, 200));
  o = runSketch({photo, path("builtin.png")});
  ASSERT_EQ(o.exitCode, 0) << qPrintable(o.err);
  image = readBack(path("builtin.png"));
  ASSERT_EQ(image.size(), QSize(300, 200));
  QRgb first = image.pixel(0, 0);
  bool varied = false;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) <= 254) << x << "," << y;
      varied = varied || p != first;
    }
  EXPECT_TRUE(varied);
}

// Peak resident memory of the child itself (wait4 reports it for that child
// alone): the reduced decode keeps a 12-megapixel photo well inside 100 MB.
TEST_F(VorlaneSketchTest, TwelveMegapixelPhotoStaysWithinAHundredMegabytes) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory makes resident size meaningless";
#else
  const QString in = write("big.jpg", photo_files::encode(photo_files::gradient(4032, 3024), "jpeg", 90));
  const QString out = path("big-out.jpg");
  const QByteArray exe = VORLANE_SKETCH_EXE;
  const QByteArray inBytes = QFile::encodeName(in), outBytes = QFile::encodeName(out);
  std::vector<char*> argv = {const_cast<char*>(exe.constData()), const_cast<char*>(inBytes.constData()),
                             const_cast<char*>(outBytes.constData()), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, exe.constData(), nullptr, nullptr, argv.data(), environ), 0);
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

// Runs the real vorlane-sketch binary.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "tests/platform/test_photo_decoder_files.h"

extern char** environ;

namespace {

namespace pf = photo_files;

struct Outcome { int exitCode; QString out, err; };  // exit code -1: the child crashed, hung or never ran

struct VorlaneSketchTest : testing::Test {
  QTemporaryDir dir{vorlane_test::testRoot() + "/sketch-XXXXXX"};
  static Outcome run(const QStringList& args) {
    QProcess process;
    // Under the sanitizers, keep the leak checker's suppressions off the stderr the tests check.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (env.contains("LSAN_OPTIONS")) env.insert("LSAN_OPTIONS", env.value("LSAN_OPTIONS") + ":print_suppressions=0");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORLANE_SKETCH_EXE), args);
    if (!process.waitForFinished(240000)) { process.kill(); process.waitForFinished(); return {-1, {}, {}}; }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    EXPECT_TRUE(pf::writeFile(path(name), bytes));
    return path(name);
  }
  QString png(const QString& name, const QImage& image) const { return write(name, pf::encode(image, "png")); }
  QString png(const QString& name, int w, int h, QRgb colour) const {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return png(name, image);
  }
  // Runs with success expected and reads OUTPUT back as stored (no EXIF turn).
  QImage render(const QStringList& args, const QString& out) const {
    const Outcome o = run(args + QStringList{out});
    EXPECT_EQ(o.exitCode, 0) << qPrintable(args.join(' '));
    EXPECT_EQ(o.err, "") << qPrintable(args.join(' '));
    QImageReader reader(out);
    reader.setAutoTransform(false);
    return reader.read();
  }
};

TEST_F(VorlaneSketchTest, HelpSucceedsAndUsageErrorsExitTwoWithTheUsageAndWriteNothing) {
  const Outcome help = run({"--help"}), h = run({"-h"});
  for (const Outcome& o : {help, h}) {
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.err, "");
  }
  EXPECT_EQ(h.out, help.out);
  EXPECT_TRUE(help.out.startsWith("Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT"));
  const QString in = png("in.png", 8, 8, qRgb(50, 50, 50)), out = path("out.png");
  for (const QStringList& args : QList<QStringList>{
           {}, {in}, {in, out, path("third.png")}, {"--style", "8", in, out}, {"--style", "-1", in, out},
           {"--style", "two", in, out}, {"--style=", in, out}, {in, out, "--style"}, {"--colour", "red", in, out},
           {"--texture", in, out, "--texture"}, {"-x", in, out}, {in, path("out.bmp")}, {in, path("out")}}) {
    const Outcome o = run(args);
    EXPECT_EQ(o.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_TRUE(o.err.contains("Usage: vorlane-sketch")) << qPrintable(o.err);
    EXPECT_EQ(o.out, "") << qPrintable(args.join(' '));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in.png"});
}

// One line on stderr naming the file and why; an existing OUTPUT is untouched, a missing one is not created.
TEST_F(VorlaneSketchTest, BadInputsOutputsAndTexturesFailWithOneLineAndWriteNothing) {
  const QByteArray jpeg = pf::encode(pf::gradient(200, 150), "jpeg"), whole = pf::encode(pf::gradient(200, 150), "png");
  const QString in = png("in.png", 20, 20, qRgb(90, 90, 90)), out = write("out.png", "previous contents");
  const QString texture = write("texture.png", "not a picture at all"), nowhere = path("no-such-folder/out.png");
  const std::pair<QStringList, QString> cases[] = {
      {{path("missing.jpg"), out}, path("missing.jpg") + ": the file does not exist"},
      {{write("empty.jpg", {}), out}, path("empty.jpg") + ": the file is empty"},
      {{write("text.jpg", "shopping list: milk\n"), out}, path("text.jpg") + ": the file is not a picture"},
      {{write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), out}, path("cut.jpg") + ": the file is damaged or incomplete"},
      {{write("cut.png", whole.left(whole.size() / 2)), out}, path("cut.png") + ": the file is damaged or incomplete"},
      {{write("bomb.png", pf::pngClaimingSize(100000, 100000)), out}, path("bomb.png") + ": the picture is too large"},
      {{"--texture", texture, in, path("new.png")}, texture + ": the file is not a picture"},
      {{in, nowhere}, nowhere + ": the file cannot be written"}};
  for (const auto& [args, line] : cases)  // style 0 writes the prepared photo and reads no texture
    for (const QString& style : args.contains("--texture") ? QStringList{"1"} : QStringList{"0", "1"}) {
      const Outcome o = run(QStringList{"--style", style} + args);
      EXPECT_EQ(o.exitCode, 1) << qPrintable(args.join(' ') + " style " + style);
      EXPECT_TRUE(o.err.startsWith("vorlane-sketch: " + line)) << qPrintable(o.err);
      EXPECT_EQ(o.err.count('\n'), 1) << qPrintable(o.err);
      // Exactly that line, except that the OS may add why a file cannot be written.
      if (!line.endsWith("written")) {
        EXPECT_EQ(o.err, "vorlane-sketch: " + line + "\n");
      }
    }
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "previous contents");
  EXPECT_FALSE(QFile::exists(path("new.png")));
  EXPECT_FALSE(QFile::exists(nowhere));
}

// A flat grey photo (grey c) under a texture of blue byte t gives, for a style plane p,
// v = (255 t + (255 - t) p) / 256: a texture of the photo's size is used pixel for pixel.
TEST_F(VorlaneSketchTest, FlatGreyPhotoRendersTheExactValuesOfEachStyle) {
  const int c = 100, plane[8] = {0, c, c, 255, 0, (c + 128) / 2, 128, 128};
  const QString in = png("grey.png", 40, 30, qRgb(c, c, c));
  QImage blue(40, 30, QImage::Format_RGB32);
  for (int i = 0; i < 1200; ++i) blue.setPixel(i % 40, i / 40, qRgb(0, 0, (i % 40 * 37 + i / 40 * 101) & 255));
  for (int style = 1; style <= 7; ++style) {
    const QString out = path(QString("s%1.png").arg(style));
    const QImage image = render({"--style", QString::number(style), "--texture", png("blue.png", blue), in}, out);
    ASSERT_EQ(image.size(), QSize(40, 30));
    for (int i = 0; i < 1200; ++i) {
      const int t = qBlue(blue.pixel(i % 40, i / 40)), v = (255 * t + (255 - t) * plane[style]) >> 8;
      ASSERT_EQ(image.pixel(i % 40, i / 40), qRgb(v, v, v)) << "style " << style << " at " << i;
    }
  }
  // A white texture, stretched from another size, saturates every pixel at 254.
  const QString white = png("white.png", 7, 5, qRgb(255, 255, 255));
  blue.fill(qRgb(254, 254, 254));  // now the expected picture
  EXPECT_EQ(render({"--style", "4", "--texture", white, in}, path("w.png")).convertToFormat(blue.format()), blue);
}

TEST_F(VorlaneSketchTest, WritesByExtensionHonoursOrientationKeepsTinyAndStripPhotosAndUsesTheBuiltInTexture) {
  // Upright 64 x 32 quadrants stored turned, with EXIF 6 undoing the turn.
  const QByteArray stored = pf::encode(pf::storedFor(pf::quadrants(64, 32), 3), "jpeg");
  const QString in = write("tagged.jpg", pf::withExifOrientation(stored, 6));
  for (const char* name : {"photo.png", "photo.jpg", "photo.JPEG"}) {
    const QImage image = render({"--style", "0", in}, path(name));
    EXPECT_EQ(QImageReader(path(name)).format(), QByteArray(name).endsWith("png") ? "png" : "jpeg") << name;
    ASSERT_EQ(image.size(), QSize(64, 32)) << name;
    EXPECT_FALSE(image.hasAlphaChannel());
    for (int q = 0; q < 4; ++q) {
      const QRgb got = image.pixel(q % 2 * 32 + 16, q / 2 * 16 + 8), want = pf::kQuadrantColours[q];
      EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                    std::abs(qBlue(got) - qBlue(want)), 30) << name << " quadrant " << q;
    }
  }
  const QString dot = png("dot.png", 1, 1, qRgb(200, 30, 40)), strip = png("strip.png", 10, 4000, qRgb(128, 128, 128));
  EXPECT_EQ(render({"--style", "0", dot}, path("dot-0.png")).pixel(0, 0), qRgb(200, 30, 40));
  EXPECT_EQ(render({"--style", "3", dot}, path("dot-3.png")).size(), QSize(1, 1));
  for (int style = 0; style <= 7; ++style) {
    const QImage image = render({"--style", QString::number(style), strip}, path(QString("s%1.png").arg(style)));
    ASSERT_EQ(image.size(), QSize(3, 1200)) << style;
    if (style != 1) continue;
    std::set<QRgb> seen;  // under the built-in texture: grey, no lighter than 254, not all one value
    for (int i = 0; i < 3600; ++i) seen.insert(image.pixel(i % 3, i / 3));
    for (QRgb p : seen) {
      EXPECT_EQ(qGreen(p), qRed(p)) << std::hex << p;
      EXPECT_EQ(qBlue(p), qRed(p)) << std::hex << p;
      EXPECT_LE(qRed(p), 254) << std::hex << p;
    }
    EXPECT_GT(seen.size(), 1u);
  }
}

// Peak resident memory of the child alone (wait4 reports it): the reduced decode keeps a
// 12-megapixel photo well inside 100 MB.
TEST_F(VorlaneSketchTest, TwelveMegapixelPhotoStaysWithinAHundredMegabytes) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory makes resident size meaningless";
#else
  const QString in = write("big.jpg", pf::encode(pf::gradient(4032, 3024), "jpeg", 90)), out = path("big-out.jpg");
  QByteArray exe = VORLANE_SKETCH_EXE, inBytes = QFile::encodeName(in), outBytes = QFile::encodeName(out);
  char* argv[] = {exe.data(), inBytes.data(), outBytes.data(), nullptr};
  pid_t pid = 0;
  int status = 0;
  rusage usage{};
  ASSERT_EQ(posix_spawn(&pid, exe.constData(), nullptr, nullptr, argv, environ), 0);
  ASSERT_EQ(wait4(pid, &status, 0, &usage), pid);
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(QImageReader(out).size(), QSize(1280, 960));
  EXPECT_LE(usage.ru_maxrss, 100L * 1024) << "peak resident set " << usage.ru_maxrss << " KB";
#endif
}

}  // namespace

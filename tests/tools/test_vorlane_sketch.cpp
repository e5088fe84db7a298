// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real vorlane-sketch binary: the INPUT OUTPUT form.
#include "tests/tools/SketchFixture.h"
#include "vorlane_version.h"

namespace {

using namespace sketch_test;

TEST_F(VorlaneSketchTest, HelpVersionAndUsageErrorsExitTwoWithOneLineNamingTheFaultAndWriteNothing) {
  const Outcome help = run({"--help"}), version = run({"--version"});
  for (const auto& [o, same] : {std::pair{help, run({"-h"})}, {version, run({"-v"})}}) {
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_TRUE(o.err.isEmpty());
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, o.out);
  }
  EXPECT_TRUE(help.out.startsWith("Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT\n"));
  // The options, and the working-size rule in words with the examples the renderer really gives.
  for (const char* words : {"--out-dir DIR", "--jobs N", "--quality Q", "\n  --skip-existing with --out-dir,",
                            "2560 x 1600 becomes\n1280 x 800", "1200 x 1600 becomes 768 x 1024"})
    EXPECT_TRUE(help.out.contains(words)) << words << "\n" << qPrintable(help.out);
  EXPECT_TRUE(version.out.startsWith("vorlane-sketch " VORLANE_VERSION "\n")) << qPrintable(version.out);
  EXPECT_TRUE(version.out.contains("License GPL-3.0-or-later")) << qPrintable(version.out);
  const QString in = png("in.png", 8, 8, qRgb(50, 50, 50)), out = path("out.png"), dirOut = path("sketches");
  // Each case with the words its error line must hold.
  for (const auto& [args, says] : std::initializer_list<std::pair<QStringList, QString>>{
           {{}, "INPUT and OUTPUT are needed"},
           {{in}, "INPUT and OUTPUT are needed"},
           {{in, out, path("third.png")}, "only one INPUT"},
           {{"--style", "8", in, out}, "not \"8\""},
           {{"--style", "-1", in, out}, "--style needs a value, not the option \"-1\""},
           {{"--style", "two", in, out}, "not \"two\""},
           {{"--style=", in, out}, "not \"\""},
           {{in, out, "--style"}, "--style"},
           {{"--colour", "red", in, out}, "unknown option \"--colour\""},
           {{"--colour=red", in, out}, "\"--colour\""},
           {{"--texture", in, out, "--texture"}, "--texture"},
           {{"--texture=", in, out}, "--texture needs a file"},
           {{"-x", in, out}, "unknown option \"-x\""},
           {{in, path("out.bmp")}, "OUTPUT must end in"},
           {{in, path("out")}, "OUTPUT must end in"},
           {{"--style", "all", in, out}, "needs --out-dir"},
           {{"--format", "png", in, out}, "--format goes with --out-dir"},
           {{"--out-dir", dirOut}, "no INPUT"},
           {{"--out-dir=", in}, "--out-dir needs a folder"},
           {{"--out-dir", dirOut, "--style", "8", in}, "0 to 7 or all"},
           {{"--out-dir", dirOut, "--format", "gif", in}, "png or jpg, not \"gif\""},
           {{"--out-dir", dirOut, "--jobs", "0", in}, "--jobs must be"},
           {{"--out-dir", dirOut, "--jobs=x", in}, "not \"x\""},
           {{"--jobs", "257", in, out}, "from 1 to 256"},
           {{"--out-dir", dirOut, "--memory", "0", in}, "--memory must be a number of megabytes"},
           {{"--out-dir", dirOut, "--memory=1e3", in}, "not \"1e3\""},
           {{"--quality", "101", in, out}, "--quality must be"},
           {{"--quality=-1", in, out}, "not \"-1\""},
           {{"--out-dir", dirOut, "--quality", "", in}, "not \"\""},
           {{"--out-dir", "--style", "3", "in.png"}, "--out-dir needs a value, not the option \"--style\""},
           {{"--texture", "--", in, out}, "--texture needs a value, not the option \"--\""},
           {{"--out-dir", "-", in}, "--out-dir needs a value, not \"-\""},
           {{"--skip-existing", in, out}, "--skip-existing goes with --out-dir"}}) {
    // Run in the test folder, where a value taken for a folder's name would make that folder.
    const Outcome o = run(args, {.cwd = dir.path()});
    EXPECT_EQ(o.exitCode, 2) << qPrintable(args.join(' '));
    const QString what = args.join(' ') + " -> " + o.err;
    const QStringList lines = o.err.split('\n');
    EXPECT_EQ(lines.size(), 3) << qPrintable(what);  // two lines, each ended
    EXPECT_TRUE(lines.value(0).startsWith("vorlane-sketch: ")) << qPrintable(what);
    EXPECT_TRUE(lines.value(0).contains(says)) << qPrintable(what);
    EXPECT_EQ(lines.value(1), "Try 'vorlane-sketch --help'.") << qPrintable(what);
    EXPECT_TRUE(o.out.isEmpty()) << qPrintable(what);
  }
  EXPECT_EQ(entries(), QStringList{"in.png"});
  // Both value forms, options after the operands, and "--" ending the options before a name that looks like
  // one.
  const QString dashed = png("-dashed.png", 4, 4, qRgb(10, 200, 30));
  for (const QStringList& args : QList<QStringList>{{"--style=0", "--", "-dashed.png", "a.png"},
                                                    {"--", "-dashed.png", "b.png", "--style", "0"}}) {
    const Outcome o = run(args, {.cwd = dir.path()});
    EXPECT_TRUE(o.exitCode == (args.last() == "0" ? 2 : 0)) << qPrintable(args.join(' ') + ": " + o.err);
  }
  EXPECT_EQ(QImage(path("a.png")).pixel(1, 1), qRgb(10, 200, 30)) << qPrintable(dashed);
  EXPECT_EQ(render({"--quality", "50", "--style", "0", in}, path("c.png")).pixel(1, 1), qRgb(50, 50, 50));
}

// One line on stderr naming the file and why; an existing OUTPUT is untouched, a missing one is not created.
TEST_F(VorlaneSketchTest, BadInputsOutputsAndTexturesFailWithOneLineAndWriteNothing) {
  const QByteArray jpeg = pf::encode(pf::gradient(200, 150), "jpeg"),
                   whole = pf::encode(pf::gradient(200, 150), "png");
  const QString in = png("in.png", 20, 20, qRgb(90, 90, 90)), out = write("out.png", "previous contents");
  const QString texture = write("texture.png", "not a picture at all"),
                nowhere = path("no-such-folder/out.png"), loop = path("loop.png"),
                longName = path(QString(300, 'x') + ".png"), bomb = path("bomb.png"), cut = path("cut.png");
  ASSERT_TRUE(QFile::link(loop, loop));
  const std::pair<QStringList, QString> cases[] = {
      {{path("missing.jpg"), out}, path("missing.jpg") + ": the file does not exist"},
      {{write("empty.jpg", {}), out}, path("empty.jpg") + ": the file is empty"},
      {{write("text.jpg", "shopping list: milk\n"), out}, path("text.jpg") + ": the file is not a picture"},
      {{write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), out},
       path("cut.jpg") + ": the file is damaged or incomplete"},
      {{write("cut.png", whole.left(whole.size() / 2)), out}, cut + ": the file is damaged or incomplete"},
      {{write("bomb.png", pf::pngClaimingSize(100000, 100000)), out}, bomb + ": the picture is too large"},
      {{loop, out}, loop + ": too many levels of symbolic links"},
      {{longName, out}, longName + ": the file name is too long"},
      // A texture is named for its own faults, never the photo.
      {{"--texture", texture, in, path("new.png")}, texture + ": the file is not a picture"},
      {{"--texture", cut, in, path("new.png")}, cut + ": the file is damaged or incomplete"},
      {{"--texture", bomb, in, path("new.png")}, bomb + ": the picture is too large"},
      {{"--texture", loop, in, path("new.png")}, loop + ": too many levels of symbolic links"},
      {{in, nowhere}, nowhere + ": the file cannot be written"}};
  for (const auto& [args, line] : cases)  // style 0 writes the prepared photo and reads no texture
    for (const QString& style : args.contains("--texture") ? QStringList{"1"} : QStringList{"0", "1"}) {
      const Outcome o = run(QStringList{"--style", style} + args);
      EXPECT_EQ(o.exitCode, 1) << qPrintable(args.join(' ') + " style " + style);
      EXPECT_TRUE(o.err.startsWith("vorlane-sketch: " + line)) << qPrintable(o.err);
      EXPECT_EQ(o.err.count('\n'), 1) << qPrintable(o.err);
      // Exactly that line, except that the OS may add why a file cannot be written.
      EXPECT_TRUE(line.endsWith("written") || o.err == "vorlane-sketch: " + line + "\n") << qPrintable(o.err);
    }
  EXPECT_EQ(readAll(out), "previous contents");
  EXPECT_FALSE(QFile::exists(path("new.png")));
  EXPECT_FALSE(QFile::exists(nowhere));
}

// A flat grey photo (grey c) under a texture of blue byte t gives, for a style plane p,
// v = (255 t + (255 - t) p) / 256: a texture of the photo's size is used pixel for pixel.
TEST_F(VorlaneSketchTest, FlatGreyPhotoRendersTheExactValuesOfEachStyle) {
  const int c = 100, plane[8] = {0, c, c, 255, 0, (c + 128) / 2, 128, 128};
  const QString in = png("grey.png", 40, 30, qRgb(c, c, c));
  QImage blue(40, 30, QImage::Format_RGB32);
  for (int i = 0; i < 1200; ++i)
    blue.setPixel(i % 40, i / 40, qRgb(0, 0, (i % 40 * 37 + i / 40 * 101) & 255));
  for (int style = 1; style <= 7; ++style) {
    const QString out = path(QString("s%1.png").arg(style));
    const QImage image =
        render({"--style", QString::number(style), "--texture", png("blue.png", blue), in}, out);
    ASSERT_EQ(image.size(), QSize(40, 30));
    for (int i = 0; i < 1200; ++i) {
      const int t = qBlue(blue.pixel(i % 40, i / 40)), v = (255 * t + (255 - t) * plane[style]) >> 8;
      ASSERT_EQ(image.pixel(i % 40, i / 40), qRgb(v, v, v)) << "style " << style << " at " << i;
    }
  }
  // A white texture, stretched from another size, saturates every pixel at 254.
  const QString white = png("white.png", 7, 5, qRgb(255, 255, 255));
  blue.fill(qRgb(254, 254, 254));  // now the expected picture
  EXPECT_EQ(render({"--style", "4", "--texture", white, in}, path("w.png")).convertToFormat(blue.format()),
            blue);
}

TEST_F(VorlaneSketchTest,
       WritesByExtensionHonoursOrientationKeepsTinyAndStripPhotosAndUsesTheBuiltInTexture) {
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
                    std::abs(qBlue(got) - qBlue(want)),
                30)
          << name << " quadrant " << q;
    }
  }
  const QString dot = png("dot.png", 1, 1, qRgb(200, 30, 40)),
                strip = png("strip.png", 10, 4000, qRgb(128, 128, 128));
  EXPECT_EQ(render({"--style", "0", dot}, path("dot-0.png")).pixel(0, 0), qRgb(200, 30, 40));
  EXPECT_EQ(render({"--style", "3", dot}, path("dot-3.png")).size(), QSize(1, 1));
  for (int style = 0; style <= 7; ++style) {
    const QImage image =
        render({"--style", QString::number(style), strip}, path(QString("s%1.png").arg(style)));
    ASSERT_EQ(image.size(), QSize(3, 1200)) << style;
    if (style != 1) continue;
    std::set<QRgb> seen;  // under the built-in texture: grey, no lighter than 254, not all one value
    for (int i = 0; i < 3600; ++i) seen.insert(image.pixel(i % 3, i / 3));
    for (QRgb p : seen) {
      EXPECT_EQ(qRed(p), qGreen(p)) << p;
      EXPECT_EQ(qGreen(p), qBlue(p)) << p;
      EXPECT_LE(qRed(p), 254) << p;
    }
    EXPECT_GT(seen.size(), 1u);
  }
}

// Peak resident memory of the child alone: the reduced decode keeps a 12-megapixel photo well inside
// 100 MB; at its own size within 400 MB; a batch at jobs x one photo, however many photos there are,
// and fewer at once when --memory holds them back.
TEST_F(VorlaneSketchTest, TwelveMegapixelPhotosStayWithinTheirMemoryBudgets) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory makes resident size meaningless";
#else
  const QByteArray big = pf::encode(pf::gradient(4032, 3024), "jpeg", 90);
  QStringList batch;
  for (int i = 0; i < 6; ++i) batch << write(QString("big%1.jpg").arg(i), big);
  const struct {
    QStringList args;
    QString out;
    QSize size;
    long megabytes;
  } cases[] = {{{batch[0], path("working.jpg")}, path("working.jpg"), {1280, 960}, 100},
               {{"--size", "full", batch[0], path("full.jpg")}, path("full.jpg"), {4032, 3024}, 400},
               {QStringList{"--jobs", "2", "--out-dir", path("out")} + batch,
                path("out/big5.style1.png"),
                {1280, 960},
                160},
               // Four at their own size at once would take about 1 GB: within 300 MB
               // they go one at a time.
               {QStringList{"--jobs", "4", "--memory", "300", "--size", "full", "--out-dir", path("full")} +
                    batch.mid(0, 4),
                path("full/big3.style1.png"),
                {4032, 3024},
                400}};
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.exitCode, 0) << qPrintable(o.err);
    EXPECT_EQ(QImageReader(c.out).size(), c.size) << qPrintable(c.out);
    EXPECT_LE(o.peakKb, c.megabytes * 1024) << qPrintable(c.args.join(' '));
  }
  EXPECT_EQ(entries(path("out")).size(), 6);
#endif
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The real vorlane-sketch binary in the session's language: under the C locale
// every text is the English one, byte for byte; under German a usage error is
// already in German, since the translations are in before the arguments are read.
#include <QLibraryInfo>
#include <QThread>
#include <QTranslator>

#include "SketchFixture.h"
#include "vorlane_version.h"

namespace {

using namespace sketch_test;
using LanguageSketchTest = VorlaneSketchTest;

const QByteArrayList kC{"LANGUAGE=C", "LANG=C", "LC_ALL=C"};
const QByteArrayList kGerman{"LANGUAGE=de", "LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8"};

// --help as the program has always printed it; %1 is the machine's cores.
const char* const kHelp = R"help(Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT

Renders photos as pencil sketches. Each photo is turned upright by its
orientation tag and brought to its working size: a landscape photo wider
than 1280 pixels is scaled to 1280 pixels wide (2560 x 1600 becomes
1280 x 800); a portrait or square photo taller than 1280 pixels is scaled
to the largest width that is a multiple of 256 pixels and keeps its height
at most 1280 (1200 x 1600 becomes 768 x 1024); smaller photos keep their
size.

The first form renders INPUT and writes OUTPUT as PNG or JPEG, by its
extension (.png, .jpg, .jpeg).
With --out-dir, each INPUT is a photo or a folder whose pictures are taken
(one level deep, by extension), and each photo is written into DIR as
NAME.styleN.png (or .jpg). A name already taken gets " (2)", " (3)", ...:
no file is ever replaced. A photo that fails is named on one line and the
others go on; on a terminal a progress line shows photos done, photos per
second and the time left.

Options:
  --style N       sketch style 1 to 7 (default 1); 0 writes the prepared
                  photo; all (with --out-dir) writes styles 1 to 7 from
                  one decode
  --texture FILE  pencil texture picture, stretched to each photo's size
                  (default: the built-in sketch-brush texture)
  --out-dir DIR   write the sketches into DIR (made when missing)
  --skip-existing with --out-dir, write only the outputs whose names
                  (NAME.styleN.png, then " (2)" for a second photo of
                  that name) are not in DIR yet; a photo with every
                  output there is not read
  --format F      png (default) or jpg, with --out-dir
  --thumbnail SIZE  write the preview stored in the Vorlane document
                  DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
                  (1 to 1024; never scaled up); nothing else of the
                  document is read
  --timelapse OUT write the painting of the Vorlane document DOCUMENT as a
                  time-lapse video, H.264 (.mp4) or animated WebP (.webp),
                  30 frames a second: the sketch, the strokes in effect at
                  their painted pace (pauses over 1 s shortened), the
                  finished painting held for the last second
  --duration S    the time-lapse's length, 3 to 120 seconds (default 10)
  --size S        working (default): the working size above; full: the
                  photo's own upright size (a photo of more than 64 MP,
                  8192 x 8192 pixels, is scaled to fit that); N: the
                  longer side in pixels, 256 to 8192 and at most the
                  photo's own. A larger render looks like the working-size
                  one with the photo's finer detail; a document is
                  rendered with its strokes at that size. With --timelapse:
                  the video's longer side, from 16 (default 1080; at most
                  the photo's own)
  --jobs N        photos rendered at once (default: the number of cores, %1)
  --memory MB     the memory the photos rendered at once may take together,
                  in megabytes (default: three quarters of the memory free
                  at the start); a photo that alone needs more still runs,
                  by itself
  --quality Q     JPEG quality 0 to 100 (default 92); for PNG the
                  compression effort 0 to 100 (default 11, the fastest;
                  100 gives the smallest file)
  -h, --help      show this text
  -v, --version   show the version and the licence

Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.
)help";

TEST_F(LanguageSketchTest, UnderTheCLocaleTheHelpVersionAndErrorLinesAreTheEnglishTexts) {
  const Outcome help = run({"--help"}, {.env = kC}), version = run({"--version"}, {.env = kC});
  EXPECT_EQ(std::tuple(help.exitCode, help.err), std::tuple(0, QString()));
  EXPECT_EQ(help.out, QString::fromUtf8(kHelp).arg(QThread::idealThreadCount()));
  EXPECT_EQ(std::tuple(version.exitCode, version.err), std::tuple(0, QString()));
  EXPECT_EQ(version.out,
            "vorlane-sketch " VORLANE_VERSION
            "\n"
            "Copyright (C) 2026 Vorlane developers.\n"
            "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n");

  const QString in = png("in.png", 8, 8, qRgb(50, 50, 50)), out = path("out.png"), folder = path("sketches");
  // Usage errors: the line, then the pointer to --help.
  for (const auto& [args, line] : std::initializer_list<std::pair<QStringList, QString>>{
           {{"--colour", "red", in, out}, "unknown option \"--colour\""},
           {{"-x", in, out}, "unknown option \"-x\""},
           {{in, out, "--style"}, "missing value after '--style'"},  // Qt's words
           {{"--style", "-1", in, out}, "--style needs a value, not the option \"-1\""},
           {{"--out-dir", "-", in}, "--out-dir needs a value, not \"-\""},
           {{"--style", "8", in, out}, "the style must be a number from 0 to 7, not \"8\""},
           {{"--out-dir", folder, "--style", "8", in},
            "the style must be a number from 0 to 7 or all, not \"8\""},
           {{"--jobs", "257", in, out}, "--jobs must be a number from 1 to 256, not \"257\""},
           {{"--out-dir", folder, "--memory", "0", in},
            "--memory must be a number of megabytes from 1 to 1048576, not \"0\""},
           {{"--size", "huge", in, out},
            "--size must be working, full or a longer side from 256 to 8192 pixels (8192 x 8192 is the 64 MP "
            "limit), not \"huge\""},
           {{"--thumbnail", "10", "--style", "1", in, out}, "--thumbnail takes no --style"},
           {{"--timelapse", "x.gif", in}, "--timelapse writes a .mp4 or .webp file, not \"x.gif\""},
           {{"--timelapse", "x.mp4", "--duration", "1", in},
            "--duration must be a number of seconds from 3 to 120, not \"1\""},
           {{"--duration", "5", in, out}, "--duration goes with --timelapse"},
           {{"--format", "png", in, out},
            "--format goes with --out-dir; OUTPUT's extension gives the format"},
           {{in, out, path("third.png")}, "only one INPUT and one OUTPUT are taken (--out-dir takes many)"},
           {{in, path("out.bmp")}, "OUTPUT must end in .png, .jpg or .jpeg: \"" + path("out.bmp") + "\""},
           {{in, in}, "OUTPUT is the same file as INPUT"}}) {
    const Outcome o = run(args, {.env = kC});
    EXPECT_EQ(o.exitCode, 2) << qPrintable(args.join(' '));
    EXPECT_EQ(o.err, "vorlane-sketch: " + line + "\nTry 'vorlane-sketch --help'.\n");
    EXPECT_TRUE(o.out.isEmpty()) << qPrintable(o.out);
  }
  // Failures: the file and its reason; a batch ends with its count.
  const QString missing = path("missing.jpg");
  const Outcome one = run({"--style", "0", missing, out}, {.env = kC});
  EXPECT_EQ(std::tuple(one.exitCode, one.err),
            std::tuple(1, "vorlane-sketch: " + missing + ": the file does not exist\n"));
  const Outcome batch = run({"--out-dir", folder, "--style", "0", in, missing}, {.env = kC});
  EXPECT_EQ(std::tuple(batch.exitCode, batch.err),
            std::tuple(1, "vorlane-sketch: " + missing +
                              ": the file does not exist\nvorlane-sketch: 1 of 2 photos failed\n"));
  const Outcome again = run({"--out-dir", folder, "--skip-existing", "--style", "0", in}, {.env = kC});
  EXPECT_EQ(std::tuple(again.exitCode, again.err),
            std::tuple(0, QString("vorlane-sketch: 1 of 1 photos already done, skipped\n")));
}

// A value missing after an option is worded by Qt's parser, from Qt's own German file: it shows in German
// only when the translations are installed before the arguments are parsed.
// Even with a display platform asked for and no display there: the arguments are
// read before any display is opened.
TEST_F(LanguageSketchTest, UnderGermanAUsageErrorIsInGermanAlready) {
  QTranslator qt;
  if (!qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "Qt's German translation is not installed";
  QString german = qt.translate("QCommandLineParser", "Missing value after '%1'.").arg("--style");
  ASSERT_FALSE(german.isEmpty());
  // The program drops the full stop and starts the line in lower case.
  german.chop(1);
  german[0] = german[0].toLower();
  ASSERT_NE(german, "missing value after '--style'");
  const QString in = png("in.png", 8, 8, qRgb(50, 50, 50));
  const Outcome o = run({in, path("out.png"), "--style"}, {.env = kGerman});
  EXPECT_EQ(o.exitCode, 2);
  EXPECT_EQ(o.err.section('\n', 0, 0), "vorlane-sketch: " + german) << qPrintable(o.err);
  const Outcome headless =
      run({in, path("out.png"), "--style"}, {.env = kGerman + QByteArrayList{"QT_QPA_PLATFORM=xcb", "DISPLAY="}});
  EXPECT_EQ(std::tuple(headless.exitCode, headless.err), std::tuple(o.exitCode, o.err));
  const Outcome version = run({"--version"}, {.env = {"QT_QPA_PLATFORM=xcb", "DISPLAY="}});
  EXPECT_EQ(std::tuple(version.exitCode, version.out.left(15)), std::tuple(0, QString("vorlane-sketch ")));
}

}  // namespace

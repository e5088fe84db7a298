// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real vorlane-sketch binary with its output captured (stderr on a
// terminal when asked); in a folder, under limits, behind a wrapper command or
// with more environment; its peak resident set measured.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "tests/platform/test_photo_decoder_files.h"

extern char** environ;

namespace sketch_test {

namespace pf = photo_files;

// exitCode -1: the child crashed, hung or never ran.
struct Outcome {
  int exitCode;
  QString out, err;
  long peakKb = 0;  // the child's peak resident set (wait4)
};

struct Start {
  QString cwd{};
  rlim_t addressSpace = 0, fileSize = 0;  // SIGXFSZ keeps its default action: the program must not die of it
  QStringList wrapper{};                  // a command to run the binary under
  QByteArrayList env{};                   // ahead of the test's own
  bool terminal = false;                  // stderr on a pseudo-terminal: err is what the terminal received
};

inline QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct VorlaneSketchTest : testing::Test {
  QTemporaryDir dir{vorlane_test::testRoot() + "/sketch-XXXXXX"},
      io{vorlane_test::testRoot() + "/sketch-io-XXXXXX"};

  Outcome run(const QStringList& args, const Start& start = {}) const {
    QByteArrayList argv, env = start.env;
    for (const QString& a : start.wrapper + QStringList{VORLANE_SKETCH_EXE} + args)
      argv << QFile::encodeName(a);
    for (char** e = environ; *e; ++e) env << *e;
    // Under the sanitizers, keep the leak checker's suppressions off the stderr the tests check.
    for (QByteArray& e : env)
      if (e.startsWith("LSAN_OPTIONS=")) e += ":print_suppressions=0";
    std::vector<char*> cargv, cenv;
    for (QByteArray& a : argv) cargv.push_back(a.data());
    for (QByteArray& e : env) cenv.push_back(e.data());
    cargv.push_back(nullptr), cenv.push_back(nullptr);
    int master = -1, slave = -1;
    if (start.terminal && openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {-1, {}, "no pty"};
    if (master >= 0) fcntl(master, F_SETFL, O_NONBLOCK);
    const QByteArray cwd = QFile::encodeName(start.cwd), outFile = QFile::encodeName(io.filePath("out")),
                     errFile = QFile::encodeName(io.filePath("err"));
    const int out = ::open(outFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = ::open(errFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    malloc_trim(0);  // the child starts as a copy of this process: its peak counts from this one's size
    const pid_t pid = fork();
    if (pid == 0) {  // only async-signal-safe calls from here on
      if (!cwd.isEmpty() && chdir(cwd.constData()) != 0) _exit(126);
      const rlimit as{start.addressSpace, start.addressSpace}, fsize{start.fileSize, start.fileSize};
      if (start.addressSpace) setrlimit(RLIMIT_AS, &as);
      if (start.fileSize) setrlimit(RLIMIT_FSIZE, &fsize);
      dup2(out, 1), dup2(slave >= 0 ? slave : err, 2);
      execvpe(cargv[0], cargv.data(), cenv.data());
      _exit(127);
    }
    ::close(out), ::close(err), ::close(slave);
    QByteArray seen;
    const auto drain = [&] {
      char buffer[4096];
      for (ssize_t n; master >= 0 && (n = read(master, buffer, sizeof buffer)) > 0;) seen.append(buffer, n);
    };
    int status = 0;
    rusage usage{};
    QElapsedTimer timer;
    timer.start();
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
      if (timer.elapsed() > 240000) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
        return {-1, {}, "timed out"};
      }
      drain();
      usleep(2000);
    }
    drain();
    ::close(master);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromLocal8Bit(readAll(io.filePath("out"))),
            QString::fromLocal8Bit(start.terminal ? seen : readAll(io.filePath("err"))), usage.ru_maxrss};
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    EXPECT_TRUE(pf::writeFile(path(name), bytes));
    return path(name);
  }
  QString png(const QString& name, const QImage& image) const {
    return write(name, pf::encode(image, "png"));
  }
  QString png(const QString& name, int w, int h, QRgb colour) const {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return png(name, image);
  }
  // Every entry of folder (the test's own when empty), hidden ones (a temporary file left behind) too, by
  // name.
  QStringList entries(const QString& folder = {}) const {
    return QDir(folder.isEmpty() ? dir.path() : folder)
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
  }
  // Runs with success expected and reads OUTPUT back as stored (no EXIF turn).
  QImage render(const QStringList& args, const QString& out) const {
    const Outcome o = run(args + QStringList{out});
    EXPECT_EQ(o.exitCode, 0) << qPrintable(args.join(' ')) << ": " << qPrintable(o.err);
    EXPECT_TRUE(o.err.isEmpty()) << qPrintable(args.join(' ')) << ": " << qPrintable(o.err);
    QImageReader reader(out);
    reader.setAutoTransform(false);
    return reader.read();
  }
};

}  // namespace sketch_test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real vorlane-sketch binary: with pipes, or with stderr on a terminal.
#include <gtest/gtest.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "tests/platform/test_photo_decoder_files.h"

extern char** environ;

namespace sketch_test {

namespace pf = photo_files;

struct Outcome {
  int exitCode;
  QString out, err;
};  // exit code -1: the child crashed, hung or never ran

struct VorlaneSketchTest : testing::Test {
  QTemporaryDir dir{vorlane_test::testRoot() + "/sketch-XXXXXX"};
  static Outcome run(const QStringList& args) {
    QProcess process;
    // Under the sanitizers, keep the leak checker's suppressions off the stderr the tests check.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (env.contains("LSAN_OPTIONS"))
      env.insert("LSAN_OPTIONS", env.value("LSAN_OPTIONS") + ":print_suppressions=0");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORLANE_SKETCH_EXE), args);
    if (!process.waitForFinished(240000)) {
      process.kill();
      process.waitForFinished();
      return {-1, {}, {}};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
  }
  // stderr on a pseudo-terminal (stdout and stdin stay the test's); what the terminal received.
  static Outcome runOnTerminal(const QStringList& args) {
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {-1, {}, {}};
    QList<QByteArray> bytes{QByteArray(VORLANE_SKETCH_EXE)};
    for (const QString& arg : args) bytes << QFile::encodeName(arg);
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slave, 2);
    posix_spawn_file_actions_addclose(&actions, master);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(slave);
    QByteArray seen;
    char buffer[4096];
    for (ssize_t n; spawned == 0 && (n = read(master, buffer, sizeof buffer)) > 0;) seen.append(buffer, n);
    close(master);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return {-1, {}, {}};
    return {WEXITSTATUS(status), {}, QString::fromLocal8Bit(seen)};
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

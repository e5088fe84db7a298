// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the painting-file tests share: records made from a seed, files as bytes,
// SQL run on a document behind the reader's back, the blob layout written out
// independently of the code under test, and a child process for the cases that
// need another user or a file-size limit.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <functional>
#include <random>

#include "document/PaintingFile.h"
#include "SamplePainting.h"

namespace painting_test {

using document::PaintingRecord;
using document::PaintingStep;

inline PaintingStep strokeStep(std::uint32_t stroke, int segments, std::mt19937& rng, std::uint32_t timeMs = 0) {
  std::uniform_real_distribution<float> coord(-50.0f, 700.0f), width(0.5f, 40.0f);
  PaintingStep step;
  step.timeMs = timeMs;
  for (int i = 0; i < segments; ++i)
    step.segments.push_back({coord(rng), coord(rng), coord(rng), coord(rng), width(rng), (rng() & 1) != 0, stroke,
                             timeMs + std::uint32_t(i) * 16});
  return step;
}

using painting_sample::styleStep;

inline QImage previewImage(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(x * 3 % 256, y * 5 % 256, (x ^ y) % 256, 255 - x % 64));
  return image;
}

// strokes strokes of segmentsPerStroke segments, with a style change every seventh step.
inline PaintingRecord makeRecord(int strokes, int segmentsPerStroke, unsigned seed = 7) {
  std::mt19937 rng(seed);
  PaintingRecord record;
  record.photoBytes.resize(3000);
  for (char& c : record.photoBytes) c = char(rng());
  record.photoName = QStringLiteral("Été à Paris.jpg");
  record.workingSize = QSize(640, 480);
  record.firstSketchStyle = 3;
  record.firstColourStyle = 5;
  record.preview = previewImage(64, 48);
  record.created = QDateTime::fromMSecsSinceEpoch(1767225600123, Qt::UTC);
  std::uint32_t time = 0;
  for (int i = 0; i < strokes; ++i) {
    if (i % 7 == 6) record.steps.push_back(styleStep(i % 8, (i / 7) % 8, time++));
    record.steps.push_back(strokeStep(std::uint32_t(i), segmentsPerStroke, rng, time));
    time += 1000;
  }
  record.undoPosition = int(record.steps.size()) - (strokes > 2 ? 2 : 0);
  return record;
}

inline QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs sql on the file with SQLite itself; the error text, empty when it worked.
inline std::string runSql(const QString& path, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string error;
  if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    error = sqlite3_errmsg(db);
  } else {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) error = message ? message : "?";
    sqlite3_free(message);
  }
  sqlite3_close(db);
  return error;
}

// Segments packed as docs/file-format.md lays them out, written here apart from
// the code under test: startX, startY, endX, endY, width as float32, timeMs as
// uint32, mode as one byte, little-endian.
inline QByteArray blobOf(const std::vector<canvas::StrokeSegment>& segments) {
  QByteArray blob;
  for (const canvas::StrokeSegment& seg : segments) {
    char bytes[25];
    const float floats[] = {seg.startX, seg.startY, seg.endX, seg.endY, seg.width};
    for (int i = 0; i < 5; ++i) {
      std::uint32_t bits;
      std::memcpy(&bits, &floats[i], 4);
      qToLittleEndian(bits, bytes + 4 * i);
    }
    qToLittleEndian(seg.timeMs, bytes + 20);
    bytes[24] = char(seg.mode);
    blob.append(bytes, 25);
  }
  return blob;
}

inline std::string sqlBlob(const QByteArray& bytes) { return "x'" + bytes.toHex().toStdString() + "'"; }

// Whether two segments are the same bit for bit (== takes -0 for 0).
inline bool sameBits(const canvas::StrokeSegment& a, const canvas::StrokeSegment& b) {
  const float fa[] = {a.startX, a.startY, a.endX, a.endY, a.width};
  const float fb[] = {b.startX, b.startY, b.endX, b.endY, b.width};
  return std::memcmp(fa, fb, sizeof fa) == 0 && a.mode == b.mode && a.stroke == b.stroke && a.timeMs == b.timeMs;
}

// Every field the file keeps, compared bit for bit where floats are concerned.
inline void expectSameRecord(const PaintingRecord& got, const PaintingRecord& want) {
  EXPECT_EQ(got.photoBytes, want.photoBytes);
  EXPECT_EQ(got.photoName, want.photoName);
  EXPECT_EQ(got.workingSize, want.workingSize);
  EXPECT_EQ(got.firstSketchStyle, want.firstSketchStyle);
  EXPECT_EQ(got.firstColourStyle, want.firstColourStyle);
  EXPECT_EQ(got.undoPosition, want.undoPosition);
  ASSERT_EQ(got.steps.size(), want.steps.size());
  for (std::size_t i = 0; i < want.steps.size(); ++i) {
    const PaintingStep &g = got.steps[i], &w = want.steps[i];
    EXPECT_EQ(g.kind, w.kind) << "step " << i;
    EXPECT_EQ(g.timeMs, w.timeMs) << "step " << i;
    EXPECT_EQ(g.sketchStyle, w.sketchStyle) << "step " << i;
    EXPECT_EQ(g.colourStyle, w.colourStyle) << "step " << i;
    ASSERT_EQ(g.segments.size(), w.segments.size()) << "step " << i;
    for (std::size_t k = 0; k < w.segments.size(); ++k)
      EXPECT_TRUE(sameBits(g.segments[k], w.segments[k])) << "step " << i << " segment " << k;
  }
  if (want.preview.isNull()) {
    EXPECT_TRUE(got.preview.isNull());
  } else {
    EXPECT_EQ(got.preview, want.preview.convertToFormat(QImage::Format_ARGB32));
  }
}

// fn in a child process, as the user nobody when drop is true; its exit status
// (0 = every check in it held). Files made by the parent must be reachable by nobody.
inline int inChild(const std::function<int()>& fn, bool drop = false) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (drop && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
    ::_exit(fn());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// A folder the user nobody can enter (QTemporaryDir makes 0700 ones).
inline void openToAll(const QString& dir) { ::chmod(QFile::encodeName(dir).constData(), 0777); }

inline struct stat statOf(const QString& path) {
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  return st;
}

}  // namespace painting_test

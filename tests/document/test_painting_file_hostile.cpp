// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what a document should be: each is refused with its one
// reason and left exactly as it was (bytes and modification time), and the
// harmless differences (extra tables, columns, keys) are read.
#include <QBuffer>
#include <QDir>
#include <cmath>
#include <limits>

#include "PaintingFixtures.h"

using namespace painting_test;
using document::readPaintingFile;
using document::writePaintingFile;

namespace {

const QString kNotOurs = QStringLiteral("not a Vorlane document");
const QString kDamaged = QStringLiteral("damaged");

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  return bytes;
}

class HostileDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = makeRecord(200, 20);  // over 20 pages, so that one in the middle holds steps
    ASSERT_TRUE(writePaintingFile(path(), record_));
  }
  QString path() const { return dir_.filePath(QStringLiteral("painting.vorlane")); }
  void alter(const std::string& sql) { ASSERT_EQ(runSql(path(), sql), "") << sql; }
  std::string setSegments(const std::vector<canvas::StrokeSegment>& segments, int seq = 0) {
    return "UPDATE steps SET segments = " + sqlBlob(blobOf(segments)) + " WHERE seq = " + std::to_string(seq);
  }

  // The read refuses with reason, touching nothing; the preview alone is refused
  // too when previewToo.
  void expectRefused(const QString& reason, bool previewToo) {
    const QByteArray bytes = fileBytes(path());
    const struct stat before = statOf(path());
    const QStringList entries = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
    QString got, previewGot;
    EXPECT_FALSE(readPaintingFile(path(), &got));
    EXPECT_EQ(got, reason);
    if (previewToo) {
      EXPECT_FALSE(document::readPaintingPreview(path(), &previewGot));
      EXPECT_EQ(previewGot, reason);
    }
    const struct stat after = statOf(path());
    EXPECT_EQ(fileBytes(path()), bytes);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), entries);
  }
  void expectRead() {
    QString reason;
    const std::optional<PaintingRecord> read = readPaintingFile(path(), &reason);
    ASSERT_TRUE(read) << qPrintable(reason);
    expectSameRecord(*read, record_);
  }

  QTemporaryDir dir_;
  PaintingRecord record_;
};

TEST_F(HostileDocument, EachIsRefusedWithItsReasonAndLeftAsItWas) {
  struct Case {
    std::string what;  // SQL run on the document, or what the file's bytes are replaced with
    QString reason;
    bool previewToo;  // the preview alone needs only its own table
    std::function<void()> spoil;
  };
  std::vector<Case> cases;
  auto sql = [&](const std::string& s, const QString& reason, bool previewToo = false) {
    cases.push_back({s, reason, previewToo, [this, s] { alter(s); }});
  };
  auto bytes = [&](const std::string& what, const QString& reason, const QByteArray& b,
                   bool previewToo = true) {
    cases.push_back({what, reason, previewToo, [this, b] { writeBytes(path(), b); }});
  };

  std::mt19937 rng(3);
  QByteArray random(4096, '\0');
  for (char& c : random) c = char(rng());
  QByteArray good = fileBytes(path()), page = good;
  ASSERT_GT(good.size() / 4096, 20);
  page.replace((good.size() / 4096 / 2) * 4096, 4096, QByteArray(4096, '\xA5'));
  bytes("random bytes", kNotOurs, random);
  bytes("an empty file", kNotOurs, {});
  bytes("a PNG", kNotOurs, png(previewImage(8, 8)));
  bytes("the header alone, cut", kNotOurs, good.left(99));
  bytes("cut at half", kDamaged, good.left(good.size() / 2), false);
  bytes("a page overwritten", kDamaged, page, false);
  cases.push_back({"no file", "does not exist", true, [this] { QFile::remove(path()); }});
  sql("PRAGMA application_id = 1179406915", kNotOurs, true);
  sql("PRAGMA application_id = 0", kNotOurs, true);
  sql("PRAGMA user_version = 2", "made by a newer version of Vorlane", true);
  sql("PRAGMA user_version = 0", kDamaged, true);

  // Missing tables and columns; steps out of order, of no kind or with values out of range; meta values
  // out of range; the photo or the preview missing or broken.
  const std::string last = std::to_string(record_.steps.size() - 1),
                    count = std::to_string(record_.steps.size());
  for (const std::string s :
       {"DROP TABLE steps", "DROP TABLE meta", "DROP TABLE photo", "DELETE FROM photo",
        "ALTER TABLE steps DROP COLUMN time_ms", "ALTER TABLE photo DROP COLUMN sha256",
        "DELETE FROM steps WHERE seq = 0", "DELETE FROM meta WHERE key = 'undo_position'"})
    sql(s, kDamaged);
  for (const std::string set : {"seq = seq + 1", "stroke = 0"})
    sql("UPDATE steps SET " + set + " WHERE seq = " + last, kDamaged);
  for (const std::string set : {"kind = 2", "kind = 1", "segments = NULL", "time_ms = -1",
                                "time_ms = 4294967296", "time_ms = 1.5", "stroke = 4294967296"})
    sql("UPDATE steps SET " + set + " WHERE seq = 0", kDamaged);
  for (const std::string set : {"sketch_style = 8", "colour_style = -1", "segments = x''"})
    sql("UPDATE steps SET " + set + " WHERE kind = 1", kDamaged);
  for (const std::string& set : std::initializer_list<std::string>{
           "-1 WHERE key = 'undo_position'", count + " + 1 WHERE key = 'undo_position'",
           "0 WHERE key = 'working_width'", "20001 WHERE key = 'working_height'",
           "'640' WHERE key = 'working_width'", "8 WHERE key = 'first_sketch_style'",
           "-1 WHERE key = 'first_colour_style'", "'yesterday' WHERE key = 'created'",
           "3 WHERE key = 'modified'", "1 WHERE key = 'app_version'"})
    sql("UPDATE meta SET value = " + set, kDamaged);
  for (const std::string s : {"DROP TABLE preview", "ALTER TABLE preview RENAME COLUMN png TO jpeg",
                              "UPDATE preview SET png = x'89504e47'", "UPDATE preview SET png = 'text'"})
    sql(s, kDamaged, true);
  sql("UPDATE preview SET png = " + sqlBlob(png(previewImage(document::kPreviewSide + 1, 4))), kDamaged,
      true);
  sql("UPDATE photo SET sha256 = '" + std::string(64, '0') + "'", "its photo does not match its checksum");
  sql("UPDATE photo SET bytes = zeroblob(3000)", "its photo does not match its checksum");
  sql("WITH RECURSIVE n(i) AS (SELECT " + count + " UNION ALL SELECT i + 1 FROM n WHERE i < " +
          std::to_string(document::kMaxPaintingSteps) +
          ") INSERT INTO steps(seq, kind, time_ms, sketch_style, colour_style) SELECT i, 1, 0, 0, 0 FROM n",
      "too large");

  // Segments no painting can have.
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const std::vector<canvas::StrokeSegment> segments = record_.steps[0].segments;
  for (const auto& spoil : std::vector<std::function<void(canvas::StrokeSegment&)>>{
           [&](auto& s) { s.startX = nan; }, [&](auto& s) { s.endY = inf; }, [&](auto& s) { s.endX = -inf; },
           [](auto& s) { s.startX = 1000000.0625f; }, [](auto& s) { s.startY = -1.5e6f; },
           [](auto& s) { s.endX = 3e38f; }, [&](auto& s) { s.width = nan; }, [](auto& s) { s.width = 0.0f; },
           [](auto& s) { s.width = -3.0f; }, [](auto& s) { s.width = 100000.01f; }}) {
    std::vector<canvas::StrokeSegment> bad = segments;
    spoil(bad[bad.size() / 2]);
    sql(setSegments(bad), kDamaged);
  }
  QByteArray modeTwo = blobOf(segments);
  modeTwo[24] = 2;
  for (const QByteArray& blob : {modeTwo, blobOf(segments).chopped(1), blobOf(segments) + 'x'})
    sql("UPDATE steps SET segments = " + sqlBlob(blob) + " WHERE seq = 0", kDamaged);
  // Last: a folder where the file should be.
  cases.push_back({"a folder", kNotOurs, false,
                   [this] { QFile::remove(path()), QDir(dir_.path()).mkdir("painting.vorlane"); }});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what.substr(0, 200));
    ASSERT_TRUE(writePaintingFile(path(), record_));
    c.spoil();
    expectRefused(c.reason, c.previewToo);
  }
}

TEST_F(HostileDocument, WhatALaterVersionMayAddAndTheEdgesOfEachValueAreRead) {
  std::vector<canvas::StrokeSegment> edges = record_.steps[0].segments;
  edges[0].startX = 1e6f, edges[0].endY = -1e6f, edges[0].width = 1e5f;
  edges[1].width = std::numeric_limits<float>::denorm_min();
  for (const auto& [sql, change] : std::vector<std::pair<std::string, std::function<void(PaintingRecord&)>>>{
           {"CREATE TABLE layers(id INTEGER PRIMARY KEY, name TEXT); INSERT INTO layers VALUES(1, 'ink');"
            "ALTER TABLE steps ADD COLUMN pressure REAL; INSERT INTO meta(key, value) VALUES('author', "
            "'someone')",
            [](PaintingRecord&) {}},
           {setSegments(edges), [&](PaintingRecord& r) { r.steps[0].segments = edges; }},
           {"UPDATE meta SET value = " + std::to_string(record_.steps.size()) +
                " WHERE key = 'undo_position'",
            [](PaintingRecord& r) { r.undoPosition = int(r.steps.size()); }}}) {
    SCOPED_TRACE(sql.substr(0, 200));
    record_ = makeRecord(200, 20);
    ASSERT_TRUE(writePaintingFile(path(), record_));
    alter(sql);
    change(record_);
    expectRead();
  }
}

TEST_F(HostileDocument, TooManySegmentsAreRefusedWithoutLoadingThem) {
  // Five strokes declaring 4,000,005 segments between them; the blobs are never
  // loaded: SQLite may not hold even one of them under the heap limit below.
  const std::int64_t bytes = (document::kMaxPaintingSegments / 5 + 1) * 25;
  alter(
      "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"
      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 4)"
      " INSERT INTO steps(seq, kind, time_ms, stroke, segments) SELECT " +
      std::to_string(record_.steps.size()) + " + i, 0, 0, 1000, zeroblob(" + std::to_string(bytes) +
      ") FROM n");
  const sqlite3_int64 limit = sqlite3_hard_heap_limit64(-1);
  sqlite3_hard_heap_limit64(16 * 1024 * 1024);
  expectRefused("too large", false);
  sqlite3_hard_heap_limit64(limit);
}

TEST_F(HostileDocument, AFileLockedByAnotherProgramIsNamedAndLeftAlone) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO meta(key, value) VALUES('x', 1)", nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  expectRefused("in use by another program", true);
  ASSERT_EQ(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
  expectRead();
}

TEST_F(HostileDocument, AReadOnlyFileIsReadAndAnUnreadableOneNamed) {
  ::chmod(QFile::encodeName(path()).constData(), 0444);
  openToAll(dir_.path());
  expectRead();
  // As another user (root reads everything): 0444 reads, 0000 does not.
  EXPECT_EQ(inChild([this] { return readPaintingFile(path()) ? 0 : 1; }, ::geteuid() == 0), 0);
  ::chmod(QFile::encodeName(path()).constData(), 0);
  if (::geteuid() != 0) return expectRefused("cannot be read", true);
  EXPECT_EQ(inChild(
                [this] {
                  QString reason;
                  return !readPaintingFile(path(), &reason) && reason == "cannot be read" ? 0 : 1;
                },
                true),
            0);
}

}  // namespace

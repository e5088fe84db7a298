// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what a document should be: each is refused with its one
// reason and left exactly as it was (bytes and modification time), and the
// harmless differences (extra tables, columns, keys) are read.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>

#include "PaintingFixtures.h"

using namespace painting_test;
using document::readPaintingFile;
using document::writePaintingFile;

namespace {

const QString kNotOurs = QStringLiteral("not a Vorlane document");
const QString kDamaged = QStringLiteral("damaged");

class HostileDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = makeRecord(20, 6);
    ASSERT_TRUE(writePaintingFile(path(), record_));
  }
  QString path() const { return dir_.filePath(QStringLiteral("painting.vorlane")); }

  // Changes the document with SQLite directly, as another program could.
  void alter(const std::string& sql) { ASSERT_EQ(runSql(path(), sql), "") << sql; }

  // The read refuses with reason, touching nothing; the preview alone is refused
  // too when previewToo.
  void expectRefused(const QString& reason, const std::string& what, bool previewToo = true) {
    const QByteArray bytes = fileBytes(path());
    const struct stat before = statOf(path());
    const QStringList entries = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
    QString got;
    EXPECT_FALSE(readPaintingFile(path(), &got)) << what;
    EXPECT_EQ(got, reason) << what;
    if (previewToo) {
      QString previewReason;
      EXPECT_FALSE(document::readPaintingPreview(path(), &previewReason)) << what;
      EXPECT_EQ(previewReason, reason) << what;
    }
    const struct stat after = statOf(path());
    EXPECT_EQ(fileBytes(path()), bytes) << what;
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec) << what;
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << what;
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), entries) << what;
  }

  void expectRead(const std::string& what) {
    QString reason;
    const std::optional<PaintingRecord> read = readPaintingFile(path(), &reason);
    ASSERT_TRUE(read) << what << ": " << qPrintable(reason);
    expectSameRecord(*read, record_);
  }

  QTemporaryDir dir_;
  PaintingRecord record_;
};

TEST_F(HostileDocument, FilesThatAreNotSQLiteAreNotOurs) {
  std::mt19937 rng(3);
  QByteArray random(4096, '\0');
  for (char& c : random) c = char(rng());
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    previewImage(8, 8).save(&buffer, "png");
  }
  const QByteArray header = fileBytes(path()).left(100);
  for (const auto& [what, bytes] : std::vector<std::pair<std::string, QByteArray>>{
           {"random bytes", random}, {"an empty file", {}}, {"a PNG", png}, {"the header alone, cut", header.left(99)}}) {
    writeBytes(path(), bytes);
    expectRefused(kNotOurs, what);
  }
  QFile::remove(path());
  QString reason;
  EXPECT_FALSE(readPaintingFile(path(), &reason));
  EXPECT_EQ(reason, "does not exist");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("painting.vorlane"));
  EXPECT_FALSE(readPaintingFile(path(), &reason));
  EXPECT_EQ(reason, kNotOurs);
}

TEST_F(HostileDocument, AnotherApplicationsDatabaseIsNotOurs) {
  alter("PRAGMA application_id = 1179406915");
  expectRefused(kNotOurs, "another application id");
  QFile::remove(path());
  ASSERT_EQ(runSql(path(), "CREATE TABLE t(x)"), "");  // an SQLite file with no id at all
  expectRefused(kNotOurs, "no application id");
}

TEST_F(HostileDocument, ANewerVersionIsNamedAndAnOlderUnknownOneIsDamage) {
  alter("PRAGMA user_version = 2");
  expectRefused("made by a newer version of Vorlane", "user_version 2");
  alter("PRAGMA user_version = 0");
  expectRefused(kDamaged, "user_version 0");
}

TEST_F(HostileDocument, ATruncatedFileIsDamaged) {
  const QByteArray bytes = fileBytes(path());
  writeBytes(path(), bytes.left(bytes.size() / 2));
  expectRefused(kDamaged, "cut at half", false);
}

TEST_F(HostileDocument, AnOverwrittenPageIsDamaged) {
  record_ = makeRecord(200, 20);
  ASSERT_TRUE(writePaintingFile(path(), record_));
  QByteArray bytes = fileBytes(path());
  const int pageSize = 4096;
  const qsizetype pages = bytes.size() / pageSize;
  ASSERT_GT(pages, 20);
  bytes.replace((pages / 2) * pageSize, pageSize, QByteArray(pageSize, '\xA5'));
  writeBytes(path(), bytes);
  expectRefused(kDamaged, "a page overwritten", false);
}

TEST_F(HostileDocument, AMissingTableOrColumnIsDamaged) {
  for (const std::string sql : {"DROP TABLE steps", "DROP TABLE meta", "DROP TABLE photo", "DROP TABLE preview",
                                "ALTER TABLE steps DROP COLUMN time_ms", "ALTER TABLE photo DROP COLUMN sha256",
                                "ALTER TABLE preview RENAME COLUMN png TO jpeg"}) {
    ASSERT_TRUE(writePaintingFile(path(), record_));
    alter(sql);
    // The preview alone needs only its own table.
    expectRefused(kDamaged, sql, sql.find("preview") != std::string::npos);
  }
}

TEST_F(HostileDocument, WhatALaterVersionMayAddIsRead) {
  alter("CREATE TABLE layers(id INTEGER PRIMARY KEY, name TEXT); INSERT INTO layers VALUES(1, 'ink');"
        "ALTER TABLE steps ADD COLUMN pressure REAL;"
        "INSERT INTO meta(key, value) VALUES('author', 'someone')");
  expectRead("an extra table, column and key");
}

TEST_F(HostileDocument, SegmentsNoPaintingCanHaveAreDamage) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const std::vector<canvas::StrokeSegment> good = record_.steps[0].segments;
  const std::vector<std::pair<std::string, std::function<void(canvas::StrokeSegment&)>>> faults = {
      {"NaN x", [&](auto& s) { s.startX = nan; }},
      {"infinite y", [&](auto& s) { s.endY = inf; }},
      {"-infinite x", [&](auto& s) { s.endX = -inf; }},
      {"x past 1e6", [](auto& s) { s.startX = 1000000.0625f; }},
      {"y below -1e6", [](auto& s) { s.startY = -1.5e6f; }},
      {"huge", [](auto& s) { s.endX = 3e38f; }},
      {"NaN width", [&](auto& s) { s.width = nan; }},
      {"zero width", [](auto& s) { s.width = 0.0f; }},
      {"negative width", [](auto& s) { s.width = -3.0f; }},
      {"width past 1e5", [](auto& s) { s.width = 100000.01f; }},
  };
  for (const auto& [what, spoil] : faults) {
    std::vector<canvas::StrokeSegment> segments = good;
    spoil(segments[segments.size() / 2]);
    alter("UPDATE steps SET segments = " + sqlBlob(blobOf(segments)) + " WHERE seq = 0");
    expectRefused(kDamaged, what, false);
  }
  QByteArray modeTwo = blobOf(good);
  modeTwo[24] = 2;
  const QByteArray whole = blobOf(good);
  for (const auto& [what, blob] : std::vector<std::pair<std::string, QByteArray>>{
           {"mode 2", modeTwo}, {"a byte short", whole.chopped(1)}, {"a byte over", whole + 'x'}}) {
    alter("UPDATE steps SET segments = " + sqlBlob(blob) + " WHERE seq = 0");
    expectRefused(kDamaged, what, false);
  }
  // The edges themselves are painting values.
  std::vector<canvas::StrokeSegment> edges = good;
  edges[0].startX = 1e6f, edges[0].endY = -1e6f, edges[0].width = 1e5f;
  edges[1].width = std::numeric_limits<float>::denorm_min();
  alter("UPDATE steps SET segments = " + sqlBlob(blobOf(edges)) + " WHERE seq = 0");
  record_.steps[0].segments = edges;
  expectRead("the edges");
}

TEST_F(HostileDocument, StepsOutOfOrderOrOfNoKindAreDamage) {
  const int last = int(record_.steps.size()) - 1;
  for (const std::string& sql : std::vector<std::string>{
           "UPDATE steps SET seq = seq + 1 WHERE seq = " + std::to_string(last),
           "DELETE FROM steps WHERE seq = 0",
           "UPDATE steps SET stroke = 0 WHERE seq = " + std::to_string(last),
           "UPDATE steps SET kind = 2 WHERE seq = 0",
           "UPDATE steps SET kind = 1 WHERE seq = 0",
           "UPDATE steps SET segments = NULL WHERE seq = 0",
           "UPDATE steps SET time_ms = -1 WHERE seq = 0",
           "UPDATE steps SET time_ms = 4294967296 WHERE seq = 0",
           "UPDATE steps SET time_ms = 1.5 WHERE seq = 0",
           "UPDATE steps SET stroke = 4294967296 WHERE seq = 0",
           "UPDATE steps SET sketch_style = 8 WHERE kind = 1",
           "UPDATE steps SET colour_style = -1 WHERE kind = 1",
           "UPDATE steps SET segments = x'' WHERE kind = 1"}) {
    ASSERT_TRUE(writePaintingFile(path(), record_));
    alter(sql);
    expectRefused(kDamaged, sql, false);
  }
}

TEST_F(HostileDocument, MetaValuesOutOfRangeAreDamage) {
  const std::string steps = std::to_string(record_.steps.size());
  for (const std::string& sql : std::vector<std::string>{
           "UPDATE meta SET value = -1 WHERE key = 'undo_position'",
           "UPDATE meta SET value = " + steps + " + 1 WHERE key = 'undo_position'",
           "UPDATE meta SET value = 0 WHERE key = 'working_width'",
           "UPDATE meta SET value = 20001 WHERE key = 'working_height'",
           "UPDATE meta SET value = '640' WHERE key = 'working_width'",
           "UPDATE meta SET value = 8 WHERE key = 'first_sketch_style'",
           "UPDATE meta SET value = -1 WHERE key = 'first_colour_style'",
           "UPDATE meta SET value = 'yesterday' WHERE key = 'created'",
           "UPDATE meta SET value = 3 WHERE key = 'modified'",
           "UPDATE meta SET value = 1 WHERE key = 'app_version'",
           "DELETE FROM meta WHERE key = 'undo_position'",
           "DELETE FROM photo",
           "UPDATE preview SET png = x'89504e47'",
           "UPDATE preview SET png = 'text'"}) {
    ASSERT_TRUE(writePaintingFile(path(), record_));
    alter(sql);
    expectRefused(kDamaged, sql, sql.find("preview") != std::string::npos);
  }
  ASSERT_TRUE(writePaintingFile(path(), record_));
  alter("UPDATE meta SET value = " + steps + " WHERE key = 'undo_position'");
  record_.undoPosition = int(record_.steps.size());
  expectRead("undo at the end");
}

TEST_F(HostileDocument, APreviewLargerThanItsSideIsDamage) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  previewImage(document::kPreviewSide + 1, 4).save(&buffer, "png");
  alter("UPDATE preview SET png = " + sqlBlob(png));
  expectRefused(kDamaged, "a 257-pixel preview");
}

TEST_F(HostileDocument, APhotoThatDoesNotMatchItsDigestIsNamed) {
  alter("UPDATE photo SET sha256 = '" + std::string(64, '0') + "'");
  expectRefused("its photo does not match its checksum", "another digest", false);
  ASSERT_TRUE(writePaintingFile(path(), record_));
  alter("UPDATE photo SET bytes = zeroblob(3000)");
  expectRefused("its photo does not match its checksum", "a changed byte", false);
}

TEST_F(HostileDocument, TooManyStepsAreRefusedBeforeTheyAreRead) {
  alter("WITH RECURSIVE n(i) AS (SELECT " + std::to_string(record_.steps.size()) +
        " UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(document::kMaxPaintingSteps) +
        ") INSERT INTO steps(seq, kind, time_ms, sketch_style, colour_style) SELECT i, 1, 0, 0, 0 FROM n");
  expectRefused("too large", "a million and more steps", false);
}

TEST_F(HostileDocument, TooManySegmentsAreRefusedWithoutLoadingThem) {
  // Five strokes declaring 4,000,005 segments between them; the blobs are never
  // loaded: SQLite may not hold even one of them under the heap limit below.
  const std::int64_t bytes = (document::kMaxPaintingSegments / 5 + 1) * 25;
  alter("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 4)"
        " INSERT INTO steps(seq, kind, time_ms, stroke, segments) SELECT " +
        std::to_string(record_.steps.size()) + " + i, 0, 0, 100, zeroblob(" + std::to_string(bytes) + ") FROM n");
  const sqlite3_int64 limit = sqlite3_hard_heap_limit64(-1);
  sqlite3_hard_heap_limit64(16 * 1024 * 1024);
  expectRefused("too large", "four million and more segments", false);
  sqlite3_hard_heap_limit64(limit);
}

TEST_F(HostileDocument, AFileLockedByAnotherProgramIsNamedAndLeftAlone) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO meta(key, value) VALUES('x', 1)", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  expectRefused("in use by another program", "an exclusive lock");
  ASSERT_EQ(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
  expectRead("after the lock");
}

TEST_F(HostileDocument, AReadOnlyFileIsReadAndAnUnreadableOneNamed) {
  ::chmod(QFile::encodeName(path()).constData(), 0444);
  openToAll(dir_.path());
  expectRead("0444");
  // As another user (root reads everything): 0444 reads, 0000 does not.
  EXPECT_EQ(inChild([this] { return readPaintingFile(path()) ? 0 : 1; }, ::geteuid() == 0), 0);
  ::chmod(QFile::encodeName(path()).constData(), 0);
  if (::geteuid() == 0) {
    EXPECT_EQ(inChild(
                  [this] {
                    QString reason;
                    return !readPaintingFile(path(), &reason) && reason == "cannot be read" ? 0 : 1;
                  },
                  true),
              0);
  } else {
    expectRefused("cannot be read", "0000");
  }
}

}  // namespace

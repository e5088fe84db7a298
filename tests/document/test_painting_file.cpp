// SPDX-License-Identifier: GPL-3.0-or-later
// The document file written and read back: every field, the blob layout on disk,
// the size per segment, and the write's all-or-nothing replacement of a document.
#include <sys/resource.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <limits>

#include "PaintingFixtures.h"
#include "platform/Version.h"

using namespace painting_test;
using document::readPaintingFile;
using document::writePaintingFile;

namespace {

class PaintingFile : public ::testing::Test {
 protected:
  QString path(const QString& name = QStringLiteral("painting.vorlane")) const { return dir_.filePath(name); }
  QStringList entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
  QTemporaryDir dir_;
};

// A thousand strokes of fifty segments take under forty bytes a segment.
TEST_F(PaintingFile, EveryFieldComesBackAsWrittenInUnderFortyBytesASegment) {
  PaintingRecord record = makeRecord(1000, 50);
  // The edges of what a painting may hold, and floats whose bits == would not tell apart.
  const float tiny = std::numeric_limits<float>::denorm_min();
  record.steps.push_back(PaintingStep{});
  record.steps.back().timeMs = std::numeric_limits<std::uint32_t>::max();
  // (End x and y come first, then start x and y.)
  record.steps.back().segments = {{-1e6f, 0.1f, -0.0f, 1e6f, 1e5f, true, 1000, 0xFFFFFFFFu},
                                  {tiny, -tiny, 0.0f, -0.0f, tiny, false, 1000, 0}};
  record.steps.push_back(PaintingStep{});  // a stroke with no segments
  record.steps.push_back(styleStep(7, 0, 5));
  record.undoPosition = int(record.steps.size());
  const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
  QString reason;
  ASSERT_TRUE(writePaintingFile(path(), record, &reason)) << qPrintable(reason);
  const QDateTime after = QDateTime::currentDateTimeUtc().addMSecs(1);
  EXPECT_LT(double(QFileInfo(path()).size()) / double(record.segmentCount()), 40.0);

  const std::optional<PaintingRecord> read = readPaintingFile(path(), &reason);
  ASSERT_TRUE(read) << qPrintable(reason);
  expectSameRecord(*read, record);
  EXPECT_EQ(read->appVersion, QString::fromUtf8(platform::kVersion));
  EXPECT_EQ(read->created, record.created);
  EXPECT_GE(read->modified, before);
  EXPECT_LE(read->modified, after);
  EXPECT_EQ(read->modified.timeSpec(), Qt::UTC);
  EXPECT_EQ(entries(), QStringList{"painting.vorlane"});
}

TEST_F(PaintingFile, ANewRecordIsCreatedWhenWrittenAndHasNoPreview) {
  PaintingRecord record = makeRecord(0, 0);
  record.created = {};
  record.preview = {};
  record.photoBytes.clear();  // an empty photo still has a digest to check
  const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
  ASSERT_TRUE(writePaintingFile(path(), record));
  const std::optional<PaintingRecord> read = readPaintingFile(path());
  ASSERT_TRUE(read);
  expectSameRecord(*read, record);
  EXPECT_GE(read->created, before);
  EXPECT_EQ(read->created, read->modified);
  const std::optional<QImage> preview = document::readPaintingPreview(path());
  ASSERT_TRUE(preview);
  EXPECT_TRUE(preview->isNull());
}

TEST_F(PaintingFile, ThePreviewIsScaledDownToItsSideAndReadAlone) {
  PaintingRecord record = makeRecord(3, 2);
  record.preview = previewImage(600, 300);
  ASSERT_TRUE(writePaintingFile(path(), record));
  const std::optional<QImage> preview = document::readPaintingPreview(path());
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->size(), QSize(document::kPreviewSide, document::kPreviewSide / 2));
  EXPECT_EQ(readPaintingFile(path())->preview, *preview);
  // Exactly the side is kept as it is.
  record.preview = previewImage(document::kPreviewSide, 10);
  ASSERT_TRUE(writePaintingFile(path(), record));
  EXPECT_EQ(*document::readPaintingPreview(path()), record.preview);
}

TEST_F(PaintingFile, TheFileIsTheDocumentedDatabase) {
  PaintingRecord record = makeRecord(0, 0);
  record.steps = {PaintingStep{}, styleStep(2, 6, 77)};
  record.steps[0].timeMs = 10;
  record.steps[0].segments = {{3.25f, 4.0f, 1.5f, -2.0f, 6.0f, true, 9, 258}};  // from (1.5, -2) to (3.25, 4)
  record.undoPosition = 1;
  ASSERT_TRUE(writePaintingFile(path(), record));
  const QByteArray bytes = fileBytes(path());
  EXPECT_TRUE(bytes.startsWith(QByteArrayView("SQLite format 3\0", 16)));
  EXPECT_EQ(bytes.mid(68, 4), QByteArray("VRLN"));
  EXPECT_TRUE(document::looksLikePaintingFile(path()));

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path()).constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  auto one = [db](const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    QByteArray value;  // numbers as their text, NULL as nothing (quote() shows it)
    if (sqlite3_step(stmt) == SQLITE_ROW)
      value = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, 0)), sqlite3_column_bytes(stmt, 0));
    sqlite3_finalize(stmt);
    return value;
  };
  EXPECT_EQ(one("PRAGMA user_version"), "1");
  EXPECT_EQ(one("PRAGMA journal_mode"), "delete");
  EXPECT_EQ(one("SELECT kind || ',' || time_ms || ',' || stroke || ',' || quote(sketch_style) FROM steps WHERE seq = 0"),
            "0,10,9,NULL");
  EXPECT_EQ(one("SELECT segments FROM steps WHERE seq = 0").toHex(),
            // 1.5, -2, 3.25, 4, 6 as float32, 258 as uint32, mode 1
            "0000c03f000000c000005040000080400000c0400201000001");
  EXPECT_EQ(one("SELECT kind || ',' || time_ms || ',' || quote(stroke) || ',' || sketch_style || ',' || colour_style"
                " || ',' || quote(segments) FROM steps WHERE seq = 1"),
            "1,77,NULL,2,6,NULL");
  EXPECT_EQ(one("SELECT value FROM meta WHERE key = 'undo_position'"), "1");
  EXPECT_EQ(one("SELECT value FROM meta WHERE key = 'working_width'") + "x" +
                one("SELECT value FROM meta WHERE key = 'working_height'"),
            "640x480");
  EXPECT_EQ(one("SELECT value FROM meta WHERE key = 'created'"), "2026-01-01T00:00:00.123Z");
  EXPECT_EQ(one("SELECT sha256 FROM photo"),
            QCryptographicHash::hash(record.photoBytes, QCryptographicHash::Sha256).toHex());
  EXPECT_TRUE(one("SELECT png FROM preview").startsWith("\x89PNG"));
  sqlite3_close(db);
}

TEST(PaintingRecord, StylesAtTakeTheLastStyleStepInEffect) {
  PaintingRecord record = makeRecord(0, 0);  // first pair 3, 5
  std::mt19937 rng(1);
  record.steps = {strokeStep(0, 1, rng), styleStep(1, 2), strokeStep(1, 1, rng), styleStep(6, 0), styleStep(4, 4)};
  EXPECT_EQ(record.stylesAt(0), std::make_pair(3, 5));
  EXPECT_EQ(record.stylesAt(1), std::make_pair(3, 5));
  EXPECT_EQ(record.stylesAt(2), std::make_pair(1, 2));
  EXPECT_EQ(record.stylesAt(3), std::make_pair(1, 2));
  EXPECT_EQ(record.stylesAt(4), std::make_pair(6, 0));
  EXPECT_EQ(record.stylesAt(5), std::make_pair(4, 4));
  EXPECT_EQ(record.stylesAt(99), std::make_pair(4, 4));
  EXPECT_EQ(record.stylesAt(-1), std::make_pair(3, 5));
  EXPECT_EQ(record.segmentCount(), 2);
  EXPECT_EQ(makeRecord(10, 7).segmentCount(), 70);
}

TEST_F(PaintingFile, OnlyOurDatabasesLookLikeDocuments) {
  ASSERT_TRUE(writePaintingFile(path(), makeRecord(2, 2)));
  EXPECT_TRUE(document::looksLikePaintingFile(path()));
  const QByteArray bytes = fileBytes(path());
  writeBytes(path("short"), bytes.left(71));
  EXPECT_FALSE(document::looksLikePaintingFile(path("short")));
  writeBytes(path("other"), bytes.left(68) + "VRLM" + bytes.mid(72));
  EXPECT_FALSE(document::looksLikePaintingFile(path("other")));
  writeBytes(path("text"), QByteArray("SQLite format 3 ").leftJustified(100, 'x'));
  EXPECT_FALSE(document::looksLikePaintingFile(path("text")));
  EXPECT_FALSE(document::looksLikePaintingFile(path("missing")));
}

TEST_F(PaintingFile, ValuesNoDocumentCanHoldAreNotWritten) {
  const PaintingRecord good = makeRecord(4, 3);
  std::vector<std::pair<const char*, std::function<void(PaintingRecord&)>>> faults = {
      {"NaN coordinate", [](PaintingRecord& r) { r.steps[0].segments[1].endY = std::nanf(""); }},
      {"coordinate past 1e6", [](PaintingRecord& r) { r.steps[0].segments[0].startX = 1000001.0f; }},
      {"zero width", [](PaintingRecord& r) { r.steps[0].segments[0].width = 0.0f; }},
      {"width past 1e5", [](PaintingRecord& r) { r.steps[0].segments[0].width = 100001.0f; }},
      {"two stroke numbers in one stroke", [](PaintingRecord& r) { r.steps[1].segments[2].stroke = 9; }},
      {"stroke numbers going down",
       [](PaintingRecord& r) {
         for (auto& seg : r.steps[1].segments) seg.stroke = 0;
         for (auto& seg : r.steps[0].segments) seg.stroke = 1;
       }},
      {"style 8", [](PaintingRecord& r) { r.steps.push_back(styleStep(8, 0)); }},
      {"colour style -1", [](PaintingRecord& r) { r.firstColourStyle = -1; }},
      {"a style step with segments",
       [](PaintingRecord& r) {
         r.steps.push_back(styleStep(1, 1));
         r.steps.back().segments = r.steps[0].segments;
       }},
      {"a stroke with a style pair", [](PaintingRecord& r) { r.steps[0].sketchStyle = 2; }},
      {"undo past the steps", [](PaintingRecord& r) { r.undoPosition = int(r.steps.size()) + 1; }},
      {"undo below 0", [](PaintingRecord& r) { r.undoPosition = -1; }},
      {"no width", [](PaintingRecord& r) { r.workingSize = QSize(0, 10); }},
      {"too tall", [](PaintingRecord& r) { r.workingSize = QSize(10, 20001); }},
  };
  for (const auto& [name, spoil] : faults) {
    PaintingRecord record = good;
    spoil(record);
    QString reason;
    EXPECT_FALSE(writePaintingFile(path(), record, &reason)) << name;
    EXPECT_EQ(reason, "the painting holds values no document can have") << name;
  }
  EXPECT_TRUE(entries().isEmpty()) << qPrintable(entries().join(' '));
  PaintingRecord largest = good;
  largest.workingSize = QSize(20000, 20000);
  EXPECT_TRUE(writePaintingFile(path(), largest));
}

TEST_F(PaintingFile, AWriteReplacesTheDocumentByRenameAndKeepsItsPermissions) {
  ASSERT_TRUE(writePaintingFile(path(), makeRecord(5, 3, 1)));
  ::chmod(QFile::encodeName(path()).constData(), 0640);
  const ino_t before = statOf(path()).st_ino;
  // A save killed before its rename leaves its temporary file; it is no part of the document.
  writeBytes(path(".painting.vorlane.Xy12ab"), fileBytes(path()).left(5000));
  // Nor is a journal a killed session left beside the document it replaces.
  writeBytes(path("painting.vorlane-journal"), QByteArray(4096, '\x7f'));

  const PaintingRecord second = makeRecord(8, 4, 2);
  ASSERT_TRUE(writePaintingFile(path(), second));
  const struct stat after = statOf(path());
  EXPECT_NE(after.st_ino, before);
  EXPECT_EQ(after.st_mode & 0777, 0640u);
  expectSameRecord(*readPaintingFile(path()), second);
  EXPECT_EQ(entries(), (QStringList{".painting.vorlane.Xy12ab", "painting.vorlane"}));
}

// A write that fails, made in a child: a folder that cannot be written (as another user, since its mode
// binds no root), a full disk (a file-size limit fails the writes as one does, EFBIG), a missing folder.
// The reason is named and the document is left as it was, with no temporary file beside it.
TEST_F(PaintingFile, AFailedWriteIsNamedAndLeavesTheDocumentAsItWas) {
  ASSERT_TRUE(writePaintingFile(path(), makeRecord(5, 3, 1)));
  const QByteArray old = fileBytes(path());
  openToAll(dir_.path());
  ::chmod(QFile::encodeName(path()).constData(), 0666);
  const struct {
    const char* reason;
    rlim_t limit;  // RLIM_INFINITY: none
    bool readOnlyFolder;
    QString file;
  } cases[] = {{"the folder cannot be written to", RLIM_INFINITY, true, path()},
               {"the disk is full", 0, false, path()},
               {"the disk is full", 4096, false, path()},
               {"the disk is full", 20000, false, path()},
               {"its folder does not exist", RLIM_INFINITY, false, path("gone/painting.vorlane")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reason << ", limit " << c.limit);
    ::chmod(QFile::encodeName(dir_.path()).constData(), c.readOnlyFolder ? 0555 : 0777);
    const int status = inChild(
        [&] {
          std::signal(SIGXFSZ, SIG_IGN);
          const rlimit fsize{c.limit, c.limit};
          if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0) return 3;
          QString reason;
          if (writePaintingFile(c.file, makeRecord(300, 20, 2), &reason)) return 1;
          std::fprintf(stderr, "%s\n", qPrintable(reason));
          return reason == c.reason ? 0 : 2;
        },
        c.readOnlyFolder && ::geteuid() == 0);
    ::chmod(QFile::encodeName(dir_.path()).constData(), 0700);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(fileBytes(path()), old);
    EXPECT_EQ(entries(), QStringList{"painting.vorlane"});
  }
}

}  // namespace

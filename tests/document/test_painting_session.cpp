// SPDX-License-Identifier: GPL-3.0-or-later
// The session file after any run of changes reads back as the record those
// changes describe; a change that cannot be made is reported and the next ones
// still are.
#include <sys/resource.h>

#include <QDir>
#include <QFileInfo>
#include <csignal>

#include "PaintingFixtures.h"
#include "document/PaintingSession.h"

using namespace painting_test;
using document::PaintingSession;
using document::readPaintingFile;

namespace {

class Session : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath(QStringLiteral("session.vorlane")); }
  QStringList entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

  // What appendStep does to the record.
  static void append(PaintingRecord& record, int position, const PaintingStep& step) {
    record.steps.resize(std::size_t(position));
    record.steps.push_back(step);
    record.undoPosition = position + 1;
  }

  void expectFileIs(const PaintingRecord& want) {
    QString reason;
    const std::optional<PaintingRecord> read = readPaintingFile(path(), &reason);
    ASSERT_TRUE(read) << qPrintable(reason);
    expectSameRecord(*read, want);
  }

  QTemporaryDir dir_;
};

TEST_F(Session, AnyRunOfChangesReadsBackAsItsRecord) {
  PaintingRecord model = makeRecord(4, 3);
  QString reason;
  std::unique_ptr<PaintingSession> session = PaintingSession::create(path(), model, &reason);
  ASSERT_TRUE(session) << qPrintable(reason);
  EXPECT_EQ(session->path(), path());
  std::mt19937 rng(11);
  std::uint32_t stroke = 100;
  for (int i = 0; i < 300; ++i) {
    const int kind = int(rng() % 10);
    if (kind < 6) {
      // Painting at the undo position cuts the undone steps, as the canvas does.
      const int position = model.undoPosition;
      PaintingStep step = kind == 0 ? styleStep(int(rng() % 8), int(rng() % 8), rng()) : strokeStep(stroke++, 1 + int(rng() % 9), rng, rng());
      session->appendStep(position, step);
      append(model, position, step);
    } else if (kind < 9) {
      model.undoPosition = int(rng() % (model.steps.size() + 1));
      session->setUndoPosition(model.undoPosition);
    } else if (i % 50 == 9) {
      model = makeRecord(3 + int(rng() % 5), 4, rng());
      model.preview = previewImage(20 + int(rng() % 300), 30);
      session->replace(model);
      if (model.preview.width() > document::kPreviewSide)
        model.preview = model.preview.scaled(document::kPreviewSide, document::kPreviewSide, Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation);
      stroke = 100;
    }
    if (i % 60 == 59) {
      ASSERT_TRUE(session->flush()) << qPrintable(session->lastError());
      expectFileIs(model);
      EXPECT_EQ(entries(), QStringList{"session.vorlane"});
    }
  }
  EXPECT_EQ(session->lastError(), "");
  // What is still queued is committed by the destructor.
  for (int i = 0; i < 20; ++i) {
    const PaintingStep step = strokeStep(stroke++, 4, rng);
    session->appendStep(model.undoPosition, step);
    append(model, model.undoPosition, step);
  }
  session.reset();
  expectFileIs(model);
  EXPECT_EQ(entries(), QStringList{"session.vorlane"});
}

TEST_F(Session, AChangeThatCannotBeMadeIsReportedAndTheNextOnesStillAre) {
  PaintingRecord model = makeRecord(3, 2);
  std::unique_ptr<PaintingSession> session = PaintingSession::create(path(), model);
  ASSERT_TRUE(session);
  std::mt19937 rng(5);
  const int end = int(model.steps.size());
  session->appendStep(end + 1, strokeStep(50, 2, rng));  // past the end: a gap in the history
  PaintingStep nan = strokeStep(50, 2, rng);
  nan.segments[1].width = std::nanf("");
  session->appendStep(end, nan);
  session->appendStep(end, strokeStep(1, 2, rng));  // a stroke number below the last one
  session->setUndoPosition(end + 1);
  session->setUndoPosition(-1);
  PaintingRecord bad = model;
  bad.workingSize = QSize();
  session->replace(bad);
  EXPECT_FALSE(session->flush());
  EXPECT_EQ(session->lastError(), "the painting holds values no document can have");
  expectFileIs(model);

  const PaintingStep good = strokeStep(60, 3, rng);
  session->appendStep(end, good);
  append(model, end, good);
  EXPECT_FALSE(session->flush());  // the failure stays on record
  expectFileIs(model);
  // Cutting the history down frees a lower stroke number again.
  const PaintingStep lower = strokeStep(2, 1, rng);
  session->appendStep(2, lower);
  append(model, 2, lower);
  session->close(false);
  expectFileIs(model);
}

TEST_F(Session, CreateReplacesAnEarlierFileAndCloseRemovesItWhenAsked) {
  writeBytes(path(), QByteArray("an earlier file"));
  const PaintingRecord record = makeRecord(2, 2);
  std::unique_ptr<PaintingSession> session = PaintingSession::create(path(), record);
  ASSERT_TRUE(session);
  ASSERT_TRUE(session->flush());  // written on the session's thread
  expectFileIs(record);
  session->close(true);
  EXPECT_TRUE(entries().isEmpty()) << qPrintable(entries().join(' '));
  session->appendStep(0, PaintingStep{});  // after close: nothing, and no crash
  EXPECT_TRUE(session->flush());
  EXPECT_TRUE(entries().isEmpty());

  // A file that cannot be made is told by flush(), on the session's thread.
  std::unique_ptr<PaintingSession> nowhere = PaintingSession::create(dir_.filePath("gone/session.vorlane"), record);
  ASSERT_TRUE(nowhere);
  EXPECT_FALSE(nowhere->flush());
  EXPECT_EQ(nowhere->lastError(), "its folder does not exist");
  nowhere->appendStep(0, record.steps.front());  // later changes fail too, quietly
  EXPECT_FALSE(nowhere->flush());
  EXPECT_FALSE(QFileInfo::exists(dir_.filePath("gone")));
}

TEST_F(Session, AFullDiskFailsTheChangeAndKeepsTheLastCommittedState) {
  PaintingRecord model = makeRecord(3, 2);
  std::unique_ptr<PaintingSession> created = PaintingSession::create(path(), model);
  ASSERT_TRUE(created);
  created->close(false);
  const qint64 size = QFileInfo(path()).size();
  const int status = inChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    std::unique_ptr<PaintingSession> session = PaintingSession::create(dir_.filePath("other.vorlane"), model);
    if (!session) return 3;
    // Writes past the file's present size fail from here on, as on a full disk.
    const rlimit fsize{rlim_t(size + 8192), rlim_t(size + 8192)};
    if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0) return 4;
    std::mt19937 rng(9);
    PaintingRecord expect = model;
    for (int i = 0; i < 40; ++i) {
      const PaintingStep step = strokeStep(10 + std::uint32_t(i), 50, rng);
      session->appendStep(expect.undoPosition, step);
      if (!session->flush()) break;
      append(expect, expect.undoPosition, step);
    }
    if (session->lastError() != "the disk is full") return 5;
    session->setUndoPosition(0);  // tried again later: a small change fits
    session->flush();
    expect.undoPosition = 0;
    session->close(false);
    const std::optional<PaintingRecord> read = readPaintingFile(dir_.filePath("other.vorlane"));
    if (!read) return 6;
    if (read->steps.size() != expect.steps.size() || read->undoPosition != 0) return 7;
    return 0;
  });
  EXPECT_EQ(status, 0);
}

}  // namespace

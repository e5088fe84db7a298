// SPDX-License-Identifier: GPL-3.0-or-later
// The painting as a document, driven through the document without a window:
// strokes and style changes as one history, undo across both, the round trip
// through a saved file, replay against live painting in every style and both
// brushes, the session a crash leaves behind, and hostile documents.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "canvas/CanvasModel.h"
#include "canvas/Painting.h"
#include "document/PaintingFlatten.h"
#include "document/PaintingSession.h"
#include "document/SketchDocument.h"
#include "document/StyleRenderer.h"
#include "platform/AsyncImageWriter.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"

namespace {

QImage photo(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * y) & 255));
  return image;
}

QImage premultiplied(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One window-free desktop document over its own canvas and session folder.
struct Desk {
  std::unique_ptr<canvas::CanvasModel> canvas;
  std::unique_ptr<document::SketchDocument> doc;
  explicit Desk(const QString& sessions) {
    canvas = std::make_unique<canvas::CanvasModel>(canvas::PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF());
    doc = std::make_unique<document::SketchDocument>();
    doc->load();
    doc->setCanvas(canvas.get(), 0.0f);
    doc->setKeepsPainting(sessions);
  }
  ~Desk() {
    doc.reset();
    platform::AsyncImageWriter::shared().waitForIdle();
  }
  canvas::Painting* painting() const { return canvas->painting(); }
  QImage look() const { return painting()->renderFinalPicture(); }
  // Runs the pass a pick, an open or a style change scheduled.
  bool render() {
    QSignalSpy done(doc.get(), &document::SketchDocument::renderPassFinished);
    doc->dosketch();
    return !done.isEmpty() && done.last().at(0).toBool();
  }
  void stroke(QPointF from, QPointF to, int moves = 5) {
    QPointF last = from;
    for (int i = 1; i <= moves; ++i) {
      const QPointF next = from + (to - from) * (double(i) / moves);
      painting()->paintSegment(last, next);
      last = next;
    }
    painting()->finishStroke();
  }
  bool styles(int sketch, int colour) {
    doc->selectSketchStyle(sketch);
    doc->selectPhotoAStyle(colour);
    return doc->renderIfChanged(0) && render();
  }
  bool save(const QString& path) {
    QSignalSpy saved(doc.get(), &document::SketchDocument::saveFinished);
    if (!doc->savePainting(path)) return false;
    return (!saved.isEmpty() || saved.wait(20000)) && saved.last().at(0).toBool();
  }
};

class PaintingDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::setResourceRoot(QString());
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    photoPath_ = dir_.filePath("photo.png");
    ASSERT_TRUE(photo(160, 120).save(photoPath_));
  }
  void TearDown() override { platform::UserDefaults::setStorageFile(QString()); }
  QString sessions() const { return dir_.filePath("sessions"); }
  std::unique_ptr<Desk> desk() { return std::make_unique<Desk>(sessions()); }
  // A desk with the photo rendered in the given styles and three strokes: A, B, A.
  std::unique_ptr<Desk> painted(int sketch = 2, int colour = 0) {
    auto d = desk();
    d->doc->selectSketchStyle(sketch);
    d->doc->selectPhotoAStyle(colour);
    EXPECT_TRUE(d->doc->pickPhotoFile(photoPath_));
    EXPECT_TRUE(d->render());
    d->painting()->setLinesize(12.0f);
    d->stroke({10, 30}, {150, 40});
    d->painting()->setBrushMode(canvas::BrushMode::B);
    d->stroke({80, 5}, {70, 115});
    d->painting()->setBrushMode(canvas::BrushMode::A);
    d->stroke({10, 90}, {150, 80});
    return d;
  }

  QTemporaryDir dir_;
  QString photoPath_;
};

}  // namespace

TEST_F(PaintingDocumentTest, StrokesAndStyleChangesAreOneHistory) {
  auto d = painted();
  ASSERT_EQ(d->doc->paintingRecord().steps.size(), 3u);
  const QImage threeStrokes = d->look();
  const std::vector<canvas::StrokeSegment> strokes = d->painting()->history().steps();
  EXPECT_EQ(d->doc->undoName(), "Stroke");

  ASSERT_TRUE(d->styles(5, 3));
  const document::PaintingRecord& record = d->doc->paintingRecord();
  ASSERT_EQ(record.steps.size(), 4u);
  EXPECT_EQ(record.steps[3].kind, document::PaintingStep::Kind::Style);
  EXPECT_EQ(record.stylesAt(4), std::make_pair(5, 3));
  EXPECT_EQ(d->painting()->history().steps(), strokes);  // the painting is kept
  EXPECT_TRUE(d->doc->isModified());
  EXPECT_EQ(d->doc->undoName(), "Style Change");

  // Undo of the style change: the old styles and the same painting, pixel for pixel.
  d->doc->undo();
  ASSERT_TRUE(d->doc->busy());
  ASSERT_TRUE(d->render());
  EXPECT_EQ(d->doc->currenttype(), 2);
  EXPECT_EQ(d->doc->currentAtype(), 0);
  EXPECT_EQ(d->doc->paintingRecord().undoPosition, 3);
  EXPECT_EQ(d->look(), threeStrokes);
  // ... and on across the brush switches, stroke by stroke.
  d->doc->undo();
  d->doc->undo();
  EXPECT_EQ(d->painting()->history().currentstep(), 5);
  d->doc->redo();
  d->doc->redo();
  EXPECT_EQ(d->look(), threeStrokes);
  EXPECT_EQ(d->doc->redoName(), "Style Change");
  d->doc->redo();
  ASSERT_TRUE(d->render());
  EXPECT_EQ(d->doc->currenttype(), 5);
  EXPECT_FALSE(d->doc->canRedo());

  // A new stroke after undoing the style change drops it from the history.
  d->doc->undo();
  ASSERT_TRUE(d->render());
  d->stroke({20, 20}, {30, 30});
  EXPECT_EQ(d->doc->paintingRecord().steps.size(), 4u);
  EXPECT_EQ(d->doc->paintingRecord().steps[3].kind, document::PaintingStep::Kind::Stroke);
  EXPECT_FALSE(d->doc->canRedo());
}

TEST_F(PaintingDocumentTest, SavedAndOpenedAgainEverythingIsEqual) {
  auto d = painted();
  ASSERT_TRUE(d->styles(4, 6));
  d->stroke({40, 60}, {120, 60});
  d->doc->undo();  // one step undone: the position is saved too
  const QString path = dir_.filePath("painting.vorlane");
  ASSERT_TRUE(d->save(path));
  EXPECT_FALSE(d->doc->isModified());
  EXPECT_EQ(d->doc->documentPath(), QFileInfo(path).absoluteFilePath());
  const QImage saved = d->look();
  const document::PaintingRecord before = d->doc->paintingRecord();
  d.reset();

  auto e = desk();
  ASSERT_TRUE(e->doc->openFile(path));
  ASSERT_TRUE(e->render());
  EXPECT_EQ(e->look(), saved);
  EXPECT_EQ(e->doc->currenttype(), 4);
  EXPECT_EQ(e->doc->currentAtype(), 6);
  const document::PaintingRecord& after = e->doc->paintingRecord();
  EXPECT_EQ(after.steps, before.steps);
  EXPECT_EQ(after.undoPosition, before.undoPosition);
  EXPECT_EQ(after.photoBytes, before.photoBytes);
  EXPECT_EQ(after.photoName, "photo.png");
  EXPECT_FALSE(e->doc->isModified());
  EXPECT_TRUE(e->doc->canRedo());
  e->doc->redo();
  EXPECT_EQ(e->painting()->history().currentstep(), e->painting()->history().count());
  // The preview is the painting, small.
  const std::optional<QImage> preview = document::readPaintingPreview(path);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->size(), QSize(160, 120));
}

TEST_F(PaintingDocumentTest, TheStoredWorkImageEqualsTheReplayAndIsUsedOnlyWhenItMatches) {
  auto d = painted(3, 1);
  const QString path = dir_.filePath("stored.vorlane");
  ASSERT_TRUE(d->save(path));
  const QImage saved = d->look();
  d.reset();
  std::optional<document::PaintingRecord> record = document::readPaintingFile(path);
  ASSERT_TRUE(record && record->work);
  ASSERT_NE(record->matchingWork(), nullptr);
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  // What the stored image shows is what replaying the strokes gives.
  EXPECT_EQ(premultiplied(*document::flattenPainting(*record, renderer)), premultiplied(saved));
  {
    auto e = desk();
    ASSERT_TRUE(e->doc->openFile(path));
    ASSERT_TRUE(e->render());
    EXPECT_EQ(e->look(), saved);
    e->doc->undo();  // the history under it is whole
    EXPECT_EQ(e->painting()->history().currentstep(), 10);
  }
  // A stroke changed behind the stored image's back: it no longer matches and
  // the strokes are replayed instead.
  record->steps[0].segments[2].width += 7.0f;
  EXPECT_EQ(record->matchingWork(), nullptr);
  record->undoPosition = 2;  // and one that was taken at another position
  EXPECT_EQ(record->matchingWork(), nullptr);
  record->undoPosition = 3;
  const QString changed = dir_.filePath("changed.vorlane");
  ASSERT_TRUE(document::writePaintingFile(changed, *record));
  auto f = desk();
  ASSERT_TRUE(f->doc->openFile(changed));
  ASSERT_TRUE(f->render());
  EXPECT_EQ(premultiplied(f->look()), premultiplied(*document::flattenPainting(*record, renderer)));
  EXPECT_NE(f->look(), saved);
}

TEST_F(PaintingDocumentTest, ReplayEqualsLivePaintingInEveryStyleAndBothBrushes) {
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  for (int style = 0; style <= 7; ++style) {
    SCOPED_TRACE(style);
    auto d = painted(style, (style + 3) % 8);
    const std::optional<QImage> flat = document::flattenPainting(d->doc->paintingRecord(), renderer);
    ASSERT_TRUE(flat);
    EXPECT_EQ(premultiplied(*flat), premultiplied(d->look()));
  }
}

TEST_F(PaintingDocumentTest, ASessionLeftBehindIsRecoveredWithItsWholeHistory) {
  document::PaintingRecord record;
  {
    auto d = painted();
    ASSERT_TRUE(d->styles(3, 1));
    d->doc->undo();
    ASSERT_TRUE(d->render());
    record = d->doc->paintingRecord();
    // What a crash leaves: the session as its last commit wrote it, nobody holding it.
    document::PaintingSession::create(sessions() + "/session-left.vorlane", record)->close(false);
  }
  auto e = desk();
  const std::vector<document::RecoverableSession> left = e->doc->recoverableSessions();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].photoName, "photo.png");
  EXPECT_EQ(left[0].steps, 4);
  ASSERT_TRUE(e->doc->recoverSession(left[0].path));
  ASSERT_TRUE(e->render());
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  EXPECT_EQ(premultiplied(e->look()), premultiplied(*document::flattenPainting(record, renderer)));
  EXPECT_EQ(e->doc->paintingRecord().steps, record.steps);
  EXPECT_TRUE(e->doc->isModified());  // saved nowhere yet
  EXPECT_FALSE(QFileInfo::exists(left[0].path));  // taken over by a session of its own
  EXPECT_TRUE(e->doc->recoverableSessions().empty());
}

TEST_F(PaintingDocumentTest, AClosedPaintingLeavesNoSessionAndAHeldOneIsNeverOffered) {
  auto d = painted();
  // The session is written on its own thread.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QDir(sessions()).entryList({"session-*.vorlane"}).size() == 1; }, 10000));
  auto other = desk();
  // Held by a living document (the lock's owner is alive): not offered.
  EXPECT_TRUE(other->doc->recoverableSessions().empty());
  d->doc->closeSession();
  EXPECT_TRUE(QDir(sessions()).entryList({"session-*.vorlane"}).isEmpty());
}

TEST_F(PaintingDocumentTest, HostileDocumentsRaiseOneAlertAndChangeNothing) {
  auto d = painted();
  const QImage before = d->look();
  const QString good = dir_.filePath("good.vorlane");
  ASSERT_TRUE(d->save(good));

  // The photo inside is held to the photo checks: a document whose photo bytes
  // are not a picture, with a correct checksum.
  document::PaintingRecord bad = d->doc->paintingRecord();
  bad.photoBytes = QByteArray("not a picture at all");
  const QString badPhoto = dir_.filePath("bad-photo.vorlane");
  ASSERT_TRUE(document::writePaintingFile(badPhoto, bad));
  // A photo of another size than the painting's.
  document::PaintingRecord small = d->doc->paintingRecord();
  QBuffer buffer(&small.photoBytes);
  small.photoBytes.clear();
  buffer.open(QIODevice::WriteOnly);
  photo(40, 30).save(&buffer, "PNG");
  const QString mismatched = dir_.filePath("mismatched.vorlane");
  ASSERT_TRUE(document::writePaintingFile(mismatched, small));
  const QString notOurs = dir_.filePath("not-ours.vorlane");
  QFile junk(notOurs);
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("SQLite format 3");
  junk.close();

  QSignalSpy alerts(d->doc.get(), &document::SketchDocument::alertRequested);
  for (const QString& path : {badPhoto, mismatched, notOurs, good}) {
    SCOPED_TRACE(path.toStdString());
    const QByteArray bytes = [&] {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const int count = int(alerts.size());
    EXPECT_FALSE(d->doc->openFile(path));
    ASSERT_EQ(alerts.size(), count + 1);
    const auto alert = alerts.last().at(0).value<document::SourceAlertTexts>();
    EXPECT_EQ(alert.title, "Cannot Open Painting");
    EXPECT_TRUE(alert.message.startsWith(QFileInfo(path).fileName() + " could not be opened: "));
    EXPECT_FALSE(d->doc->busy());
    EXPECT_EQ(d->look(), before);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes);
  }
  // The last one is the document this very window has open.
  EXPECT_TRUE(alerts.last().at(0).value<document::SourceAlertTexts>().message.endsWith(
      "it is open in Vorlane already."));
  // Another window may not open it either, while this one holds it.
  auto other = desk();
  QSignalSpy otherAlerts(other->doc.get(), &document::SketchDocument::alertRequested);
  EXPECT_FALSE(other->doc->openFile(good));
  ASSERT_EQ(otherAlerts.size(), 1);
}

// The phone's and tablet's painting keeps a session too: its strokes (across a
// brush switch, which resets their undo) and undo position follow, a render
// pass starts a new one, and replayed it looks like what the phone showed.
TEST_F(PaintingDocumentTest, ThePhonesPaintingIsKeptInASessionToo) {
  canvas::CanvasModel canvas(canvas::PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF());
  document::SketchDocument doc;
  doc.load();
  doc.setCanvas(&canvas, 0.0f);
  doc.setKeepsSessions(sessions());
  canvas::Painting* painting = canvas.painting();
  ASSERT_TRUE(doc.pickPhotoFile(photoPath_));
  doc.dosketch();
  painting->setLinesize(12.0f);
  auto stroke = [&](QPointF from, QPointF to) {
    for (int i = 1; i <= 4; ++i) painting->paintSegment(from + (to - from) * ((i - 1) / 4.0), from + (to - from) * (i / 4.0));
    painting->finishStroke();
  };
  stroke({10, 30}, {150, 40});
  painting->setBrushMode(canvas::BrushMode::B);  // the phone's switch: flattened, undo reset
  stroke({80, 5}, {70, 115});
  stroke({20, 100}, {140, 100});
  painting->undo();
  EXPECT_EQ(doc.paintingRecord().steps.size(), 3u);
  EXPECT_EQ(doc.paintingRecord().undoPosition, 2);

  auto sessionFiles = [&] { return QDir(sessions()).entryList({"session-*.vorlane"}); };
  auto onDisk = [&]() -> std::optional<document::PaintingRecord> {
    const QStringList files = sessionFiles();
    return files.size() == 1 ? document::readPaintingFile(QDir(sessions()).filePath(files[0])) : std::nullopt;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { auto r = onDisk(); return r && r->undoPosition == 2 && r->steps.size() == 3; }, 10000));
  const document::PaintingRecord kept = *onDisk();
  // Nobody is asked: the record is there for a later start of the desktop.
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  const QImage replayed = document::flattenPainting(kept, renderer)->convertToFormat(QImage::Format_RGB32);
  const QImage shown = painting->renderFinalPicture().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(replayed.size(), shown.size());
  int worst = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      worst = std::max(worst, std::abs(qGray(replayed.pixel(x, y)) - qGray(shown.pixel(x, y))));
  EXPECT_LE(worst, 2);  // the phone's flatten and the replay differ by rounding only

  // Another style is a new painting there: a new session, the old one gone.
  doc.selectSketchStyle(5);
  ASSERT_TRUE(doc.renderIfChanged(0));
  doc.dosketch();
  ASSERT_TRUE(QTest::qWaitFor([&] { auto r = onDisk(); return r && r->steps.empty() && r->firstSketchStyle == 5; }, 10000));
  EXPECT_EQ(sessionFiles().size(), 1);
}

// Another process's lock: a session held by a living Vorlane is never offered;
// once that process is gone (killed), it is.
TEST_F(PaintingDocumentTest, ASessionHeldByAnotherLivingProcessIsNotOfferedUntilItDies) {
  document::PaintingRecord record;
  {
    auto d = painted();
    record = d->doc->paintingRecord();
  }
  const QString path = sessions() + "/session-other.vorlane";
  document::PaintingSession::create(path, record)->close(false);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The other Vorlane: holds the session's lock and waits to be killed.
    QLockFile lock(path + ".lock");
    lock.setStaleLockTime(0);
    const char held = lock.tryLock(0) ? 'y' : 'n';
    if (::write(ready[1], &held, 1) != 1) ::_exit(2);
    for (;;) ::pause();
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_EQ(held, 'y');
  auto e = desk();
  EXPECT_TRUE(e->doc->recoverableSessions().empty());
  EXPECT_FALSE(e->doc->recoverSession(path));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  const std::vector<document::RecoverableSession> left = e->doc->recoverableSessions();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].path, QFileInfo(path).absoluteFilePath());
}

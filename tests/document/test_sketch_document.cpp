// SPDX-License-Identifier: GPL-3.0-or-later
// The document over a canvas model without any widget: what a pick does to the
// canvas and what a failed render gives back, the render pass's choice of what
// to render again, the stored style pair, read once; and the painting as a
// document: strokes and style changes as one history, undo across both, the
// round trip through a saved file, replay against live painting in every style
// and both brushes, the session a crash leaves behind, and hostile documents.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "canvas/CanvasModel.h"
#include "canvas/Painting.h"
#include "canvas/Plate.h"
#include "document/PaintingFlatten.h"
#include "document/PaintingSession.h"
#include "document/SketchDocument.h"
#include "document/StyleRenderer.h"
#include "platform/AsyncImageWriter.h"
#include "platform/ImageBridge.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "sketch/StylePipeline.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace {

platform::UserDefaults& defaults() {
  return platform::UserDefaults::standardUserDefaults();
}

// Smooth and coloured, so that every style differs from the photo and from the others.
QImage photo(int w, int h, int seed = 0) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, qRgb((x * 255 / w + seed * 40) & 255, y * 255 / h, (x + y + seed * 90) & 255));
  return image;
}

// The engine's own rendering of the prepared photo in style, with the shipped texture; plane
// receives its style plane.
QImage engine(const QImage& prepared, int style, sketch::GrayPlane* plane = nullptr) {
  auto texture = platform::GetImageData(platform::imageByScalingForSize(
      QSizeF(prepared.size()), platform::imageWithContentsOfFile(QStringLiteral("sketchbrush.png"))));
  auto raster = platform::GetImageData(prepared);
  if (!texture || !raster) return {};
  sketch::GrayPlane own;
  auto result = sketch::runStylePipeline(std::move(*raster), style, *texture, plane ? *plane : own);
  return result ? platform::toQImage(*result) : QImage();
}

std::vector<std::uint8_t> planeOf(const QImage& prepared, int style) {
  sketch::GrayPlane plane;
  engine(prepared, style, &plane);
  return plane.data;
}

QImage premultiplied(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool samePixels(const QImage& a, const QImage& b) {
  return !a.isNull() && a.size() == b.size() && premultiplied(a) == premultiplied(b);
}

// The record's strokes replayed, premultiplied.
QImage flat(const document::PaintingRecord& record) {
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  return premultiplied(document::flattenPainting(record, renderer).value_or(QImage()));
}

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One window-free document over its own canvas: the phone's (a fixed shape, so that wide and tall photos
// fit apart), or keeping its painting in a session folder as the desktop's does, or the phone's too.
struct Desk {
  enum Keeps { Nothing, Painting, Sessions };
  std::unique_ptr<canvas::CanvasModel> canvas;
  std::unique_ptr<document::SketchDocument> doc;
  Desk(Keeps keeps, const QString& sessions) {
    canvas = std::make_unique<canvas::CanvasModel>(canvas::PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF());
    doc = std::make_unique<document::SketchDocument>();
    doc->load();
    doc->setCanvas(canvas.get(), keeps == Nothing ? 0.75f : 0.0f);
    if (keeps == Painting) doc->setKeepsPainting(sessions);
    if (keeps == Sessions) doc->setKeepsSessions(sessions);
  }
  ~Desk() {
    doc.reset();  // the pass's scratch file is written off the main thread: done before the next test
    platform::AsyncImageWriter::shared().waitForIdle();
  }
  canvas::Painting* painting() const { return canvas->painting(); }
  QImage look() const { return painting()->renderFinalPicture(); }
  QImage B() const { return painting()->sketchimgview()->image(); }
  QImage A() const { return painting()->orgimgview()->image(); }
  QImage W() const { return painting()->workimgview()->image(); }
  // Runs the pass a pick, an open or a style change scheduled.
  bool render() {
    QSignalSpy done(doc.get(), &document::SketchDocument::renderPassFinished);
    doc->dosketch();
    return !done.isEmpty() && done.last().at(0).toBool();
  }
  void stroke(QPointF from, QPointF to) {  // in five moves
    for (int i = 1; i <= 5; ++i)
      painting()->paintSegment(from + (to - from) * (i - 1) / 5.0, from + (to - from) * i / 5.0);
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

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::setResourceRoot(QString());  // the shipped resources, whatever a test before set
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    photoPath_ = dir_.filePath("photo.png");
    ASSERT_TRUE(photo(160, 120).save(photoPath_));
  }
  void TearDown() override { platform::UserDefaults::setStorageFile(QString()); }
  QString sessions() const { return dir_.filePath("sessions"); }
  std::unique_ptr<Desk> desk(Desk::Keeps keeps = Desk::Painting) { return std::make_unique<Desk>(keeps, sessions()); }
  QStringList sessionFiles() const { return QDir(sessions()).entryList({"session-*.vorlane"}); }
  // A desk with the photo rendered in the given styles and three strokes: A, B, A.
  std::unique_ptr<Desk> painted(int sketch = 2, int colour = 0, Desk::Keeps keeps = Desk::Painting) {
    auto d = desk(keeps);
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

  QTemporaryDir dir_{vorlane_test::testRoot() + "/document-XXXXXX"};
  QString photoPath_;
};

}  // namespace

// First start: the sketch list opens on style 1 and says so in the settings; numbers past the lists
// are brought into range.
TEST_F(DocumentTest, LoadStartsOnTheFirstStyleAndKeepsStoredNumbersInRange) {
  auto d = desk(Desk::Nothing);
  auto* doc = d->doc.get();
  EXPECT_EQ(doc->currenttype(), 1);
  EXPECT_EQ(doc->currentAtype(), 0);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  EXPECT_TRUE(defaults().boolForKey("inited"));
  EXPECT_EQ(doc->styleCount(), 8);

  defaults().setIntegerForKey(42, "currenttype");
  defaults().setIntegerForKey(-3, "currentAtype");
  d = desk(Desk::Nothing);
  doc = d->doc.get();
  EXPECT_EQ(doc->currenttype(), 7);
  EXPECT_EQ(doc->currentAtype(), 0);
}

// The phone's pick waits half a second for its pass (a single turn of the event
// loop does not run it); with no delay, as the desktop sets it, that turn does.
TEST_F(DocumentTest, APickWaitsForItsPassOnlyAsLongAsTheLayoutSays) {
  auto d = desk(Desk::Nothing);
  auto* doc = d->doc.get();
  QSignalSpy passes(doc, &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(doc->pickImage(photo(64, 48), QStringLiteral("first")));
  QCoreApplication::processEvents();
  EXPECT_EQ(passes.count(), 0);
  EXPECT_TRUE(doc->busy());
  doc->setPickRenderDelay(-20);
  EXPECT_EQ(doc->pickRenderDelay(), 0);
  ASSERT_TRUE(doc->pickImage(photo(64, 48, 1), QStringLiteral("second")));
  QCoreApplication::processEvents();
  ASSERT_EQ(passes.count(), 1);
  EXPECT_TRUE(passes.last().at(0).toBool());
  EXPECT_FALSE(doc->busy());
  EXPECT_EQ(doc->photoName(), QStringLiteral("second"));
  EXPECT_TRUE(d->painting()->imgready());
}

// A pick fits the photo and waits for its pass; the pass puts photo B, photo A and a fresh work
// image on the canvas, rendered by the engine, and stores the pair. Afterwards only what changed
// is rendered again, and the choice is judged against the pair the canvas shows, not against the
// settings file (read once).
TEST_F(DocumentTest, ThePassRendersWhatChangedAgainstThePairTheCanvasShows) {
  defaults().setBoolForKey(true, "inited");
  defaults().setIntegerForKey(3, "currenttype");
  defaults().setIntegerForKey(0, "currentAtype");
  auto d = desk(Desk::Nothing);
  auto* doc = d->doc.get();
  QSignalSpy picked(doc, &document::SketchDocument::photoPicked);
  QSignalSpy passes(doc, &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(doc->pickImage(photo(640, 480), QStringLiteral("camera")));
  EXPECT_EQ(picked.count(), 1);
  EXPECT_TRUE(doc->busy());
  EXPECT_TRUE(d->B().isNull());  // nothing on the canvas before the pass
  doc->dosketch();
  ASSERT_EQ(passes.count(), 1);
  EXPECT_TRUE(passes.last().at(0).toBool());
  EXPECT_FALSE(doc->busy());
  EXPECT_TRUE(samePixels(d->B(), engine(doc->orgimg(), 3)));
  EXPECT_TRUE(samePixels(d->A(), doc->orgimg()));
  EXPECT_TRUE(samePixels(d->W(), d->B()));
  EXPECT_TRUE(d->painting()->imgready());
  EXPECT_FALSE(d->painting()->canUndo());
  // The grey plane is the last style rendered; the render is known opaque, so photo A no longer
  // needs to be drawn under it.
  EXPECT_EQ(doc->grayimgdata().data, planeOf(doc->orgimg(), 3));
  EXPECT_TRUE(d->painting()->sketchimgview()->isOpaque());

  // Only photo A's style changed: photo B is not rendered again.
  const qint64 bKey = d->B().cacheKey();
  doc->selectPhotoAStyle(5);
  ASSERT_TRUE(doc->renderIfChanged(0));
  doc->dosketch();
  EXPECT_EQ(d->B().cacheKey(), bKey);
  EXPECT_TRUE(samePixels(d->A(), engine(doc->orgimg(), 5)));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 5);
  EXPECT_EQ(doc->grayimgdata().data, planeOf(doc->orgimg(), 5));
  EXPECT_TRUE(d->painting()->sketchimgview()->isOpaque() && d->painting()->orgimgview()->isOpaque());

  // The settings file changed behind the document's back does not make it render: the canvas
  // shows 3 and 5, and so does the choice.
  defaults().setIntegerForKey(6, "currenttype");
  EXPECT_FALSE(doc->renderIfChanged(0));
  doc->selectSketchStyle(3);
  EXPECT_FALSE(doc->renderIfChanged(0));
  doc->selectSketchStyle(2);
  EXPECT_TRUE(doc->renderIfChanged(0));
  doc->dosketch();
  EXPECT_TRUE(samePixels(d->B(), engine(doc->orgimg(), 2)));
  EXPECT_EQ(defaults().integerForKey("currenttype"), 2);
  // Passes take turns with two planes' memory: each still holds exactly its own style.
  EXPECT_EQ(doc->grayimgdata().data, planeOf(doc->orgimg(), 2));
  doc->selectSketchStyle(6);
  ASSERT_TRUE(doc->renderIfChanged(0));
  doc->dosketch();
  EXPECT_EQ(doc->grayimgdata().data, planeOf(doc->orgimg(), 6));
}

// A photo whose render fails gives everything back: the photo before it, its fit and brush width,
// the selection the canvas shows, and the pictures on the canvas.
TEST_F(DocumentTest, AFailedPassGivesThePreviousPhotoFitAndSelectionBack) {
  // A resource set whose texture is missing: the photo itself (style 0) renders, no style does.
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("res/data")));
  ASSERT_TRUE(photo_files::writeFile(
      dir_.filePath("res/data/AppDataList.plist"),
      "<plist><dict><key>sketchtype</key><array><string>a</string><string>b</string><string>c</string>"
      "<string>d</string><string>e</string></array><key>sketchbrush</key><array>"
      "<string>nothere.png</string></array></dict></plist>"));
  platform::setResourceRoot(dir_.filePath("res"));
  defaults().setBoolForKey(true, "inited");
  defaults().setIntegerForKey(0, "currenttype");
  auto d = desk(Desk::Nothing);
  auto* doc = d->doc.get();
  ASSERT_TRUE(doc->pickImage(photo(900, 300), QStringLiteral("wide")));
  doc->dosketch();
  ASSERT_TRUE(samePixels(d->B(), doc->orgimg()));
  const qint64 shown = doc->orgimg().cacheKey(), bKey = d->B().cacheKey();
  const canvas::PictureFit fit = d->canvas->plate()->fit();
  const float width = d->painting()->linesize();

  QSignalSpy alerts(doc, &document::SketchDocument::alertRequested);
  QSignalSpy selection(doc, &document::SketchDocument::selectionChanged);
  QSignalSpy passes(doc, &document::SketchDocument::renderPassFinished);
  doc->selectSketchStyle(4);
  ASSERT_TRUE(doc->pickImage(photo(200, 600, 1), QStringLiteral("tall")));
  EXPECT_NE(d->canvas->plate()->fit().bigwidth, fit.bigwidth);  // the tall photo's fit, until its pass
  EXPECT_NE(d->painting()->linesize(), width);
  doc->dosketch();
  platform::setResourceRoot(QString());
  ASSERT_EQ(passes.count(), 1);
  EXPECT_FALSE(passes.last().at(0).toBool());
  ASSERT_EQ(alerts.count(), 1);
  EXPECT_EQ(alerts.last().at(0).value<document::SourceAlertTexts>().message,
            QStringLiteral("tall could not be opened: the picture could not be rendered."));
  EXPECT_EQ(doc->orgimg().cacheKey(), shown);
  EXPECT_EQ(doc->photoName(), QStringLiteral("wide"));
  EXPECT_EQ(d->canvas->plate()->fit().bigwidth, fit.bigwidth);
  EXPECT_EQ(d->canvas->plate()->fit().offsetratio_x, fit.offsetratio_x);
  EXPECT_EQ(d->canvas->plate()->fit().offsetratio_y, fit.offsetratio_y);
  EXPECT_EQ(d->painting()->linesize(), width);
  EXPECT_EQ(doc->currenttype(), 0);
  EXPECT_GE(selection.count(), 1);
  EXPECT_EQ(d->B().cacheKey(), bKey);
  EXPECT_TRUE(d->painting()->sketchready());
  EXPECT_FALSE(doc->busy());
}

// The renderer gives the memory of pictures nobody holds any more to the next render: a picture
// still held is never written again, and a reused one holds exactly the new rendering.
TEST(StyleRenderer, ReusesOnlyPicturesNobodyHoldsAndRendersThemWhole) {
  platform::setResourceRoot(QString());
  document::StyleRenderer renderer;
  renderer.setTextureName(QStringLiteral("sketchbrush.png"));
  sketch::GrayPlane plane;
  const QImage first = photo(64, 48), second = photo(64, 48, 3);
  std::optional<QImage> held = renderer.render(first, 2, plane, nullptr);
  ASSERT_TRUE(held);
  const QImage heldPixels = held->copy();
  std::optional<QImage> last;
  for (int round = 0; round < 6; ++round) {  // more than the renderer keeps at hand
    last.reset();                            // the canvas moves on: this one is free again
    last = renderer.render(round % 2 ? first : second, 5, plane, nullptr);
    ASSERT_TRUE(last);
    EXPECT_TRUE(samePixels(*last, engine(round % 2 ? first : second, 5))) << round;
  }
  EXPECT_EQ(*held, heldPixels);
  EXPECT_TRUE(samePixels(*held, engine(first, 2)));
}

TEST_F(DocumentTest, StrokesAndStyleChangesAreOneHistory) {
  auto d = painted();
  ASSERT_EQ(d->doc->paintingRecord().steps.size(), 3u);
  const QImage threeStrokes = d->look();
  const std::vector<canvas::StrokeSegment> strokes = d->painting()->history().steps();
  EXPECT_EQ(d->doc->undoStep(), document::SketchDocument::Step::Stroke);

  ASSERT_TRUE(d->styles(5, 3));
  const document::PaintingRecord& record = d->doc->paintingRecord();
  ASSERT_EQ(record.steps.size(), 4u);
  EXPECT_EQ(record.steps[3].kind, document::PaintingStep::Kind::Style);
  EXPECT_EQ(record.stylesAt(4), std::make_pair(5, 3));
  EXPECT_EQ(d->painting()->history().steps(), strokes);  // the painting is kept
  EXPECT_TRUE(d->doc->isModified());
  EXPECT_EQ(d->doc->undoStep(), document::SketchDocument::Step::StyleChange);

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
  EXPECT_EQ(d->doc->redoStep(), document::SketchDocument::Step::StyleChange);
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

TEST_F(DocumentTest, SavedAndOpenedAgainEverythingIsEqual) {
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

TEST_F(DocumentTest, TheStoredWorkImageEqualsTheReplayAndIsUsedOnlyWhenItMatches) {
  auto d = painted(3, 1);
  const QString path = dir_.filePath("stored.vorlane");
  ASSERT_TRUE(d->save(path));
  const QImage saved = d->look();
  d.reset();
  std::optional<document::PaintingRecord> record = document::readPaintingFile(path);
  ASSERT_TRUE(record && record->work);
  ASSERT_NE(record->matchingWork(), nullptr);
  // What the stored image shows is what replaying the strokes gives.
  EXPECT_EQ(flat(*record), premultiplied(saved));
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
  EXPECT_EQ(premultiplied(f->look()), flat(*record));
  EXPECT_NE(f->look(), saved);
}

TEST_F(DocumentTest, ReplayEqualsLivePaintingInEveryStyleAndBothBrushes) {
  for (int style = 0; style <= 7; ++style) {
    auto d = painted(style, (style + 3) % 8);
    EXPECT_EQ(flat(d->doc->paintingRecord()), premultiplied(d->look())) << style;
  }
}

// What a crash leaves: the session as its last commit wrote it. While another living Vorlane holds
// its lock it is never offered; once that one is gone (killed), it is, and comes back whole.
TEST_F(DocumentTest, ASessionLeftBehindIsOfferedOnceNobodyHoldsItAndRecoveredWhole) {
  document::PaintingRecord record;
  {
    auto d = painted();
    ASSERT_TRUE(d->styles(3, 1));
    d->doc->undo();
    ASSERT_TRUE(d->render());
    record = d->doc->paintingRecord();
  }
  const QString path = sessions() + "/session-left.vorlane";
  document::PaintingSession::create(path, record)->close(false);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {  // the other Vorlane: holds the session's lock and waits to be killed
    QLockFile lock(path + ".lock");
    lock.setStaleLockTime(0);
    const char held = lock.tryLock(0) ? 'y' : 'n';
    if (::write(ready[1], &held, 1) != 1) ::_exit(2);
    for (;;) ::pause();
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ::close(ready[0]), ::close(ready[1]);
  EXPECT_EQ(held, 'y');
  auto e = desk();
  EXPECT_TRUE(e->doc->recoverableSessions().empty());
  EXPECT_FALSE(e->doc->recoverSession(path));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);

  const std::vector<document::RecoverableSession> left = e->doc->recoverableSessions();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].path, QFileInfo(path).absoluteFilePath());
  EXPECT_EQ(left[0].photoName, "photo.png");
  EXPECT_EQ(left[0].steps, 4);
  ASSERT_TRUE(e->doc->recoverSession(left[0].path));
  ASSERT_TRUE(e->render());
  EXPECT_EQ(premultiplied(e->look()), flat(record));
  EXPECT_EQ(e->doc->paintingRecord().steps, record.steps);
  EXPECT_TRUE(e->doc->isModified());  // saved nowhere yet
  EXPECT_FALSE(QFileInfo::exists(path));  // taken over by a session of its own
  EXPECT_TRUE(e->doc->recoverableSessions().empty());
}

TEST_F(DocumentTest, AClosedPaintingLeavesNoSessionAndAHeldOneIsNeverOffered) {
  auto d = painted();
  // The session is written on its own thread.
  ASSERT_TRUE(QTest::qWaitFor([&] { return sessionFiles().size() == 1; }, 10000));
  auto other = desk();
  // Held by a living document (the lock's owner is alive): not offered.
  EXPECT_TRUE(other->doc->recoverableSessions().empty());
  d->doc->closeSession();
  EXPECT_TRUE(sessionFiles().isEmpty());
}

TEST_F(DocumentTest, HostileDocumentsRaiseOneAlertAndChangeNothing) {
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
  small.photoBytes = photo_files::encode(photo(40, 30), "png");
  const QString mismatched = dir_.filePath("mismatched.vorlane");
  ASSERT_TRUE(document::writePaintingFile(mismatched, small));
  const QString notOurs = dir_.filePath("not-ours.vorlane");
  ASSERT_TRUE(photo_files::writeFile(notOurs, "SQLite format 3"));

  QSignalSpy alerts(d->doc.get(), &document::SketchDocument::alertRequested);
  for (const QString& path : {badPhoto, mismatched, notOurs, good}) {
    SCOPED_TRACE(path.toStdString());
    const QByteArray bytes = bytesOf(path);
    const int count = int(alerts.size());
    EXPECT_FALSE(d->doc->openFile(path));
    ASSERT_EQ(alerts.size(), count + 1);
    const auto alert = alerts.last().at(0).value<document::SourceAlertTexts>();
    EXPECT_EQ(alert.title, "Cannot Open Painting");
    EXPECT_TRUE(alert.message.startsWith(QFileInfo(path).fileName() + " could not be opened: "));
    EXPECT_FALSE(d->doc->busy());
    EXPECT_EQ(d->look(), before);
    EXPECT_EQ(bytesOf(path), bytes);
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

// The phone's and tablet's painting keeps a session too: its strokes (across brush switches, which
// reset their undo there) and undo position follow, a render pass starts a new one, and replayed it
// looks like what the phone showed.
TEST_F(DocumentTest, ThePhonesPaintingIsKeptInASessionToo) {
  auto d = painted(2, 0, Desk::Sessions);
  d->painting()->undo();
  EXPECT_EQ(d->doc->paintingRecord().steps.size(), 3u);
  EXPECT_EQ(d->doc->paintingRecord().undoPosition, 2);
  auto onDisk = [&]() -> std::optional<document::PaintingRecord> {
    const QStringList files = sessionFiles();
    return files.size() == 1 ? document::readPaintingFile(QDir(sessions()).filePath(files[0])) : std::nullopt;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { auto r = onDisk(); return r && r->undoPosition == 2 && r->steps.size() == 3; },
                              10000));
  // Nobody is asked: the record is there for a later start of the desktop. The phone's flatten and the
  // replay differ by rounding only.
  const QImage replayed = flat(*onDisk()).convertToFormat(QImage::Format_RGB32),
               shown = d->look().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(replayed.size(), shown.size());
  int worst = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      worst = std::max(worst, std::abs(qGray(replayed.pixel(x, y)) - qGray(shown.pixel(x, y))));
  EXPECT_LE(worst, 2);
  // Another style is a new painting there: a new session, the old one gone.
  ASSERT_TRUE(d->styles(5, 0));
  ASSERT_TRUE(QTest::qWaitFor([&] { auto r = onDisk(); return r && r->steps.empty() && r->firstSketchStyle == 5; },
                              10000));
}

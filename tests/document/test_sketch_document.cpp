// SPDX-License-Identifier: GPL-3.0-or-later
// The document on its own, over a canvas model without any widget: what a pick
// does to the canvas and what a failed render gives back, the render pass's
// choice of what to render again, and the stored style pair, read once.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

#include "TestSupport.h"
#include "canvas/CanvasModel.h"
#include "canvas/Painting.h"
#include "canvas/Plate.h"
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

// The engine's own rendering of the prepared photo in style, with the shipped texture.
QImage engine(const QImage& prepared, int style) {
  auto texture = platform::GetImageData(platform::imageByScalingForSize(
      QSizeF(prepared.size()), platform::imageWithContentsOfFile(QStringLiteral("sketchbrush.png"))));
  auto raster = platform::GetImageData(prepared);
  if (!texture || !raster) return {};
  sketch::GrayPlane plane;
  auto result = sketch::runStylePipeline(std::move(*raster), style, *texture, plane);
  return result ? platform::toQImage(*result) : QImage();
}

bool samePixels(const QImage& a, const QImage& b) {
  const auto f = QImage::Format_ARGB32_Premultiplied;
  return !a.isNull() && a.size() == b.size() && a.convertToFormat(f) == b.convertToFormat(f);
}

class SketchDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::setResourceRoot(QString());  // the shipped resources, whatever a test before set
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    canvas_ = std::make_unique<canvas::CanvasModel>(canvas::PlateRule::FitPicture, QRectF(0, 0, 800, 600),
                                                    QRectF());
  }
  void TearDown() override {
    // The pass's scratch file is written off the main thread: done before the next test (or the end).
    platform::AsyncImageWriter::shared().waitForIdle();
    document_.reset();
    canvas_.reset();
    platform::UserDefaults::setStorageFile(QString());
  }
  document::SketchDocument* start() {
    document_ = std::make_unique<document::SketchDocument>();
    document_->load();
    document_->setCanvas(canvas_.get(), 0.75f);  // a fixed shape, so that wide and tall photos fit apart
    return document_.get();
  }
  canvas::Painting* painting() { return canvas_->painting(); }
  QImage B() { return painting()->sketchimgview()->image(); }
  QImage A() { return painting()->orgimgview()->image(); }
  QImage W() { return painting()->workimgview()->image(); }

  QTemporaryDir dir_{vorlane_test::testRoot() + "/document-XXXXXX"};
  std::unique_ptr<canvas::CanvasModel> canvas_;
  std::unique_ptr<document::SketchDocument> document_;
};

}  // namespace

// First start: the sketch list opens on style 1 and says so in the settings; numbers past the lists
// are brought into range.
TEST_F(SketchDocumentTest, LoadStartsOnTheFirstStyleAndKeepsStoredNumbersInRange) {
  auto* doc = start();
  EXPECT_EQ(doc->currenttype(), 1);
  EXPECT_EQ(doc->currentAtype(), 0);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  EXPECT_TRUE(defaults().boolForKey("inited"));
  EXPECT_EQ(doc->styleCount(), 8);

  defaults().setIntegerForKey(42, "currenttype");
  defaults().setIntegerForKey(-3, "currentAtype");
  doc = start();
  EXPECT_EQ(doc->currenttype(), 7);
  EXPECT_EQ(doc->currentAtype(), 0);
}

// The phone's pick waits half a second for its pass (a single turn of the event
// loop does not run it); with no delay, as the desktop sets it, that turn does.
TEST_F(SketchDocumentTest, APickWaitsForItsPassOnlyAsLongAsTheLayoutSays) {
  auto* doc = start();
  EXPECT_EQ(doc->pickRenderDelay(), document::SketchDocument::kRenderDelayMs);
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
  EXPECT_TRUE(painting()->imgready());
}

// A pick fits the photo and waits for its pass; the pass puts photo B, photo A and a fresh work
// image on the canvas, rendered by the engine, and stores the pair. Afterwards only what changed
// is rendered again, and the choice is judged against the pair the canvas shows, not against the
// settings file (read once).
TEST_F(SketchDocumentTest, ThePassRendersWhatChangedAgainstThePairTheCanvasShows) {
  defaults().setBoolForKey(true, "inited");
  defaults().setIntegerForKey(3, "currenttype");
  defaults().setIntegerForKey(0, "currentAtype");
  auto* doc = start();
  QSignalSpy picked(doc, &document::SketchDocument::photoPicked);
  QSignalSpy passes(doc, &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(doc->pickImage(photo(640, 480), QStringLiteral("camera")));
  EXPECT_EQ(picked.count(), 1);
  EXPECT_TRUE(doc->busy());
  EXPECT_TRUE(B().isNull());  // nothing on the canvas before the pass
  doc->dosketch();
  ASSERT_EQ(passes.count(), 1);
  EXPECT_TRUE(passes.last().at(0).toBool());
  EXPECT_FALSE(doc->busy());
  EXPECT_TRUE(samePixels(B(), engine(doc->orgimg(), 3)));
  EXPECT_TRUE(samePixels(A(), doc->orgimg()));
  EXPECT_TRUE(samePixels(W(), B()));
  EXPECT_TRUE(painting()->imgready());
  EXPECT_FALSE(painting()->canUndo());

  // Only photo A's style changed: photo B is not rendered again.
  const qint64 bKey = B().cacheKey();
  doc->selectPhotoAStyle(5);
  ASSERT_TRUE(doc->renderIfChanged(0));
  doc->dosketch();
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(samePixels(A(), engine(doc->orgimg(), 5)));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 5);

  // The settings file changed behind the document's back does not make it render: the canvas
  // shows 3 and 5, and so does the choice.
  defaults().setIntegerForKey(6, "currenttype");
  EXPECT_FALSE(doc->renderIfChanged(0));
  doc->selectSketchStyle(3);
  EXPECT_FALSE(doc->renderIfChanged(0));
  doc->selectSketchStyle(2);
  EXPECT_TRUE(doc->renderIfChanged(0));
  doc->dosketch();
  EXPECT_TRUE(samePixels(B(), engine(doc->orgimg(), 2)));
  EXPECT_EQ(defaults().integerForKey("currenttype"), 2);
}

// A photo whose render fails gives everything back: the photo before it, its fit and brush width,
// the selection the canvas shows, and the pictures on the canvas.
TEST_F(SketchDocumentTest, AFailedPassGivesThePreviousPhotoFitAndSelectionBack) {
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
  auto* doc = start();
  ASSERT_TRUE(doc->pickImage(photo(900, 300), QStringLiteral("wide")));
  doc->dosketch();
  ASSERT_TRUE(samePixels(B(), doc->orgimg()));
  const qint64 shown = doc->orgimg().cacheKey(), bKey = B().cacheKey();
  const canvas::PictureFit fit = canvas_->plate()->fit();
  const float width = painting()->linesize();

  QSignalSpy alerts(doc, &document::SketchDocument::alertRequested);
  QSignalSpy selection(doc, &document::SketchDocument::selectionChanged);
  QSignalSpy passes(doc, &document::SketchDocument::renderPassFinished);
  doc->selectSketchStyle(4);
  ASSERT_TRUE(doc->pickImage(photo(200, 600, 1), QStringLiteral("tall")));
  EXPECT_NE(canvas_->plate()->fit().bigwidth, fit.bigwidth);  // the tall photo's fit, until its pass
  EXPECT_NE(painting()->linesize(), width);
  doc->dosketch();
  platform::setResourceRoot(QString());
  ASSERT_EQ(passes.count(), 1);
  EXPECT_FALSE(passes.last().at(0).toBool());
  ASSERT_EQ(alerts.count(), 1);
  EXPECT_EQ(alerts.last().at(0).value<document::SourceAlertTexts>().message,
            QStringLiteral("tall could not be opened: the picture could not be rendered."));
  EXPECT_EQ(doc->orgimg().cacheKey(), shown);
  EXPECT_EQ(doc->photoName(), QStringLiteral("wide"));
  EXPECT_EQ(canvas_->plate()->fit().bigwidth, fit.bigwidth);
  EXPECT_EQ(canvas_->plate()->fit().offsetratio_x, fit.offsetratio_x);
  EXPECT_EQ(canvas_->plate()->fit().offsetratio_y, fit.offsetratio_y);
  EXPECT_EQ(painting()->linesize(), width);
  EXPECT_EQ(doc->currenttype(), 0);
  EXPECT_GE(selection.count(), 1);
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(painting()->sketchready());
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

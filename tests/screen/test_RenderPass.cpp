// SPDX-License-Identifier: GPL-3.0-or-later
// The render pass: what it re-renders, what it resets, what it stores.
#include <QFile>

#include "ScreenFixture.h"
#include "platform/AsyncImageWriter.h"
#include "platform/ImageBridge.h"
#include "platform/Paths.h"
#include "sketch/StylePipeline.h"

class RenderPassTest : public ScreenTest {
 protected:
  canvas::VorlaneView* view() { return controller_->workview(); }
  QImage B() { return view()->sketchimgview()->image(); }
  QImage A() { return view()->orgimgview()->image(); }
  QImage W() { return view()->workimgview()->image(); }
  // Same pixels; an int is a style: the photo's rendering computed straight with the engine.
  static bool same(const QImage& a, const QImage& b) {
    const auto f = QImage::Format_ARGB32_Premultiplied;
    return !a.isNull() && a.size() == b.size() && a.convertToFormat(f) == b.convertToFormat(f);
  }
  bool same(const QImage& a, int style) {
    const QImage photo = controller_->document()->orgimg();
    auto texture = platform::GetImageData(platform::imageByScalingForSize(
        QSizeF(photo.size()), platform::imageWithContentsOfFile(QStringLiteral("sketchbrush.png"))));
    auto raster = platform::GetImageData(photo);
    if (!texture || !raster) return false;
    sketch::GrayPlane plane;
    auto result = sketch::runStylePipeline(std::move(*raster), style, *texture, plane);
    return result && same(a, platform::toQImage(*result));
  }
};

TEST_F(RenderPassTest, NewPhotosRenderBothThenOnlyWhatChangedAndTheWorkIsAlwaysReset) {
  defaults().setIntegerForKey(3, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  EXPECT_FALSE(c->document()->imgchanged());
  EXPECT_EQ(defaults().integerForKey("currenttype"), 3);
  EXPECT_TRUE(defaults().hasKey("currentAtype"));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 0);
  EXPECT_TRUE(same(B(), 3));
  EXPECT_TRUE(same(A(), c->document()->orgimg()));
  EXPECT_TRUE(same(W(), B()));
  // The canvas is ready and starts afresh.
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(view()->model()->painting()->imgready());
  EXPECT_TRUE(view()->model()->painting()->sketchready());
  EXPECT_EQ(view()->model()->painting()->history().currentstep(), 0);
  EXPECT_FALSE(view()->undobtn()->isEnabled());
  EXPECT_FALSE(view()->redobtn()->isEnabled());
  EXPECT_EQ(view()->model()->plate()->baseviewFrame(), QRectF(0, 0, 280, 375));
  platform::AsyncImageWriter::shared().waitForIdle();  // the scratch file holds the work image
  EXPECT_TRUE(same(QImage(platform::scratchFilePath()), W()));

  // Then only what changed is rendered again, and the work is always reset.
  const qint64 bKey = B().cacheKey();
  QImage painted = W();  // something painted on the work image, and a zoom
  painted.fill(Qt::red);
  view()->workimgview()->setImage(painted);
  view()->model()->plate()->setBaseviewFrame(QRectF(-50, -40, 560, 750));
  QFile::remove(platform::scratchFilePath());
  c->didSelectRow(2, 5);
  c->document()->dosketch();
  EXPECT_EQ(B().cacheKey(), bKey);  // not rendered again
  EXPECT_TRUE(same(W(), B()));
  EXPECT_TRUE(same(A(), 5));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 5);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 3);
  platform::AsyncImageWriter::shared().waitForIdle();
  EXPECT_TRUE(QFile::exists(platform::scratchFilePath()));

  const qint64 aKey = A().cacheKey();
  view()->workimgview()->setImage(painted);
  view()->model()->plate()->setBaseviewFrame(QRectF(-50, -40, 560, 750));
  c->document()->dosketch();  // nothing changed
  EXPECT_EQ(A().cacheKey(), aKey);
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(same(W(), B()));
  EXPECT_EQ(view()->model()->plate()->baseviewFrame(), QRectF(0, 0, 280, 375));

  c->didSelectRow(2, 3);  // equal styles give the same rendering
  c->document()->dosketch();
  EXPECT_TRUE(same(A(), B()));
  EXPECT_TRUE(same(A(), 3));

  const qint64 a1Key = A().cacheKey();
  c->didSelectRow(1, 0);  // style 0 shows the photo itself and keeps photo A
  c->document()->dosketch();
  EXPECT_TRUE(same(B(), c->document()->orgimg()));
  EXPECT_TRUE(same(W(), c->document()->orgimg()));
  EXPECT_EQ(A().cacheKey(), a1Key);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);

  // A second photo is always rendered; the phone hides the canvas meanwhile, the tablet does not.
  QSignalSpy done(c->document(),
                  &document::SketchDocument::renderPassFinished);  // the passes above ended inside dosketch()
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("two.png", 120, 160)));
  EXPECT_TRUE(view()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  ASSERT_TRUE(done.wait(20000));
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(same(B(), c->document()->orgimg()));
  EXPECT_EQ(B().size(), QSize(120, 160));
  EXPECT_TRUE(same(A(), 3));
  EXPECT_EQ(c->document()->photoName(), QStringLiteral("two.png"));
  c = startTablet();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("two.png", 120, 160)));
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  EXPECT_TRUE(waitForRender());
}

TEST_F(RenderPassTest, MissingTextureKeepsThePreviousPhoto) {
  // A resource set without the texture: styles 1..7 cannot be rendered, style 0 can.
  writeFile("res/data/AppDataList.plist",
            "<plist><dict><key>sketchtype</key><array><string>a.jpg</string><string>b.jpg</string>"
            "<string>c.jpg</string></array><key>sketchbrush</key><array><string>nothere.png</string></array>"
            "</dict></plist>");
  platform::setResourceRoot(dir_.filePath("res"));
  defaults().setBoolForKey(true, "inited");  // the user chose the photo itself
  defaults().setIntegerForKey(0, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("first.png", 160, 120)));
  const qint64 first = c->document()->orgimg().cacheKey();
  auto fit = [&] {
    return std::tuple(view()->model()->plate()->fit().offsetratio_y, view()->model()->plate()->fit().bigwidth,
                      view()->model()->painting()->linesize());
  };
  const auto firstFit = fit();
  c->didSelectRow(1, 2);
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("second.png", 100, 300)));
  EXPECT_FALSE(waitForRender());
  ASSERT_EQ(renders_->count(), 2);  // it ended, and ended badly
  EXPECT_EQ(c->document()->orgimg().cacheKey(), first);
  EXPECT_EQ(fit(), firstFit);
  EXPECT_EQ(B().size(), QSize(160, 120));
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(view()->model()->painting()->sketchready());
  EXPECT_EQ(c->document()->photoName(), QStringLiteral("first.png"));
  EXPECT_EQ(c->document()->currenttype(), 0);  // the selection is back on what is shown
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);
  EXPECT_ALERT("Cannot Open Photo", "second.png could not be opened: the picture could not be rendered.",
               "OK");
}

TEST_F(RenderPassTest, ARenderedStyleChangeStartsANewHistoryOnTheNewSketch) {
  defaults().setIntegerForKey(3, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  const QPoint a = view()->workview()->geometry().topLeft() + QPoint(60, 150), b = a + QPoint(150, 20);
  for (int stroke = 0; stroke < 2; ++stroke) {  // two strokes with the mouse
    QTest::mousePress(view(), Qt::LeftButton, {}, a + QPoint(0, 30 * stroke));
    QTest::mouseMove(view(), (a + b) / 2 + QPoint(0, 30 * stroke));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, b + QPoint(0, 30 * stroke));
  }
  ASSERT_TRUE(view()->model()->painting()->canUndo());
  ASSERT_FALSE(same(W(), B()));
  QTest::mouseClick(view()->undobtn(), Qt::LeftButton);  // one undone: redo would be possible
  ASSERT_TRUE(view()->model()->painting()->canRedo());
  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);
  clickRow(c->sketchtypetableview(), 5);
  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
  ASSERT_TRUE(waitForRender());
  EXPECT_TRUE(same(B(), 5));
  EXPECT_TRUE(same(W(), B()));  // the painting is gone with the old sketch
  EXPECT_FALSE(view()->model()->painting()->canUndo());
  EXPECT_FALSE(view()->model()->painting()->canRedo());
  EXPECT_FALSE(view()->undobtn()->isEnabled());
  EXPECT_FALSE(view()->redobtn()->isEnabled());
  EXPECT_EQ(view()->model()->painting()->history().steps().size(), 0u);
  EXPECT_EQ(view()->model()->painting()->history().brushindex(), 0);
  QTest::mouseClick(view()->undobtn(), Qt::LeftButton);  // nothing to undo back into the old painting
  EXPECT_TRUE(same(W(), B()));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The render pass on the screen: what it re-renders, what it resets, what it stores.
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
  static bool same(const QImage& a, const QImage& b) {
    const auto f = QImage::Format_ARGB32_Premultiplied;
    return !a.isNull() && a.size() == b.size() && a.convertToFormat(f) == b.convertToFormat(f);
  }
  // The photo's rendering in style, computed straight with the engine.
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
  QImage scratch() {
    platform::AsyncImageWriter::shared().waitForIdle();
    return QImage(platform::scratchFilePath());
  }
  // Something painted on the work image, and a zoom.
  void paintAndZoom() {
    QImage painted = W();
    painted.fill(Qt::red);
    view()->workimgview()->setImage(painted);
    view()->model()->plate()->setBaseviewFrame(QRectF(-50, -40, 560, 750));
  }
};

TEST_F(RenderPassTest, NewPhotosRenderBothThenOnlyWhatChangedAndTheWorkIsAlwaysReset) {
  defaults().setIntegerForKey(3, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  EXPECT_FALSE(c->document()->imgchanged());
  EXPECT_TRUE(defaults().hasKey("currentAtype"));  // the pair shown is stored
  EXPECT_TRUE(same(B(), 3));
  EXPECT_TRUE(same(A(), c->document()->orgimg()));
  EXPECT_TRUE(same(W(), B()));
  // The canvas is ready and starts afresh; the scratch file holds the work image.
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(view()->model()->painting()->imgready() && view()->model()->painting()->sketchready());
  EXPECT_FALSE(view()->undobtn()->isEnabled() || view()->redobtn()->isEnabled());
  EXPECT_EQ(view()->model()->plate()->baseviewFrame(), QRectF(0, 0, 280, 375));
  EXPECT_TRUE(same(scratch(), W()));

  // Then only what changed is rendered again, and the work is always reset.
  const qint64 bKey = B().cacheKey();
  paintAndZoom();
  QFile::remove(platform::scratchFilePath());
  c->didSelectRow(2, 5);
  c->document()->dosketch();
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(same(W(), B()));
  EXPECT_TRUE(same(A(), 5));
  EXPECT_TRUE(same(scratch(), W()));
  const qint64 aKey = A().cacheKey();
  paintAndZoom();
  c->document()->dosketch();  // nothing changed
  EXPECT_EQ(A().cacheKey(), aKey);
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(same(W(), B()));
  EXPECT_EQ(view()->model()->plate()->baseviewFrame(), QRectF(0, 0, 280, 375));
  c->didSelectRow(2, 3);  // equal styles give the same rendering
  c->document()->dosketch();
  EXPECT_TRUE(same(A(), B()));
  const qint64 a3Key = A().cacheKey();
  c->didSelectRow(1, 0);  // style 0 shows the photo itself and keeps photo A
  c->document()->dosketch();
  EXPECT_TRUE(same(B(), c->document()->orgimg()));
  EXPECT_TRUE(same(W(), c->document()->orgimg()));
  EXPECT_EQ(A().cacheKey(), a3Key);

  // A second photo is always rendered; the phone hides the canvas meanwhile, the tablet does not.
  QSignalSpy done(c->document(), &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("two.png", 120, 160)));
  EXPECT_TRUE(view()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  ASSERT_TRUE(done.wait(20000));
  EXPECT_FALSE(view()->isHidden());
  EXPECT_EQ(B().size(), QSize(120, 160));
  EXPECT_TRUE(same(B(), c->document()->orgimg()));
  EXPECT_TRUE(same(A(), 3));
  c = startTablet();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  ASSERT_TRUE(c->document()->pickPhotoFile(writePhoto("two.png", 120, 160)));
  EXPECT_FALSE(view()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  EXPECT_TRUE(waitForRender());
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
  ASSERT_FALSE(same(W(), B()));
  QTest::mouseClick(view()->undobtn(), Qt::LeftButton);  // one undone: redo would be possible
  ASSERT_TRUE(view()->model()->painting()->canRedo());
  QTest::mouseClick(c->showsketchtypeviewbtn(), Qt::LeftButton);
  clickRow(c->sketchtypetableview(), 5);
  QTest::mouseClick(c->bkbtn(), Qt::LeftButton);
  ASSERT_TRUE(waitForRender());
  EXPECT_TRUE(same(B(), 5));
  EXPECT_TRUE(same(W(), B()));  // the painting is gone with the old sketch
  EXPECT_FALSE(view()->undobtn()->isEnabled() || view()->redobtn()->isEnabled());
  EXPECT_EQ(view()->model()->painting()->history().steps().size(), 0u);
  EXPECT_EQ(view()->model()->painting()->history().brushindex(), 0);
  QTest::mouseClick(view()->undobtn(), Qt::LeftButton);  // nothing to undo back into the old painting
  EXPECT_TRUE(same(W(), B()));
}

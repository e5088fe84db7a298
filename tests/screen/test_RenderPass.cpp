// The render pass: what it re-renders, what it resets, what it stores.
#include <QFile>

#include "ScreenFixture.h"
#include "platform/AsyncImageWriter.h"
#include "platform/ImageBridge.h"
#include "platform/Paths.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/PictureButton.h"
#include "sketch/StylePipeline.h"

using namespace screen_test;

namespace {

// The style rendering of the photo computed straight with the engine.
QImage engineRendering(const QImage& photo, int style) {
  const QImage texture =
      platform::imageByScalingForSize(QSizeF(photo.width(), photo.height()),
                                      platform::imageWithContentsOfFile(QStringLiteral("sketchbrush.png")));
  auto textureRaster = platform::GetImageData(texture);
  auto photoRaster = platform::GetImageData(photo);
  if (!textureRaster || !photoRaster) return {};
  sketch::GrayPlane plane;
  auto result = sketch::runStylePipeline(std::move(*photoRaster), style, *textureRaster, plane);
  return result ? platform::toQImage(*result) : QImage();
}

bool samePixels(const QImage& a, const QImage& b) {
  return !a.isNull() && a.size() == b.size() &&
         a.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
             b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

class RenderPassTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    quietSettings();
  }
  VorlaneView* canvas() { return controller_->workview(); }
  QImage B() { return canvas()->sketchimgview()->image(); }
  QImage A() { return canvas()->orgimgview()->image(); }
  QImage W() { return canvas()->workimgview()->image(); }
};

TEST_F(RenderPassTest, NewPhotoStyleThreeWithPhotoItself) {
  defaults().setIntegerForKey(3, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  EXPECT_FALSE(c->imgchanged());
  EXPECT_EQ(defaults().integerForKey("currenttype"), 3);
  EXPECT_TRUE(defaults().hasKey("currentAtype"));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 0);
  EXPECT_TRUE(samePixels(B(), engineRendering(c->orgimg(), 3)));
  EXPECT_FALSE(samePixels(B(), c->orgimg()));
  EXPECT_TRUE(samePixels(A(), c->orgimg()));
  EXPECT_TRUE(samePixels(W(), B()));
  EXPECT_EQ(c->lastwidth(), 320);
  EXPECT_EQ(c->lastheight(), 240);
  EXPECT_EQ(c->grayimgdata().data.size(), size_t(320 * 240));
  // The canvas is ready and starts afresh.
  EXPECT_FALSE(canvas()->isHidden());
  EXPECT_TRUE(canvas()->imgready());
  EXPECT_TRUE(canvas()->sketchready());
  EXPECT_EQ(canvas()->currentstep(), 0);
  EXPECT_EQ(canvas()->brushindex(), 0);
  EXPECT_TRUE(canvas()->steparray().empty());
  EXPECT_FALSE(canvas()->undobtn()->isEnabled());
  EXPECT_FALSE(canvas()->redobtn()->isEnabled());
  EXPECT_EQ(canvas()->baseviewFrame(), QRectF(0, 0, 280, 375));
  EXPECT_TRUE(c->processindicator()->isHidden());
  EXPECT_FALSE(c->processindicator()->isAnimating());
  // The scratch file holds the work image.
  platform::AsyncImageWriter::shared().waitForIdle();
  QImage scratch(platform::scratchFilePath());
  EXPECT_TRUE(samePixels(scratch, W()));
}

TEST_F(RenderPassTest, OnlyPhotoAChangedKeepsPhotoBButResetsTheWork) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 320, 240)));
  const qint64 bKey = B().cacheKey();
  // Something painted on the work image.
  QImage painted = W();
  painted.fill(Qt::transparent);
  canvas()->workimgview()->setImage(painted);
  QFile::remove(platform::scratchFilePath());

  c->didSelectRow(2, 5);
  c->dosketch();
  EXPECT_EQ(B().cacheKey(), bKey);  // not rendered again
  EXPECT_TRUE(samePixels(W(), B()));
  EXPECT_TRUE(samePixels(A(), engineRendering(c->orgimg(), 5)));
  EXPECT_EQ(defaults().integerForKey("currentAtype"), 5);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 1);
  platform::AsyncImageWriter::shared().waitForIdle();
  EXPECT_TRUE(QFile::exists(platform::scratchFilePath()));
}

TEST_F(RenderPassTest, StyleZeroShowsThePhotoAndKeepsPhotoA) {
  auto* c = startPhone();
  c->didSelectRow(2, 4);
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 200, 300)));
  const qint64 aKey = A().cacheKey();
  c->didSelectRow(1, 0);
  c->dosketch();
  EXPECT_TRUE(samePixels(B(), c->orgimg()));
  EXPECT_TRUE(samePixels(W(), c->orgimg()));
  EXPECT_EQ(A().cacheKey(), aKey);
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);
}

TEST_F(RenderPassTest, EqualStylesGiveTheSameRendering) {
  auto* c = startPhone();
  c->didSelectRow(1, 6);
  c->didSelectRow(2, 6);
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 240, 240)));
  EXPECT_TRUE(samePixels(A(), B()));
  EXPECT_TRUE(samePixels(A(), engineRendering(c->orgimg(), 6)));
}

TEST_F(RenderPassTest, UnchangedPassStillResetsWorkAndHistory) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  const qint64 aKey = A().cacheKey();
  const qint64 bKey = B().cacheKey();
  QImage painted = W();
  painted.fill(Qt::red);
  canvas()->workimgview()->setImage(painted);
  canvas()->setBaseviewFrame(QRectF(-50, -40, 560, 750));
  c->dosketch();
  EXPECT_EQ(A().cacheKey(), aKey);
  EXPECT_EQ(B().cacheKey(), bKey);
  EXPECT_TRUE(samePixels(W(), B()));
  EXPECT_EQ(canvas()->baseviewFrame(), QRectF(0, 0, 280, 375));
}

TEST_F(RenderPassTest, SecondPhotoAlwaysRendersAgain) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("one.png", 160, 120)));
  ASSERT_TRUE(pickAndRender(writePhoto("two.png", 120, 160)));
  EXPECT_EQ(B().size(), QSize(120, 160));
  EXPECT_TRUE(samePixels(B(), engineRendering(c->orgimg(), 1)));
  EXPECT_EQ(c->photoName(), QStringLiteral("two.png"));
}

TEST_F(RenderPassTest, PhoneHidesTheCanvasWhileBusyTabletDoesNot) {
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  ASSERT_TRUE(c->pickPhotoFile(writePhoto("q.png", 160, 120)));
  EXPECT_TRUE(canvas()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  ASSERT_TRUE(waitForRender());
  EXPECT_FALSE(canvas()->isHidden());

  controller_.reset();
  c = startTablet();
  ASSERT_TRUE(pickAndRender(writePhoto("p.png", 160, 120)));
  ASSERT_TRUE(c->pickPhotoFile(writePhoto("q.png", 160, 120)));
  EXPECT_FALSE(canvas()->isHidden());
  EXPECT_TRUE(c->processindicator()->isAnimating());
  ASSERT_TRUE(waitForRender());
}

TEST_F(RenderPassTest, MissingTextureKeepsThePreviousPhoto) {
  // A resource set whose texture is missing: styles 1..7 cannot be rendered,
  // the photo itself (style 0) can.
  QDir root(dir_.filePath("res"));
  ASSERT_TRUE(root.mkpath("data"));
  ASSERT_TRUE(root.mkpath("images"));
  ASSERT_TRUE(root.mkpath("strings"));
  QFile list(root.filePath("data/AppDataList.plist"));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
      "<key>sketchbrush</key><array><string>nothere.png</string></array>"
      "<key>sketchtype</key><array><string>a.jpg</string><string>b.jpg</string><string>c.jpg</string></array>"
      "</dict></plist>");
  list.close();
  platform::setResourceRoot(root.path());
  defaults().setBoolForKey(true, "inited");  // the user chose the photo itself
  defaults().setIntegerForKey(0, "currenttype");
  auto* c = startPhone();
  ASSERT_TRUE(pickAndRender(writePhoto("first.png", 160, 120)));
  const QImage first = c->orgimg();
  const float offY = canvas()->offsetratio_y();
  const bool big = canvas()->bigwidth();
  const float line = canvas()->linesize();

  c->didSelectRow(1, 2);
  QSignalSpy done(c, &screen::MainViewController::renderPassFinished);
  ASSERT_TRUE(c->pickPhotoFile(writePhoto("second.png", 100, 300)));
  ASSERT_TRUE(done.wait(20000));
  EXPECT_FALSE(done.last().at(0).toBool());
  EXPECT_EQ(c->orgimg().cacheKey(), first.cacheKey());
  EXPECT_EQ(canvas()->offsetratio_y(), offY);
  EXPECT_EQ(canvas()->bigwidth(), big);
  EXPECT_EQ(canvas()->linesize(), line);
  EXPECT_EQ(B().size(), QSize(160, 120));
  EXPECT_FALSE(canvas()->isHidden());
  EXPECT_TRUE(canvas()->sketchready());
  EXPECT_EQ(c->photoName(), QStringLiteral("first.png"));
  EXPECT_EQ(c->currenttype(), 0);  // the selection is back on what is shown
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);
  ASSERT_EQ(platform::AlertView::visibleAlerts().size(), 1);
  auto* alert = platform::AlertView::visibleAlerts().first();
  EXPECT_EQ(alert->title(), QStringLiteral("Cannot Open Photo"));
  EXPECT_EQ(alert->message(),
            QStringLiteral("second.png could not be opened: the picture could not be rendered."));
  EXPECT_EQ(alert->buttonTitles(), QStringList{QStringLiteral("OK")});
}

// How the more-apps dialog is built and painted, and how it treats touches
// that hit none of its buttons.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "PromoTestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/Resources.h"
#include "promo/UIGotoMoreView.h"

namespace {

const QRgb kBlue = qRgb(0, 174, 241);
const QRgb kWhite = qRgb(255, 255, 255);

bool isRed(QRgb p) {
  return qRed(p) > 240 && qGreen(p) < 15 && qBlue(p) < 15;
}

// Number of pixels of rect in image that are (nearly) the text colour.
int bluePixels(const QImage& image, const QRect& rect) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) < 40 && std::abs(qGreen(p) - 174) < 40 && std::abs(qBlue(p) - 241) < 30) ++n;
    }
  return n;
}

class MoreDialogLook : public testing::Test {
 protected:
  void SetUp() override {
    promo_test::useFreshSettings();
    platform::setDeviceModel("iPhone");
    const QString red = promo_test::writePicture("look-red.png", QSize(40, 80), Qt::red);
    listPath_ = promo_test::writeList(
        "look.plist",
        {{"Title text", "Some words about it, and then some more words.", red, red, "https://x.example/"}});
  }
  QString listPath_;
};

TEST_F(MoreDialogLook, ChildrenAreCreatedInStackingOrder) {
  UIGotoMoreView view(QRectF(0, 0, 320, 480), listPath_);
  QList<QWidget*> order;
  for (QObject* child : view.children())
    if (auto* w = qobject_cast<QWidget*>(child)) order.push_back(w);
  const QList<QWidget*> expected = {view.title(),    view.details(),   view.appicon(), view.demoiimgview0(),
                                    view.getbtn(),   view.getlabel(),  view.morebtn(), view.morelabel(),
                                    view.laterbtn(), view.laterlabel()};
  EXPECT_EQ(order, expected);
}

TEST_F(MoreDialogLook, ButtonsShowTheirPictureAndLocalisedLabels) {
  UIGotoMoreView view(QRectF(0, 0, 320, 480), listPath_);
  const QImage button = platform::imageNamed("BTN_4.png");
  ASSERT_FALSE(button.isNull()) << "BTN_4.png is shipped";
  for (auto* b : {view.getbtn(), view.morebtn(), view.laterbtn()}) EXPECT_EQ(b->image(), button);
  EXPECT_EQ(view.getlabel()->text(), platform::localizedString("Get it"));
  EXPECT_EQ(view.morelabel()->text(), platform::localizedString("More"));
  EXPECT_EQ(view.laterlabel()->text(), platform::localizedString("Next time"));
  for (QLabel* l : {view.getlabel(), view.morelabel(), view.laterlabel(), view.title()}) {
    EXPECT_FALSE(l->text().isEmpty());
    EXPECT_EQ(l->palette().color(QPalette::WindowText).rgba(), kBlue);
    EXPECT_EQ(l->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(l->testAttribute(Qt::WA_TransparentForMouseEvents));
  }
  EXPECT_EQ(view.details()->palette().color(QPalette::Text).rgba(), kBlue);
}

TEST_F(MoreDialogLook, TextAreaTakesNoTouchesNoFocusAndNeverScrolls) {
  QStringList words;
  for (int i = 0; i < 400; ++i) words << QStringLiteral("word%1").arg(i);
  const QString long_ = promo_test::writeList("look-long.plist", {{"T", words.join(' '), "", "", ""}});
  auto host = promo_test::shownHost(QSize(320, 480));
  ASSERT_TRUE(host);
  auto* view = new UIGotoMoreView(QRectF(0, 0, 320, 480), long_, host.get());
  view->show();
  QTextEdit* text = view->details();
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  ASSERT_GT(text->verticalScrollBar()->maximum(), 0) << "the text is longer than its area";

  const QPoint inside = promo_test::centreOf(view->detailsFrame());
  QWheelEvent wheel(QPointF(inside), QPointF(host->mapToGlobal(inside)), QPoint(), QPoint(0, -360),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QGuiApplication::sendEvent(host->windowHandle(), &wheel);
  promo_test::clickAt(host.get(), inside);
  QTest::mousePress(host->windowHandle(), Qt::LeftButton, Qt::NoModifier, inside);
  QTest::mouseMove(host->windowHandle(), inside + QPoint(0, -100));
  QTest::mouseRelease(host->windowHandle(), Qt::LeftButton, Qt::NoModifier, inside + QPoint(0, -100));
  EXPECT_EQ(text->verticalScrollBar()->value(), 0);
  EXPECT_FALSE(text->textCursor().hasSelection());
  EXPECT_FALSE(text->hasFocus());
}

// Counts the presses that reach it.
class PressCounter : public QWidget {
 public:
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    ++presses;
    e->accept();
  }
};

TEST_F(MoreDialogLook, TouchesOutsideTheButtonsStayInTheDialog) {
  PressCounter host;
  host.setFixedSize(320, 480);
  auto* below = new QPushButton("below", &host);  // something of the screen under the dialog
  below->setGeometry(0, 0, 320, 480);
  int belowClicks = 0;
  QObject::connect(below, &QPushButton::clicked, [&] { ++belowClicks; });
  auto* view = new UIGotoMoreView(QRectF(0, 0, 320, 480), listPath_, &host);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  for (const QPoint p :
       {QPoint(5, 5), QPoint(160, 20), promo_test::centreOf(view->appiconFrame()),
        promo_test::centreOf(view->demoFrame()), promo_test::centreOf(view->titleFrame()), QPoint(110, 470)})
    promo_test::clickAt(&host, p);
  EXPECT_EQ(host.presses, 0);
  EXPECT_EQ(belowClicks, 0);
}

TEST_F(MoreDialogLook, PaintsWhiteWithBlueTextsAndRoundedPictures) {
  UIGotoMoreView view(QRectF(0, 0, 320, 480), listPath_);
  view.resize(320, 480);
  const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(320, 480));

  EXPECT_EQ(shot.pixel(2, 2), kWhite);
  EXPECT_EQ(shot.pixel(300, 60), kWhite);
  // Title and text drawn in the text colour.
  EXPECT_GT(bluePixels(shot, view.title()->geometry()), 20);
  EXPECT_GT(bluePixels(shot, view.details()->geometry()), 20);

  // The icon (8, 100.8, 80 x 80) is stretched over its frame and its corners
  // are cut by the radius 8.
  EXPECT_TRUE(isRed(shot.pixel(48, 140)));
  EXPECT_TRUE(isRed(shot.pixel(9, 140)));
  EXPECT_TRUE(isRed(shot.pixel(86, 140)));
  EXPECT_EQ(shot.pixel(9, 102), kWhite);
  EXPECT_EQ(shot.pixel(86, 179), kWhite);
  EXPECT_EQ(shot.pixel(6, 140), kWhite);

  // The demonstration picture (8, 225.6, 304 x 158.33) fits a 40 x 80 picture
  // upright: 79.17 wide, centred, from x 120.42 to 199.58.
  EXPECT_TRUE(isRed(shot.pixel(160, 305)));
  EXPECT_TRUE(isRed(shot.pixel(122, 305)));
  EXPECT_TRUE(isRed(shot.pixel(198, 305)));
  EXPECT_EQ(shot.pixel(110, 305), kWhite);
  EXPECT_EQ(shot.pixel(210, 305), kWhite);
  // A thin blue shadow hugs its edges.
  for (const QPoint p : {QPoint(119, 305), QPoint(200, 305), QPoint(160, 224)}) {
    const QRgb c = shot.pixel(p);
    EXPECT_LT(qRed(c), 235) << p.x() << "," << p.y();
    EXPECT_GT(qBlue(c), qRed(c) + 15) << p.x() << "," << p.y();
    EXPECT_GE(qBlue(c), qGreen(c)) << p.x() << "," << p.y();
  }
  // Its corners are rounded too.
  EXPECT_FALSE(isRed(shot.pixel(121, 226)));
  EXPECT_TRUE(isRed(shot.pixel(121, 240)));
}

TEST_F(MoreDialogLook, TabletDialogFillsItsFrame) {
  platform::setDeviceModel("iPad");
  UIGotoMoreView view(QRectF(0, 0, 768, 1024), listPath_);
  const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(768, 1024));
  EXPECT_EQ(shot.pixel(767, 1023), kWhite);
  // Icon (8, 215.04, 192 x 192).
  EXPECT_TRUE(isRed(shot.pixel(104, 311)));
  EXPECT_EQ(shot.pixel(9, 216), kWhite);
  platform::setDeviceModel("iPhone");
}

}  // namespace

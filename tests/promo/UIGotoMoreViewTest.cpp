// What the more-apps dialog shows for a counter, how "More" flips through the
// list, what its buttons post (driven by real clicks), its out-of-range cases,
// how it keeps touches to itself, and how it paints.
#include <gtest/gtest.h>

#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <vector>

#include "TestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "promo/UIGotoMoreView.h"

namespace {

QString writeFile(const QString& name, const QByteArray& bytes) {
  QFile f(vorlane_test::testRoot() + "/" + name);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                                              : QString();
}

// An XML property list whose root array holds one dict per entry: title, info, icon, demoimg.
QString writeList(const QString& name, const QList<QStringList>& entries) {
  QString xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><array>";
  for (const QStringList& e : entries)
    xml += QString(
               "<dict><key>title</key><string>%1</string><key>info</key><string>%2</string><key>icon</key>"
               "<string>%3</string><key>demoimg</key><string>%4</string></dict>")
               .arg(e[0], e[1], e[2], e[3]);
  return writeFile(name, (xml + "</array></plist>").toUtf8());
}

QString writePicture(const QString& name, QSize size, QColor color) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(color);
  return image.save(vorlane_test::testRoot() + "/" + name, "PNG") ? vorlane_test::testRoot() + "/" + name
                                                                  : "";
}

auto& defaults() {
  return platform::UserDefaults::standardUserDefaults();
}

void click(QWidget* host, QPoint p) {
  QTest::mouseClick(host->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}
QPoint centre(const QRectF& frame) {
  return frame.center().toPoint();
}

// The dialog shows entry index of list, or nothing at all for an index outside it.
void expectShows(const UIGotoMoreView& view, const QVariantList& list, int index) {
  EXPECT_EQ(view.moreidx(), index);
  const QVariantMap e = index >= 0 && index < list.size() ? list.at(index).toMap() : QVariantMap();
  EXPECT_EQ(view.title()->text(), e.value("title").toString());
  EXPECT_EQ(view.details()->toPlainText(), e.value("info").toString());
  EXPECT_EQ(view.appicon()->image(), platform::imageWithContentsOfFile(e.value("icon").toString()));
  EXPECT_EQ(view.demoiimgview0()->image(), platform::imageWithContentsOfFile(e.value("demoimg").toString()));
  EXPECT_EQ(e.isEmpty(), view.title()->text().isEmpty() && view.appicon()->image().isNull());
}

// Records the objects posted under one notification name while it lives.
struct Posts : QObject {
  std::vector<QVariant> got;
  explicit Posts(const char* name) {
    platform::NotificationCenter::defaultCenter().addObserver(
        this, name, [this](const QVariant& o) { got.push_back(o); });
  }
};

// Counts the presses that reach it.
struct PressCounter : QWidget {
  int presses = 0;
  void mousePressEvent(QMouseEvent* e) override {
    ++presses;
    e->accept();
  }
};

class MoreDialog : public testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    platform::UserDefaults::setStorageFile(vorlane_test::testRoot() +
                                           QStringLiteral("/promo-%1.ini").arg(++serial));
    platform::setDeviceModel("iPhone");
    const QString red = writePicture("promo-red.png", QSize(40, 80), Qt::red);
    const QString green = writePicture("promo-green.png", QSize(80, 40), Qt::green);
    const QString blue = writePicture("promo-blue.png", QSize(30, 30), Qt::blue);
    QStringList words;  // more than the text area holds
    for (int i = 0; i < 400; ++i) words << QStringLiteral("word%1").arg(i);
    threePath_ =
        writeList("promo-three.plist", {{"Alpha", "Some words about it, and then some more.", red, red},
                                        {"Beta", words.join(' '), green, blue},
                                        {"Gamma", "Third", blue, green}});
    three_ = platform::readPropertyList(threePath_).toList();
    ASSERT_EQ(three_.size(), 3);
  }

  PressCounter host_;
  QString threePath_;
  QVariantList three_;
};

TEST_F(MoreDialog, ShippedListShowsTheEntryOfTheCounter) {
  const QVariantList list = platform::readPropertyList(UIGotoMoreView::defaultListPath()).toList();
  ASSERT_GE(list.size(), 2) << "the shipped more-apps list";
  // 0, 1, 2 show entry 0; 3, 4, 5 entry 1.
  for (const auto& [counter, entry] : {std::pair{0, 0}, {2, 0}, {3, 1}, {5, 1}}) {
    SCOPED_TRACE(testing::Message() << "more_times " << counter);
    defaults().setIntegerForKey(counter, "more_times");
    UIGotoMoreView view(QRectF(0, 0, 320, 480));
    EXPECT_EQ(view.more_array(), list);
    expectShows(view, list, entry);
    EXPECT_FALSE(view.title()->text().isEmpty() || view.appicon()->image().isNull() ||
                 view.demoiimgview0()->image().isNull())
        << "the title and the pictures named by the list are shipped";
  }
}

// Real clicks in a shown window: only the buttons react, "More" wraps through
// the list, and the owner may remove the dialog inside the notification it posts.
TEST_F(MoreDialog, ButtonsFlipAndPostWhileNothingElseReacts) {
  defaults().setIntegerForKey(4, "more_times");  // entry 1
  host_.setFixedSize(320, 480);
  QPointer<UIGotoMoreView> view = new UIGotoMoreView(QRectF(0, 0, 320, 480), threePath_, &host_);
  host_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
  expectShows(*view, three_, 1);
  Posts gotos("kGotoMore"), kills("kKillMore");
  platform::NotificationCenter::defaultCenter().addObserver(&kills, "kKillMore", [&](const QVariant&) {
    view->hide();
    view->deleteLater();
  });

  // Touches beside the buttons, and a wheel and a drag on the text.
  QTextEdit* text = view->details();
  ASSERT_GT(text->verticalScrollBar()->maximum(), 0) << "the text is longer than its area";
  const QPoint inside = centre(view->detailsFrame());
  for (const QRectF& f : {view->appiconFrame(), view->demoFrame(), view->titleFrame(), view->detailsFrame()})
    click(&host_, centre(f));
  QWheelEvent wheel(QPointF(inside), QPointF(host_.mapToGlobal(inside)), QPoint(), QPoint(0, -360),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QGuiApplication::sendEvent(host_.windowHandle(), &wheel);
  QTest::mousePress(host_.windowHandle(), Qt::LeftButton, Qt::NoModifier, inside);
  QTest::mouseMove(host_.windowHandle(), inside + QPoint(0, -100));
  QTest::mouseRelease(host_.windowHandle(), Qt::LeftButton, Qt::NoModifier, inside + QPoint(0, -100));
  EXPECT_EQ(host_.presses, 0);
  EXPECT_EQ(text->verticalScrollBar()->value(), 0);
  EXPECT_FALSE(text->textCursor().hasSelection());
  EXPECT_FALSE(text->hasFocus());
  expectShows(*view, three_, 1);

  // "Get it" posts the shown entry's index as an int; "More" posts nothing.
  click(&host_, centre(view->getbtnFrame()));
  for (int expected : {2, 0, 1, 2, 0}) {
    click(&host_, centre(view->morebtnFrame()));
    expectShows(*view, three_, expected);
  }
  click(&host_, centre(view->getbtnFrame()));
  ASSERT_EQ(gotos.got.size(), 2u);
  EXPECT_EQ(gotos.got[0].typeId(), QMetaType::Int);
  EXPECT_EQ(gotos.got[0].toInt(), 1);
  EXPECT_EQ(gotos.got[1].toInt(), 0);
  EXPECT_TRUE(kills.got.empty());

  // "Next time" posts no object.
  click(&host_, centre(view->laterbtnFrame()));
  ASSERT_EQ(kills.got.size(), 1u);
  EXPECT_FALSE(kills.got[0].isValid());
  EXPECT_EQ(gotos.got.size(), 2u);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(view.isNull());
  EXPECT_EQ(defaults().integerForKey("more_times"), 4) << "the counter is left to the owner";
}

TEST_F(MoreDialog, OutOfRangeCountersAndBadListsShowNothingAndMoreStartsOver) {
  const QString empty = writeList("promo-empty.plist", {});
  const QString dict = writeFile("promo-dict.plist",
                                 "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>title</key>"
                                 "<string>x</string></dict></plist>");
  const QString textOnly =
      writeList("promo-text.plist", {{"Only text", "No pictures", "no-such-icon.png", ""}});
  const QString missing = vorlane_test::testRoot() + "/promo-no-such.plist";
  // afterMore: the entry "More" turns to (0 also for a list without entries).
  struct Case {
    QString path;
    int counter, index, afterMore;
  };
  const Case cases[] = {{threePath_, 9, 3, 0},   {threePath_, 3000, 1000, 0}, {threePath_, -1, 0, 1},
                        {threePath_, -3, -1, 0}, {threePath_, -7, -2, 0},     {empty, 0, 0, 0},
                        {dict, 0, 0, 0},         {missing, 0, 0, 0},          {textOnly, 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path.toStdString() << " more_times " << c.counter);
    defaults().setIntegerForKey(c.counter, "more_times");
    const QVariantList list = platform::readPropertyList(c.path).toList();
    UIGotoMoreView view(QRectF(0, 0, 320, 480), c.path);
    EXPECT_EQ(view.more_array(), list);
    expectShows(view, list, c.index);
    // The owner decides what an index outside the list means; "Get it" reports it.
    Posts gotos("kGotoMore");
    view.getbtnclicked();
    ASSERT_EQ(gotos.got.size(), 1u);
    EXPECT_EQ(gotos.got[0].toInt(), c.index);
    view.moremorebtnclicked();
    expectShows(view, list, c.afterMore);
  }
}

bool isRed(QRgb p) {
  return qRed(p) > 240 && qGreen(p) < 15 && qBlue(p) < 15;
}

TEST_F(MoreDialog, PaintsWhiteWithTextColouredWordsAndRoundedPictures) {
  UIGotoMoreView view(QRectF(0, 0, 320, 480), threePath_);  // entry 0
  const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(320, 480));
  const QRgb white = qRgb(255, 255, 255), blue = qRgb(0, 174, 241);
  EXPECT_EQ(shot.pixel(2, 2), white);
  EXPECT_EQ(shot.pixel(300, 60), white);

  // Title and text are written in the text colour, and so are the labels of the
  // buttons, which wear BTN_4.png.
  for (QWidget* w : {static_cast<QWidget*>(view.title()), static_cast<QWidget*>(view.details())}) {
    int n = 0;
    const QRect r = w->geometry();
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const QRgb p = shot.pixel(x, y);
        n += qRed(p) < 40 && std::abs(qGreen(p) - 174) < 40 && std::abs(qBlue(p) - 241) < 30;
      }
    EXPECT_GT(n, 20) << w->metaObject()->className();
  }
  const std::pair<QLabel*, const char*> labels[] = {
      {view.getlabel(), "Get it"}, {view.morelabel(), "More"}, {view.laterlabel(), "Next time"}};
  for (const auto& [label, key] : labels) {
    EXPECT_TRUE(!label->text().isEmpty() && label->text() == platform::localizedString(key)) << key;
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), blue);
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
  }
  ASSERT_FALSE(platform::imageNamed("BTN_4.png").isNull());
  for (auto* b : {view.getbtn(), view.morebtn(), view.laterbtn()})
    EXPECT_EQ(b->image(), platform::imageNamed("BTN_4.png"));

  // The icon (8, 100.8, 80 x 80) is stretched over its frame, corners cut by the radius 8.
  for (const QPoint p : {QPoint(48, 140), QPoint(9, 140), QPoint(86, 140)}) EXPECT_TRUE(isRed(shot.pixel(p)));
  for (const QPoint p : {QPoint(9, 102), QPoint(86, 179), QPoint(6, 140)}) EXPECT_EQ(shot.pixel(p), white);
  // The demonstration picture (8, 225.6, 304 x 158.33) fits the 40 x 80 picture
  // upright: 79.17 wide, centred, from x 120.42 to 199.58, with rounded corners.
  for (const QPoint p : {QPoint(160, 305), QPoint(122, 305), QPoint(198, 305), QPoint(121, 240)})
    EXPECT_TRUE(isRed(shot.pixel(p)));
  EXPECT_FALSE(isRed(shot.pixel(121, 226)));
  EXPECT_EQ(shot.pixel(110, 305), white);
  EXPECT_EQ(shot.pixel(210, 305), white);
  // A thin blue shadow hugs its edges.
  for (const QPoint p : {QPoint(119, 305), QPoint(200, 305), QPoint(160, 224)}) {
    const QRgb c = shot.pixel(p);
    EXPECT_TRUE(qRed(c) < 235 && qBlue(c) > qRed(c) + 15 && qBlue(c) >= qGreen(c)) << p.x() << "," << p.y();
  }
}

}  // namespace

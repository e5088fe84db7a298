// What the more-apps dialog shows for a counter, how "More" flips through the
// list, and what its buttons post, driven by real clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <vector>

#include "PromoTestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "promo/UIGotoMoreView.h"

namespace {

using promo_test::ListEntry;

QVariantList shippedList() {
  return platform::readPropertyList(UIGotoMoreView::defaultListPath()).toList();
}

bool showsNothing(const UIGotoMoreView& view) {
  return view.title()->text().isEmpty() && view.details()->toPlainText().isEmpty() &&
         view.appicon()->image().isNull() && view.demoiimgview0()->image().isNull();
}

// The dialog shows exactly the entry of list at index.
void expectShows(const UIGotoMoreView& view, const QVariantList& list, int index) {
  ASSERT_GE(index, 0);
  ASSERT_LT(index, list.size());
  const QVariantMap e = list.at(index).toMap();
  EXPECT_EQ(view.moreidx(), index);
  EXPECT_EQ(view.title()->text(), e.value("title").toString());
  EXPECT_EQ(view.details()->toPlainText(), e.value("info").toString());
  EXPECT_EQ(view.appicon()->image(), platform::imageWithContentsOfFile(e.value("icon").toString()));
  EXPECT_EQ(view.demoiimgview0()->image(), platform::imageWithContentsOfFile(e.value("demoimg").toString()));
}

class MoreDialog : public testing::Test {
 protected:
  void SetUp() override {
    promo_test::useFreshSettings();
    platform::setDeviceModel("iPhone");
    red_ = promo_test::writePicture("promo-red.png", QSize(40, 80), Qt::red);
    green_ = promo_test::writePicture("promo-green.png", QSize(80, 40), Qt::green);
    blue_ = promo_test::writePicture("promo-blue.png", QSize(30, 30), Qt::blue);
    threePath_ = promo_test::writeList("promo-three.plist",
                                       {{"Alpha", "First entry", red_, green_, "https://a.example/"},
                                        {"Beta", "Second entry", green_, blue_, "https://b.example/"},
                                        {"Gamma", "Third", blue_, red_, "https://c.example/"}});
    three_ = platform::readPropertyList(threePath_).toList();
    ASSERT_EQ(three_.size(), 3);
  }
  void TearDown() override { platform::setDeviceModel("iPhone"); }

  QString red_, green_, blue_, threePath_;
  QVariantList three_;
};

TEST_F(MoreDialog, ShippedListShowsTheEntryOfTheCounter) {
  const QVariantList list = shippedList();
  ASSERT_GE(list.size(), 2) << "the shipped more-apps list";
  // 0, 1, 2 show entry 0; 3, 4, 5 entry 1.
  for (const auto& [counter, entry] : {std::pair{0, 0}, {2, 0}, {3, 1}, {5, 1}}) {
    SCOPED_TRACE(testing::Message() << "more_times " << counter);
    promo_test::setCounter(counter);
    UIGotoMoreView view(QRectF(0, 0, 320, 480));
    EXPECT_EQ(view.more_array(), list);
    expectShows(view, list, entry);
    EXPECT_FALSE(view.title()->text().isEmpty());
    EXPECT_FALSE(view.appicon()->image().isNull()) << "the icon named by the list is shipped";
    EXPECT_FALSE(view.demoiimgview0()->image().isNull()) << "the demonstration picture is shipped";
  }
}

TEST_F(MoreDialog, CounterPastTheEndShowsNothingAndMoreStartsOver) {
  for (int counter : {9, 10, 3000}) {
    promo_test::setCounter(counter);
    UIGotoMoreView view(QRectF(0, 0, 320, 480), threePath_);
    EXPECT_EQ(view.moreidx(), counter / 3);
    EXPECT_TRUE(showsNothing(view)) << counter;
    view.moremorebtnclicked();
    expectShows(view, three_, 0);
  }
}

TEST_F(MoreDialog, NegativeCounterShowsNothingAndMoreStartsOver) {
  // -1 / 3 truncates to entry 0; -3 and below point before the list.
  promo_test::setCounter(-1);
  {
    UIGotoMoreView view(QRectF(0, 0, 320, 480), threePath_);
    expectShows(view, three_, 0);
  }
  for (int counter : {-3, -7}) {
    promo_test::setCounter(counter);
    UIGotoMoreView view(QRectF(0, 0, 320, 480), threePath_);
    EXPECT_EQ(view.moreidx(), counter / 3);
    EXPECT_TRUE(showsNothing(view));
    view.moremorebtnclicked();
    expectShows(view, three_, 0);
  }
}

TEST_F(MoreDialog, EmptyMissingOrMalformedListShowsNothing) {
  const QString empty = promo_test::writeList("promo-empty.plist", {});
  const QString notAList = promo_test::testPath("promo-dict.plist");
  QFile f(notAList);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "<?xml version=\"1.0\"?><plist "
      "version=\"1.0\"><dict><key>title</key><string>x</string></dict></plist>");
  f.close();
  for (const QString& path : {empty, notAList, promo_test::testPath("promo-no-such.plist")}) {
    SCOPED_TRACE(path.toStdString());
    UIGotoMoreView view(QRectF(0, 0, 320, 480), path);
    EXPECT_TRUE(view.more_array().isEmpty());
    EXPECT_EQ(view.moreidx(), 0);
    EXPECT_TRUE(showsNothing(view));
    view.moremorebtnclicked();
    EXPECT_EQ(view.moreidx(), 0);
    EXPECT_TRUE(showsNothing(view));
  }
}

TEST_F(MoreDialog, EntryWithMissingPicturesShowsItsTexts) {
  const QString path = promo_test::writeList(
      "promo-missing.plist", {{"Only text", "No pictures", "no-such-icon.png", "", "https://x.example/"}});
  UIGotoMoreView view(QRectF(0, 0, 320, 480), path);
  EXPECT_EQ(view.title()->text(), "Only text");
  EXPECT_EQ(view.details()->toPlainText(), "No pictures");
  EXPECT_TRUE(view.appicon()->image().isNull());
  EXPECT_TRUE(view.demoiimgview0()->image().isNull());
}

TEST_F(MoreDialog, MoreFlipsThroughTheListAndWrapsWithoutTouchingTheCounter) {
  promo_test::setCounter(4);  // entry 1
  auto host = promo_test::shownHost(QSize(320, 480));
  ASSERT_TRUE(host);
  auto* view = new UIGotoMoreView(QRectF(0, 0, 320, 480), threePath_, host.get());
  view->show();
  expectShows(*view, three_, 1);
  const QPoint more = promo_test::centreOf(view->morebtnFrame());
  for (int expected : {2, 0, 1, 2, 0}) {
    promo_test::clickAt(host.get(), more);
    expectShows(*view, three_, expected);
  }
  EXPECT_EQ(promo_test::counter(), 4);
}

TEST_F(MoreDialog, ButtonsPostTheirNotifications) {
  promo_test::setCounter(2);  // entry 0
  auto host = promo_test::shownHost(QSize(320, 480));
  ASSERT_TRUE(host);
  auto* view = new UIGotoMoreView(QRectF(0, 0, 320, 480), threePath_, host.get());
  view->show();

  QObject observer;
  std::vector<QVariant> gotos, kills;
  auto& center = platform::NotificationCenter::defaultCenter();
  center.addObserver(&observer, "kGotoMore", [&](const QVariant& o) { gotos.push_back(o); });
  center.addObserver(&observer, "kKillMore", [&](const QVariant& o) { kills.push_back(o); });

  // "Get it" on the entry it opened with.
  promo_test::clickAt(host.get(), promo_test::centreOf(view->getbtnFrame()));
  ASSERT_EQ(gotos.size(), 1u);
  EXPECT_EQ(gotos[0].typeId(), QMetaType::Int);
  EXPECT_EQ(gotos[0].toInt(), 0);
  EXPECT_TRUE(kills.empty());

  // "More" posts nothing; "Get it" then carries the flipped-to index.
  promo_test::clickAt(host.get(), promo_test::centreOf(view->morebtnFrame()));
  promo_test::clickAt(host.get(), promo_test::centreOf(view->morebtnFrame()));
  EXPECT_EQ(gotos.size(), 1u);
  promo_test::clickAt(host.get(), promo_test::centreOf(view->getbtnFrame()));
  ASSERT_EQ(gotos.size(), 2u);
  EXPECT_EQ(gotos[1].toInt(), 2);

  // "Next time" posts no object.
  promo_test::clickAt(host.get(), promo_test::centreOf(view->laterbtnFrame()));
  ASSERT_EQ(kills.size(), 1u);
  EXPECT_FALSE(kills[0].isValid());
  EXPECT_EQ(gotos.size(), 2u);

  // The dialog leaves the counter to its owner.
  EXPECT_EQ(promo_test::counter(), 2);
}

TEST_F(MoreDialog, GetItPastTheEndPostsTheIndexItHolds) {
  // The owner decides what an index outside the list means; the dialog reports it.
  promo_test::setCounter(12);
  UIGotoMoreView view(QRectF(0, 0, 320, 480), threePath_);
  QObject observer;
  std::vector<QVariant> gotos;
  platform::NotificationCenter::defaultCenter().addObserver(&observer, "kGotoMore",
                                                            [&](const QVariant& o) { gotos.push_back(o); });
  view.getbtnclicked();
  ASSERT_EQ(gotos.size(), 1u);
  EXPECT_EQ(gotos[0].toInt(), 4);
}

TEST_F(MoreDialog, ClosingFromTheNotificationIsSafe) {
  // The owner removes the dialog from inside the notification it posts.
  auto host = promo_test::shownHost(QSize(320, 480));
  ASSERT_TRUE(host);
  QPointer<UIGotoMoreView> view = new UIGotoMoreView(QRectF(0, 0, 320, 480), threePath_, host.get());
  view->show();
  QObject observer;
  platform::NotificationCenter::defaultCenter().addObserver(&observer, "kKillMore", [&](const QVariant&) {
    view->hide();
    view->deleteLater();
  });
  promo_test::clickAt(host.get(), promo_test::centreOf(view->laterbtnFrame()));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(view.isNull());
}

TEST_F(MoreDialog, FontsFollowTheDeviceModelNotTheFrame) {
  struct Case {
    const char* model;
    QRectF frame;
    int title, text, label;
  };
  const Case cases[] = {
      {"iPad", QRectF(0, 0, 768, 1024), 38, 32, 34},
      {"iPad", QRectF(0, 0, 320, 480), 38, 32, 34},
      {"iPhone", QRectF(0, 0, 320, 568), 18, 16, 18},
      {"iPhone", QRectF(0, 0, 768, 1024), 18, 16, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    platform::setDeviceModel(c.model);
    UIGotoMoreView view(c.frame, threePath_);
    EXPECT_EQ(view.title()->font().pixelSize(), c.title);
    EXPECT_EQ(view.details()->font().pixelSize(), c.text);
    for (QLabel* label : {view.getlabel(), view.morelabel(), view.laterlabel()})
      EXPECT_EQ(label->font().pixelSize(), c.label);
  }
}

std::vector<QString>* g_logLines = nullptr;

void captureLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
  if (g_logLines && context.category && QByteArray(context.category) == "vorlane")
    g_logLines->push_back(message);
}

TEST_F(MoreDialog, CheckDeviceMatchesTheModelAndLogsIt) {
  std::vector<QString> lines;
  g_logLines = &lines;
  const QtMessageHandler previous = qInstallMessageHandler(captureLog);
  platform::setDeviceModel("iPad");
  UIGotoMoreView view(QRectF(0, 0, 768, 1024), threePath_);
  EXPECT_TRUE(view.checkDevice("iPad"));
  EXPECT_FALSE(view.checkDevice("iPhone"));
  platform::setDeviceModel("iPhone");
  EXPECT_FALSE(view.checkDevice("iPad"));
  qInstallMessageHandler(previous);
  g_logLines = nullptr;
  // One line from construction, one per call.
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "deviceType = iPad");
  EXPECT_EQ(lines[1], "deviceType = iPad");
  EXPECT_EQ(lines[3], "deviceType = iPhone");
}

}  // namespace

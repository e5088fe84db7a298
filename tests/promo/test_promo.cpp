// SPDX-License-Identifier: GPL-3.0-or-later
// The more-apps dialog: frames, fonts, entries, real clicks, bad counters and lists, and its look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <array>

#include "TestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "promo/MoreDialogLayout.h"
#include "promo/UIGotoMoreView.h"

namespace {

using platform::NotificationCenter;
using platform::UserDefaults;

using Frame = std::array<float, 4>;  // the frame model holds single-precision values

// Frames: title, text area, icon, demonstration picture, "Get it", "More", "Next time"; the
// picture's height is (W - 16) * 400 / 768. Fonts (title, text, labels) follow the device model.
TEST(MoreDialogLayout, FramesOfTheThreeScreenSizesAndFontsOfTheDeviceModel) {
  const float pd = float(475.0 / 3.0), td = float(1175.0 / 3.0);
  const std::tuple<float, float, const char*, std::array<int, 3>, std::array<Frame, 7>> cases[] = {
      // clang-format off
      {320, 480, "iPad", {38, 32, 34}, {{{0, 38.4f, 320, 32}, {85, 72, 235, 160}, {8, 100.8f, 80, 80},
       {8, 225.6f, 304, pd}, {20, 412.8f, 80, 40}, {120, 412.8f, 80, 40}, {220, 412.8f, 80, 40}}}},
      {320, 568, "iPhone", {18, 16, 18}, {{{0, 45.44f, 320, 32}, {85, 85.2f, 235, 160}, {8, 119.28f, 80, 80},
       {8, 266.96f, 304, pd}, {20, 488.48f, 80, 40}, {120, 488.48f, 80, 40}, {220, 488.48f, 80, 40}}}},
      {768, 1024, "iPhone", {18, 16, 18}, {{{0, 81.92f, 768, 76.8f}, {197, 153.6f, 571, 384}, {8, 215.04f, 192, 192},
       {8, 481.28f, 752, td}, {48, 880.64f, 192, 96}, {288, 880.64f, 192, 96}, {528, 880.64f, 192, 96}}}},
      // clang-format on
  };
  UserDefaults::setStorageFile(vorlane_test::testRoot() + "/promo-layout.ini");
  for (const auto& [w, h, model, fonts, frames] : cases) {
    SCOPED_TRACE(testing::Message() << w << " x " << h << " " << model);
    platform::setDeviceModel(model);
    promo::UIGotoMoreView view(QRectF(0, 0, w, h));
    EXPECT_EQ(view.checkDevice("iPad"), QByteArray(model) == "iPad");
    const promo::MoreDialogLayout l = promo::moreDialogLayout(w, h);
    const QRectF laid[] = {l.title, l.details, l.appicon, l.demo, l.getbtn, l.morebtn, l.laterbtn};
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(
          (Frame{float(laid[i].x()), float(laid[i].y()), float(laid[i].width()), float(laid[i].height())}),
          frames[i])
          << i;
    EXPECT_EQ(view.demoiimgview0()->frameRect().translated(view.demoiimgview0()->pos()), l.demo);
    EXPECT_EQ(view.laterlabel()->geometry(), view.laterbtn()->geometry());  // each label lies over its button
    EXPECT_EQ((std::array{view.title()->font().pixelSize(), view.details()->font().pixelSize(),
                          view.laterlabel()->font().pixelSize()}),
              fonts);
  }
}

// A file under the test root; without bytes, an XML property list of entries (title, info, icon, demoimg).
QString write(const QString& name, QByteArray bytes, const QList<QStringList>& entries = {}) {
  const QString entry =
      "<dict><key>title</key><string>%1</string><key>info</key><string>%2</string><key>icon"
      "</key><string>%3</string><key>demoimg</key><string>%4</string></dict>";
  if (bytes.isEmpty()) bytes = "<?xml version=\"1.0\"?><plist version=\"1.0\"><array></array></plist>";
  for (const QStringList& e : entries)
    bytes.insert(bytes.indexOf("</array>"), entry.arg(e[0], e[1], e[2], e[3]).toUtf8());
  QFile f(vorlane_test::testRoot() + "/" + name);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName() : "";
}

struct Posts : QObject {  // records the objects posted under one name while it lives
  std::vector<QVariant> got;
  explicit Posts(const char* name) {
    NotificationCenter::defaultCenter().addObserver(this, name, [this](auto& o) { got.push_back(o); });
  }
};

// The dialog holds list and shows its entry index, or nothing at all for an index outside it.
void expectShows(const promo::UIGotoMoreView& view, const QVariantList& list, int index) {
  EXPECT_EQ(view.more_array(), list);
  EXPECT_EQ(view.moreidx(), index);
  const QVariantMap e = index >= 0 && index < list.size() ? list.at(index).toMap() : QVariantMap();
  EXPECT_EQ(view.title()->text(), e.value("title").toString());
  EXPECT_EQ(view.details()->toPlainText(), e.value("info").toString());
  EXPECT_EQ(view.appicon()->image(), platform::imageWithContentsOfFile(e.value("icon").toString()));
  EXPECT_EQ(view.demoiimgview0()->image(), platform::imageWithContentsOfFile(e.value("demoimg").toString()));
  EXPECT_EQ(e.isEmpty(), view.title()->text().isEmpty());
  EXPECT_EQ(e.isEmpty(), view.appicon()->image().isNull());
}

// Three entries: red 40 x 80 and 80 x 40 pictures, and a text longer than its area.
class MoreDialog : public testing::Test {
 protected:
  void SetUp() override {
    UserDefaults::setStorageFile(vorlane_test::testRoot() + "/promo.ini");
    platform::setDeviceModel("iPhone");
    setCounter(0);
    const QString red = vorlane_test::testRoot() + "/tall.png", wide = vorlane_test::testRoot() + "/wide.png";
    QImage picture(40, 80, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(red));
    ASSERT_TRUE(picture.transformed(QTransform().rotate(90)).save(wide));
    QStringList words;
    for (int i = 0; i < 400; ++i) words << QStringLiteral("word%1").arg(i);
    path_ = write("three.plist", {},
                  {{"A", "Words.", red, red}, {"B", words.join(' '), wide, red}, {"C", "", red, wide}});
    three_ = platform::readPropertyList(path_).toList();
    ASSERT_EQ(three_.size(), 3);
  }
  static void setCounter(int n) { UserDefaults::standardUserDefaults().setIntegerForKey(n, "more_times"); }
  QString path_;
  QVariantList three_;
};

// Three counts per entry: 0 to 2 show entry 0, 3 to 5 entry 1.
TEST_F(MoreDialog, ShippedListShowsTheEntryOfTheCounter) {
  const QVariantList list = platform::readPropertyList(promo::UIGotoMoreView::defaultListPath()).toList();
  ASSERT_GE(list.size(), 2) << "the shipped more-apps list";
  for (const auto& [counter, entry] : {std::pair{0, 0}, {2, 0}, {3, 1}, {5, 1}}) {
    setCounter(counter);
    promo::UIGotoMoreView view(QRectF(0, 0, 320, 480));
    expectShows(view, list, entry);
    EXPECT_FALSE(view.title()->text().isEmpty()) << counter;
    EXPECT_FALSE(view.demoiimgview0()->image().isNull()) << counter;
  }
}

struct PressCounter : QWidget {
  int presses = 0;
  void mousePressEvent(QMouseEvent* e) override { ++presses, e->accept(); }
};

// Real clicks: only the buttons react, "More" wraps, and the owner may delete the dialog as it posts.
TEST_F(MoreDialog, ButtonsFlipAndPostWhileNothingElseReacts) {
  setCounter(4);  // entry 1
  PressCounter host;
  host.setFixedSize(320, 480);
  QPointer<promo::UIGotoMoreView> view = new promo::UIGotoMoreView(QRectF(0, 0, 320, 480), path_, &host);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  QWindow* window = host.windowHandle();
  const auto click = [&](QRectF f) { QTest::mouseClick(window, Qt::LeftButton, {}, f.center().toPoint()); };
  Posts gotos("kGotoMore"), kills("kKillMore");
  NotificationCenter::defaultCenter().addObserver(&kills, "kKillMore", [&](auto&) { view->deleteLater(); });

  // Touches beside the buttons, and a wheel on the text.
  ASSERT_GT(view->details()->verticalScrollBar()->maximum(), 0) << "the text is longer than its area";
  for (const QRectF& f : {view->appiconFrame(), view->demoFrame(), view->titleFrame(), view->detailsFrame()})
    click(f);
  const QPoint in = view->detailsFrame().center().toPoint();
  QWheelEvent wheel(in, host.mapToGlobal(in), {}, {0, -360}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QGuiApplication::sendEvent(window, &wheel);
  EXPECT_EQ(host.presses, 0);
  EXPECT_EQ(view->details()->verticalScrollBar()->value(), 0);
  expectShows(*view, three_, 1);

  // "Get it" posts the shown entry's index as an int; "More" posts nothing; "Next time" no object.
  click(view->getbtnFrame());
  for (int expected : {2, 0, 1, 2, 0}) {
    click(view->morebtnFrame());
    expectShows(*view, three_, expected);
  }
  click(view->getbtnFrame());
  ASSERT_EQ(gotos.got, (std::vector<QVariant>{1, 0}));
  EXPECT_EQ(gotos.got[0].typeId(), QMetaType::Int);
  click(view->laterbtnFrame());
  ASSERT_EQ(kills.got.size(), 1u);
  EXPECT_FALSE(kills.got[0].isValid());
  EXPECT_EQ(gotos.got.size(), 2u);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(view.isNull());
  EXPECT_EQ(UserDefaults::standardUserDefaults().integerForKey("more_times"), 4) << "left to the owner";
}

// afterMore: the entry "More" turns to (0 also for a list without entries). The
// owner decides what an index outside the list means; "Get it" reports it.
TEST_F(MoreDialog, OutOfRangeCountersAndBadListsShowNothingAndMoreStartsOver) {
  const QString empty = write("empty.plist", {}), missing = vorlane_test::testRoot() + "/none.plist";
  const QString dict = write("dict.plist",
                             "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>title"
                             "</key><string>x</string></dict></plist>");
  const std::tuple<QString, int, int, int> cases[] = {
      {path_, 9, 3, 0},   {path_, 3000, 1000, 0}, {path_, -1, 0, 1}, {path_, -3, -1, 0},
      {path_, -7, -2, 0}, {empty, 0, 0, 0},       {dict, 0, 0, 0},   {missing, 0, 0, 0}};
  for (const auto& [path, counter, index, afterMore] : cases) {
    SCOPED_TRACE(testing::Message() << path.toStdString() << " more_times " << counter);
    setCounter(counter);
    const QVariantList list = platform::readPropertyList(path).toList();
    promo::UIGotoMoreView view(QRectF(0, 0, 320, 480), path);
    expectShows(view, list, index);
    Posts gotos("kGotoMore");
    view.getbtnclicked();
    EXPECT_EQ(gotos.got, std::vector<QVariant>{index});
    view.moremorebtnclicked();
    expectShows(view, list, afterMore);
  }
}

// White; labels in the text colour on BTN_4.png; the icon stretched over its frame
// (8, 100.8, 80 x 80), corners cut by the radius 8; the demonstration picture
// (8, 225.6, 304 x 158.33) fits the 40 x 80 picture upright: from x 120.42 to 199.58.
TEST_F(MoreDialog, PaintsWhiteWithTextColouredLabelsAndFittedRoundedPictures) {
  promo::UIGotoMoreView view(QRectF(0, 0, 320, 480), path_);  // entry 0
  const QImage s = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(s.size(), QSize(320, 480));
  const auto isRed = [&](int x, int y) { return qRed(s.pixel(x, y)) > 240 && qGreen(s.pixel(x, y)) < 15; };
  const auto isWhite = [&](int x, int y) { return s.pixel(x, y) == qRgb(255, 255, 255); };
  EXPECT_EQ(view.morelabel()->palette().color(QPalette::WindowText).rgb(), qRgb(0, 174, 241));
  EXPECT_EQ(view.morelabel()->text(), platform::localizedString("More"));
  EXPECT_FALSE(platform::imageNamed("BTN_4.png").isNull());
  EXPECT_TRUE(view.getbtn()->image() == platform::imageNamed("BTN_4.png"));
  // The icon, and the demonstration picture from x 120.42 to 199.58 and y 225.6 down.
  for (auto [x, y] :
       {std::pair{48, 140}, {9, 140}, {86, 140}, {160, 305}, {122, 305}, {198, 305}, {121, 240}})
    EXPECT_TRUE(isRed(x, y)) << x << "," << y;
  EXPECT_FALSE(isRed(121, 226));
  // The icon's cut corners, and white around the pictures.
  for (auto [x, y] : {std::pair{9, 102}, {86, 179}, {6, 140}, {2, 2}, {110, 305}, {210, 305}})
    EXPECT_TRUE(isWhite(x, y)) << x << "," << y;
}

// Every label of every button, and every title of the shipped list, fits its frame in both
// profiles with the fonts of scripts/deps.sh; only "Next time" on the phone needs a smaller size.
TEST(MoreDialogLabels, FitTheirFramesInBothProfiles) {
  ASSERT_EQ(QFontInfo(QApplication::font()).family(), "DejaVu Sans") << "the font scripts/deps.sh installs";
  UserDefaults::setStorageFile(vorlane_test::testRoot() + "/promo-labels.ini");
  const auto fits = [](const platform::FittedLabel* label, int size) {
    QFont font = label->font();
    font.setPixelSize(size);
    return QFontMetricsF(font).horizontalAdvance(label->text()) <= label->width() &&
           vorlane_test::drawTextUnclipped(font, label->text(), label->size(), Qt::AlignHCenter)
                   .outsideAlpha == 0;
  };
  for (const auto& [w, h, model] :
       {std::tuple{320, 480, "iPhone"}, {320, 568, "iPhone"}, {768, 1024, "iPad"}}) {
    platform::setDeviceModel(model);
    promo::UIGotoMoreView view(QRectF(0, 0, w, h));
    const bool phone = QByteArray(model) == "iPhone";
    const std::pair<const platform::FittedLabel*, bool> labels[] = {
        {view.getlabel(), true}, {view.morelabel(), true}, {view.laterlabel(), !phone}};
    for (const auto& [label, kept] : labels) {
      SCOPED_TRACE(testing::Message() << label->text().toStdString() << " " << w << " x " << h);
      const int asked = label->font().pixelSize(), drawn = label->drawnPixelSize();
      EXPECT_EQ(drawn == asked, kept) << drawn;
      EXPECT_TRUE(fits(label, drawn));
      EXPECT_EQ(fits(label, drawn + 1), drawn == asked && fits(label, drawn + 1))
          << "the largest size that fits";
    }
    for (int entry = 0; entry < view.more_array().size(); ++entry, view.moremorebtnclicked())
      EXPECT_TRUE(fits(view.title(), view.title()->drawnPixelSize())) << view.title()->text().toStdString();
  }
}

}  // namespace

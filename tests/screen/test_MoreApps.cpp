// SPDX-License-Identifier: GPL-3.0-or-later
// The more-apps dialog: when it comes, which entry, and how its buttons move "more_times".

#include "ScreenFixture.h"
#include "platform/NotificationCenter.h"
#include "promo/UIGotoMoreView.h"

class MoreAppsTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    writeFile("res/data/more.plist",  // two entries, in a resource folder of its own
              "<plist version=\"1.0\"><array>"
              "<dict><key>title</key><string>First</string><key>link</key><string>https://a/</string></dict>"
              "<dict><key>title</key><string>Second</string><key>link</key><string>https://b/</string></dict>"
              "</array></plist>");
    platform::setResourceRoot(dir_.filePath(QStringLiteral("res")));
  }
  int counter() { return defaults().integerForKey(QStringLiteral("more_times")); }

  // Lets the clock run a day (when each showing falls due is the schedule's own test) and
  // checks the dialog, if one came, covers the screen and takes the taps.
  promo::UIGotoMoreView* fire() {
    auto* c = controller_.get();
    EXPECT_EQ(c->gotomoreview(), nullptr);  // none is showing
    clock_.advance(24 * 3600 * 1000);
    promo::UIGotoMoreView* dialog = c->gotomoreview();
    if (!dialog) return nullptr;
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->geometry(), c->rect());
    EXPECT_TRUE(dialog == c->childAt(160, 30) || dialog->isAncestorOf(c->childAt(160, 30)));
    return dialog;
  }
};

TEST_F(MoreAppsTest, ButtonsMoveTheCounterAsTheyShould) {
  // The counter before, the clicks (G "Get it", M "More", L "Next time"), the counter after,
  // the link opened, and the entry shown next time (-1: no more showings).
  for (auto [start, clicks, after, link, next] :
       std::initializer_list<std::tuple<int, const char*, int, const char*, int>>{
           {0, "G", 3, "https://a/", 1},   // "Get it" at once: on to entry 1
           {0, "MG", 1, "https://b/", 0},  // flipped first: one step only
           {3, "ML", 4, "", 1},            // "More" on the last entry wraps to entry 0
           {2, "L", 3, "", 1},             // each entry three times...
           {3, "G", 6, "https://b/", -1},
           {5, "L", 6, "", -1},      // ...then retired for good
           {6, "", 6, "", -1},       // past the end: never shown
           {-1, "", -1, "", -1}}) {  // a negative counter counts as huge
    SCOPED_TRACE(std::to_string(start) + " " + clicks);
    defaults().setIntegerForKey(start, QStringLiteral("more_times"));
    opened_.clear();
    auto* c = startPhone(568);
    c->schedule()->showmoredlgafter(1);  // scheduling twice never makes a second showing
    promo::UIGotoMoreView* dialog = fire();
    EXPECT_EQ(counter(), start);
    EXPECT_EQ(dialog != nullptr, *clicks != 0);
    if (!dialog) continue;
    EXPECT_EQ(dialog->moreidx(), start / 3);
    EXPECT_EQ(dialog->title()->text(), start < 3 ? "First" : "Second");
    for (const char* b = clicks; *b; ++b) {
      const int before = dialog->moreidx();
      QTest::mouseClick(
          QList{dialog->getbtn(), dialog->morebtn(), dialog->laterbtn()}[QByteArray("GML").indexOf(*b)],
          Qt::LeftButton);
      QCoreApplication::processEvents();
      if (*b == 'M') {  // flips the entry, counts nothing
        EXPECT_EQ(dialog->moreidx(), 1 - before);
        EXPECT_EQ(counter(), start);
      }
    }
    EXPECT_EQ(counter(), after);
    EXPECT_EQ(opened_, *link ? QList<QUrl>{QUrl(link)} : QList<QUrl>());
    dialog = fire();
    EXPECT_EQ(dialog ? dialog->moreidx() : -1, next);
  }
}

TEST_F(MoreAppsTest, AnIndexThatNamesNoEntryOpensNothingButCounts) {
  int expected = 1;
  defaults().setIntegerForKey(expected, QStringLiteral("more_times"));
  auto* c = startPhone();
  for (const QVariant& object : {QVariant(2), QVariant(-1), QVariant(QStringLiteral("one")), QVariant()}) {
    SCOPED_TRACE(object.toString().toStdString());
    ASSERT_NE(fire(), nullptr);
    platform::NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("kGotoMore"), object);
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_EQ(counter(), ++expected);
    EXPECT_EQ(c->schedule()->more_times(), expected);
  }
  EXPECT_NE(fire(), nullptr);  // the last one went, and one showing is left
}

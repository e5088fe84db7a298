// SPDX-License-Identifier: GPL-3.0-or-later
// Alerts driven by real clicks and keys; the delegate hears the creation-order index once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include "TestSupport.h"
#include "platform/widgets/AlertView.h"

using platform::AlertView;

namespace {

struct Dismissal { int index, tag; QString title; bool stillListed; };

class AlertViewTest : public testing::Test, public platform::AlertViewDelegate {
 protected:
  void alertViewDidDismissWithButtonIndex(AlertView* alert, int index) override {
    calls.push_back({index, alert->tag(), alert->title(), AlertView::visibleAlerts().contains(alert)});
  }
  void SetUp() override { window.show(); }
  void TearDown() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
  }
  static void click(AlertView* alert, const QString& text) {
    for (QAbstractButton* b : alert->messageBox()->buttons())
      if (b->text() == text) return QTest::mouseClick(b, Qt::LeftButton);
  }
  QWidget window;
  std::vector<Dismissal> calls;
};

}  // namespace

TEST_F(AlertViewTest, IndicesFollowCreationOrderAndArriveOnceTheAlertIsGone) {
  // Several buttons of mixed roles: the layout may reorder them, the indices not.
  const QStringList titles{"Cancel", "First", "Second", "Third"};
  for (int target = 0; target < 4; ++target) {
    QPointer<AlertView> alert(new AlertView("Rate?", "message", this, "Cancel", {"First", "Second"}));
    EXPECT_EQ(alert->addButtonWithTitle("Third"), 3);
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    alert->setTag(10 + target);
    alert->show(&window);
    QMessageBox* box = alert->messageBox();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    click(alert, titles[target]);
    ASSERT_EQ(calls.size(), std::size_t(target + 1)) << target;
    const Dismissal& told = calls.back();  // already off screen when told
    EXPECT_EQ(told.index, target);
    EXPECT_EQ(told.tag, 10 + target);
    EXPECT_EQ(told.title, "Rate?");
    EXPECT_FALSE(told.stillListed) << target;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alert.isNull());
  }
}

TEST_F(AlertViewTest, EscapeAndClosingCountAsCancelAndAlertsStayListedUntilDismissed) {
  auto* first = new AlertView("How to", "msg", this, "Cancel", {"A", "B"});
  auto* second = new AlertView("Title", "msg", this, "Cancel", {"A"});
  QPointer<AlertView> lone(new AlertView("Title", "msg", nullptr, "OK"));  // no delegate: still cleans up
  first->setTag(5);
  first->show(&window);
  first->show(&window);  // a second show changes nothing
  second->show(&window);
  lone->show(&window);
  EXPECT_EQ(AlertView::visibleAlerts(), (QList<AlertView*>{first, second, lone}));
  second->messageBox()->close();
  click(lone, "OK");
  EXPECT_EQ(AlertView::visibleAlerts(), QList<AlertView*>{first});
  QTest::keyClick(first->messageBox(), Qt::Key_Escape);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].index, 0);
  EXPECT_EQ(calls[0].title, "Title");
  EXPECT_EQ(calls[1].index, 0);
  EXPECT_EQ(calls[1].tag, 5);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(lone.isNull());
}

TEST_F(AlertViewTest, WindowOrAlertDeletedWhileShownGoesWithoutACallback) {
  auto* host = new QWidget;
  host->show();
  QPointer<AlertView> orphan(new AlertView("Title", "msg", this, "OK"));
  orphan->show(host);
  auto* alert = new AlertView("Title", "msg", this, "OK");
  alert->show(&window);
  QPointer<QMessageBox> box(alert->messageBox());
  delete host;
  EXPECT_EQ(AlertView::visibleAlerts(), QList<AlertView*>{alert});
  delete alert;  // takes its box along
  EXPECT_TRUE(box.isNull());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(orphan.isNull());
  EXPECT_TRUE(calls.empty());
}

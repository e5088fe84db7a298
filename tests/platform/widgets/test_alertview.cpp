// Alerts driven like a user would: real clicks on the message box's buttons, a
// real Escape key; the delegate hears the creation-order index once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/widgets/AlertView.h"

using platform::AlertView;
using platform::AlertViewDelegate;

namespace {

struct Dismissal {
  int index, tag;
  QString title;
  bool stillListed;
};

class RecordingDelegate : public AlertViewDelegate {
 public:
  void alertViewDidDismissWithButtonIndex(AlertView* alert, int index) override {
    calls.push_back({index, alert->tag(), alert->title(), AlertView::visibleAlerts().contains(alert)});
  }
  std::vector<Dismissal> calls;
};

QAbstractButton* buttonTitled(QMessageBox* box, const QString& text) {
  for (QAbstractButton* b : box->buttons())
    if (b->text() == text) return b;
  return nullptr;
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AlertViewTest : public testing::Test {
 protected:
  void SetUp() override { window.show(); }
  void TearDown() override {
    flushDeletes();
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
  }
  QWidget window;
  RecordingDelegate delegate;
};

}  // namespace

TEST_F(AlertViewTest, ClickingYesReportsIndexOneWithTheTagOnceTheAlertIsGone) {
  const QString message = "Could you give us a rate and some suggestions to improve this App?";
  auto* alert = new AlertView("Rate?", message, &delegate, "No");
  EXPECT_EQ(alert->addButtonWithTitle("Yes"), 1);
  alert->setTag(2);
  EXPECT_EQ(alert->cancelButtonIndex(), 0);
  QPointer<AlertView> alive(alert);
  alert->show(&window);
  QMessageBox* box = alert->messageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_EQ(box->parentWidget(), &window);
  EXPECT_EQ(box->text(), QString("Rate?"));
  EXPECT_EQ(box->informativeText(), message);

  QTest::mouseClick(buttonTitled(box, "Yes"), Qt::LeftButton);
  ASSERT_EQ(delegate.calls.size(), 1u);
  EXPECT_EQ(delegate.calls[0].index, 1);
  EXPECT_EQ(delegate.calls[0].tag, 2);
  EXPECT_EQ(delegate.calls[0].title, QString("Rate?"));
  EXPECT_FALSE(delegate.calls[0].stillListed);  // already off screen when told
  flushDeletes();
  EXPECT_TRUE(alive.isNull());
  EXPECT_EQ(delegate.calls.size(), 1u);
}

TEST_F(AlertViewTest, IndicesFollowCreationOrderNotLayoutOrder) {
  // Several buttons of mixed roles: the layout may reorder them, the indices not.
  const QStringList titles{"Cancel", "First", "Second", "Third"};
  for (int target = 0; target < 4; ++target) {
    SCOPED_TRACE(titles[target].toStdString());
    auto* alert = new AlertView("Pick", "one", &delegate, "Cancel", {"First", "Second"});
    EXPECT_EQ(alert->addButtonWithTitle("Third"), 3);
    alert->setTag(10 + target);
    alert->show(&window);
    QTest::mouseClick(buttonTitled(alert->messageBox(), titles[target]), Qt::LeftButton);
    ASSERT_EQ(delegate.calls.size(), static_cast<size_t>(target + 1));
    EXPECT_EQ(delegate.calls.back().index, target);
    EXPECT_EQ(delegate.calls.back().tag, 10 + target);
    flushDeletes();
  }
}

TEST_F(AlertViewTest, EscapeAndClosingCountAsCancel) {
  auto* first = new AlertView("Title", "msg", &delegate, "Cancel", {"A", "B"});
  first->setTag(5);
  first->show(&window);
  QTest::keyClick(first->messageBox(), Qt::Key_Escape);
  auto* second = new AlertView("Title", "msg", &delegate, "Cancel", {"A"});
  second->show(&window);
  second->messageBox()->close();
  ASSERT_EQ(delegate.calls.size(), 2u);
  EXPECT_EQ(delegate.calls[0].index, 0);
  EXPECT_EQ(delegate.calls[0].tag, 5);
  EXPECT_EQ(delegate.calls[1].index, 0);
}

TEST_F(AlertViewTest, TitleLessAlertShowsOnlyItsMessage) {
  auto* alert = new AlertView("", "Saved to the album.", &delegate, "OK");
  alert->show(&window);
  EXPECT_EQ(alert->messageBox()->text(), QString("Saved to the album."));
  EXPECT_TRUE(alert->messageBox()->informativeText().isEmpty());
  QTest::mouseClick(buttonTitled(alert->messageBox(), "OK"), Qt::LeftButton);
  ASSERT_EQ(delegate.calls.size(), 1u);
  EXPECT_EQ(delegate.calls[0].index, 0);
}

TEST_F(AlertViewTest, SeveralAlertsAreListedUntilEachIsDismissed) {
  auto* help = new AlertView("How to", "text", &delegate, "OK");
  auto* rate = new AlertView("Rate?", "text", &delegate, "No", {"Yes"});
  help->show(&window);
  help->show(&window);  // a second show changes nothing
  rate->show(&window);
  EXPECT_EQ(AlertView::visibleAlerts(), (QList<AlertView*>{help, rate}));
  QTest::mouseClick(buttonTitled(rate->messageBox(), "Yes"), Qt::LeftButton);
  EXPECT_EQ(AlertView::visibleAlerts(), QList<AlertView*>{help});
  QTest::mouseClick(buttonTitled(help->messageBox(), "OK"), Qt::LeftButton);
  ASSERT_EQ(delegate.calls.size(), 2u);
  EXPECT_EQ(delegate.calls[0].title, QString("Rate?"));
  EXPECT_EQ(delegate.calls[1].title, QString("How to"));
}

TEST_F(AlertViewTest, AlertWithoutDelegateStillCleansUp) {
  QPointer<AlertView> alert(new AlertView("Title", "msg", nullptr, "OK"));
  alert->show(&window);
  QTest::mouseClick(buttonTitled(alert->messageBox(), "OK"), Qt::LeftButton);
  flushDeletes();
  EXPECT_TRUE(alert.isNull());
}

TEST_F(AlertViewTest, WindowOrAlertDeletedWhileShownGoesWithoutACallback) {
  auto* host = new QWidget;
  host->show();
  QPointer<AlertView> orphan(new AlertView("Title", "msg", &delegate, "OK"));
  orphan->show(host);
  auto* alert = new AlertView("Title", "msg", &delegate, "OK");
  alert->show(&window);
  QPointer<QMessageBox> box(alert->messageBox());
  EXPECT_EQ(AlertView::visibleAlerts().size(), 2);
  delete host;
  EXPECT_EQ(AlertView::visibleAlerts(), QList<AlertView*>{alert});
  delete alert;  // takes its box along
  EXPECT_TRUE(box.isNull());
  flushDeletes();
  EXPECT_TRUE(orphan.isNull());
  EXPECT_TRUE(delegate.calls.empty());
}

// The notification centre: delivery by name and order, payloads, and observers
// that go away (removed or destroyed) before or during a post.
#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "platform/NotificationCenter.h"

using platform::NotificationCenter;

TEST(NotificationCenter, DeliversToEveryObserverOfTheNameInOrder) {
  NotificationCenter center;
  QObject a, b;
  std::vector<QString> calls;
  center.addObserver(&a, "kGotoMore", [&](const QVariant& o) { calls.push_back("a:" + o.toString()); });
  center.addObserver(&b, "kGotoMore", [&](const QVariant& o) { calls.push_back("b:" + o.toString()); });
  center.addObserver(&a, "kKillMore",
                     [&](const QVariant& o) { calls.push_back(o.isValid() ? "kill?" : "kill"); });

  center.postNotificationName("kGotoMore", 2);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "a:2");
  EXPECT_EQ(calls[1], "b:2");

  calls.clear();
  center.postNotificationName("kKillMore");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "kill");

  calls.clear();
  center.postNotificationName("kgotomore", 1);  // names are exact
  center.postNotificationName("nobody");
  EXPECT_TRUE(calls.empty());
}

TEST(NotificationCenter, IntegerPayloadArrivesAsAnInteger) {
  NotificationCenter center;
  QObject o;
  int received = -1;
  bool wasInt = false;
  center.addObserver(&o, "kGotoMore", [&](const QVariant& v) {
    wasInt = v.typeId() == QMetaType::Int;
    received = v.toInt();
  });
  center.postNotificationName("kGotoMore", QVariant(3));
  EXPECT_TRUE(wasInt);
  EXPECT_EQ(received, 3);
}

TEST(NotificationCenter, DestroyedObserversAreDroppedAutomatically) {
  NotificationCenter center;
  int calls = 0;
  auto doomed = std::make_unique<QObject>();
  QObject keeper;
  center.addObserver(doomed.get(), "n", [&](const QVariant&) { calls += 100; });
  center.addObserver(doomed.get(), "m", [&](const QVariant&) { calls += 100; });
  center.addObserver(&keeper, "n", [&](const QVariant&) { calls += 1; });
  EXPECT_EQ(center.observerCount(), 3);
  doomed.reset();
  EXPECT_EQ(center.observerCount(), 1);
  EXPECT_EQ(center.observerCount("m"), 0);
  center.postNotificationName("n");
  center.postNotificationName("m");
  EXPECT_EQ(calls, 1);
}

TEST(NotificationCenter, RemoveObserverDropsAllItsRegistrationsOnly) {
  NotificationCenter center;
  QObject a, b;
  int aCalls = 0, bCalls = 0;
  center.addObserver(&a, "n", [&](const QVariant&) { ++aCalls; });
  center.addObserver(&a, "n", [&](const QVariant&) { ++aCalls; });
  center.addObserver(&b, "n", [&](const QVariant&) { ++bCalls; });
  center.postNotificationName("n");
  EXPECT_EQ(aCalls, 2);
  center.removeObserver(&a);
  center.removeObserver(&a);  // twice is harmless
  center.removeObserver(nullptr);
  center.postNotificationName("n");
  EXPECT_EQ(aCalls, 2);
  EXPECT_EQ(bCalls, 2);

  // Registered again after removal, it is still dropped on destruction.
  {
    QObject c;
    center.addObserver(&c, "n", [&](const QVariant&) { ++aCalls; });
    center.removeObserver(&c);
    center.addObserver(&c, "n", [&](const QVariant&) { ++aCalls; });
    EXPECT_EQ(center.observerCount("n"), 2);
  }
  EXPECT_EQ(center.observerCount("n"), 1);
}

TEST(NotificationCenter, ChangesDuringAPostAreSafe) {
  NotificationCenter center;
  QObject first, second, late;
  auto victim = std::make_unique<QObject>();
  std::vector<QString> calls;
  // first removes second, deletes victim and adds late while the post runs.
  center.addObserver(&first, "n", [&](const QVariant&) {
    calls.push_back("first");
    center.removeObserver(&second);
    victim.reset();
    center.addObserver(&late, "n", [&](const QVariant&) { calls.push_back("late"); });
  });
  center.addObserver(&second, "n", [&](const QVariant&) { calls.push_back("second"); });
  center.addObserver(victim.get(), "n", [&](const QVariant&) { calls.push_back("victim"); });

  center.postNotificationName("n");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "first");

  calls.clear();
  center.postNotificationName("n");  // first runs again and adds late once more
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "first");
  EXPECT_EQ(calls[1], "late");
}

TEST(NotificationCenter, AnObserverMayRemoveItselfOrPostAgainFromItsHandler) {
  NotificationCenter center;
  QObject self, other;
  int selfCalls = 0, otherCalls = 0;
  center.addObserver(&self, "once", [&](const QVariant&) {
    ++selfCalls;
    center.removeObserver(&self);
    center.postNotificationName("echo", selfCalls);
  });
  center.addObserver(&other, "echo", [&](const QVariant& v) { otherCalls += v.toInt(); });
  center.postNotificationName("once");
  center.postNotificationName("once");
  EXPECT_EQ(selfCalls, 1);
  EXPECT_EQ(otherCalls, 1);
}

TEST(NotificationCenter, RefusesMissingObserverOrHandler) {
  NotificationCenter center;
  QObject o;
  center.addObserver(nullptr, "n", [](const QVariant&) {});
  center.addObserver(&o, "n", {});
  EXPECT_EQ(center.observerCount(), 0);
  center.postNotificationName("n");
  EXPECT_EQ(&NotificationCenter::defaultCenter(), &NotificationCenter::defaultCenter());
}

TEST(NotificationCenter, ObserversOutlivingTheCentreAreHarmless) {
  auto observer = std::make_unique<QObject>();
  {
    NotificationCenter center;
    center.addObserver(observer.get(), "n", [](const QVariant&) {});
  }
  observer.reset();  // its destroyed signal must not reach the dead centre
  SUCCEED();
}

// The notification centre: delivery by name and order, payloads, and observers
// that go away (removed or destroyed) before or during a post.
#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "platform/NotificationCenter.h"

using platform::NotificationCenter;

namespace {
// A handler that adds its observer's mark to `calls`.
NotificationCenter::Handler note(QString& calls, const char* mark) {
  return [&calls, mark](const QVariant&) { calls += mark; };
}
}  // namespace

TEST(NotificationCenter, DeliversThePayloadToEveryObserverOfTheExactNameInOrder) {
  NotificationCenter center;
  QObject a, b;
  std::vector<QString> calls;
  center.addObserver(&a, "kGotoMore", [&](const QVariant& o) {
    calls.push_back(o.typeId() == QMetaType::Int ? "a:" + o.toString() : "a:not an int");
  });
  center.addObserver(&b, "kGotoMore", [&](const QVariant& o) { calls.push_back("b:" + o.toString()); });
  center.addObserver(&a, "kKillMore",
                     [&](const QVariant& o) { calls.push_back(o.isValid() ? "kill?" : "kill"); });
  center.addObserver(nullptr, "kKillMore", [](const QVariant&) {});  // refused: no observer
  center.addObserver(&a, "kKillMore", {});                           // refused: no handler
  EXPECT_EQ(center.observerCount(), 3);

  center.postNotificationName("kGotoMore", QVariant(2));
  center.postNotificationName("kKillMore");
  center.postNotificationName("kgotomore", 1);  // names are exact
  center.postNotificationName("nobody");
  EXPECT_EQ(calls, (std::vector<QString>{"a:2", "b:2", "kill"}));
}

TEST(NotificationCenter, RemovedOrDestroyedObserversAreDroppedWholly) {
  QObject keeper;  // outlives the centre: its destroyed signal must not reach the dead centre
  NotificationCenter center;
  QObject a;
  auto doomed = std::make_unique<QObject>();
  QString calls;
  center.addObserver(&a, "n", note(calls, "a"));
  center.addObserver(&a, "n", note(calls, "a"));
  center.addObserver(doomed.get(), "n", note(calls, "d"));
  center.addObserver(doomed.get(), "m", note(calls, "d"));
  center.addObserver(&keeper, "n", note(calls, "k"));
  center.postNotificationName("n");
  center.removeObserver(&a);
  center.removeObserver(&a);  // twice is harmless
  center.removeObserver(nullptr);
  doomed.reset();
  EXPECT_EQ(center.observerCount(), 1);
  center.postNotificationName("n");
  center.postNotificationName("m");
  EXPECT_EQ(calls, QString("aadkk"));
  {  // registered again after removal, it is still dropped on destruction
    QObject c;
    center.addObserver(&c, "n", [](const QVariant&) {});
    center.removeObserver(&c);
    center.addObserver(&c, "n", [](const QVariant&) {});
    EXPECT_EQ(center.observerCount("n"), 2);
  }
  EXPECT_EQ(center.observerCount("n"), 1);
}

TEST(NotificationCenter, ChangesAndPostsFromInsideAHandlerAreSafe) {
  NotificationCenter center;
  QObject first, second, late, self, other;
  auto victim = std::make_unique<QObject>();
  QString calls;
  // first removes second, deletes victim and adds late while the post runs;
  // self removes itself and posts another name from its handler.
  center.addObserver(&first, "n", [&](const QVariant&) {
    calls += "F";
    center.removeObserver(&second);
    victim.reset();
    center.addObserver(&late, "n", note(calls, "L"));
  });
  center.addObserver(&second, "n", note(calls, "S"));
  center.addObserver(victim.get(), "n", note(calls, "V"));
  center.addObserver(&self, "n", [&](const QVariant&) {
    calls += "self";
    center.removeObserver(&self);
    center.postNotificationName("echo");
  });
  center.addObserver(&other, "echo", note(calls, "-echo"));
  center.postNotificationName("n");
  EXPECT_EQ(calls, QString("Fself-echo"));
  center.postNotificationName("n");  // first runs again and adds late once more
  EXPECT_EQ(calls, QString("Fself-echoFL"));
}

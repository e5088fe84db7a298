// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A notification centre: observers register a handler under a name and are
// called, in order of registration, whenever that name is posted. An observer
// is dropped automatically when its QObject is destroyed. Main thread only.
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace platform {

class NotificationCenter {
 public:
  using Handler = std::function<void(const QVariant& object)>;

  static NotificationCenter& defaultCenter();

  NotificationCenter();
  ~NotificationCenter();
  NotificationCenter(const NotificationCenter&) = delete;
  NotificationCenter& operator=(const NotificationCenter&) = delete;

  // Several handlers may be registered per observer and per name. A null
  // observer or an empty handler is refused.
  void addObserver(QObject* observer, const QString& name, Handler handler);
  // Removes every registration of the observer.
  void removeObserver(QObject* observer);
  // Calls the handlers registered under name when the post starts. A handler
  // removed (or whose observer dies) during the post is not called afterwards;
  // one added during the post is called from the next post on.
  void postNotificationName(const QString& name, const QVariant& object = {});

  // Number of registrations, all names (or only under name when given).
  int observerCount(const QString& name = {}) const;

 private:
  struct Entry;
  void forget(QObject* observer);

  std::vector<std::shared_ptr<Entry>> entries_;
  std::unique_ptr<QObject> context_;  // receiver of the observers' destroyed signals
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NotificationCenter.h"

#include <QObject>
#include <QPointer>
#include <algorithm>

#include "platform/Log.h"

namespace platform {

struct NotificationCenter::Entry {
  QObject* key = nullptr;      // identity of the observer, also after it is gone
  QPointer<QObject> observer;  // null once the observer is destroyed
  QString name;
  Handler handler;
  bool removed = false;
};

NotificationCenter& NotificationCenter::defaultCenter() {
  static NotificationCenter center;
  return center;
}

NotificationCenter::NotificationCenter() : context_(std::make_unique<QObject>()) {}

NotificationCenter::~NotificationCenter() = default;

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler) {
  if (!observer || !handler) {
    qCWarning(lcVorlane) << "notification centre: observer or handler missing for" << name;
    return;
  }
  const bool known = std::any_of(entries_.begin(), entries_.end(),
                                 [observer](const auto& entry) { return entry->key == observer; });
  if (!known) {
    // The context object ties the connection to this centre's lifetime.
    QObject::connect(observer, &QObject::destroyed, context_.get(), [this, observer] { forget(observer); });
  }
  auto entry = std::make_shared<Entry>();
  entry->key = observer;
  entry->observer = observer;
  entry->name = name;
  entry->handler = std::move(handler);
  entries_.push_back(std::move(entry));
}

void NotificationCenter::removeObserver(QObject* observer) {
  if (!observer) return;
  QObject::disconnect(observer, &QObject::destroyed, context_.get(), nullptr);
  forget(observer);
}

void NotificationCenter::forget(QObject* observer) {
  for (auto& entry : entries_)
    if (entry->key == observer) entry->removed = true;
  std::erase_if(entries_, [observer](const auto& entry) { return entry->key == observer; });
}

void NotificationCenter::postNotificationName(const QString& name, const QVariant& object) {
  // Work on a snapshot: handlers may add or remove observers, or post again.
  std::vector<std::shared_ptr<Entry>> targets;
  for (const auto& entry : entries_)
    if (entry->name == name) targets.push_back(entry);
  for (const auto& entry : targets) {
    if (entry->removed || !entry->observer) continue;
    // Keep the handler alive even if its entry is removed while it runs.
    const Handler handler = entry->handler;
    handler(object);
  }
}

int NotificationCenter::observerCount(const QString& name) const {
  if (name.isEmpty()) return static_cast<int>(entries_.size());
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [&name](const auto& entry) { return entry->name == name; }));
}

}  // namespace platform

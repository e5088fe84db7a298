// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ShowInFolder.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

#include "platform/Desktop.h"

namespace desktop {

namespace {

// Long enough for a file manager that the call starts to come up, short
// enough that the folder still opens while the user waits for it.
constexpr int kShowItemTimeoutMs = 4000;

void showItemOnSessionBus(const QString& path, QObject* context, std::function<void(bool)> answered) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    answered(false);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kShowItemTimeoutMs), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [watcher, answered = std::move(answered)] {
                     watcher->deleteLater();
                     answered(!watcher->isError());
                   });
}

ShowItemCall& showItemCall() {
  static ShowItemCall call;
  return call;
}

}  // namespace

void showInFolder(const QString& path, QObject* context, std::function<void(bool)> done) {
  const ShowItemCall call = showItemCall() ? showItemCall() : showItemOnSessionBus;
  call(path, context, [path, guard = QPointer<QObject>(context), done = std::move(done)](bool shown) {
    if (!guard) return;
    done(shown || platform::openURL(QUrl::fromLocalFile(QFileInfo(path).absolutePath())));
  });
}

void setShowItemCall(ShowItemCall call) {
  showItemCall() = std::move(call);
}

}  // namespace desktop

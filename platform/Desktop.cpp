// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Desktop.h"

#include <QDesktopServices>

#include "platform/Log.h"

namespace platform {
namespace {

std::function<bool(const QUrl&)>& opener() {
  static std::function<bool(const QUrl&)> f;
  return f;
}

}  // namespace

bool openURL(const QUrl& url) {
  if (!url.isValid() || url.isEmpty()) {
    qCWarning(lcVorlane) << "not opening an invalid link:" << url.toString();
    return false;
  }
  if (opener()) return opener()(url);
  return QDesktopServices::openUrl(url);
}

void setUrlOpener(std::function<bool(const QUrl&)> f) {
  opener() = std::move(f);
}

}  // namespace platform

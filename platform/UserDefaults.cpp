// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <limits>
#include <optional>

#include "platform/Log.h"

namespace platform {
namespace {

QString g_storageFile;  // empty: the default file

QString defaultStorageFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
         QStringLiteral("/settings.ini");
}

std::unique_ptr<UserDefaults>& standardInstance() {
  static std::unique_ptr<UserDefaults> instance;
  return instance;
}

// Reads a stored value as a number: INI files keep everything as text, and a
// hand-edited file may say "true" or "3.0".
std::optional<qlonglong> asNumber(const QVariant& value) {
  if (!value.isValid()) return std::nullopt;
  if (value.typeId() == QMetaType::Bool) return value.toBool() ? 1 : 0;
  const QString text = value.toString().trimmed();
  bool ok = false;
  const qlonglong whole = text.toLongLong(&ok);
  if (ok) return whole;
  const double real = text.toDouble(&ok);
  if (ok && real > -9.2e18 && real < 9.2e18) return static_cast<qlonglong>(real);
  const QString lower = text.toLower();
  if (lower == QLatin1String("true") || lower == QLatin1String("yes")) return 1;
  if (lower == QLatin1String("false") || lower == QLatin1String("no")) return 0;
  return std::nullopt;
}

// Opens the settings on iniPath. QSettings parses an INI file's sections only
// when a key is first asked for, and reports a damaged file only then: every
// key is asked for here, so that the damage is found before anything is read
// or written. A damaged file is moved aside (to iniPath + ".damaged") and the
// settings start empty: a half-read file would keep junk keys and lose others
// silently, and QSettings would write the junk back.
std::unique_ptr<QSettings> openSettings(const QString& iniPath) {
  auto settings = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
  settings->allKeys();
  if (settings->status() != QSettings::FormatError) {
    if (settings->status() != QSettings::NoError)
      qCWarning(lcVorlane) << "settings file could not be read:" << iniPath;
    return settings;
  }
  const QString aside = iniPath + QStringLiteral(".damaged");
  QFile::remove(aside);
  if (!QFile::rename(iniPath, aside)) {
    qCWarning(lcVorlane) << "settings file is damaged and could not be moved aside:" << iniPath;
    return settings;
  }
  qCWarning(lcVorlane) << "settings file was damaged, moved to" << aside;
  // Closed first: a second QSettings on the same file while this one lives
  // would share its parsed keys.
  settings.reset();
  return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

}  // namespace

UserDefaults& UserDefaults::standardUserDefaults() {
  auto& instance = standardInstance();
  if (!instance) instance = std::make_unique<UserDefaults>(storageFile());
  return *instance;
}

void UserDefaults::setStorageFile(const QString& iniPath) {
  g_storageFile = iniPath;
  auto& instance = standardInstance();
  // Re-open in place so that references handed out earlier stay valid.
  if (instance) {
    instance->settings_.reset();
    instance->settings_ = openSettings(storageFile());
    instance->lastWriteOk_ = true;
  }
}

QString UserDefaults::storageFile() {
  return g_storageFile.isEmpty() ? defaultStorageFile() : g_storageFile;
}

UserDefaults::UserDefaults(const QString& iniPath) : settings_(openSettings(iniPath)) {}

UserDefaults::~UserDefaults() = default;

QVariant UserDefaults::valueForKey(const QString& key) const {
  if (key.isEmpty()) return {};
  return settings_->value(key);
}

int UserDefaults::integerForKey(const QString& key) const {
  const auto number = asNumber(valueForKey(key));
  if (!number) return 0;
  // Out-of-range values saturate rather than wrap.
  if (*number > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (*number < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(*number);
}

bool UserDefaults::boolForKey(const QString& key) const {
  const auto number = asNumber(valueForKey(key));
  return number && *number != 0;
}

bool UserDefaults::hasKey(const QString& key) const {
  return !key.isEmpty() && settings_->contains(key);
}

void UserDefaults::setIntegerForKey(int value, const QString& key) {
  write(key, value);
}

void UserDefaults::setBoolForKey(bool value, const QString& key) {
  write(key, value);
}

QString UserDefaults::fileName() const {
  return settings_->fileName();
}

void UserDefaults::write(const QString& key, const QVariant& value) {
  if (key.isEmpty()) {
    qCWarning(lcVorlane) << "settings: refused to store a value without a key";
    lastWriteOk_ = false;
    return;
  }
  const QString file = settings_->fileName();
  QDir().mkpath(QFileInfo(file).absolutePath());
  settings_->setValue(key, value);
  settings_->sync();
  lastWriteOk_ = settings_->status() == QSettings::NoError;
  if (!lastWriteOk_) qCWarning(lcVorlane) << "settings could not be saved to" << file;
}

}  // namespace platform

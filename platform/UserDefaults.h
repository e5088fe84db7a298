// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-defaults store: a few integer and boolean settings kept in an INI
// file. Every write is flushed to disk at once, so a setting survives a crash
// right after it changed.
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace platform {

class UserDefaults {
 public:
  // The process-wide store, on setStorageFile()'s file or, by default, on
  // QStandardPaths::AppConfigLocation + "/settings.ini".
  static UserDefaults& standardUserDefaults();
  // Points the standard store at another INI file (tests use a temporary one);
  // an empty path goes back to the default file. Values are re-read from disk.
  static void setStorageFile(const QString& iniPath);
  // The file the standard store would use now.
  static QString storageFile();

  // A store of its own on iniPath (a second view of the same file sees what the
  // first wrote). A damaged file is moved aside to iniPath + ".damaged", and the
  // store starts empty.
  explicit UserDefaults(const QString& iniPath);
  ~UserDefaults();
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // Absent keys, and values that are not numbers, read 0 / false.
  int integerForKey(const QString& key) const;
  bool boolForKey(const QString& key) const;
  bool hasKey(const QString& key) const;

  void setIntegerForKey(int value, const QString& key);
  void setBoolForKey(bool value, const QString& key);

  QString fileName() const;
  // False when the last write could not be saved to disk.
  bool lastWriteSucceeded() const { return lastWriteOk_; }

 private:
  QVariant valueForKey(const QString& key) const;
  void write(const QString& key, const QVariant& value);

  std::unique_ptr<QSettings> settings_;
  bool lastWriteOk_ = true;
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/SessionFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include <sqlite3.h>

#include "document/PaintingFile.h"

namespace document {

namespace {
const QString kSessionSuffix = QStringLiteral(".vorlane");
const QString kSessionPrefix = QStringLiteral("session-");
// A commit cut short by the crash left its journal: opening the session for
// writing lets SQLite roll it back, so what is read is the last whole commit.
void rollBackInterruptedCommit(const QString& path) {
  if (!QFileInfo::exists(path + QStringLiteral("-journal"))) return;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
    sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

}  // namespace

SessionFolder::SessionFolder(QString folder) : folder_(std::move(folder)) {}

QString SessionFolder::standardFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/sessions");
}

SessionFolder::~SessionFolder() = default;

QString SessionFolder::lockPathFor(const QString& path) const {
  return path + QStringLiteral(".lock");
}

QString SessionFolder::documentLockPath(const QString& documentPath) const {
  // One name per file, however it is reached.
  const QString canonical = QFileInfo(documentPath).canonicalFilePath();
  const QByteArray key = (canonical.isEmpty() ? QFileInfo(documentPath).absoluteFilePath() : canonical).toUtf8();
  return folder_ + QStringLiteral("/open-") +
         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
         QStringLiteral(".lock");
}

bool SessionFolder::lock(const QString& lockPath) {
  if (locks_.count(lockPath)) return true;
  auto file = std::make_unique<QLockFile>(lockPath);
  // Only a dead owner frees a lock, never its age: a painting may stay open for days.
  file->setStaleLockTime(0);
  if (!file->tryLock(0)) return false;
  locks_.emplace(lockPath, std::move(file));
  return true;
}

QString SessionFolder::claimNew() {
  if (!QDir().mkpath(folder_)) return {};
  for (int attempt = 0; attempt < 4; ++attempt) {
    const QString path = folder_ + QLatin1Char('/') + kSessionPrefix +
                         QUuid::createUuid().toString(QUuid::WithoutBraces) + kSessionSuffix;
    if (!QFileInfo::exists(path) && lock(lockPathFor(path))) return path;
  }
  return {};
}

bool SessionFolder::claim(const QString& sessionPath) {
  return lock(lockPathFor(sessionPath));
}

void SessionFolder::release(const QString& sessionPath, bool remove) {
  if (remove) {
    QFile::remove(sessionPath);
    QFile::remove(sessionPath + QStringLiteral("-journal"));
  }
  locks_.erase(lockPathFor(sessionPath));
}

std::vector<RecoverableSession> SessionFolder::orphans() {
  std::vector<RecoverableSession> found;
  const QDir dir(folder_);
  for (const QFileInfo& info :
       dir.entryInfoList({kSessionPrefix + QStringLiteral("*") + kSessionSuffix}, QDir::Files)) {
    const QString path = info.absoluteFilePath();
    const QString lockPath = lockPathFor(path);
    if (locks_.count(lockPath)) continue;  // ours
    QLockFile probe(lockPath);
    probe.setStaleLockTime(0);
    if (!probe.tryLock(0)) continue;  // another Vorlane is painting it
    rollBackInterruptedCommit(path);
    QString reason;
    std::optional<PaintingRecord> record = readPaintingFile(path, &reason);
    if (!record || record->steps.empty()) {
      // Nothing to give back: a painting that had no stroke yet, or a session
      // cut short before its first commit.
      QFile::remove(path);
      QFile::remove(path + QStringLiteral("-journal"));
      probe.unlock();
      continue;
    }
    probe.unlock();
    found.push_back({path, record->photoName, record->modified.toLocalTime(), int(record->steps.size())});
  }
  std::sort(found.begin(), found.end(),
            [](const RecoverableSession& a, const RecoverableSession& b) { return a.modified > b.modified; });
  return found;
}

bool SessionFolder::holdDocument(const QString& documentPath) {
  if (!QDir().mkpath(folder_)) return true;  // nowhere to keep locks: do not refuse the file for it
  const QString lockPath = documentLockPath(documentPath);
  if (locks_.count(lockPath)) return false;  // this window has it open already
  return lock(lockPath);
}

void SessionFolder::releaseDocument(const QString& documentPath) {
  locks_.erase(documentLockPath(documentPath));
}

}  // namespace document

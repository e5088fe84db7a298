// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder where open paintings are kept while they are worked on, one
// session file each, and who holds them. A running Vorlane holds a lock beside
// each session it writes and each document it has open; a lock whose process
// is gone (a crash, a kill, a power cut) is free, so that session can be
// offered for recovery, and never one another Vorlane still holds.
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace document {

struct RecoverableSession {
  QString path;
  QString photoName;
  QDateTime modified;  // local time of its last change
  int steps = 0;
};

class SessionFolder {
 public:
  explicit SessionFolder(QString folder);
  // Where every layout keeps its sessions: the app's data folder's "sessions".
  static QString standardFolder();
  ~SessionFolder();

  const QString& folder() const { return folder_; }

  // A new session file's path, held by this process; empty when the folder
  // cannot be made or locked.
  QString claimNew();
  // Holds an orphaned session (for recovery); false when another process has it.
  bool claim(const QString& sessionPath);
  // Lets a session go; with remove, its file goes too.
  void release(const QString& sessionPath, bool remove);

  // Sessions nobody holds that have something to recover (at least one step),
  // newest first. Sessions with nothing in them, or unreadable, are removed.
  std::vector<RecoverableSession> orphans();

  // Holds documentPath as open in this process; false when a Vorlane (this one
  // or another) has it open already.
  bool holdDocument(const QString& documentPath);
  void releaseDocument(const QString& documentPath);

 private:
  QString lockPathFor(const QString& path) const;
  QString documentLockPath(const QString& documentPath) const;
  bool lock(const QString& lockPath);

  QString folder_;
  std::map<QString, std::unique_ptr<QLockFile>> locks_;  // by lock file path
};

}  // namespace document

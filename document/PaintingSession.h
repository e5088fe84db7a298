// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open painting kept on disk while it is worked on, in the document format
// (PaintingFile.h), so that a crash, a kill or a power cut loses at most the
// stroke under way. Every change is one SQLite transaction, committed on a
// thread of its own in the order given: the caller's cost is a copy of the step.
#include <QString>
#include <memory>

#include "document/PaintingFile.h"

namespace document {

class PaintingSession {
 public:
  ~PaintingSession();
  PaintingSession(const PaintingSession&) = delete;
  PaintingSession& operator=(const PaintingSession&) = delete;

  // Starts the session file at path holding record (an earlier file there is
  // replaced), written on the session's thread like every change after it: a
  // file that cannot be made is reported by flush() and lastError(). Null,
  // with the reason, only without a path.
  static std::unique_ptr<PaintingSession> create(const QString& path, const PaintingRecord& record,
                                                 QString* reason = nullptr);

  const QString& path() const;

  // The history cut to its first position steps, step appended, and all of it
  // in effect (undo position = position + 1).
  void appendStep(int position, const PaintingStep& step);
  void setUndoPosition(int position);
  // The whole record written again (a new photo, an opened document).
  void replace(const PaintingRecord& record);

  // Waits until every change given so far is committed; false when one failed
  // (the reason of the first failure stays in lastError()).
  bool flush();
  QString lastError() const;

  // Commits what is queued, closes the file and, when remove is true, deletes
  // it (a cleanly closed painting leaves no session behind).
  void close(bool remove);

 private:
  struct Impl;
  explicit PaintingSession(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace document

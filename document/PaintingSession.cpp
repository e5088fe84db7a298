// SPDX-License-Identifier: GPL-3.0-or-later
// The session's changes go through a queue to one worker thread that owns the
// connection. Rollback journal (journal_mode = DELETE) with synchronous = FULL:
// a write-ahead log would commit with fewer syncs, but it changes the file's
// header to WAL mode, which keeps a -wal and -shm beside the file after a crash
// and makes a read-only reader write those files; the document format promises
// neither.
#include "document/PaintingSession.h"

#include <QCoreApplication>
#include <QFile>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <variant>

#include "document/PaintingSchema.h"

namespace document {

using namespace schema;

namespace {

struct Append {
  int position;
  PaintingStep step;
};
struct Undo {
  int position;
};
struct Replace {
  PaintingRecord record;
};
// The first change of every session: the file written whole, then opened.
struct Create {
  PaintingRecord record;
};
using Change = std::variant<Create, Append, Undo, Replace>;

// What the worker knows of the history on disk, to refuse a change that would
// leave a file the reader refuses: per step, its stroke number (none for a
// style step or an empty stroke) and its segments.
struct StepShape {
  std::optional<std::uint32_t> stroke;
  std::int64_t segments = 0;
};

StepShape shapeOf(const PaintingStep& step) {
  StepShape shape;
  if (step.kind == PaintingStep::Kind::Stroke && !step.segments.empty()) shape.stroke = step.segments.front().stroke;
  shape.segments = std::int64_t(step.segments.size());
  return shape;
}

}  // namespace

struct PaintingSession::Impl {
  QString path;
  Db db;
  std::vector<StepShape> shapes;
  std::int64_t segments = 0;

  std::mutex mutex;
  std::condition_variable wake;      // the worker: a change, or the end
  std::condition_variable finished;  // flush(): the queue ran dry
  std::deque<Change> queue;
  bool busy = false;  // the worker holds a change taken off the queue
  bool stopping = false;
  bool failed = false;
  QString error;
  std::thread worker;

  ~Impl() { stop(); }

  void fail(const QString& reason) {
    std::lock_guard lock(mutex);
    if (!failed) error = reason;
    failed = true;
  }

  void run() {
    std::unique_lock lock(mutex);
    for (;;) {
      wake.wait(lock, [this] { return stopping || !queue.empty(); });
      if (queue.empty()) return;
      Change change = std::move(queue.front());
      queue.pop_front();
      busy = true;
      lock.unlock();
      if (std::optional<QString> failure = commit(change)) fail(*failure);
      lock.lock();
      busy = false;
      if (queue.empty()) finished.notify_all();
    }
  }

  void enqueue(Change change) {
    {
      std::lock_guard lock(mutex);
      if (stopping) return;
      queue.push_back(std::move(change));
    }
    wake.notify_one();
  }

  bool flush() {
    std::unique_lock lock(mutex);
    finished.wait(lock, [this] { return queue.empty() && !busy; });
    return !failed;
  }

  void stop() {
    {
      std::lock_guard lock(mutex);
      stopping = true;
    }
    wake.notify_one();
    if (worker.joinable()) worker.join();
    db.reset();
  }

  // One change as one transaction; the reason when it is not committed.
  std::optional<QString> open(const PaintingRecord& record) {
    // The first state is written whole, as a saved document is; the changes
    // after it are made in place.
    QString reason;
    if (!writePaintingFile(path, record, &reason)) return reason;
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    db.reset(raw);
    int rc = opened;
    if (rc == SQLITE_OK) {
      sqlite3_busy_timeout(raw, 2000);
      rc = exec(raw, "PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL");
    }
    if (rc != SQLITE_OK) {
      reason = writeFailure(raw, rc);
      db.reset();
      QFile::remove(path);
      return reason;
    }
    for (const PaintingStep& step : record.steps) shapes.push_back(shapeOf(step));
    segments = record.segmentCount();
    return std::nullopt;
  }

  std::optional<QString> commit(const Change& change) {
    if (const auto* create = std::get_if<Create>(&change)) return open(create->record);
    if (!db) return QCoreApplication::translate("document", "the session is closed");
    // Checked against the history on disk before anything is written.
    std::vector<StepShape> nextShapes;
    std::int64_t nextSegments = 0;
    if (const auto* append = std::get_if<Append>(&change)) {
      const int position = append->position;
      if (position < 0 || std::size_t(position) > shapes.size() || position >= kMaxPaintingSteps ||
          !stepValid(append->step))
        return kBadValues;
      const StepShape shape = shapeOf(append->step);
      nextSegments = shape.segments;
      for (int i = 0; i < position; ++i) {
        const StepShape& before = shapes[std::size_t(i)];
        nextSegments += before.segments;
        if (shape.stroke && before.stroke && *before.stroke > *shape.stroke) return kBadValues;
      }
      if (nextSegments > kMaxPaintingSegments) return kTooLarge;
    } else if (const auto* undo = std::get_if<Undo>(&change)) {
      if (undo->position < 0 || std::size_t(undo->position) > shapes.size()) return kBadValues;
    } else if (!recordValid(std::get<Replace>(change).record)) {
      return kBadValues;
    }

    int rc = exec(db.get(), "BEGIN IMMEDIATE");
    const QDateTime now = nowUtc();
    if (rc == SQLITE_OK) {
      if (const auto* append = std::get_if<Append>(&change)) {
        Stmt cut = prepare(db.get(), "DELETE FROM steps WHERE seq >= ?1");
        rc = cut ? SQLITE_OK : sqlite3_errcode(db.get());
        if (rc == SQLITE_OK) {
          sqlite3_bind_int(cut.get(), 1, append->position);
          if (sqlite3_step(cut.get()) != SQLITE_DONE) rc = sqlite3_errcode(db.get());
        }
        if (rc == SQLITE_OK) rc = insertStep(db.get(), append->position, append->step);
        if (rc == SQLITE_OK) rc = setMeta(db.get(), "undo_position", std::int64_t(append->position) + 1);
      } else if (const auto* undo = std::get_if<Undo>(&change)) {
        rc = setMeta(db.get(), "undo_position", std::int64_t(undo->position));
      } else {
        const PaintingRecord& record = std::get<Replace>(change).record;
        rc = exec(db.get(),
                  "DELETE FROM meta; DELETE FROM photo; DELETE FROM steps; DELETE FROM preview; DELETE FROM work");
        if (rc == SQLITE_OK)
          rc = insertRecord(db.get(), record, record.created.isValid() ? record.created.toUTC() : now, now);
      }
      if (rc == SQLITE_OK) rc = setMeta(db.get(), "modified", isoTime(now));
      if (rc == SQLITE_OK) rc = exec(db.get(), "COMMIT");
    }
    if (rc != SQLITE_OK) {
      const QString reason = writeFailure(db.get(), rc);
      exec(db.get(), "ROLLBACK");
      return reason;
    }

    // Committed: the worker's picture of the history follows the file.
    if (const auto* append = std::get_if<Append>(&change)) {
      shapes.resize(std::size_t(append->position));
      shapes.push_back(shapeOf(append->step));
      segments = nextSegments;
    } else if (const auto* replace = std::get_if<Replace>(&change)) {
      shapes.clear();
      for (const PaintingStep& step : replace->record.steps) shapes.push_back(shapeOf(step));
      segments = replace->record.segmentCount();
    }
    return std::nullopt;
  }
};

PaintingSession::PaintingSession(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

PaintingSession::~PaintingSession() = default;

std::unique_ptr<PaintingSession> PaintingSession::create(const QString& path, const PaintingRecord& record,
                                                         QString* reason) {
  if (path.isEmpty()) {
    if (reason) *reason = QCoreApplication::translate("document", "the session has no file name");
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  impl->path = path;
  // Even the first write is the worker's: a painting of a large photo and a
  // long history is megabytes, synced to disk.
  impl->queue.push_back(Create{record});
  Impl* worker = impl.get();
  impl->worker = std::thread([worker] { worker->run(); });
  return std::unique_ptr<PaintingSession>(new PaintingSession(std::move(impl)));
}

const QString& PaintingSession::path() const { return impl_->path; }

void PaintingSession::appendStep(int position, const PaintingStep& step) { impl_->enqueue(Append{position, step}); }

void PaintingSession::setUndoPosition(int position) { impl_->enqueue(Undo{position}); }

void PaintingSession::replace(const PaintingRecord& record) { impl_->enqueue(Replace{record}); }

bool PaintingSession::flush() { return impl_->flush(); }

QString PaintingSession::lastError() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->error;
}

void PaintingSession::close(bool remove) {
  impl_->stop();
  if (remove) {
    QFile::remove(impl_->path);
    QFile::remove(impl_->path + "-journal");
  }
}

}  // namespace document

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a document: opened read-only, and checked layer by layer (whose file,
// which version, the pages, the tables, the sizes, then every value) before any
// of it is believed.
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>
#include <cstring>
#include <limits>

#include "document/PaintingFile.h"
#include "document/PaintingSchema.h"

namespace document {

using namespace schema;

namespace {

// Long enough for a session's commit to finish, short enough to tell a held lock.
constexpr int kBusyTimeoutMs = 300;

struct Failure {
  QString reason;
};

// The first bytes say whether SQLite should see the file at all: SQLite takes an
// empty file for an empty database.
std::optional<Failure> checkHeader(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return Failure{kNoFile};
  if (!info.isFile()) return Failure{kNotOurs};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Failure{kCannotRead};
  const QByteArray head = file.read(100);
  if (head.size() < 100 || !head.startsWith(QByteArrayView("SQLite format 3\0", 16)) ||
      qFromBigEndian<std::int32_t>(head.constData() + 68) != kPaintingApplicationId)
    return Failure{kNotOurs};
  return std::nullopt;
}

struct Opened {
  Db db;
  std::optional<Failure> failure;
};

Opened openChecked(const QString& path) {
  if (std::optional<Failure> f = checkHeader(path)) return {nullptr, f};
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                 SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  Db db(raw);
  if (rc != SQLITE_OK) return {nullptr, Failure{readFailure(rc)}};
  sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
  // The whole read is one snapshot: a session committing meanwhile cannot mix two states.
  if (const int begun = exec(db.get(), "BEGIN; SELECT 1 FROM sqlite_schema LIMIT 1");
      begun != SQLITE_OK)
    return {nullptr, Failure{readFailure(sqlite3_errcode(db.get()) ? sqlite3_errcode(db.get()) : begun)}};
  auto pragma = [&](const char* sql, std::int64_t* value) {
    Stmt stmt = prepare(db.get(), sql);
    if (!stmt) return sqlite3_errcode(db.get());
    const int stepped = sqlite3_step(stmt.get());
    if (stepped != SQLITE_ROW) return stepped;
    *value = sqlite3_column_int64(stmt.get(), 0);
    return SQLITE_OK;
  };
  std::int64_t appId = 0, version = 0;
  if (int e = pragma("PRAGMA application_id", &appId); e != SQLITE_OK) return {nullptr, Failure{readFailure(e)}};
  if (appId != kPaintingApplicationId) return {nullptr, Failure{kNotOurs}};
  if (int e = pragma("PRAGMA user_version", &version); e != SQLITE_OK) return {nullptr, Failure{readFailure(e)}};
  if (version > kPaintingSchemaVersion) return {nullptr, Failure{kNewer}};
  if (version < 1) return {nullptr, Failure{kDamaged}};
  return {std::move(db), std::nullopt};
}

// Whether table has every one of columns (extra ones are a later minor addition).
bool hasColumns(sqlite3* db, const char* table, std::initializer_list<const char*> columns) {
  Stmt stmt = prepare(db, "SELECT name FROM pragma_table_info(?1)");
  if (!stmt) return false;
  sqlite3_bind_text(stmt.get(), 1, table, -1, SQLITE_STATIC);
  QSet<QByteArray> names;
  while (sqlite3_step(stmt.get()) == SQLITE_ROW)
    names.insert(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0))));
  for (const char* column : columns)
    if (!names.contains(column)) return false;
  return true;
}

bool hasSchema(sqlite3* db) {
  return hasColumns(db, "meta", {"key", "value"}) && hasColumns(db, "photo", {"id", "name", "sha256", "bytes"}) &&
         hasColumns(db, "steps", {"seq", "kind", "time_ms", "stroke", "sketch_style", "colour_style", "segments"}) &&
         hasColumns(db, "preview", {"id", "png"});
}

std::optional<std::int64_t> integerColumn(sqlite3_stmt* stmt, int column, std::int64_t lo, std::int64_t hi) {
  if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER) return std::nullopt;
  const std::int64_t value = sqlite3_column_int64(stmt, column);
  if (value < lo || value > hi) return std::nullopt;
  return value;
}

constexpr std::int64_t kMaxU32 = std::numeric_limits<std::uint32_t>::max();

// Reads steps into record; the reason when one is refused.
std::optional<Failure> readSteps(sqlite3* db, PaintingRecord& record) {
  // Counted from the rows' headers first: a blob's length is known without reading it.
  {
    Stmt count = prepare(db, "SELECT COUNT(*), COALESCE(SUM(length(segments)), 0) FROM steps");
    if (!count || sqlite3_step(count.get()) != SQLITE_ROW) return Failure{readFailure(sqlite3_errcode(db))};
    const std::int64_t steps = sqlite3_column_int64(count.get(), 0);
    const std::int64_t bytes = sqlite3_column_int64(count.get(), 1);
    if (steps > kMaxPaintingSteps || bytes / kSegmentBytes > kMaxPaintingSegments) return Failure{kTooLarge};
    record.steps.reserve(std::size_t(steps));
  }
  Stmt stmt = prepare(db,
                      "SELECT seq, kind, time_ms, stroke, sketch_style, colour_style, segments FROM steps"
                      " ORDER BY seq");
  if (!stmt) return Failure{readFailure(sqlite3_errcode(db))};
  std::optional<std::uint32_t> lastStroke;
  int rc;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    const std::optional<std::int64_t> seq = integerColumn(s, 0, 0, kMaxPaintingSteps);
    const std::optional<std::int64_t> kind = integerColumn(s, 1, kKindStroke, kKindStyle);
    const std::optional<std::int64_t> time = integerColumn(s, 2, 0, kMaxU32);
    // Steps are numbered from 0 without a gap: a cut history is deleted, never skipped.
    if (!seq || *seq != std::int64_t(record.steps.size()) || !kind || !time) return Failure{kDamaged};
    PaintingStep step;
    step.timeMs = std::uint32_t(*time);
    if (*kind == kKindStyle) {
      const std::optional<std::int64_t> sketch = integerColumn(s, 4, 0, kMaxStyle);
      const std::optional<std::int64_t> colour = integerColumn(s, 5, 0, kMaxStyle);
      if (!sketch || !colour || sqlite3_column_type(s, 6) != SQLITE_NULL) return Failure{kDamaged};
      step.kind = PaintingStep::Kind::Style;
      step.sketchStyle = int(*sketch);
      step.colourStyle = int(*colour);
    } else {
      const std::optional<std::int64_t> stroke = integerColumn(s, 3, 0, kMaxU32);
      if (!stroke || sqlite3_column_type(s, 6) != SQLITE_BLOB) return Failure{kDamaged};
      const void* data = sqlite3_column_blob(s, 6);
      const int bytes = sqlite3_column_bytes(s, 6);
      if (bytes > 0 && !data) return Failure{readFailure(sqlite3_errcode(db))};
      std::optional<std::vector<canvas::StrokeSegment>> segments =
          unpackSegments(data, bytes, std::uint32_t(*stroke));
      if (!segments) return Failure{kDamaged};
      step.segments = std::move(*segments);
      for (const canvas::StrokeSegment& seg : step.segments)
        if (!segmentValuesValid(seg)) return Failure{kDamaged};
      if (!step.segments.empty()) {
        if (lastStroke && *stroke < *lastStroke) return Failure{kDamaged};
        lastStroke = std::uint32_t(*stroke);
      }
    }
    record.steps.push_back(std::move(step));
  }
  if (rc != SQLITE_DONE) return Failure{readFailure(rc)};
  return std::nullopt;
}

std::optional<Failure> readMeta(sqlite3* db, PaintingRecord& record) {
  Stmt stmt = prepare(db, "SELECT key, value FROM meta");
  if (!stmt) return Failure{readFailure(sqlite3_errcode(db))};
  std::optional<std::int64_t> width, height, sketch, colour, undo;
  std::optional<QString> version;
  QDateTime created, modified;
  int rc;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    const QByteArray key(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    auto text = [s]() -> std::optional<QString> {
      if (sqlite3_column_type(s, 1) != SQLITE_TEXT) return std::nullopt;
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), sqlite3_column_bytes(s, 1));
    };
    if (key == "app_version") {
      version = text();
      if (!version) return Failure{kDamaged};
    } else if (key == "created" || key == "modified") {
      const std::optional<QString> value = text();
      const QDateTime time = value ? parseIsoTime(*value) : QDateTime();
      if (!time.isValid()) return Failure{kDamaged};
      (key == "created" ? created : modified) = time;
    } else if (key == "working_width") {
      if (!(width = integerColumn(s, 1, 1, kMaxWorkingSide))) return Failure{kDamaged};
    } else if (key == "working_height") {
      if (!(height = integerColumn(s, 1, 1, kMaxWorkingSide))) return Failure{kDamaged};
    } else if (key == "first_sketch_style") {
      if (!(sketch = integerColumn(s, 1, 0, kMaxStyle))) return Failure{kDamaged};
    } else if (key == "first_colour_style") {
      if (!(colour = integerColumn(s, 1, 0, kMaxStyle))) return Failure{kDamaged};
    } else if (key == "undo_position") {
      if (!(undo = integerColumn(s, 1, 0, kMaxPaintingSteps))) return Failure{kDamaged};
    }
  }
  if (rc != SQLITE_DONE) return Failure{readFailure(rc)};
  if (!width || !height || !sketch || !colour || !undo || !version || !created.isValid() || !modified.isValid())
    return Failure{kDamaged};
  record.workingSize = QSize(int(*width), int(*height));
  record.firstSketchStyle = int(*sketch);
  record.firstColourStyle = int(*colour);
  record.undoPosition = int(*undo);
  record.appVersion = *version;
  record.created = created;
  record.modified = modified;
  return std::nullopt;
}

std::optional<Failure> readPhoto(sqlite3* db, PaintingRecord& record) {
  {
    Stmt size = prepare(db, "SELECT length(bytes) FROM photo WHERE id = 1");
    if (!size) return Failure{readFailure(sqlite3_errcode(db))};
    const int rc = sqlite3_step(size.get());
    if (rc != SQLITE_ROW) return Failure{rc == SQLITE_DONE ? kDamaged : readFailure(rc)};
    if (sqlite3_column_int64(size.get(), 0) > kMaxPhotoBytes) return Failure{kTooLarge};
  }
  Stmt stmt = prepare(db, "SELECT name, sha256, bytes FROM photo WHERE id = 1");
  if (!stmt) return Failure{readFailure(sqlite3_errcode(db))};
  const int rc = sqlite3_step(stmt.get());
  if (rc != SQLITE_ROW) return Failure{rc == SQLITE_DONE ? kDamaged : readFailure(rc)};
  sqlite3_stmt* s = stmt.get();
  if (sqlite3_column_type(s, 0) != SQLITE_TEXT || sqlite3_column_type(s, 1) != SQLITE_TEXT ||
      sqlite3_column_type(s, 2) != SQLITE_BLOB)
    return Failure{kDamaged};
  record.photoName =
      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), sqlite3_column_bytes(s, 0));
  const QByteArray digest(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), sqlite3_column_bytes(s, 1));
  const int bytes = sqlite3_column_bytes(s, 2);
  const void* data = sqlite3_column_blob(s, 2);
  if (bytes > 0 && !data) return Failure{readFailure(sqlite3_errcode(db))};
  record.photoBytes = QByteArray(static_cast<const char*>(data), bytes);
  if (sha256(record.photoBytes).toHex() != digest.toLower())
    return Failure{kBadChecksum};
  return std::nullopt;
}

// The preview, or a null image when there is none; a stored one that does not decode is damage.
std::optional<Failure> readPreview(sqlite3* db, QImage* preview) {
  Stmt stmt = prepare(db, "SELECT png FROM preview WHERE id = 1");
  if (!stmt) return Failure{readFailure(sqlite3_errcode(db))};
  const int rc = sqlite3_step(stmt.get());
  if (rc == SQLITE_DONE) return std::nullopt;
  if (rc != SQLITE_ROW) return Failure{readFailure(rc)};
  if (sqlite3_column_type(stmt.get(), 0) != SQLITE_BLOB) return Failure{kDamaged};
  // A preview is small: its bytes are bounded before they are copied.
  const int bytes = sqlite3_column_bytes(stmt.get(), 0);
  if (bytes > 16 * 1024 * 1024) return Failure{kDamaged};
  const QByteArray png(static_cast<const char*>(sqlite3_column_blob(stmt.get(), 0)), bytes);
  std::optional<QImage> image = decodePreview(png);
  if (!image) return Failure{kDamaged};
  *preview = std::move(*image);
  return std::nullopt;
}

// The stored work image, when there is one that can be read: it is only a
// cache, so one that is missing, malformed or too large is left out, never a
// reason to refuse the document.
void readWork(sqlite3* db, PaintingRecord& record) {
  if (!hasColumns(db, "work", {"id", "position", "sketch_style", "colour_style", "digest", "code"})) return;
  Stmt stmt = prepare(db, "SELECT position, sketch_style, colour_style, digest, code FROM work WHERE id = 1");
  if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) return;
  const std::optional<std::int64_t> position = integerColumn(stmt.get(), 0, 0, kMaxPaintingSteps);
  const std::optional<std::int64_t> sketchStyle = integerColumn(stmt.get(), 1, 0, 7);
  const std::optional<std::int64_t> colourStyle = integerColumn(stmt.get(), 2, 0, 7);
  if (!position || !sketchStyle || !colourStyle) return;
  if (sqlite3_column_type(stmt.get(), 3) != SQLITE_BLOB || sqlite3_column_type(stmt.get(), 4) != SQLITE_BLOB) return;
  // A code holds at most a header word and a literal per pixel, plus a word per row.
  const qint64 w = record.workingSize.width(), h = record.workingSize.height();
  const qint64 maxBytes = (w * h * 2 + h) * 4;
  const int bytes = sqlite3_column_bytes(stmt.get(), 4);
  if (bytes < 4 || bytes > maxBytes) return;
  const QByteArray packed(static_cast<const char*>(sqlite3_column_blob(stmt.get(), 4)), bytes);
  // qUncompress allocates what the first four bytes claim: bounded first.
  if (qFromBigEndian<quint32>(packed.constData()) > quint64(maxBytes)) return;
  const QByteArray code = qUncompress(packed);
  if (code.isEmpty() || code.size() % 4 != 0) return;
  WorkCheckpoint work;
  work.position = int(*position);
  work.sketchStyle = int(*sketchStyle);
  work.colourStyle = int(*colourStyle);
  work.digest = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt.get(), 3)),
                           sqlite3_column_bytes(stmt.get(), 3));
  work.code.resize(std::size_t(code.size() / 4));
  std::memcpy(work.code.data(), code.constData(), std::size_t(code.size()));
  record.work = std::move(work);
}

template <typename T>
std::optional<T> refused(const Failure& failure, QString* reason) {
  if (reason) *reason = failure.reason;
  return std::nullopt;
}

}  // namespace

std::optional<PaintingRecord> readPaintingFile(const QString& path, QString* reason) {
  Opened opened = openChecked(path);
  if (opened.failure) return refused<PaintingRecord>(*opened.failure, reason);
  sqlite3* db = opened.db.get();
  try {
    {
      Stmt check = prepare(db, "PRAGMA quick_check(1)");
      if (!check) return refused<PaintingRecord>(Failure{readFailure(sqlite3_errcode(db))}, reason);
      const int rc = sqlite3_step(check.get());
      if (rc != SQLITE_ROW) return refused<PaintingRecord>(Failure{readFailure(rc)}, reason);
      const char* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
      if (!verdict || qstrcmp(verdict, "ok") != 0) return refused<PaintingRecord>(Failure{kDamaged}, reason);
    }
    if (!hasSchema(db)) return refused<PaintingRecord>(Failure{kDamaged}, reason);
    PaintingRecord record;
    std::optional<Failure> failure = readMeta(db, record);
    if (!failure) failure = readSteps(db, record);
    if (!failure && std::size_t(record.undoPosition) > record.steps.size()) failure = Failure{kDamaged};
    if (!failure) failure = readPhoto(db, record);
    if (!failure) failure = readPreview(db, &record.preview);
    if (failure) return refused<PaintingRecord>(*failure, reason);
    readWork(db, record);
    return record;
  } catch (const std::bad_alloc&) {
    return refused<PaintingRecord>(Failure{kNoMemory}, reason);
  }
}

std::optional<QImage> readPaintingPreview(const QString& path, QString* reason) {
  Opened opened = openChecked(path);
  if (opened.failure) return refused<QImage>(*opened.failure, reason);
  if (!hasColumns(opened.db.get(), "preview", {"id", "png"}))
    return refused<QImage>(Failure{kDamaged}, reason);
  QImage preview;
  if (std::optional<Failure> failure = readPreview(opened.db.get(), &preview))
    return refused<QImage>(*failure, reason);
  return preview;
}

}  // namespace document

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PaintingSchema.h"

#include <openssl/sha.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/Version.h"

namespace document::schema {

Stmt prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) return nullptr;
  return Stmt(stmt);
}

int exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

QString writeFailure(sqlite3* db, int code) {
  // The main file's own errno survives the rollback that follows a failed write;
  // the connection's may have been overwritten by then.
  int err = 0;
  if (db && sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &err) != SQLITE_OK) err = 0;
  if (db && err == 0) err = sqlite3_system_errno(db);
  if ((code & 0xFF) == SQLITE_FULL || err == ENOSPC || err == EFBIG || err == EDQUOT) return kDiskFull;
  if (err == EACCES || err == EPERM || err == EROFS || (code & 0xFF) == SQLITE_READONLY) return kFolderReadOnly;
  if ((code & 0xFF) == SQLITE_NOMEM) return kNoMemory;
  if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED) return kInUse;
  const QString why =
      err != 0 ? QString::fromLocal8Bit(std::strerror(err)) : QString::fromUtf8(sqlite3_errstr(code));
  return platform::cannotBeWritten(why);
}

QString readFailure(int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return kInUse;
    case SQLITE_NOMEM:
      return kNoMemory;
    case SQLITE_NOTADB:
      return kNotOurs;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return kCannotRead;
    default:
      return kDamaged;
  }
}

int createSchema(sqlite3* db) {
  // The id and version go in first: a file cut short after them still says whose it is.
  static const QByteArray sql = QStringLiteral(
                                    "PRAGMA application_id = %1;"
                                    "PRAGMA user_version = %2;"
                                    "CREATE TABLE meta(key TEXT PRIMARY KEY, value) WITHOUT ROWID;"
                                    "CREATE TABLE photo(id INTEGER PRIMARY KEY CHECK(id = 1), name TEXT NOT NULL,"
                                    " sha256 TEXT NOT NULL, bytes BLOB NOT NULL);"
                                    "CREATE TABLE steps(seq INTEGER PRIMARY KEY, kind INTEGER NOT NULL,"
                                    " time_ms INTEGER NOT NULL, stroke INTEGER, sketch_style INTEGER,"
                                    " colour_style INTEGER, segments BLOB);"
                                    "CREATE TABLE preview(id INTEGER PRIMARY KEY CHECK(id = 1), png BLOB NOT NULL);"
                                    "CREATE TABLE work(id INTEGER PRIMARY KEY CHECK(id = 1), position INTEGER NOT NULL,"
                                    " sketch_style INTEGER NOT NULL, colour_style INTEGER NOT NULL,"
                                    " digest BLOB NOT NULL, code BLOB NOT NULL);")
                                    .arg(kPaintingApplicationId)
                                    .arg(kPaintingSchemaVersion)
                                    .toUtf8();
  return exec(db, sql.constData());
}

namespace {

void putFloat(char* at, float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  qToLittleEndian(bits, at);
}

float getFloat(const unsigned char* at) {
  const std::uint32_t bits = qFromLittleEndian<std::uint32_t>(at);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool finiteWithin(float value, double limit) { return std::isfinite(value) && std::fabs(value) <= limit; }

}  // namespace

QByteArray packSegments(const std::vector<canvas::StrokeSegment>& segments) {
  QByteArray blob(qsizetype(segments.size()) * kSegmentBytes, Qt::Uninitialized);
  char* at = blob.data();
  for (const canvas::StrokeSegment& seg : segments) {
    putFloat(at, seg.startX);
    putFloat(at + 4, seg.startY);
    putFloat(at + 8, seg.endX);
    putFloat(at + 12, seg.endY);
    putFloat(at + 16, seg.width);
    qToLittleEndian(seg.timeMs, at + 20);
    at[24] = seg.mode ? 1 : 0;
    at += kSegmentBytes;
  }
  return blob;
}

std::optional<std::vector<canvas::StrokeSegment>> unpackSegments(const void* data, int bytes,
                                                                 std::uint32_t stroke) {
  if (bytes < 0 || bytes % kSegmentBytes != 0) return std::nullopt;
  std::vector<canvas::StrokeSegment> segments(std::size_t(bytes / kSegmentBytes));
  const auto* at = static_cast<const unsigned char*>(data);
  for (canvas::StrokeSegment& seg : segments) {
    if (at[24] > 1) return std::nullopt;
    seg.startX = getFloat(at);
    seg.startY = getFloat(at + 4);
    seg.endX = getFloat(at + 8);
    seg.endY = getFloat(at + 12);
    seg.width = getFloat(at + 16);
    seg.timeMs = qFromLittleEndian<std::uint32_t>(at + 20);
    seg.mode = at[24] == 1;
    seg.stroke = stroke;
    at += kSegmentBytes;
  }
  return segments;
}

bool segmentValuesValid(const canvas::StrokeSegment& seg) {
  return finiteWithin(seg.startX, kMaxCoordinate) && finiteWithin(seg.startY, kMaxCoordinate) &&
         finiteWithin(seg.endX, kMaxCoordinate) && finiteWithin(seg.endY, kMaxCoordinate) &&
         std::isfinite(seg.width) && seg.width > 0 && seg.width <= kMaxWidth;
}

bool stepValid(const PaintingStep& step) {
  // Each kind keeps only its own fields: anything else could not come back as written.
  if (step.kind == PaintingStep::Kind::Style)
    return step.sketchStyle >= 0 && step.sketchStyle <= kMaxStyle && step.colourStyle >= 0 &&
           step.colourStyle <= kMaxStyle && step.segments.empty();
  if (step.kind != PaintingStep::Kind::Stroke || step.sketchStyle != 0 || step.colourStyle != 0) return false;
  for (const canvas::StrokeSegment& seg : step.segments)
    if (!segmentValuesValid(seg) || seg.stroke != step.segments.front().stroke) return false;
  return true;
}

bool recordValid(const PaintingRecord& record) {
  const QSize size = record.workingSize;
  if (size.width() < 1 || size.height() < 1 || size.width() > kMaxWorkingSide || size.height() > kMaxWorkingSide)
    return false;
  if (record.firstSketchStyle < 0 || record.firstSketchStyle > kMaxStyle || record.firstColourStyle < 0 ||
      record.firstColourStyle > kMaxStyle)
    return false;
  if (record.undoPosition < 0 || std::size_t(record.undoPosition) > record.steps.size()) return false;
  if (std::int64_t(record.steps.size()) > kMaxPaintingSteps || record.segmentCount() > kMaxPaintingSegments ||
      record.photoBytes.size() > kMaxPhotoBytes)
    return false;
  std::optional<std::uint32_t> lastStroke;
  for (const PaintingStep& step : record.steps) {
    if (!stepValid(step)) return false;
    if (step.kind == PaintingStep::Kind::Stroke && !step.segments.empty()) {
      if (lastStroke && step.segments.front().stroke < *lastStroke) return false;
      lastStroke = step.segments.front().stroke;
    }
  }
  return true;
}

QString isoTime(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

QDateTime parseIsoTime(const QString& text) {
  QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
  return time.isValid() ? time.toUTC() : QDateTime();
}

QDateTime nowUtc() {
  const QDateTime now = QDateTime::currentDateTimeUtc();
  return QDateTime::fromMSecsSinceEpoch(now.toMSecsSinceEpoch(), Qt::UTC);
}

int setMeta(sqlite3* db, const char* key, const QString& text) {
  Stmt stmt = prepare(db, "INSERT OR REPLACE INTO meta(key, value) VALUES(?1, ?2)");
  if (!stmt) return sqlite3_errcode(db);
  const QByteArray utf8 = text.toUtf8();
  sqlite3_bind_text(stmt.get(), 1, key, -1, SQLITE_STATIC);
  sqlite3_bind_text(stmt.get(), 2, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
  const int rc = sqlite3_step(stmt.get());
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int setMeta(sqlite3* db, const char* key, std::int64_t number) {
  Stmt stmt = prepare(db, "INSERT OR REPLACE INTO meta(key, value) VALUES(?1, ?2)");
  if (!stmt) return sqlite3_errcode(db);
  sqlite3_bind_text(stmt.get(), 1, key, -1, SQLITE_STATIC);
  sqlite3_bind_int64(stmt.get(), 2, number);
  const int rc = sqlite3_step(stmt.get());
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

namespace {

// Prepared once per record written: a painting has up to a million steps.
int insertStepWith(sqlite3_stmt* stmt, int seq, const PaintingStep& step) {
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  sqlite3_bind_int(stmt, 1, seq);
  sqlite3_bind_int64(stmt, 3, step.timeMs);
  QByteArray blob;
  if (step.kind == PaintingStep::Kind::Stroke) {
    sqlite3_bind_int(stmt, 2, kKindStroke);
    sqlite3_bind_int64(stmt, 4, step.segments.empty() ? 0 : step.segments.front().stroke);
    blob = packSegments(step.segments);
    // An empty stroke is a zero-length blob, not NULL: NULL marks a style step.
    sqlite3_bind_blob(stmt, 7, blob.isEmpty() ? "" : blob.constData(), int(blob.size()), SQLITE_STATIC);
  } else {
    sqlite3_bind_int(stmt, 2, kKindStyle);
    sqlite3_bind_int(stmt, 5, step.sketchStyle);
    sqlite3_bind_int(stmt, 6, step.colourStyle);
  }
  const int rc = sqlite3_step(stmt);
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

const char* const kInsertStep =
    "INSERT INTO steps(seq, kind, time_ms, stroke, sketch_style, colour_style, segments)"
    " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)";

}  // namespace

int insertStep(sqlite3* db, int seq, const PaintingStep& step) {
  Stmt stmt = prepare(db, kInsertStep);
  if (!stmt) return sqlite3_errcode(db);
  return insertStepWith(stmt.get(), seq, step);
}

int insertRecord(sqlite3* db, const PaintingRecord& record, const QDateTime& created, const QDateTime& modified) {
  int rc = SQLITE_OK;
  auto ok = [&rc](int result) { return (rc = result) == SQLITE_OK; };
  if (!ok(setMeta(db, "app_version", QString::fromUtf8(platform::kVersion))) ||
      !ok(setMeta(db, "created", isoTime(created))) || !ok(setMeta(db, "modified", isoTime(modified))) ||
      !ok(setMeta(db, "working_width", record.workingSize.width())) ||
      !ok(setMeta(db, "working_height", record.workingSize.height())) ||
      !ok(setMeta(db, "first_sketch_style", record.firstSketchStyle)) ||
      !ok(setMeta(db, "first_colour_style", record.firstColourStyle)) ||
      !ok(setMeta(db, "undo_position", record.undoPosition)))
    return rc;

  {
    Stmt photo = prepare(db, "INSERT INTO photo(id, name, sha256, bytes) VALUES(1, ?1, ?2, ?3)");
    if (!photo) return sqlite3_errcode(db);
    const QByteArray name = record.photoName.toUtf8();
    const QByteArray digest = sha256(record.photoBytes).toHex();
    sqlite3_bind_text(photo.get(), 1, name.constData(), int(name.size()), SQLITE_STATIC);
    sqlite3_bind_text(photo.get(), 2, digest.constData(), int(digest.size()), SQLITE_STATIC);
    sqlite3_bind_blob64(photo.get(), 3, record.photoBytes.isEmpty() ? "" : record.photoBytes.constData(),
                        sqlite3_uint64(record.photoBytes.size()), SQLITE_STATIC);
    if (sqlite3_step(photo.get()) != SQLITE_DONE) return sqlite3_errcode(db);
  }

  Stmt step = prepare(db, kInsertStep);
  if (!step) return sqlite3_errcode(db);
  for (std::size_t i = 0; i < record.steps.size(); ++i)
    if (!ok(insertStepWith(step.get(), int(i), record.steps[i]))) return rc;

  const QByteArray png = previewPng(record.preview);
  if (!png.isEmpty()) {
    Stmt preview = prepare(db, "INSERT INTO preview(id, png) VALUES(1, ?1)");
    if (!preview) return sqlite3_errcode(db);
    sqlite3_bind_blob(preview.get(), 1, png.constData(), int(png.size()), SQLITE_STATIC);
    if (sqlite3_step(preview.get()) != SQLITE_DONE) return sqlite3_errcode(db);
  }
  if (record.work) {
    // The code compresses well (runs and repeated edge pixels): zlib's fastest level.
    const QByteArray code = qCompress(reinterpret_cast<const uchar*>(record.work->code.data()),
                                      qsizetype(record.work->code.size() * sizeof(std::uint32_t)), 1);
    Stmt work = prepare(db,
                        "INSERT INTO work(id, position, sketch_style, colour_style, digest, code)"
                        " VALUES(1, ?1, ?2, ?3, ?4, ?5)");
    if (!work) return sqlite3_errcode(db);
    sqlite3_bind_int(work.get(), 1, record.work->position);
    sqlite3_bind_int(work.get(), 2, record.work->sketchStyle);
    sqlite3_bind_int(work.get(), 3, record.work->colourStyle);
    sqlite3_bind_blob(work.get(), 4, record.work->digest.constData(), int(record.work->digest.size()), SQLITE_STATIC);
    sqlite3_bind_blob64(work.get(), 5, code.constData(), sqlite3_uint64(code.size()), SQLITE_STATIC);
    if (sqlite3_step(work.get()) != SQLITE_DONE) return sqlite3_errcode(db);
  }
  return SQLITE_OK;
}

QByteArray sha256(QByteArrayView bytes) {
  unsigned char digest[SHA256_DIGEST_LENGTH];
  SHA256(reinterpret_cast<const unsigned char*>(bytes.data()), std::size_t(bytes.size()), digest);
  return QByteArray(reinterpret_cast<const char*>(digest), SHA256_DIGEST_LENGTH);
}

QByteArray previewPng(const QImage& preview) {
  if (preview.isNull()) return {};
  QImage image = preview;
  if (image.width() > kPreviewSide || image.height() > kPreviewSide)
    image = image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image.convertToFormat(QImage::Format_ARGB32))) return {};
  return png;
}

std::optional<QImage> decodePreview(const QByteArray& png) {
  QBuffer buffer;
  buffer.setData(png);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setAutoTransform(false);
  // The declared size is checked before a pixel is decoded: a preview is small.
  const QSize size = reader.size();
  if (!size.isValid() || size.width() < 1 || size.height() < 1 || size.width() > kPreviewSide ||
      size.height() > kPreviewSide)
    return std::nullopt;
  QImage image;
  if (!reader.read(&image) || image.size() != size) return std::nullopt;
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace document::schema

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the document file and the session share: the SQLite connection, the
// schema, the segment blob, the checks of a record's values and the words for
// what went wrong. Internal to document/ (PaintingFile.h is the interface).
#include <sqlite3.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>

#include "document/PaintingFile.h"
#include "platform/Reason.h"

namespace document::schema {

// Bytes of one segment in a stroke's blob: startX, startY, endX, endY, width
// (float32), timeMs (uint32), mode (uint8), all little-endian.
inline constexpr int kSegmentBytes = 25;
// A photo larger than this is no photo Vorlane opens; refused before it is read.
inline constexpr std::int64_t kMaxPhotoBytes = 256LL * 1024 * 1024;
inline constexpr int kMaxWorkingSide = 20000;
inline constexpr double kMaxCoordinate = 1e6;
inline constexpr double kMaxWidth = 1e5;
inline constexpr int kMaxStyle = 7;

enum StepKind : int { kKindStroke = 0, kKindStyle = 1 };

using platform::Reason;

// The reasons, as the reader and writer give them. Each follows a colon in a
// sentence naming the file, in lower case and without a final period.
//: Why a painting cannot be opened, after "NAME could not be opened: ".
inline constexpr Reason kNotOurs{"document", QT_TRANSLATE_NOOP("document", "not a Vorlane document")};
//: Why a painting cannot be opened, after "NAME could not be opened: ".
inline constexpr Reason kNewer{"document", QT_TRANSLATE_NOOP("document", "made by a newer version of Vorlane")};
//: Why a painting cannot be opened, after "NAME could not be opened: " (the file is damaged).
inline constexpr Reason kDamaged{"document", QT_TRANSLATE_NOOP("document", "damaged")};
//: Why a painting cannot be opened or kept, after "NAME could not be opened: " (the painting is too large).
inline constexpr Reason kTooLarge{"document", QT_TRANSLATE_NOOP("document", "too large")};
//: Why a painting cannot be opened or saved, after "NAME could not be opened: " (the file is in use).
inline constexpr Reason kInUse{"document", QT_TRANSLATE_NOOP("document", "in use by another program")};
//: Why a painting cannot be opened, after "NAME could not be opened: " (the file cannot be read).
inline constexpr Reason kCannotRead{"document", QT_TRANSLATE_NOOP("document", "cannot be read")};
//: Why a painting cannot be opened, after "NAME could not be opened: ".
inline constexpr Reason kBadChecksum{"document", QT_TRANSLATE_NOOP("document", "its photo does not match its checksum")};
//: Why a painting cannot be opened, after "NAME could not be opened: " (the file does not exist).
inline constexpr Reason kNoFile{"document", QT_TRANSLATE_NOOP("document", "does not exist")};
//: Why a painting cannot be saved, after "The painting could not be saved as NAME: ".
inline constexpr Reason kDiskFull{"document", QT_TRANSLATE_NOOP("document", "the disk is full")};
//: Why a painting cannot be saved, after "The painting could not be saved as NAME: ".
inline constexpr Reason kFolderReadOnly{"document", QT_TRANSLATE_NOOP("document", "the folder cannot be written to")};
using platform::kNoMemory;
//: Why a painting cannot be saved, after "The painting could not be saved as NAME: ".
inline constexpr Reason kBadValues{"document",
                                   QT_TRANSLATE_NOOP("document", "the painting holds values no document can have")};

struct DbClose {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Db = std::unique_ptr<sqlite3, DbClose>;

struct StmtFinalize {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalize>;

// A prepared statement, or null (the connection's error code tells why).
Stmt prepare(sqlite3* db, const char* sql);
// Runs sql (one or more statements, no results); the SQLite result code.
int exec(sqlite3* db, const char* sql);

// The reason for a failed write on db, from SQLite's code and the system's errno.
QString writeFailure(sqlite3* db, int code);
// The reason for a failed read.
QString readFailure(int code);

// Creates the tables in an empty database and sets its application id and version.
int createSchema(sqlite3* db);

// The packed segments of a stroke, and back; nothing when the length is not a
// whole number of segments or a mode byte is neither 0 nor 1.
QByteArray packSegments(const std::vector<canvas::StrokeSegment>& segments);
std::optional<std::vector<canvas::StrokeSegment>> unpackSegments(const void* data, int bytes,
                                                                 std::uint32_t stroke);

// Whether a segment's numbers are ones a painting can have (finite, in range).
bool segmentValuesValid(const canvas::StrokeSegment& seg);
// Whether one step holds values the format can carry: a stroke's segments all
// valid and of one stroke number, a style pair in range.
bool stepValid(const PaintingStep& step);
// The whole record, steps included: sizes, styles, undo position, the limits,
// stroke numbers never going down.
bool recordValid(const PaintingRecord& record);

// ISO 8601 UTC with milliseconds, as the meta table holds times.
QString isoTime(const QDateTime& time);
QDateTime parseIsoTime(const QString& text);
// Now, to the millisecond the file keeps.
QDateTime nowUtc();

// Writes everything of record into a freshly created schema (inside the
// caller's transaction): meta (with modified = the given time), photo, steps,
// preview. The SQLite result code.
int insertRecord(sqlite3* db, const PaintingRecord& record, const QDateTime& created, const QDateTime& modified);
// One step at seq.
int insertStep(sqlite3* db, int seq, const PaintingStep& step);
// One meta value.
int setMeta(sqlite3* db, const char* key, const QString& text);
int setMeta(sqlite3* db, const char* key, std::int64_t number);

// The preview as stored: PNG, scaled down to kPreviewSide; empty for a null image.
QByteArray previewPng(const QImage& preview);

// SHA-256 of bytes through OpenSSL (the processor's SHA instructions where it
// has them: a photo of several megabytes is hashed at every open and save).
QByteArray sha256(QByteArrayView bytes);
// A stored preview back, checked for its size before it is decoded; nothing when damaged.
std::optional<QImage> decodePreview(const QByteArray& png);

}  // namespace document::schema

// SPDX-License-Identifier: GPL-3.0-or-later
// The record's own questions, the quick look at a file's first bytes, and the
// whole-file write (a temporary file beside the target, renamed over it).
#include "document/PaintingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "document/PaintingSchema.h"
#include "platform/Reason.h"

namespace document {

using namespace schema;

std::pair<int, int> PaintingRecord::stylesAt(int n) const {
  std::pair<int, int> styles{firstSketchStyle, firstColourStyle};
  const int end = std::clamp(n, 0, int(steps.size()));
  for (int i = 0; i < end; ++i)
    if (steps[std::size_t(i)].kind == PaintingStep::Kind::Style)
      styles = {steps[std::size_t(i)].sketchStyle, steps[std::size_t(i)].colourStyle};
  return styles;
}

std::vector<canvas::StrokeSegment> PaintingRecord::strokeSegments(int* inEffect) const {
  std::vector<canvas::StrokeSegment> segments;
  segments.reserve(std::size_t(segmentCount()));
  int effective = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (steps[i].kind != PaintingStep::Kind::Stroke) continue;
    segments.insert(segments.end(), steps[i].segments.begin(), steps[i].segments.end());
    if (int(i) < undoPosition) effective = int(segments.size());
  }
  if (inEffect) *inEffect = effective;
  return segments;
}

QByteArray PaintingRecord::replayDigest(int position) const {
  // The values are laid out first and hashed in one go: a hash call per field
  // would cost more than the hashing.
  QByteArray bytes;
  auto add = [&bytes](auto value) {
    const auto little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
  };
  const int end = std::clamp(position, 0, int(steps.size()));
  std::size_t segments = 0;
  for (int i = 0; i < end; ++i) segments += steps[std::size_t(i)].segments.size();
  bytes.reserve(qsizetype(12 + segments * 28));
  add(std::int32_t(workingSize.width()));
  add(std::int32_t(workingSize.height()));
  add(std::int32_t(position));
  for (int i = 0; i < end; ++i) {
    for (const canvas::StrokeSegment& seg : steps[std::size_t(i)].segments) {
      for (float f : {seg.startX, seg.startY, seg.endX, seg.endY, seg.width}) add(std::bit_cast<std::uint32_t>(f));
      add(std::uint32_t(seg.mode ? 1 : 0));
      add(seg.stroke);
    }
  }
  return schema::sha256(bytes);
}

const WorkCheckpoint* PaintingRecord::matchingWork() const {
  if (!work || work->position != undoPosition) return nullptr;
  if (std::make_pair(work->sketchStyle, work->colourStyle) != stylesAt(undoPosition)) return nullptr;
  return work->digest == replayDigest(undoPosition) ? &*work : nullptr;
}

std::int64_t PaintingRecord::segmentCount() const {
  std::int64_t count = 0;
  for (const PaintingStep& step : steps) count += std::int64_t(step.segments.size());
  return count;
}

bool looksLikePaintingFile(const QString& path) {
  // Never waits on a FIFO or a device: opened without blocking, and only a
  // regular file is read.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  const QByteArray head = file.read(72);
  if (head.size() < 72 || !head.startsWith(QByteArrayView("SQLite format 3\0", 16))) return false;
  return qFromBigEndian<std::int32_t>(head.constData() + 68) == kPaintingApplicationId;
}

namespace {

QString folderFailure(int err) {
  if (err == ENOSPC || err == EDQUOT || err == EFBIG) return kDiskFull;
  if (err == EACCES || err == EPERM || err == EROFS) return kFolderReadOnly;
  //: Why a painting cannot be saved, after "The painting could not be saved as NAME: ".
  if (err == ENOENT || err == ENOTDIR)
    return QCoreApplication::translate("document", "its folder does not exist");
  return platform::cannotBeWritten(QString::fromLocal8Bit(std::strerror(err)));
}

// A new hidden file beside path (".NAME.XXXXXX"), made by this call alone and
// with the permissions a new file gets (or those of the document it replaces).
std::optional<QString> makeTemporary(const QString& path, QString* failure) {
  const QFileInfo info(path);
  const QString stem = info.absolutePath() + "/." + info.fileName() + ".";
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  struct stat existing {};
  const bool replaces = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    QString name = stem;
    for (int i = 0; i < 6; ++i) name += QChar(kLetters[QRandomGenerator::global()->bounded(62)]);
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      *failure = folderFailure(errno);
      return std::nullopt;
    }
    if (replaces) ::fchmod(fd, existing.st_mode & 07777);
    ::close(fd);
    return name;
  }
  *failure = folderFailure(EEXIST);
  return std::nullopt;
}

// The file's bytes on the disk before it is renamed into place, and the rename
// itself after: the folder's entry is synced too.
int syncFile(const QString& path, bool directory) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (directory ? O_DIRECTORY : 0));
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return result;
}

// Builds the whole document at temp; the reason when it fails.
std::optional<QString> buildDocument(const QString& temp, const PaintingRecord& record) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(QFile::encodeName(temp).constData(), &raw,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  Db db(raw);
  if (opened != SQLITE_OK) return writeFailure(raw, opened);
  // The file is no document until it is renamed: a journal would only be a second
  // file to leave behind, and one fsync of the finished file replaces per-commit ones.
  int rc = exec(db.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
  const QDateTime now = nowUtc();
  if (rc == SQLITE_OK) rc = createSchema(db.get());
  if (rc == SQLITE_OK)
    rc = insertRecord(db.get(), record, record.created.isValid() ? record.created.toUTC() : now, now);
  if (rc == SQLITE_OK) rc = exec(db.get(), "COMMIT");
  if (rc != SQLITE_OK) return writeFailure(db.get(), rc);
  rc = sqlite3_close(db.release());
  if (rc != SQLITE_OK) return writeFailure(nullptr, rc);
  if (const int err = syncFile(temp, false)) return folderFailure(err);
  return std::nullopt;
}

}  // namespace

bool writePaintingFile(const QString& path, const PaintingRecord& record, QString* reason) {
  QString failure;
  auto fail = [&](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (!recordValid(record)) return fail(kBadValues);
  const std::optional<QString> temp = makeTemporary(path, &failure);
  if (!temp) return fail(failure);
  if (std::optional<QString> built = buildDocument(*temp, record)) {
    QFile::remove(*temp);
    return fail(*built);
  }
  // A journal left beside path by a killed session belongs to the old file: SQLite
  // would roll it back into the new one.
  for (const char* sidecar : {"-journal", "-wal", "-shm"}) QFile::remove(path + sidecar);
  if (::rename(QFile::encodeName(*temp).constData(), QFile::encodeName(path).constData()) != 0) {
    const int err = errno;
    QFile::remove(*temp);
    return fail(folderFailure(err));
  }
  // The document is whole either way; a folder that cannot be synced only delays it.
  syncFile(QFileInfo(path).absolutePath(), true);
  return true;
}

}  // namespace document

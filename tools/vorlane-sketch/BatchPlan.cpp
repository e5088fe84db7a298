// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vorlane-sketch/BatchPlan.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/PhotoDecoder.h"

namespace vorlane_sketch {
namespace {

// Extensions of every format the photo path reads, HEIF and AVIF included:
// the same list the Open dialog and the desktop entry use.
const QSet<QString>& pictureExtensions() {
  static const QSet<QString> extensions = [] {
    QSet<QString> set;
    for (const QString& pattern : platform::readablePhotoPatterns()) set.insert(pattern.mid(2).toLower());
    set.insert(QStringLiteral("vorlane"));  // painting documents
    return set;
  }();
  return extensions;
}

}  // namespace

Photos findPhotos(const QStringList& inputs) {
  Photos photos;
  QSet<QString> seen;
  auto take = [&](const QFileInfo& info) {
    // The same file through another path (./x, a link) is the same photo.
    const QString key = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (seen.contains(key)) return;
    seen.insert(key);
    photos.files << info.filePath();
  };
  for (const QString& input : inputs) {
    const QFileInfo info(input);
    if (!info.isDir()) {
      take(info);  // a missing or unreadable one fails with its reason when decoded
      continue;
    }
    if (!info.isReadable() || !info.isExecutable()) {
      photos.failures << failureLine(
          input, QCoreApplication::translate("vorlane-sketch", "the folder cannot be read"));
      continue;
    }
    // Files only: no folders below, no FIFOs or devices (QDir::System is not asked for).
    const QDir dir(input);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
      if (pictureExtensions().contains(entry.suffix().toLower())) take(entry);
    }
  }
  return photos;
}

namespace {

// Taken as a name: anything there, a dangling link too.
bool onDisk(const QString& name) {
  return QFileInfo::exists(name) || QFileInfo(name).isSymLink();
}

}  // namespace

QString OutputNamer::claim(const QString& stem) {
  const QString first = dir_.filePath(stem + '.' + extension_);
  QString name = first;
  for (int n = 2; claimed_.contains(name) || (!skipExisting_ && onDisk(name)); ++n)
    name = numberedName(first, n);
  claimed_.insert(name);
  return name;
}

std::vector<PhotoJob> planJobs(const QStringList& photos, const std::vector<int>& styles, OutputNamer& namer,
                               int* alreadyDone) {
  std::vector<PhotoJob> jobs;
  jobs.reserve(std::size_t(photos.size()));
  for (const QString& photo : photos) {
    PhotoJob job{photo, {}};
    const QString name = QFileInfo(photo).completeBaseName();
    for (int style : styles) {
      const QString path = namer.claim(QStringLiteral("%1.style%2").arg(name).arg(style));
      if (!namer.skipsExisting() || !onDisk(path)) job.targets.push_back({style, path});
    }
    if (!job.targets.empty()) {
      jobs.push_back(std::move(job));
    } else if (alreadyDone) {
      ++*alreadyDone;
    }
  }
  return jobs;
}

}  // namespace vorlane_sketch

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a batch does before any photo is decoded: the photos its INPUTs stand
// for, and the output names, chosen in input order so that the same run gives
// the same names however the work is spread over threads.
#include <QDir>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "tools/vorlane-sketch/PhotoSketcher.h"

namespace vorlane_sketch {

struct Photos {
  QStringList files;     // in the order given; a folder's pictures sorted by name
  QStringList failures;  // one line each, for INPUTs that cannot be looked into
};

// Each INPUT is a photo, or a folder whose pictures (by extension, one level
// deep, hidden files aside) are taken. A file named twice is taken once.
Photos findPhotos(const QStringList& inputs);

// Hands out names in one folder that are neither on disk nor handed out before:
// "NAME.styleN.EXT", else "NAME.styleN (2).EXT", "(3)", ...
class OutputNamer {
 public:
  OutputNamer(const QString& dir, const QString& extension) : dir_(dir), extension_(extension) {}
  QString claim(const QString& stem);

 private:
  QDir dir_;
  QString extension_;
  QSet<QString> claimed_;
};

struct PhotoJob {
  QString input;
  std::vector<Target> targets;
};

// One job per photo, with one target per style.
std::vector<PhotoJob> planJobs(const QStringList& photos, const std::vector<int>& styles, OutputNamer& namer);

}  // namespace vorlane_sketch

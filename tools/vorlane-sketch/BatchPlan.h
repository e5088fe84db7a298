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

// Hands out names in one folder: "NAME.styleN.EXT", else "NAME.styleN (2).EXT",
// "(3)", ... A name handed out before in the run is never given again. A name
// on disk is passed over, unless the run skips existing outputs: then it is
// given all the same, for the plan to leave out, so that a rerun plans the
// names the first run wrote.
class OutputNamer {
 public:
  OutputNamer(const QString& dir, const QString& extension, bool skipExisting = false)
      : dir_(dir), extension_(extension), skipExisting_(skipExisting) {}
  QString claim(const QString& stem);
  bool skipsExisting() const { return skipExisting_; }

 private:
  QDir dir_;
  QString extension_;
  bool skipExisting_;
  QSet<QString> claimed_;
};

struct PhotoJob {
  QString input;
  std::vector<Target> targets;
};

// One job per photo, with one target per style. When the namer skips existing
// outputs, a target whose name is on disk is left out, and so is a photo left
// with none: *alreadyDone counts those photos.
std::vector<PhotoJob> planJobs(const QStringList& photos, const std::vector<int>& styles, OutputNamer& namer,
                               int* alreadyDone = nullptr);

}  // namespace vorlane_sketch

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a batch over worker threads, one photo at a time each, and reports: one
// stderr line per failed photo, a progress line on a terminal, a closing count.
#include <cstdio>
#include <vector>

#include "tools/vorlane-sketch/BatchPlan.h"
#include "tools/vorlane-sketch/PhotoSketcher.h"

namespace vorlane_sketch {

struct BatchSettings {
  int jobs = 1;
  // The photos in flight together are estimated to need at most this; a
  // photo that would pass it waits for others to finish (one alone always runs).
  qint64 memoryBytes = 0;  // 0: no limit
  bool progress = false;  // redraw a progress line in place on stderr
  const Texture* texture = nullptr;
  OutputSettings output;
  int alreadyDone = 0;  // photos left out of the jobs: every output already there
};

struct BatchResult {
  int photos = 0;
  int failed = 0;
};

// Three quarters of the memory the system has free now (MemAvailable), and at
// most half an address-space limit set on the process.
qint64 freeMemoryBudget();

// What rendering input at size (OutputSettings::size) is estimated to take at
// its peak, from the picture's header: the decode and the render's pictures.
qint64 renderMemoryEstimate(const QString& input, int size);

// earlierFailures: lines about INPUTs that could not be looked into; they are
// printed first and counted as failed photos. The closing lines count every
// photo: failed, and already done (settings.alreadyDone).
BatchResult runBatch(const std::vector<PhotoJob>& jobs, const QStringList& earlierFailures,
                     const BatchSettings& settings, std::FILE* err = stderr);

}  // namespace vorlane_sketch

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N] PAINTING:
// its arguments and its run, apart from the renderer's.
#include <QCommandLineParser>
#include <QList>
#include <optional>

#include "tools/vorlane-sketch/SketchCommand.h"

namespace vorlane_sketch {

// The form's options from parser (where --timelapse is set); others lists the
// options that do not go with it. Nothing, with *error, on a usage error.
std::optional<Options> timelapseOptions(const QCommandLineParser& parser, const QCommandLineOption& timelapse,
                                        const QCommandLineOption& duration, const QCommandLineOption& size,
                                        const QList<QCommandLineOption>& others, QString* error);

// Reads the document and writes its time-lapse; one line on failure. On a
// terminal, a progress line; an interrupt stops it with nothing written.
int runTimelapse(const Options& options);

}  // namespace vorlane_sketch

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A painting document made into its picture without a canvas: the photo
// decoded from its bytes under the photo checks, the styles in force rendered,
// the strokes in effect replayed, the layers composed as Export composes them.
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "canvas/StrokeSegment.h"

#include "document/PaintingFile.h"
#include "platform/PhotoDecoder.h"
#include "platform/Reason.h"

namespace document {

//: Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.
inline constexpr platform::Reason kPhotoMismatch{"document",
                                                 QT_TRANSLATE_NOOP("document", "its photo does not match its painting")};

class StyleRenderer;

// The sketch-brush texture the app renders with (a resource name).
QString paintingTextureName();

// The document's photo decoded from its bytes under the photo checks, at the
// working size; nothing, with the reason, when it cannot be decoded or does
// not match the working size.
std::optional<QImage> paintingPhoto(const PaintingRecord& record, QString* reason = nullptr);

// The document's photo decoded for a render at longer (as
// platform::preparePhotoAtSize takes it), checked against the working size.
std::optional<platform::SizedPhoto> sizedPaintingPhoto(const PaintingRecord& record, int longer,
                                                       QString* reason = nullptr);

// The picture at the working size; nothing, with the reason, when the photo
// cannot be decoded, does not match the working size, or a style cannot be
// rendered.
std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer,
                                      QString* reason = nullptr);

inline constexpr int kWorkingPictureSize = -1;
inline constexpr int kFullPictureSize = 0;

// The picture at another size: longer = kWorkingPictureSize is the form above;
// kFullPictureSize the photo's own upright size (within platform's 64 MP
// export limit); N > 0 that longer side, at most the photo's own. The photo is
// decoded at that size, the styles rendered at it (sketch::runStylePipelineScaled)
// and the strokes replayed at it (scaledSegments); below the working size the
// working-size picture is reduced.
// progress hears how far along the render is (0..1) between its stages and
// stops it, with the reason "cancelled", by returning false.
using FlattenProgress = std::function<bool(double)>;
std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer, int longer,
                                      QString* reason = nullptr, const FlattenProgress& progress = {});

// Segments recorded on a picture of size `from` moved onto one of size `to`:
// each position times the ratio of the sides along its axis, the width times the
// ratio of the longer sides; the brush and the numbering stay.
std::vector<canvas::StrokeSegment> scaledSegments(std::vector<canvas::StrokeSegment> segments, QSize from,
                                                  QSize to);

}  // namespace document

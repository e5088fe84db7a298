// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A painting document made into its picture without a canvas: the photo
// decoded from its bytes under the photo checks, the styles in force rendered,
// the strokes in effect replayed, the layers composed as Export composes them.
#include <QImage>
#include <QString>
#include <optional>

#include "document/PaintingFile.h"

namespace document {

class StyleRenderer;

// The sketch-brush texture the app renders with (a resource name).
QString paintingTextureName();

// The document's photo decoded from its bytes under the photo checks, at the
// working size; nothing, with the reason, when it cannot be decoded or does
// not match the working size.
std::optional<QImage> paintingPhoto(const PaintingRecord& record, QString* reason = nullptr);

// The picture at the working size; nothing, with the reason, when the photo
// cannot be decoded, does not match the working size, or a style cannot be
// rendered.
std::optional<QImage> flattenPainting(const PaintingRecord& record, StyleRenderer& renderer,
                                      QString* reason = nullptr);

}  // namespace document

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting as one picture: what Save, Export and the command line write.
#include <QImage>
#include <QRectF>
#include <QSize>
#include <optional>

namespace canvas {

// Where a picture of size picture sits, aspect-fit and centred, in plate.
QRectF fitRect(const QRectF& plate, QSizeF picture);

// Photo B, photo A unless null, and the work image, composed at size (photo
// A's), each fitted as the plate fits it; the brush indicator where given (in
// picture pixels). Null for an empty size.
QImage composeFinalPicture(const QImage& photoB, const QImage* photoA, const QImage& work, QSize size,
                           std::optional<QRectF> indicator = std::nullopt);

}  // namespace canvas

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drop carries for the pick path, the same in every layout: one local
// file, or else image data.
#include <QImage>
#include <QString>

class QMimeData;

namespace document {

class SketchDocument;

struct DroppedPicture {
  QString path;
  QImage image;
  // How the picture is named to the user.
  QString name() const;
};

// A drop the pick path can take.
bool canTakeDrop(const QMimeData* mime);
// The drop's picture, kept beyond the drop event.
DroppedPicture droppedPicture(const QMimeData* mime);
// Hands a dropped picture to the pick path.
void pickDropped(const DroppedPicture& dropped, SketchDocument* document);

}  // namespace document

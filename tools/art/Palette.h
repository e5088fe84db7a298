// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours shared by the drawings, matched to the texts the screens draw over
// them (brown titles with a warm shadow, the dialog's blue).
#include <QColor>
#include <QImage>

namespace art {

inline QColor inkBrown() {
  return QColor(89, 13, 0);
}
inline QColor warmShadow() {
  return QColor(144, 80, 23);
}
inline QColor cream() {
  return QColor(248, 238, 214);
}
inline QColor promoBlue() {
  return QColor(0, 174, 241);
}

// A transparent premultiplied canvas, the format every picture is drawn on.
inline QImage transparentCanvas(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace art

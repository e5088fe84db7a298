// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Renders the prepared photo in one sketch style: grey plane, style pass, blend
// with the sketch-brush texture scaled to the photo's size.
// The texture is decoded once and kept at the last size asked for; that changes
// no pixel, it only spares the work of redoing the same scaling. Likewise the
// photo's grey bytes are made once per prepared photo, for all its styles.
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/RenderBreakdown.h"
#include "sketch/PixelBuffer.h"

namespace document {

class StyleRenderer {
 public:
  // textureName: the resource name of the sketch-brush texture (may be empty).
  void setTextureName(const QString& textureName);

  // Renders photo in style (1..7) into a new image, opaque throughout; plane
  // receives the style plane. Nothing comes back (and plane is left alone) when the photo is empty,
  // its raster cannot be made, the texture is missing or the style is unknown;
  // error then says why.
  // scale: the photo's size over its working size (1 for the prepared photo;
  // more for an export at a larger size, see sketch::runStylePipelineScaled).
  std::optional<QImage> render(const QImage& photo, int style, sketch::GrayPlane& plane, QString* error,
                               RenderBreakdown* breakdown = nullptr, double scale = 1.0);

 private:
  const sketch::GrayPlane* textureFor(QSize size, QString* error);
  QImage outputImage(QSize size);

  QString textureName_;
  QImage textureSource_;
  bool textureLoaded_ = false;
  sketch::GrayPlane texture_;  // its values at the last size asked for
  // The grey bytes of the last photo rendered (by its cache key) and the
  // render's scratch, kept so that passes reuse their memory.
  qint64 photoKey_ = 0;
  sketch::GrayPlane photoGrey_;
  std::vector<std::uint8_t> scratch_;
  // The pictures handed out lately. One that nobody holds any more (the canvas
  // has moved on to newer ones) gives its memory to the next render: memory
  // already mapped and warm, where a new picture would first have to be
  // faulted in page by page.
  std::vector<QImage> handedOut_;
};

}  // namespace document

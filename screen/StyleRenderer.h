#pragma once
// Renders the prepared photo in one sketch style: photo raster, grey plane,
// style pass, blend with the sketch-brush texture scaled to the photo's size.
// The texture is decoded once and kept at the last size asked for; that changes
// no pixel, it only spares the work of redoing the same scaling.
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "screen/RenderBreakdown.h"
#include "sketch/PixelBuffer.h"

namespace screen {

class StyleRenderer {
 public:
  // textureName: the resource name of the sketch-brush texture (may be empty).
  void setTextureName(const QString& textureName);

  // Renders photo in style (1..7) into a new image; plane receives the style
  // plane. Nothing comes back (and plane is left alone) when the photo is empty,
  // its raster cannot be made, the texture is missing or the style is unknown;
  // error then says why.
  // lastUse: no further render of this photo follows in the pass, so its kept
  // raster can be handed over instead of copied.
  std::optional<QImage> render(const QImage& photo, int style, sketch::GrayPlane& plane, QString* error,
                               RenderBreakdown* breakdown = nullptr, bool lastUse = true);

  // The photo's raster is kept between the two renders of one pass (a copy of
  // it is cheaper than drawing the photo again); this lets it go.
  void releasePhotoRaster();

 private:
  const sketch::PixelBuffer* textureFor(QSize size, QString* error);

  QString textureName_;
  QImage textureSource_;
  bool textureLoaded_ = false;
  QSize textureSize_;
  std::optional<sketch::PixelBuffer> texture_;
  qint64 photoKey_ = 0;
  std::optional<sketch::PixelBuffer> photoRaster_;
};

}  // namespace screen

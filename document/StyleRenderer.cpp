// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/StyleRenderer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>

#include "platform/ImageBridge.h"
#include "platform/Resources.h"
#include "sketch/StylePipeline.h"

namespace document {

namespace {
double msSince(const QElapsedTimer& t) {
  return double(t.nsecsElapsed()) / 1e6;
}
}  // namespace

void StyleRenderer::setTextureName(const QString& textureName) {
  if (textureName == textureName_) return;
  textureName_ = textureName;
  textureLoaded_ = false;
  textureSource_ = QImage();
  texture_ = {};
}

const sketch::GrayPlane* StyleRenderer::textureFor(QSize size, QString* error) {
  if (!texture_.empty() && QSize(texture_.width, texture_.height) == size) return &texture_;
  texture_ = {};
  if (!textureLoaded_) {
    textureLoaded_ = true;
    if (!textureName_.isEmpty()) textureSource_ = platform::imageWithContentsOfFile(textureName_);
  }
  if (textureSource_.isNull()) {
    if (error) *error = QCoreApplication::translate("document", "the sketch texture is missing");
    return nullptr;
  }
  const QImage scaled = platform::imageByScalingForSize(QSizeF(size), textureSource_);
  if (scaled.isNull() || !sketch::textureValuesOf(platform::wordsOf(scaled), texture_)) {
    texture_ = {};
    if (error) *error = QCoreApplication::translate("document", "the sketch texture could not be scaled");
    return nullptr;
  }
  return &texture_;
}

QImage StyleRenderer::outputImage(QSize size) {
  for (auto it = handedOut_.begin(); it != handedOut_.end(); ++it) {
    if (it->size() != size || !it->isDetached()) continue;
    QImage reused = std::move(*it);
    handedOut_.erase(it);
    return reused;
  }
  return QImage(size, QImage::Format_ARGB32_Premultiplied);
}

std::optional<QImage> StyleRenderer::render(const QImage& photo, int style, sketch::GrayPlane& plane,
                                            QString* error, RenderBreakdown* breakdown, double scale) {
  if (photo.isNull()) {
    if (error) *error = QCoreApplication::translate("document", "there is no photo");
    return std::nullopt;
  }
  // The prepared photo has a scale of 1: its size is its pixel size.
  const QSize size(photo.width(), photo.height());
  QElapsedTimer timer;
  timer.start();
  // Every style of a photo starts from the same grey bytes: they are made once
  // per prepared photo, straight from the image's memory; their memory serves
  // the next photo of the same size.
  if (photoKey_ != photo.cacheKey()) {
    photoKey_ = 0;
    const QImage readable = platform::imageAsRasterWords(photo);
    if (!sketch::greyPlaneOfPhoto(platform::wordsOf(readable), photoGrey_)) {
      if (breakdown) breakdown->extractMs += msSince(timer);
      if (error) *error = QCoreApplication::translate("document", "the photo raster could not be made");
      return std::nullopt;
    }
    photoKey_ = photo.cacheKey();
  }
  if (breakdown) breakdown->extractMs += msSince(timer);
  timer.restart();
  const sketch::GrayPlane* texture = textureFor(size, error);
  if (breakdown) breakdown->textureMs += msSince(timer);
  if (!texture) return std::nullopt;

  // The render writes its words straight into the image's memory, in the
  // image's own byte order.
  timer.restart();
  QImage image = outputImage(size);
  if (image.isNull() || image.format() != QImage::Format_ARGB32_Premultiplied ||
      image.bytesPerLine() != qsizetype(size.width()) * 4) {
    if (error) *error = QCoreApplication::translate("document", "the result image could not be made");
    return std::nullopt;
  }
  std::string why;
  const bool rendered =
      sketch::runStyleOnGrey(photoGrey_, style, *texture, sketch::WordOrder::Argb32, scale, plane,
                             reinterpret_cast<std::uint32_t*>(image.bits()), scratch_, &why);
  if (breakdown) {
    breakdown->styleMs += msSince(timer);
    ++breakdown->pipelineRuns;
  }
  if (!rendered) {
    if (error) *error = QString::fromStdString(why);
    return std::nullopt;
  }
  // Two passes' pictures (photo B and photo A each): those of the pass before
  // the last are free again by the time the next one renders.
  // A larger export's pictures are not kept: each would hold its memory
  // long after the export.
  if (scale != 1.0) return image;
  handedOut_.push_back(image);
  if (handedOut_.size() > 4) handedOut_.erase(handedOut_.begin());
  return image;
}

}  // namespace document

#pragma once
// A phone canvas (480-point screen) showing a 1280 x 960 photo, ready to paint:
// photo B a flat grey, photo A a flat red, the work image a copy of photo B.
#include <QImage>
#include <QPointingDevice>
#include <QTest>
#include <memory>

#include "canvas/VorlaneView_iPhone.h"
#include "platform/DeviceProfile.h"

namespace canvas_test {

inline constexpr QRgb kGrey = 0xff808080;
inline constexpr QRgb kRed = 0xffff0000;

inline QImage flat(QRgb colour, QSize size = QSize(1280, 960)) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

inline QPointingDevice* touchScreen() {
  static QPointingDevice* device = QTest::createTouchDevice();
  return device;
}

// Renders pictures onto the canvas the way the render pass hands them over.
inline void handOver(VorlaneView& view, const QImage& sketch, const QImage& photo) {
  view.sketchimgview()->setImage(sketch);
  view.orgimgview()->setImage(photo);
  view.workimgview()->setImage(sketch);
  view.setSketchready(true);
  view.setImgready(true);
  view.writeScratchFile();
  view.resetBaseviewFrame();
  view.resetHistory();
}

inline std::unique_ptr<VorlaneView_iPhone> makeCanvas(QSize photo = QSize(1280, 960)) {
  platform::setScreenheight(480.0f);
  auto view = std::make_unique<VorlaneView_iPhone>(QRectF(0, 0, 320, 480));
  view->show();
  // The fit that photo acquisition computes for the 280 x 375 clipping frame.
  const float c = 280.0f / 375.0f;
  const float r = float(photo.width()) / float(photo.height());
  if (r > c) {
    view->setOffsetratio_x(0.0f);
    view->setOffsetratio_y((1.0f - c / r) * 0.5f);
    view->setBigwidth(true);
  } else {
    view->setOffsetratio_y(0.0f);
    view->setOffsetratio_x((1.0f - r / c) * 0.5f);
    view->setBigwidth(false);
  }
  view->setLinesize(128.0f);
  handOver(*view, flat(kGrey, photo), flat(kRed, photo));
  return view;
}

// The canvas point that shows picture pixel (x, y) at the creation zoom.
inline QPoint canvasPointFor(const VorlaneView& view, float x, float y) {
  const QRectF plate = view.baseviewFrame();
  const QRectF clip = view.workviewFrame();
  const float k = 280.0f / 1280.0f;
  return QPoint(qRound(clip.x() + plate.x() + x * k),
                qRound(clip.y() + plate.y() + plate.height() * 0.22 + y * k));
}

}  // namespace canvas_test

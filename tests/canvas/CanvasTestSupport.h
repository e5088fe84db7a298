#pragma once
// A phone canvas (480-point screen) showing a 1280 x 960 photo, ready to paint:
// photo B a flat grey, photo A a flat red, the work image a copy of photo B.
// And the one-finger touch gestures that drive it.
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

inline std::unique_ptr<VorlaneView_iPhone> makeCanvas() {
  platform::setScreenheight(480.0f);
  auto view = std::make_unique<VorlaneView_iPhone>(QRectF(0, 0, 320, 480));
  view->show();
  // The fit that photo acquisition computes for the 280 x 375 clipping frame.
  const float c = 280.0f / 375.0f, r = 1280.0f / 960.0f;
  view->setOffsetratio_x(0.0f);
  view->setOffsetratio_y((1.0f - c / r) * 0.5f);
  view->setBigwidth(true);
  view->setLinesize(128.0f);
  // The hand-over of the render pass.
  view->sketchimgview()->setImage(flat(kGrey));
  view->orgimgview()->setImage(flat(kRed));
  view->workimgview()->setImage(flat(kGrey));
  view->setSketchready(true);
  view->setImgready(true);
  view->writeScratchFile();
  view->resetBaseviewFrame();
  view->resetHistory();
  return view;
}

// Press at from, move by step `moves` times, lift; with no moves, a tap.
inline void drag(VorlaneView& view, QPoint from, QPoint step = {}, int moves = 0) {
  QPoint p = from;
  QTest::touchEvent(&view, touchScreen()).press(0, p);
  for (int i = 0; i < moves; ++i) QTest::touchEvent(&view, touchScreen()).move(0, p += step);
  QTest::touchEvent(&view, touchScreen()).release(0, p);
}

inline void tap(VorlaneView& view, QPoint p) { drag(view, p); }

}  // namespace canvas_test

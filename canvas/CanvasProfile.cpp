// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasProfile.h"

#include "platform/DeviceProfile.h"

namespace canvas {

CanvasProfile phoneProfile(const QRectF& canvasFrame) {
  const float hs = platform::screenheight();
  const float wc = static_cast<float>(canvasFrame.width());
  const float hc = static_cast<float>(canvasFrame.height());
  CanvasProfile p;
  p.workview = {20.0f, 55.0f, 280.0f, hs - 55.0f - 50.0f};
  p.baseview = {0.0f, 0.0f, 280.0f, hs - 55.0f - 50.0f};
  p.controlview = {0.0f, hc - 100.0f, wc, 100.0f};
  p.brushsizelabel = {50.0f, 0.0f, wc - 100.0f, 20.0f};
  p.linesizeslider = {50.0f, 10.0f, wc - 100.0f, 40.0f};
  p.undobtn = {50.0f, 50.0f, 50.0f, 50.0f};
  p.Abtn = {115.0f, 50.0f, 45.0f, 50.0f};
  p.Bbtn = {160.0f, 50.0f, 45.0f, 50.0f};
  p.redobtn = {wc - 100.0f, 50.0f, 50.0f, 50.0f};
  p.fontSize = 18;
  p.tablet = false;
  return p;
}

CanvasProfile tabletProfile(const QRectF& canvasFrame) {
  const float wc = static_cast<float>(canvasFrame.width());
  const float hc = static_cast<float>(canvasFrame.height());
  CanvasProfile p;
  p.workview = {60.0f, 110.0f, 648.0f, 848.0f};
  p.baseview = {0.0f, 0.0f, 648.0f, 848.0f};
  p.controlview = {0.0f, hc - 132.0f, wc, 132.0f};
  p.brushsizelabel = {140.0f, 0.0f, wc - 280.0f, 26.4f};
  p.linesizeslider = {140.0f, 13.2f, wc - 280.0f, 52.8f};
  p.undobtn = {140.0f, 66.0f, 66.0f, 66.0f};
  p.Abtn = {324.6f, 66.0f, 59.4f, 66.0f};
  p.Bbtn = {384.0f, 66.0f, 59.4f, 66.0f};
  p.redobtn = {wc - 66.0f - 140.0f, 66.0f, 66.0f, 66.0f};
  p.fontSize = 36;
  p.tablet = true;
  return p;
}

}  // namespace canvas

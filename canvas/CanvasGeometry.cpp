// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasGeometry.h"

#include <cmath>

namespace canvas {

bool frameContainsPoint(const FrameF& r, PointF p) {
  return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

PointF fixPoint(const FrameF& plate, SizeF picture, const PictureFit& fit, PointF p) {
  const float pictureSide = fit.bigwidth ? picture.width : picture.height;
  const float plateSide = fit.bigwidth ? plate.width : plate.height;
  if (plateSide == 0.0f) return {};
  // Product with the ratio, difference, product with the picture side, quotient.
  const float mx = plate.width * fit.offsetratio_x;
  const float my = plate.height * fit.offsetratio_y;
  const float dx = p.x - mx;
  const float dy = p.y - my;
  const float sx = dx * pictureSide;
  const float sy = dy * pictureSide;
  return {sx / plateSide, sy / plateSide};
}

FrameF getimgframe(const FrameF& plate, SizeF picture, const PictureFit& fit) {
  const float pictureSide = fit.bigwidth ? picture.width : picture.height;
  const float plateSide = fit.bigwidth ? plate.width : plate.height;
  if (plateSide == 0.0f) return {};
  const float mx = plate.width * fit.offsetratio_x;
  const float my = plate.height * fit.offsetratio_y;
  const float w = plate.width + mx * -2.0f;
  const float h = plate.height + my * -2.0f;
  const float ws = w * pictureSide;
  const float hs = h * pictureSide;
  return {0.0f, 0.0f, ws / plateSide, hs / plateSide};
}

float linesizeForSlider(float v, float pictureWidth) {
  const float product = v * pictureWidth;
  return static_cast<float>(static_cast<double>(product) * 0.2);
}

float indicatorDiameter(float linesize, const FrameF& plate, SizeF picture, bool bigwidth) {
  const float pictureSide = bigwidth ? picture.width : picture.height;
  const float plateSide = bigwidth ? plate.width : plate.height;
  if (pictureSide == 0.0f) return 0.0f;
  const float product = linesize * plateSide;
  return product / pictureSide;
}

FrameF twoFingerStep(const FrameF& plate, PointF q0, PointF q1, PointF p0, PointF p1) {
  const PointF k = plate.center();
  const float qx = q0.x - q1.x;
  const float qy = q0.y - q1.y;
  const float px = p0.x - p1.x;
  const float py = p0.y - p1.y;
  const float dprev = std::sqrt(qx * qx + qy * qy);
  const float dcur = std::sqrt(px * px + py * py);

  FrameF f = plate;
  PointF kk = k;
  // Coinciding previous positions give no ratio: no zoom in that event.
  if (std::fabs(dcur - dprev) > kDeadBand && dprev > 0.0f) {
    const float r = dcur / dprev;
    f = {0.0f, 0.0f, r * plate.width, r * plate.height};
    const PointF m{(q0.x + q1.x) * 0.5f, (q0.y + q1.y) * 0.5f};
    kk = {m.x + r * (k.x - m.x), m.y + r * (k.y - m.y)};
  }
  float dx = ((p0.x - q0.x) + (p1.x - q1.x)) * 0.5f;
  float dy = ((p0.y - q0.y) + (p1.y - q1.y)) * 0.5f;
  if (std::fabs(dx) < kDeadBand) dx = 0.0f;
  if (std::fabs(dy) < kDeadBand) dy = 0.0f;
  f.setCenter({kk.x + dx, kk.y + dy});
  return f;
}

FrameF zoomAbout(const FrameF& plate, float r, PointF m) {
  const PointF k = plate.center();
  FrameF f{0.0f, 0.0f, r * plate.width, r * plate.height};
  f.setCenter({m.x + r * (k.x - m.x), m.y + r * (k.y - m.y)});
  return f;
}

FrameF panBy(const FrameF& plate, float dx, float dy) {
  FrameF f = plate;
  const PointF k = plate.center();
  f.setCenter({k.x + dx, k.y + dy});
  return f;
}

FrameF settle(const FrameF& plate, SizeF clip) {
  FrameF f = plate;
  PointF k = plate.center();
  if (f.width < clip.width) {
    f.width = clip.width;
    f.height = clip.height;
  }
  float h = f.width * 0.5f;
  if (k.x - h > 0.0f) k.x = h;
  if (k.x + h < clip.width - kSettleInset) k.x = clip.width + (-0.5f * f.width) + (-kSettleInset);
  h = f.height * 0.5f;
  if (k.y - h > 0.0f) k.y = h;
  if (k.y + h < clip.height - kSettleInset) k.y = clip.height + (-0.5f * f.height) + (-kSettleInset);
  f.setCenter(k);
  return f;
}

float wheelZoomFactor(int angleDelta) {
  return static_cast<float>(std::pow(1.1, static_cast<double>(angleDelta) / 120.0));
}

}  // namespace canvas

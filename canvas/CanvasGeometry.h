// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas's geometry in single precision: the plate frame, the mapping from
// plate points to picture pixels, the brush-size steps, the two-finger step and
// the settling. Plain C++ so that tests drive it with exact numbers; the widgets
// only display what these functions compute.

namespace canvas {

struct PointF {
  float x = 0.0f;
  float y = 0.0f;
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct SizeF {
  float width = 0.0f;
  float height = 0.0f;
  friend bool operator==(const SizeF&, const SizeF&) = default;
};

// A view frame: origin and size, in the parent's points.
struct FrameF {
  float x = 0.0f;
  float y = 0.0f;
  float width = 0.0f;
  float height = 0.0f;

  PointF center() const { return {x + width * 0.5f, y + height * 0.5f}; }
  // Moves the frame so that its centre is c, keeping its size.
  void setCenter(PointF c) {
    x = c.x - width * 0.5f;
    y = c.y - height * 0.5f;
  }
  friend bool operator==(const FrameF&, const FrameF&) = default;
};

// How the picture sits aspect-fit in the plate: the margin on each side as a
// fraction of the plate's width (x) or height (y), and which side it fills.
struct PictureFit {
  float offsetratio_x = 0.0f;
  float offsetratio_y = 0.0f;
  bool bigwidth = true;
};

// Inside test of a rectangle: min <= v < max on both axes.
bool frameContainsPoint(const FrameF& r, PointF p);

// A plate point (plate coordinates) in picture pixels; nothing is clamped.
// An empty plate maps everything to (0, 0).
PointF fixPoint(const FrameF& plate, SizeF picture, const PictureFit& fit, PointF p);

// The picture's rectangle in picture pixels, recomputed from the plate and fit.
FrameF getimgframe(const FrameF& plate, SizeF picture, const PictureFit& fit);

// Brush width in picture pixels for a slider value v on a picture pictureWidth wide.
float linesizeForSlider(float v, float pictureWidth);

// Diameter in plate points of the brush-size indicator for the current zoom.
float indicatorDiameter(float linesize, const FrameF& plate, SizeF picture, bool bigwidth);

// Constants of the two-finger step and the settling.
inline constexpr float kDeadBand = 1.0f;
inline constexpr float kSettleInset = 1.0f;

// One two-finger move event: q0/q1 the previous and p0/p1 the current finger
// positions (canvas coordinates). Returns the new plate frame. Zooms only when the
// finger distance changes by more than the dead band and the previous distance is
// not zero; pans each axis only when the mean movement reaches the dead band.
FrameF twoFingerStep(const FrameF& plate, PointF q0, PointF q1, PointF p0, PointF p1);

// Scales the plate by r about the anchor m (same coordinates as the plate's
// centre): the wheel and trackpad pinch, which have no dead band.
FrameF zoomAbout(const FrameF& plate, float r, PointF m);

// Moves the plate by (dx, dy).
FrameF panBy(const FrameF& plate, float dx, float dy);

// The plate after the settling inside a clipping frame of size clip: at least as
// wide as the clip, no gap at the left/top edge, none wider than the inset at the
// right/bottom edge.
FrameF settle(const FrameF& plate, SizeF clip);

// The wheel's zoom factor: 1.1 to the power of delta / 120.
float wheelZoomFactor(int angleDelta);

}  // namespace canvas

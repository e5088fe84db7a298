// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames and font size that tell the two canvas profiles apart.
#include <QRectF>

#include "canvas/CanvasGeometry.h"

namespace canvas {

struct CanvasProfile {
  FrameF workview;
  FrameF baseview;
  FrameF controlview;
  FrameF brushsizelabel;
  FrameF linesizeslider;
  FrameF undobtn;
  FrameF Abtn;
  FrameF Bbtn;
  FrameF redobtn;
  int fontSize = 18;
  bool tablet = false;  // the tablet profile writes more diagnostic lines
};

// Phone: the clipping frame's height comes from platform::screenheight(), the
// control strip's place from the canvas frame.
CanvasProfile phoneProfile(const QRectF& canvasFrame);
CanvasProfile tabletProfile(const QRectF& canvasFrame);

}  // namespace canvas

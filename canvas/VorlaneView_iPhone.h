// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas in the phone profile (frames from the screen height).
#include "canvas/VorlaneView.h"

namespace canvas {

class VorlaneView_iPhone : public VorlaneView {
  Q_OBJECT
 public:
  explicit VorlaneView_iPhone(const QRectF& frame, QWidget* parent = nullptr);
};

}  // namespace canvas

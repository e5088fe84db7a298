// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas in the tablet profile.
#include "canvas/VorlaneView.h"

namespace canvas {

class VorlaneView_iPad : public VorlaneView {
  Q_OBJECT
 public:
  explicit VorlaneView_iPad(const QRectF& frame, QWidget* parent = nullptr);
};

}  // namespace canvas

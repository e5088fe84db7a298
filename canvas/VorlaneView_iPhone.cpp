// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/VorlaneView_iPhone.h"

namespace canvas {

VorlaneView_iPhone::VorlaneView_iPhone(const QRectF& frame, QWidget* parent)
    : VorlaneView(frame, phoneProfile(frame), parent) {}

}  // namespace canvas

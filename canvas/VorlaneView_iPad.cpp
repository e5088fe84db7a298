// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/VorlaneView_iPad.h"

namespace canvas {

VorlaneView_iPad::VorlaneView_iPad(const QRectF& frame, QWidget* parent)
    : VorlaneView(frame, tabletProfile(frame), parent) {}

}  // namespace canvas

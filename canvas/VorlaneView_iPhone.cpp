#include "canvas/VorlaneView_iPhone.h"

VorlaneView_iPhone::VorlaneView_iPhone(const QRectF& frame, QWidget* parent)
    : VorlaneView(frame, canvas::phoneProfile(frame), parent) {}

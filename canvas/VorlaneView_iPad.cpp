#include "canvas/VorlaneView_iPad.h"

VorlaneView_iPad::VorlaneView_iPad(const QRectF& frame, QWidget* parent)
    : VorlaneView(frame, canvas::tabletProfile(frame), parent) {}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Labels on fixed frames: a label keeps its font size while its line of text fits
// the frame and otherwise takes the largest size that fits, so that no label is
// ever cut off whatever font the desktop supplies.
#include <QFont>
#include <QSize>
#include <QString>

namespace platform {

// True when text, drawn on one line in font into a frame of size frame as a
// label draws it (placed by alignment's horizontal part, centred vertically,
// antialiased, at one pixel per point), is no wider than the frame and leaves
// no ink outside it.
bool textFitsFrame(const QFont& font, const QString& text, QSize frame, Qt::Alignment alignment);

// How far a label moves text from its alignment's edge so that no glyph's ink
// crosses it: a first letter that overhangs its left side ("T" in most fonts)
// is moved right when left-aligned, a last letter overhanging its right side
// moved left when right-aligned. 0 when nothing overhangs, and for centred text.
qreal textInset(const QFont& font, const QString& text, Qt::Alignment alignment);

// pixelSize when text fits the frame in font at that size, otherwise the largest
// smaller size that fits; 1 when none does. Sizes above 4096 are taken as 4096.
int fittedPixelSize(const QFont& font, const QString& text, QSize frame, int pixelSize,
                    Qt::Alignment alignment);

}  // namespace platform

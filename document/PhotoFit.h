// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a photo sits in the canvas under aspect-fit: the empty margin on each side
// as a fraction of the plate, and which side the photo fills.
#include <QSize>

namespace document {

struct PhotoFit {
  float offsetratio_x = 0.0f;
  float offsetratio_y = 0.0f;
  bool bigwidth = true;
};

// uprightSize: the photo's full-resolution upright size; canvasAspect: the
// clipping frame's width / height. A photo exactly as wide as the canvas fills
// its height (bigwidth false, both margins 0).
PhotoFit fitPhoto(QSize uprightSize, float canvasAspect);

// The brush width for a new photo: slider value v times the photo width, then a
// fifth of it.
float brushWidthForPhoto(float sliderValue, int photoWidth);

}  // namespace document

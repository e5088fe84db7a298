// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/PhotoFit.h"

namespace document {

PhotoFit fitPhoto(QSize uprightSize, float canvasAspect) {
  PhotoFit fit;
  const float r = float(uprightSize.width()) / float(uprightSize.height());
  const float c = canvasAspect;
  if (r > c) {
    // The quotient stays single precision; the margin arithmetic is double.
    const float q = c / r;
    fit.offsetratio_x = 0.0f;
    fit.offsetratio_y = float((1.0 - double(q)) * 0.5);
    fit.bigwidth = true;
  } else {
    const float q = r / c;
    fit.offsetratio_y = 0.0f;
    fit.offsetratio_x = float((1.0 - double(q)) * 0.5);
    fit.bigwidth = false;
  }
  return fit;
}

float brushWidthForPhoto(float sliderValue, int photoWidth) {
  const float vw = sliderValue * float(photoWidth);
  return float(double(vw) * 0.2);
}

}  // namespace document

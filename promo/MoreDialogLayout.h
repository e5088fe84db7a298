// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frames and font sizes of the more-apps dialog. The frames are a float model:
// fractions of the height are taken in double precision and then stored as
// single-precision values, everything else is single-precision arithmetic.
#include <QRectF>

namespace promo {

struct MoreDialogLayout {
  QRectF title;
  QRectF details;
  QRectF appicon;
  QRectF demo;
  QRectF getbtn;
  QRectF morebtn;
  QRectF laterbtn;
};

// Frames inside a dialog of width w and height h.
MoreDialogLayout moreDialogLayout(float w, float h);

struct MoreDialogFonts {
  int title;
  int details;
  int label;
};

// Font pixel sizes for a tablet-class device or a phone.
MoreDialogFonts moreDialogFonts(bool tablet);

}  // namespace promo

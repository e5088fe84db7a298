// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/MoreDialogLayout.h"

namespace promo {
namespace {

// h * tenths / 10 in double precision, kept as a float.
float heightFraction(float h, double tenths) {
  return static_cast<float>(static_cast<double>(h) * tenths / 10.0);
}

QRectF rectOf(float x, float y, float w, float h) {
  return QRectF(x, y, w, h);
}

}  // namespace

MoreDialogLayout moreDialogLayout(float w, float h) {
  MoreDialogLayout l;
  l.title = rectOf(0.0f, heightFraction(h, 0.8), w, w / 10.0f);
  l.details = rectOf(w / 4.0f + 5.0f, heightFraction(h, 1.5), 3.0f * w / 4.0f - 5.0f, w / 2.0f);
  l.appicon = rectOf(8.0f, heightFraction(h, 2.1), w / 4.0f, w / 4.0f);
  // The demonstration picture keeps the 768 : 400 shape.
  l.demo = rectOf(8.0f, heightFraction(h, 4.7), w - 16.0f, (w - 16.0f) * 400.0f / 768.0f);
  const float rowY = heightFraction(h, 8.6);
  l.getbtn = rectOf(w / 16.0f, rowY, w / 4.0f, w / 8.0f);
  l.morebtn = rectOf(3.0f * w / 8.0f, rowY, w / 4.0f, w / 8.0f);
  l.laterbtn = rectOf(11.0f * w / 16.0f, rowY, w / 4.0f, w / 8.0f);
  return l;
}

MoreDialogFonts moreDialogFonts(bool tablet) {
  MoreDialogFonts f;
  f.title = tablet ? 38 : 18;
  f.details = tablet ? 32 : 16;
  // Button labels: the text size with the bit 2 set (16 -> 18, 32 -> 34).
  f.label = f.details | 2;
  return f;
}

}  // namespace promo

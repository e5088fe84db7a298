// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the app benchmarks share: a photo with edges and gradients to render,
// and settings that keep the start-up prompts out of the measurement.
#include <QImage>
#include <QString>

#include "platform/UserDefaults.h"

namespace bench {

inline QImage makePhoto(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x)
      row[x] = qRgb((x * 7 + y) & 255, (y * 3) & 255, ((x / 32 + y / 32) % 2) * 180 + 40);
  }
  return image;
}

// A settings file at iniPath on which help, rating and more-apps never come up.
inline void quietSettings(const QString& iniPath) {
  platform::UserDefaults::setStorageFile(iniPath);
  auto& d = platform::UserDefaults::standardUserDefaults();
  d.setBoolForKey(true, "helphint");
  d.setBoolForKey(true, "rated");
  d.setIntegerForKey(1000000, "more_times");
}

}  // namespace bench

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/ScaledStyles.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "sketch/RowSplit.h"
#include "sketch/StyleKernels.h"
#include "sketch/Styles.h"
#include "sketch/WideDispatch.h"

namespace sketch::detail {

namespace {

std::uint8_t clampByte(int a) {
  return std::uint8_t(a < 0 ? 0 : (a > 255 ? 255 : a));
}

// One interior row of a style at the spread taps; v is scratch of w values.
void scaledRow(int style, const ScaledTaps& t, int w, int yc, const std::uint8_t* grey,
               const std::uint8_t* blurred, std::uint8_t* __restrict o, std::int32_t* __restrict v) {
  const std::size_t row = std::size_t(yc) * std::size_t(w);
  const std::uint8_t* g = grey + row;
  const std::uint8_t* b = blurred + row;
  const int n = t.near, f = t.far;
  const std::uint8_t* bn = b + std::size_t(n) * std::size_t(w);  // n rows below
  switch (style) {
    case 1:
      std::memcpy(o + f, g + f, std::size_t(w - 2 * f));
      return;
    case 2:
    case 3:
    case 4: {
      const std::size_t sn = std::size_t(n) * std::size_t(w), sf = std::size_t(f) * std::size_t(w);
      const std::uint8_t *r0 = b - sf, *r1 = b - sn, *r3 = b + sn, *r4 = b + sf;
      for (int x = 0; x < w; ++x) v[x] = r0[x] + r1[x] + b[x] + r3[x] + r4[x];
      for (int x = f; x < w - f; ++x) {
        const int s = v[x - f] + v[x - n] + v[x] + v[x + n] + v[x + f];
        const int high = 25 * b[x] - s;
        const int detail = g[x] - b[x];
        if (style == 2)
          o[x] = clampByte(g[x] + high);
        else if (style == 3)
          o[x] = std::uint8_t(255 - clampByte(high + detail));
        else
          o[x] = clampByte(high + detail);
      }
      return;
    }
    case 5:
      // reliefValue with the half-contrast photo from the unblurred grey.
      for (int x = f; x < w - f; ++x) {
        const int m = 8 * (b[x + n] + bn[x]) - 18 * b[x] + 3 * g[x] + 128;
        o[x] = std::uint8_t(std::min(std::max(m, 0) / 2, 255));
      }
      return;
    case 6:
      for (int x = n; x < w - n; ++x) o[x] = clampByte(128 - 2 * (2 * g[x] - b[x + n] - bn[x + n]));
      return;
    default:
      for (int x = n; x < w - n; ++x) o[x] = clampByte(128 + 2 * (2 * g[x] - b[x + n] - bn[x + n]));
      return;
  }
}

}  // namespace

ScaledTaps scaledTaps(double scale) {
  const int near = std::max(1, int(std::lround(scale)));
  const int far = std::max(2, int(std::lround(2.0 * scale)));
  return {near, far, near};
}

VORLANE_WIDE void boxBlur(const std::uint8_t* grey, int w, int h, int box, std::uint8_t* blurred) {
  const std::size_t n = std::size_t(w) * std::size_t(h);
  if (box <= 1) {
    std::memcpy(blurred, grey, n);
    return;
  }
  // The window is x - (box - 1) / 2 .. x + box / 2: a plain box averages the
  // grain of the photo down as the working-size reduction does (a centred even
  // window would smooth it further and darken the high-pass styles).
  const int before = (box - 1) / 2;
  const std::uint32_t area = std::uint32_t(box) * std::uint32_t(box);
  // Per worker: the column sums of the row, padded by the window each side.
  const std::size_t stride = std::size_t(w) + std::size_t(box);
  std::vector<std::uint32_t> scratch(2 * stride);
  splitRows(h, n, [&](int worker, int y0, int y1) {
    std::uint32_t* col = scratch.data() + std::size_t(worker) * stride;
    std::uint32_t* mid = col + before;
    for (int y = y0; y < y1; ++y) {
      std::fill(mid, mid + w, 0u);
      for (int i = 0; i < box; ++i) {
        const std::uint8_t* src = grey + std::size_t(std::clamp(y + i - before, 0, h - 1)) * std::size_t(w);
        for (int x = 0; x < w; ++x) mid[x] += src[x];
      }
      for (int i = 0; i < before; ++i) col[i] = mid[0];
      for (int i = 0; i < box - 1 - before; ++i) mid[w + i] = mid[w - 1];
      std::uint8_t* out = blurred + std::size_t(y) * std::size_t(w);
      std::uint32_t s = 0;
      for (int i = 0; i < box - 1; ++i) s += col[i];
      for (int x = 0; x < w; ++x) {
        s += col[x + box - 1];
        out[x] = std::uint8_t((s + area / 2) / area);
        s -= col[x];
      }
    }
  });
}

void runScaledStyle(int style, const ScaledTaps& taps, int w, int h, const std::uint8_t* grey,
                    const std::uint8_t* blurred, std::uint8_t* plane, TextureValues texture,
                    std::uint32_t* result, WordOrder order) {
  const int m = scaledMargin(style, taps);
  const bool hasInterior = w - m > m && h - m > m;
  std::vector<std::int32_t> scratch(2 * std::size_t(w));
  splitRows(h, std::size_t(w) * std::size_t(h), [&](int worker, int y0, int y1) {
    std::int32_t* v = scratch.data() + std::size_t(worker) * std::size_t(w);
    for (int y = y0; y < y1; ++y) {
      const std::size_t row = std::size_t(y) * std::size_t(w);
      std::uint8_t* o = plane + row;
      if (!hasInterior) {
        std::memcpy(o, grey + row, std::size_t(w));
      } else {
        // As at the working size: the frame repeats the nearest interior values.
        scaledRow(style, taps, w, std::clamp(y, m, h - m - 1), grey, blurred, o, v);
        std::memset(o, o[m], std::size_t(m));
        std::memset(o + w - m, o[w - m - 1], std::size_t(m));
      }
      if (texture) blendRows(o, texture.from(row), result + row, std::size_t(w), order);
    }
  });
}

}  // namespace sketch::detail

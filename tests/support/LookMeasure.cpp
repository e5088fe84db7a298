// SPDX-License-Identifier: GPL-3.0-or-later
#include "LookMeasure.h"

#include <algorithm>
#include <cmath>

namespace reference {

namespace {

// For each output index, the input indices and weights that cover it.
struct Taps {
  std::vector<int> first;
  std::vector<std::vector<double>> weights;
};

Taps areaTaps(int n, int m) {
  Taps t;
  const double step = double(n) / double(m);
  for (int o = 0; o < m; ++o) {
    const double a = o * step, b = (o + 1) * step;
    const int i0 = int(std::floor(a)), i1 = std::min(n, int(std::ceil(b)));
    std::vector<double> w;
    for (int i = i0; i < i1; ++i) w.push_back((std::min(b, i + 1.0) - std::max(a, double(i))) / step);
    t.first.push_back(i0);
    t.weights.push_back(std::move(w));
  }
  return t;
}

double keys(double x) {
  x = std::abs(x);
  return x < 1 ? (1.5 * x - 2.5) * x * x + 1 : x < 2 ? ((-0.5 * x + 2.5) * x - 4) * x + 2 : 0;
}

Taps cubicTaps(int n, int m) {
  Taps t;
  const double step = double(n) / double(m);
  for (int o = 0; o < m; ++o) {
    const double c = (o + 0.5) * step - 0.5;
    const int base = int(std::floor(c)) - 1;
    std::vector<double> w;
    for (int i = 0; i < 4; ++i) w.push_back(keys(c - (base + i)));
    t.first.push_back(base);
    t.weights.push_back(std::move(w));
  }
  return t;
}

// Separable resampling; indices outside the input take the nearest edge.
Plane resample(const Plane& in, int nw, int nh, const Taps& tx, const Taps& ty) {
  Plane mid{nw, in.height, std::vector<double>(std::size_t(nw) * in.height)};
  for (int y = 0; y < in.height; ++y)
    for (int x = 0; x < nw; ++x) {
      double s = 0;
      const auto& w = tx.weights[x];
      for (std::size_t i = 0; i < w.size(); ++i)
        s += w[i] * in.at(std::clamp(tx.first[x] + int(i), 0, in.width - 1), y);
      mid.v[std::size_t(y) * nw + x] = s;
    }
  Plane out{nw, nh, std::vector<double>(std::size_t(nw) * nh)};
  for (int y = 0; y < nh; ++y) {
    const auto& w = ty.weights[y];
    for (int x = 0; x < nw; ++x) {
      double s = 0;
      for (std::size_t i = 0; i < w.size(); ++i) s += w[i] * mid.at(x, std::clamp(ty.first[y] + int(i), 0, in.height - 1));
      out.v[std::size_t(y) * nw + x] = s;
    }
  }
  return out;
}

}  // namespace

Plane areaReduce(const Plane& in, int nw, int nh) {
  return resample(in, nw, nh, areaTaps(in.width, nw), areaTaps(in.height, nh));
}

Plane bicubicEnlarge(const Plane& in, int nw, int nh) {
  return resample(in, nw, nh, cubicTaps(in.width, nw), cubicTaps(in.height, nh));
}

double laplacianVariance(const Plane& p) {
  double sum = 0, sum2 = 0;
  std::size_t n = 0;
  for (int y = 1; y + 1 < p.height; ++y)
    for (int x = 1; x + 1 < p.width; ++x) {
      const double l = p.at(x - 1, y) + p.at(x + 1, y) + p.at(x, y - 1) + p.at(x, y + 1) - 4 * p.at(x, y);
      sum += l;
      sum2 += l * l;
      ++n;
    }
  if (n == 0) return 0;
  const double mean = sum / double(n);
  return sum2 / double(n) - mean * mean;
}

double meanAbsDifference(const Plane& a, const Plane& b) {
  if (a.v.size() != b.v.size() || a.v.empty()) return -1;
  double s = 0;
  for (std::size_t i = 0; i < a.v.size(); ++i) s += std::abs(a.v[i] - b.v[i]);
  return s / double(a.v.size());
}

Plane blueOf(const std::uint32_t* words, int w, int h) {
  Plane p{w, h, std::vector<double>(std::size_t(w) * h)};
  for (std::size_t i = 0; i < p.v.size(); ++i) p.v[i] = double(words[i] >> 24);
  return p;
}

void fitLonger(int w, int h, int longer, int& nw, int& nh) {
  nw = w >= h ? longer : std::max(1, int(std::lround(double(w) * longer / h)));
  nh = w >= h ? std::max(1, int(std::lround(double(h) * longer / w))) : longer;
}

}  // namespace reference

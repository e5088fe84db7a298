// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a render looks at viewing scale and how much fine detail it holds, on
// grey planes of doubles: an exact area-average reduction, a bicubic
// enlargement and the variance of the Laplacian.
#include <cstdint>
#include <vector>

namespace reference {

struct Plane {
  int width = 0;
  int height = 0;
  std::vector<double> v;
  double at(int x, int y) const { return v[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Every output pixel is the mean of the input area it covers, partial pixels
// weighted by the part covered (w x h -> nw x nh, nw <= w, nh <= h).
Plane areaReduce(const Plane& in, int nw, int nh);

// Keys' cubic (a = -0.5) through pixel centres, edges replicated.
Plane bicubicEnlarge(const Plane& in, int nw, int nh);

// Variance of the 4-neighbour Laplacian over the interior.
double laplacianVariance(const Plane& p);

// Mean of |a - b| over two planes of one size.
double meanAbsDifference(const Plane& a, const Plane& b);

// The blue bytes of opaque grey render words, or of any raster's words.
Plane blueOf(const std::uint32_t* words, int w, int h);

// The size of a w x h picture with its longer side `longer`, rounded.
void fitLonger(int w, int h, int longer, int& nw, int& nh);

}  // namespace reference

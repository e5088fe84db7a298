// SPDX-License-Identifier: GPL-3.0-or-later
// Deterministic random numbers and value noise shared by the drawings.
#include <cmath>

#include "tools/art/Art.h"

namespace art {

std::uint64_t Rng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() {
  return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

double latticeValue(std::uint32_t seed, int ix, int iy) {
  std::uint32_t h = seed * 0x27d4eb2du ^ static_cast<std::uint32_t>(ix) * 0x165667b1u ^
                    static_cast<std::uint32_t>(iy) * 0x9E3779B1u;
  h ^= h >> 15;
  h *= 0x85ebca6bu;
  h ^= h >> 13;
  h *= 0xc2b2ae35u;
  h ^= h >> 16;
  return (h & 0xFFFFFFu) / double(0xFFFFFF);
}

double smooth(double t) {
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double valueNoise(std::uint32_t seed, double x, double y) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double a = latticeValue(seed, ix, iy), b = latticeValue(seed, ix + 1, iy);
  const double c = latticeValue(seed, ix, iy + 1), d = latticeValue(seed, ix + 1, iy + 1);
  const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

double fractalNoise(std::uint32_t seed, double x, double y, int octaves) {
  double sum = 0.0, weight = 1.0, total = 0.0, freq = 1.0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * valueNoise(seed + 101u * static_cast<std::uint32_t>(o), x * freq, y * freq);
    total += weight;
    weight *= 0.5;
    freq *= 2.0;
  }
  return sum / total;
}

}  // namespace art

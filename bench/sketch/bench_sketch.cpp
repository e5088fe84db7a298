// SPDX-License-Identifier: GPL-3.0-or-later
// Sketch render speed on a 1280 x 1280 photo, against the cost of merely
// copying the rasters a render reads and writes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "ReferenceStyles.h"
#include "platform/ImageBridge.h"
#include "sketch/StylePipeline.h"
#include "sketch/Styles.h"

namespace {

constexpr int kSide = 1280;

// A photo-like raster: smooth gradients with some grain, opaque.
const sketch::PixelBuffer& photo() {
  static const sketch::PixelBuffer raster = [] {
    sketch::PixelBuffer b = *sketch::PixelBuffer::allocate(kSide, kSide);
    std::mt19937 rng(1);
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        const int grain = int(rng() % 32);
        b.at(x, y) = sketch::makePixel(255, std::uint8_t((x * 200 / kSide + grain) & 0xFF),
                                       std::uint8_t((y * 180 / kSide + grain) & 0xFF),
                                       std::uint8_t(((x + y) * 100 / kSide + grain) & 0xFF));
      }
    return b;
  }();
  return raster;
}

const sketch::PixelBuffer& texture() {
  static const sketch::PixelBuffer raster = [] {
    sketch::PixelBuffer b = *sketch::PixelBuffer::allocate(kSide, kSide);
    std::mt19937 rng(2);
    for (auto& word : b.pixels) {
      const auto v = std::uint8_t(rng() % 96);
      word = sketch::makePixel(255, v, v, v);
    }
    return b;
  }();
  return raster;
}

// The photo raster is copied in every iteration because the pipeline consumes
// it; the copy goes into memory kept from the previous iteration, as the floor's
// copies do, so that both measure work rather than fresh pages from the kernel.
void styleRender(benchmark::State& state, int style) {
  const sketch::PixelBuffer& source = photo();
  const sketch::PixelBuffer& tex = texture();
  sketch::GrayPlane plane;
  sketch::PixelBuffer input;
  for (auto _ : state) {
    input = source;
    auto result = sketch::runStylePipeline(std::move(input), style, tex, plane);
    if (!result) {
      state.SkipWithError("render failed");
      break;
    }
    QImage image = platform::toQImage(*result);
    benchmark::DoNotOptimize(image.constBits());
    input = std::move(*result);
  }
}

void referenceStyle2(benchmark::State& state) {
  const sketch::PixelBuffer& source = photo();
  const sketch::PixelBuffer& tex = texture();
  sketch::GrayPlane plane;
  sketch::PixelBuffer grey, result;
  for (auto _ : state) {
    grey = source;
    sketch::grayConvert(grey);
    reference::stylePassReference(2, grey, plane);
    sketch::textureBlend(plane, tex, result);
    QImage image = platform::toQImage(result);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void memcpyFloor(benchmark::State& state) {
  const sketch::PixelBuffer& source = photo();
  const sketch::PixelBuffer& tex = texture();
  const std::size_t bytes = source.pixels.size() * 4;
  std::vector<std::uint32_t> photoCopy(source.pixels.size()), textureCopy(tex.pixels.size()),
      resultCopy(source.pixels.size());
  for (auto _ : state) {
    std::memcpy(photoCopy.data(), source.pixels.data(), bytes);
    std::memcpy(textureCopy.data(), tex.pixels.data(), bytes);
    std::memcpy(resultCopy.data(), photoCopy.data(), bytes);
    benchmark::DoNotOptimize(resultCopy.data());
    benchmark::ClobberMemory();
  }
}

const bool registered = [] {
  benchmark::RegisterBenchmark("memcpy_floor_ms", memcpyFloor)->UseRealTime()->MinTime(0.5);
  for (int style = 1; style <= 7; ++style)
    benchmark::RegisterBenchmark(("style_render_" + std::to_string(style) + "_ms").c_str(),
                                 [style](benchmark::State& state) { styleRender(state, style); })
        ->UseRealTime()
        ->MinTime(0.5);
  benchmark::RegisterBenchmark("reference_style2_ms", referenceStyle2)->UseRealTime()->MinTime(0.5);
  return true;
}();

}  // namespace

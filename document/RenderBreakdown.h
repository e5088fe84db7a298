// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the time of one render pass went, in milliseconds.

namespace document {

struct RenderBreakdown {
  double extractMs = 0;  // the prepared photo's grey bytes (once per photo)
  double textureMs = 0;  // sketch-brush texture at the photo's size
  double styleMs = 0;    // style pass and texture blend
  double handoffMs = 0;  // pictures into the canvas, scratch file, canvas reset
  int pipelineRuns = 0;
  void clear() { *this = RenderBreakdown(); }
};

}  // namespace document

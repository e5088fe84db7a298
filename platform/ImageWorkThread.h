// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt splits image conversions and smooth scaling across its global thread pool
// and waits for the parts; when the pool cannot start a thread (an address-space
// limit, memory running out) it waits forever. Work run on a thread of that pool
// is never split, so it needs no thread beyond the one it runs on.
#include <functional>
#include <optional>

namespace platform {

// Runs work on a thread of Qt's global pool and returns its result; nothing
// when no thread started within startTimeoutMs, in which case work never runs
// and the pool is unusable (the caller should report and leave).
std::optional<int> runOnImageWorkThread(const std::function<int()>& work, int startTimeoutMs = 10000);

// Runs work on a thread of Qt's global pool and waits for it: right here when
// this is one, here too when no pool thread can be had. There Qt's raster
// engine fills each shape on the painting thread instead of splitting every
// tall fill across that pool, a hand-off that costs more than the fills when
// they are many and small (brush strokes replayed: a 1,000-stroke painting's
// time-lapse frames take 2.7 s on another thread, 0.46 s on a pool thread, on
// 2 cores).
int runPaintingWork(const std::function<int()>& work);

}  // namespace platform

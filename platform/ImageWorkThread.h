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

}  // namespace platform

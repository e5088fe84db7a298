#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# fuzz/run.sh SECONDS [painting]: builds the photo-preparation fuzzer (or with
# "painting", the document reader's) with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer), writes the seed corpus (small valid files of every
# format read, or small documents) and fuzzes for SECONDS on one core. Crashes,
# leaks, timeouts and allocations over the limits land in build-fuzz/findings/;
# a fixed finding is kept as a regression file in tests/platform/fuzz-regressions/
# (tests/document/fuzz-regressions/ for documents), which ./test.sh replays.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS [painting]}
build=build-fuzz
target=fuzz_prepare_photo seeder=fuzz_make_seeds regressions=tests/platform/fuzz-regressions
seeds=$build/seeds corpus=$build/corpus
if [ "${2:-}" = painting ]; then
  target=fuzz_read_painting seeder=fuzz_make_painting_seeds regressions=tests/document/fuzz-regressions
  seeds=$build/painting-seeds corpus=$build/painting-corpus
elif [ -n "${2:-}" ]; then
  echo "usage: fuzz/run.sh SECONDS [painting]" >&2
  exit 2
fi
./scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DVORLANE_FUZZ=ON >/dev/null
cmake --build "$build" --target "$target" "$seeder" >/dev/null
mkdir -p "$seeds" "$corpus" "$build/findings"
# The seed writer is no part of what is fuzzed: x265 keeps a block until exit.
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$build/fuzz/$seeder" "$seeds"
# A small quarantine keeps AddressSanitizer's own hold on freed memory from
# counting against the resident-memory limit.
export ASAN_OPTIONS=quarantine_size_mb=16:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
export QT_QPA_PLATFORM=offscreen
# One job in a child process that is restarted after each finding, so that a run
# collects every finding of its time rather than stopping at the first.
status=0
"$build/fuzz/$target" -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
  -max_total_time="$seconds" -rss_limit_mb=600 -malloc_limit_mb=600 -timeout=30 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$build/findings/" \
  "$corpus" "$seeds" "$regressions" || status=$?
# Faults that depend on how Qt's pooled threads meet (a conversion split over
# threads) show in a few runs out of hundreds: every input found, the seeds and
# the regression files run 50 times more each, in one process per folder (a
# unit 50 times as slow is no finding).
export VORLANE_FUZZ_REPEAT=50
for folder in "$corpus" "$seeds" "$regressions"; do
  "$build/fuzz/$target" -runs=0 -rss_limit_mb=600 -malloc_limit_mb=600 -timeout=300 -report_slow_units=600 \
    -artifact_prefix="$build/findings/" "$folder" || status=$?
done
exit "$status"

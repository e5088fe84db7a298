#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vorlane and runs it: the app on PHOTO (the bundled sample photo when none
# is given). Without a display, the command-line renderer writes the photo's seven
# sketch styles next to it instead and says where.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
build=build-run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLANE_BUILD_TESTS=OFF -DVORLANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

photo="${1:-}"
# The app itself starts empty; this script opens the bundled sample for a first look.
[ -z "$photo" ] && photo=resources/sample/astronaut.png
if [ ! -f "$photo" ]; then
  echo "run.sh: no such photo: $photo" >&2
  exit 1
fi

if [ -x "$build/app/vorlane" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$build/app/vorlane" "$photo"
fi

[ -x "$build/app/vorlane" ] && echo "No display found: rendering the sketch styles with the command-line renderer instead."
if [ "$photo" = resources/sample/astronaut.png ]; then
  mkdir -p out
  cp resources/sample/astronaut.png out/astronaut.png
  photo=out/astronaut.png
fi
dir=$(dirname "$photo")
base=$(basename "${photo%.*}")
for style in 1 2 3 4 5 6 7; do
  "$build/tools/vorlane-sketch" --style "$style" "$photo" "$dir/$base.style$style.png"
  echo "wrote $dir/$base.style$style.png"
done

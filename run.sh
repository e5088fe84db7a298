#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vorlane and runs it: the app on PHOTO (the bundled sample photo when none
# is given). Without a display, the command-line renderer writes the photo's seven
# sketch styles next to it instead and names each file it wrote.
# VORLANE_BUILD_DIR=DIR takes an existing build in DIR as it is: no packages are
# installed and nothing is configured or built (the tests run this script that way).
set -euo pipefail
cd "$(dirname "$0")"
if [ -n "${VORLANE_BUILD_DIR:-}" ]; then
  build=$VORLANE_BUILD_DIR
else
  ./scripts/deps.sh
  build=build-run
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLANE_BUILD_TESTS=OFF -DVORLANE_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi

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

sketch=$build/tools/vorlane-sketch/vorlane-sketch
if [ ! -x "$sketch" ]; then
  echo "run.sh: the command-line renderer is not built: $sketch" >&2
  exit 1
fi
[ -x "$build/app/vorlane" ] && echo "No display found: rendering the sketch styles with the command-line renderer instead."
if [ "$photo" = resources/sample/astronaut.png ]; then
  mkdir -p out
  cp resources/sample/astronaut.png out/astronaut.png
  photo=out/astronaut.png
fi
dir=$(dirname "$photo")
# One decode for all seven styles. The batch form never replaces a file, so it
# writes into a fresh folder beside the photo, and each sketch then takes its
# plain name, replacing the one an earlier run wrote.
work=$(mktemp -d "$dir/.vorlane-sketch.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$sketch" --style all --out-dir "$work" "$photo"
for file in "$work"/*; do
  mv -f "$file" "$dir/"
  echo "wrote $dir/$(basename "$file")"
done

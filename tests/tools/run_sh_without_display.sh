#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./run.sh without a display, on the tests' own build (no second build): the
# seven sketch styles of a copy of PHOTO land next to it at the photo's working
# size, each named on stdout; a second run replaces them instead of adding
# numbered copies.
# Usage: run_sh_without_display.sh RUN_SH BUILD_DIR PHOTO WIDTH HEIGHT
set -euo pipefail
run_sh=$1 build=$2 photo=$3 width=$4 height=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$photo" "$work/my photo.png"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# A PNG's size from its header: the signature, then IHDR's width and height.
png_size() {
  local bytes
  bytes=($(od -An -tu1 -N24 "$1"))
  [ "${#bytes[@]}" -eq 24 ] && [ "${bytes[1]}" -eq 80 ] && [ "${bytes[2]}" -eq 78 ] || return 1
  echo "$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19])) $(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))"
}

expected="$work/my photo.png"
wrote=""
for style in 1 2 3 4 5 6 7; do
  expected+=$'\n'"$work/my photo.style$style.png"
  wrote+="wrote $work/my photo.style$style.png"$'\n'
done
for round in 1 2; do
  status=0
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY VORLANE_BUILD_DIR="$build" "$run_sh" "$work/my photo.png") || status=$?
  [ "$status" -eq 0 ] || fail "round $round: exit $status"
  # The full build has the app too, and says why it is not started.
  out=$(grep -v '^No display found: ' <<<"$out")
  [ "$out"$'\n' = "$wrote" ] || fail "round $round: stdout was:"$'\n'"$out"
  [ "$(find "$work" -mindepth 1 | LC_ALL=C sort)" = "$expected" ] ||
    fail "round $round: the folder holds:"$'\n'"$(find "$work" -mindepth 1 | LC_ALL=C sort)"
  for style in 1 2 3 4 5 6 7; do
    size=$(png_size "$work/my photo.style$style.png") || fail "style $style is not a PNG"
    [ "$size" = "$width $height" ] || fail "style $style is $size, not $width $height"
  done
done
echo "run.sh wrote the seven styles at $width x $height"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from this build into OUT_DIR (emptied first), for
# the package tests that follow, and checks it is there under Debian's name.
#
# usage: make_package.sh BUILD_DIR CPACK DEB
set -euo pipefail
build=$1 cpack=$2 deb=$3

out=$(dirname "$deb")
rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; echo "FAILED: cpack could not make the package" >&2; exit 1; }
[ -f "$deb" ] || { echo "FAILED: no $(basename "$deb") among: $(ls "$out")" >&2; exit 1; }
echo "made $deb"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's package checker finds no error and no warning in the package.
#
# usage: lintian_package.sh DEB
# Exit 77 (skipped) when lintian is missing.
set -euo pipefail
deb=$1
command -v lintian >/dev/null || { echo "SKIPPED: lintian is missing (scripts/deps.sh installs it)"; exit 77; }
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
# Its findings are on stdout; stderr holds its own complaints (such as being
# run as root), shown only when it fails.
status=0
report=$(lintian --info --fail-on error,warning "$deb" 2>"$errors") || status=$?
echo "$report"
if grep -Eq '^[EW]: ' <<<"$report"; then
  echo "FAILED: lintian reports errors or warnings" >&2
  exit 1
fi
[ "$status" -eq 0 ] || { cat "$errors" >&2; echo "FAILED: lintian exited with $status" >&2; exit 1; }
echo "lintian: no error, no warning in $(basename "$deb")"

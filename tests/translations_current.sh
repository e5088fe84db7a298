#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every .ts file is current with the code: lupdate, run over the sources on
# copies of them, finds no text to add and none to drop. A text put through
# tr() without `update_translations` (docs/translating.md) fails here.
# Usage: translations_current.sh LUPDATE GENERATE_SCRIPT PROJECT_CMAKE TS_FILE...
set -euo pipefail
lupdate=$1 generate=$2 project=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate"
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -project "$work/project.json" -no-obsolete -locations none -silent -ts "$copy"
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not current with the code: run cmake --build build --target update_translations" >&2
    diff "$ts" "$copy" | head -n 20 >&2
    exit 1
  fi
done
echo "ok: $# translation files current"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a software centre shows of the app: appstreamcli (offline, pedantic)
# finds no error or warning in the AppStream metadata, and the page reads in
# every language the app ships in: as many summaries, developer names,
# description paragraphs and list items and screenshot captions in each
# language as in English (a missing paragraph leaves an English one in the
# middle of a translated page).
# Usage: metainfo.sh METAINFO.xml [LANGUAGE...]
set -euo pipefail
metainfo=$1
shift
name=$(basename "$metainfo")
command -v xmllint >/dev/null || { echo "xmllint is missing (scripts/deps.sh installs it)" >&2; exit 1; }
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || { echo "$report"; exit 1; }
if grep -E '^[EW]: ' <<<"$report"; then exit 1; fi

count() { xmllint --xpath "count($1)" "$metainfo"; }
missing=0
for element in /component/summary /component/developer_name /component/description//p \
  /component/description//li /component/screenshots/screenshot/caption; do
  english=$(count "$element[not(@xml:lang)][normalize-space()]")
  for language in "$@"; do
    translated=$(count "$element[@xml:lang='$language'][normalize-space()]")
    if [ "$translated" != "$english" ]; then
      echo "$name: $translated $element in $language for $english in English" >&2
      missing=1
    fi
  done
done
[ "$missing" -eq 0 ] || exit 1
echo "ok: $name${1:+, in $*}"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop sees of the installed entry: desktop-file-validate finds no
# error or warning, the desktop's MIME cache built from it offers the app for
# the photo formats it opens and for its own paintings, and the command line it
# runs receives the file. The entry speaks every language the app ships in:
# each group's Name, GenericName, Comment and Keywords has a line for it (a
# missing one shows the English text in that language's menus), and all but
# the brand's Name differ from the English line they translate.
# Usage: desktop_entry.sh ENTRY.desktop [LANGUAGE...]
set -euo pipefail
entry=$1
shift
languages=("$@")
name=$(basename "$entry")
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
if grep -E '(error|warning): ' <<<"$report"; then exit 1; fi

apps=$(mktemp -d)
trap 'rm -rf "$apps"' EXIT
cp "$entry" "$apps/"
update-desktop-database "$apps"
for type in image/jpeg image/png image/bmp image/webp application/x-vorlane; do
  if ! grep -Eq "^$type=(.*;)?$name;" "$apps/mimeinfo.cache"; then
    echo "the desktop does not offer $name for $type" >&2
    exit 1
  fi
done
# A field code for the file, or the photo the user opened would never arrive.
if ! grep -Eq '^Exec=[^ ]+( .*)? %[fFuU]( |$)' "$entry"; then
  echo "$name: its Exec line does not take the file to open" >&2
  exit 1
fi

# Every English Name, GenericName, Comment and Keywords line, in each group,
# against its lines in the languages asked for.
awk -F= -v name="$name" -v languages="${languages[*]}" '
  /^\[.*\]$/ { group = $0; next }
  /^(Name|GenericName|Comment|Keywords)(\[[^]]+\])?=/ {
    key = $1; language = ""
    if (match(key, /\[[^]]+\]/)) {
      language = substr(key, RSTART + 1, RLENGTH - 2)
      key = substr(key, 1, RSTART - 1)
    }
    value = substr($0, length($1) + 2)
    if (language == "") english[group SUBSEP key] = value
    else text[group SUBSEP key SUBSEP language] = value
  }
  END {
    n = split(languages, wanted, " ")
    for (gk in english) {
      split(gk, part, SUBSEP)
      for (i = 1; i <= n; i++) {
        t = text[gk SUBSEP wanted[i]]
        if (t == "") {
          printf "%s: %s has no %s[%s]\n", name, part[1], part[2], wanted[i] > "/dev/stderr"; bad = 1
        } else if (part[2] != "Name" && t == english[gk]) {
          printf "%s: %s[%s] in %s is the English text\n", name, part[2], wanted[i], part[1] > "/dev/stderr"; bad = 1
        }
      }
    }
    exit bad
  }' "$entry"
echo "ok: $name${languages:+, in ${languages[*]}}"

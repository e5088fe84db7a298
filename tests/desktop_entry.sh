#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop sees of the installed entry: desktop-file-validate finds no
# error or warning, the desktop's MIME cache built from it offers the app for
# the photo formats it opens and for its own paintings, and the command line it
# runs receives the file.
# Usage: desktop_entry.sh ENTRY.desktop
set -euo pipefail
entry=$1
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
echo "ok: $name"

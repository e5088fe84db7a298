#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing, packaging and running
# need, when any is missing; packages named as arguments are added to the list
# (bench/run.sh adds its baseline that way). Safe to run again: it does nothing
# when everything is there.
set -euo pipefail
# fonts-droid-fallback: the full-width colon of "Brush Size：" (and other CJK
# punctuation), which DejaVu lacks; without it the label ends in a box.
# fonts-noto-cjk: the Japanese translation's kana and kanji, likewise.
# qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and the LinguistTools
# CMake package the .ts files are compiled with; qt6-translations-l10n: Qt's
# own dialogs and buttons in the chosen language.
# libxml2-utils: xmllint, with which the metadata test counts the translations.
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-image-formats-plugins libheif-dev libsqlite3-dev libssl-dev
  libgtest-dev libbenchmark-dev
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libwebp-dev
  fonts-dejavu-core fonts-droid-fallback fonts-noto-cjk
  xvfb xauth xdotool
  desktop-file-utils appstream libxml2-utils help2man dpkg-dev shared-mime-info sqlite3 lintian
)
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

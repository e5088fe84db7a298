#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session's language as a user meets it, in a virtual X display: under
# German the menu bar answers German keys (Alt+D opens "Datei", Alt+F opens
# nothing) and the help window has its German title; under Japanese the help
# window's title is Japanese; with no language set everything is English.
# With SHOTS=DIR set, a screenshot of each language is left there.
#   languages.sh VORLANE E2E_MAKE_PHOTO E2E_CHECK_WINDOW
set -euo pipefail
profile=desktop app=$1 make_photo=$2 check_window=$3
source "$(dirname "$0")/e2e_lib.sh"

# By the title as the window manager shows it (UTF-8): xdotool's --name search
# reads the Latin-1 title, where Japanese arrives mangled.
window_named() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return; }
  done
}
has_window() { [ -n "$(window_named "$1")" ]; }
windows_are() { [ "$(visible_windows)" -eq "$1" ]; }
shot() { [ -z "${SHOTS:-}" ] || import -window root "$SHOTS/$1.png"; }

# Opens the help with F1 and expects its window by title; closes it again.
expect_help_titled() {
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --clearmodifiers F1
  wait_for 10 has_window "$1" || fail "no help window titled '$1' after F1"
  shot "$2"
  xdotool windowclose "$(window_named "$1")"
  wait_for 10 windows_are 1 || fail "the help window stayed"
}

# Stops the app and drops its session: the next start is a fresh one, with no
# painting to recover (recovery has a test of its own).
end_run() {
  stop_app
  find "$home/.local/share" -name 'session-*.vorlane' -delete
}

run_in() {
  local language=$1 lang=$2 title=$3
  LANGUAGE=$language LANG=$lang start_app "$photo"
  wait_for 20 "$check_window" "$wid" picture >/dev/null || fail "$language: the photo did not appear"
  check_uncovered
  # A click on the status bar gives the window the keyboard (there is no window
  # manager) and leaves the painting as it is.
  xdotool mousemove --window "$wid" $((WIDTH / 2)) $((HEIGHT - 8)) click 1
  expect_help_titled "$title" "help-${language:-en}"
}

unset LANGUAGE LC_ALL LC_MESSAGES
run_in "" C "Vorlane Help"
end_run

run_in de de_DE.UTF-8 "Vorlane-Hilfe"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers alt+f
sleep 1
windows_are 1 || fail "Alt+F opened a menu under German"
xdotool key --clearmodifiers alt+d
wait_for 10 windows_are 2 || fail "Alt+D did not open the German File menu (Datei)"
shot menu-de
xdotool key Escape
wait_for 10 windows_are 1 || fail "the menu stayed open"
end_run

run_in ja ja_JP.UTF-8 "Vorlane ヘルプ"
end_run
echo "ok: English, German and Japanese"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Recovery as a user meets it, in a virtual X display with no window manager:
# paint two strokes on the desktop window, kill the process (SIGKILL), start
# again and answer Recover: the canvas shows the very pixels it showed before
# the kill, and undo goes on. Then kill again, start, Discard: nothing is
# offered on the next start.
#   recover.sh VORLANE E2E_MAKE_PHOTO E2E_CHECK_WINDOW
set -euo pipefail
profile=desktop app=$1 make_photo=$2 check_window=$3
source "$(dirname "$0")/e2e_lib.sh"

kill_app() {
  kill -KILL "$app_pid" 2>/dev/null
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}
question() { xdotool search --onlyvisible --name '^Recover Painting$' 2>/dev/null | head -n 1; }
has_question() { [ -n "$(question)" ]; }
no_question() { [ -z "$(question)" ]; }
answer() {
  local w
  w=$(question)
  [ -n "$w" ] || fail "no recovery question to answer"
  xdotool windowfocus --sync "$w" key --clearmodifiers "$1" 2>/dev/null || xdotool key "$1"
  wait_for 10 no_question || fail "the recovery question stayed after $1"
}
sessions() { find "$home/.local/share" -name 'session-*.vorlane' 2>/dev/null | wc -l; }

start_app "$photo"
wait_for 20 "$check_window" "$wid" picture >/dev/null || fail "the photo did not appear"
check_uncovered
stroke 300 650 $((HEIGHT / 2 + 25))
stroke 300 650 $((HEIGHT / 2 + 85))
# Each finished stroke is committed at once, on a thread of its own. The
# pointer leaves the canvas, taking the brush's outline with it, and Compare
# (the backslash key, pressed and let go) has the whole canvas drawn afresh:
# the grab shows the painting, not the pieces its strokes repainted.
xdotool mousemove 0 0
sleep 1
xdotool key --window "$wid" backslash
sleep 0.5
"$check_window" "$wid" grab "$work/before.png" || fail "could not grab the window"
kill_app
[ "$(sessions)" -eq 1 ] || fail "the killed painting left $(sessions) sessions"

start_app
wait_for 20 has_question || fail "the next start offered no recovery"
answer Return
wait_for 20 "$check_window" "$wid" picture >/dev/null || fail "the recovered painting did not appear"
xdotool mousemove 0 0
sleep 1
xdotool key --window "$wid" backslash
sleep 0.5
"$check_window" "$wid" grab "$work/after.png" || fail "could not grab the window"
"$check_window" same "$work/before.png" "$work/after.png" || { cp "$work/before.png" /tmp/e2e-before.png; cp "$work/after.png" /tmp/e2e-after.png; fail "the recovered canvas differs"; }
# The whole history came back: undo takes the second stroke away. (A click on
# the menu bar's empty end gives the window the keyboard, without a window manager.)
xdotool mousemove --window "$wid" $((WIDTH - 40)) 10 click 1
sleep 0.3
xdotool key --window "$wid" ctrl+z
sleep 1
"$check_window" "$wid" grab "$work/undone.png"
if "$check_window" same "$work/before.png" "$work/undone.png" >/dev/null; then
  fail "undo after recovery changed nothing"
fi
sleep 1
kill_app

start_app
wait_for 20 has_question || fail "the painting killed after recovery was not offered"
answer alt+d
kill -0 "$app_pid" 2>/dev/null || fail "the app ended after Discard"
# Quit as a user does: a painting closed on purpose leaves no session.
xdotool mousemove --window "$wid" $((WIDTH - 40)) 10 click 1
sleep 0.3
kill -0 "$app_pid" 2>/dev/null || fail "the app ended on a click on the menu bar"
# The window is gone before the keys are let go: xdotool's complaint about that is no failure.
xdotool key --window "$wid" ctrl+q 2>/dev/null || true
wait_for 20 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not quit"
wait "$app_pid" 2>/dev/null || true
app_pid=""
start_app
sleep 2
no_question || fail "a discarded painting was offered again"
check_uncovered
[ "$(sessions)" -eq 0 ] || fail "$(sessions) sessions are left after Discard and a clean start"
echo "PASSED"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole run as a user makes it, in a virtual X display with no window manager.
# phone: start vorlane with a photo, check that nothing covers the canvas, save
#   once (the untouched sketch), paint one stroke with real pointer events, save
#   again, and check both files in the album.
# desktop: start with no photo (no canvas shows), then with a photo; resize the
#   window, paint a stroke, press Ctrl+S, take the name offered (the photo's, in
#   its folder) and check the document's picture as the command line renders it.
#   paint_and_save.sh phone|desktop VORLANE E2E_MAKE_PHOTO E2E_CHECK_PICTURE E2E_CHECK_WINDOW VORLANE_SKETCH
set -euo pipefail
profile=$1 app=$2 make_photo=$3 check=$4 check_window=$5 sketch_cli=${6:-}

source "$(dirname "$0")/e2e_lib.sh"

if [ "$profile" = desktop ]; then
  start_app
  sleep 2  # the help would come up half a second after the start
  check_uncovered
  "$check_window" "$wid" empty || fail "the start with no photo shows a canvas"
  stop_app

  start_app "$photo"
  wait_for 20 "$check_window" "$wid" picture >/dev/null || fail "the photo did not appear"
  check_uncovered
  xdotool windowsize --sync "$wid" 1200 800 || xdotool windowsize "$wid" 1200 800
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "resized to ${WIDTH}x${HEIGHT}"
  [ "$WIDTH" -eq 1200 ] && [ "$HEIGHT" -eq 800 ] || fail "the window did not take the new size"
  "$check_window" "$wid" picture >/dev/null || fail "the picture went away on the resize"
  # The canvas lies left of the style dock, between the toolbar and the status
  # bar; the photo fills its height, so its middle row is the canvas's middle.
  stroke 300 650 $((HEIGHT / 2 + 25))
  xdotool key --window "$wid" ctrl+s
  dialog_up() { xdotool search --onlyvisible --name '^Save Painting$' 2>/dev/null | head -n 1; }
  has_dialog() { [ -n "$(dialog_up)" ]; }
  wait_for 10 has_dialog || true
  dialog=$(dialog_up)
  [ -n "$dialog" ] || fail "Ctrl+S asked for no name"
  xdotool windowfocus --sync "$dialog" key --clearmodifiers Return 2>/dev/null || xdotool key Return
  document="$work/photo.vorlane"
  wait_for 20 test -s "$document" || fail "Ctrl+S saved no document"
  check_uncovered  # a save that worked raises no alert on the desktop
  "$sketch_cli" "$document" "$work/flat.png" || fail "the document cannot be rendered"
  "$check" "$work/flat.png" $width $height stroke || fail "the painted picture is wrong"
  echo "PASSED"
  exit 0
fi

start_app --profile phone "$photo"
# The profile's frames, in window coordinates: the Save button and the canvas's
# clipping frame (painting stays clear of its control strip and the panels).
if [ "$WIDTH" -ge 768 ]; then
  save_x=385 save_y=55 clip_x=60 clip_y=110 clip_w=648 clip_h=848
else
  save_x=161 save_y=27 clip_x=20 clip_y=55 clip_w=280 clip_h=$((HEIGHT - 105))
fi

# The help would come up half a second after the start.
sleep 2
check_uncovered

alert_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
has_alert() { [ -n "$(alert_named "$1")" ]; }
no_alert() { [ -z "$(alert_named "$1")" ]; }
saved_or_refused() { at_least_pictures 1 || has_alert 'No Picture'; }
dismiss() {
  local w
  w=$(alert_named "$1")
  [ -n "$w" ] || return 1
  xdotool windowfocus --sync "$w" key --clearmodifiers Return 2>/dev/null || xdotool key Return
  wait_for 10 no_alert "$1"
}
click_save() { xdotool mousemove --window "$wid" $save_x $save_y click 1; }

# First save, as soon as the photo is rendered: until then Save says "No Picture".
end=$((SECONDS + 60))
while [ "$(count_pictures)" -eq 0 ]; do
  [ $SECONDS -ge $end ] && fail "no picture was saved"
  click_save
  wait_for 5 saved_or_refused || true
  if has_alert 'No Picture'; then
    dismiss 'No Picture' || fail "could not close No Picture"
    sleep 0.5
  fi
done
wait_for 20 has_alert 'Image Saved!' || fail "no Image Saved! after the first save"
dismiss 'Image Saved!' || fail "could not close Image Saved!"
first=$(pictures | head -n 1)
"$check" "$first" $width $height sketch || fail "the first picture is not the sketch"
check_uncovered

# One stroke across the middle of the canvas.
stroke $((clip_x + clip_w / 4)) $((clip_x + clip_w * 3 / 4)) $((clip_y + clip_h / 2))

click_save
wait_for 20 at_least_pictures 2 || fail "the painted picture was not saved"
wait_for 20 has_alert 'Image Saved!' || fail "no Image Saved! after the second save"
second=$(pictures | grep -vxF "$first" | head -n 1)
echo "saved: $(basename "$first"), $(basename "$second")"
"$check" "$second" $width $height stroke || fail "the painted picture is wrong"
echo "PASSED"

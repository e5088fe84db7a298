# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end scripts share, sourced by them: a virtual X display of its
# own, a home of its own, starting and stopping the real binary, and one stroke
# made with real pointer events. Before sourcing, set profile (phone|desktop)
# app (the vorlane binary), make_photo and check_window (the helpers here).
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
  local status=$?
  set +e
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  [ -f "$work/app.log" ] && { echo "--- application output:" >&2; tail -n 40 "$work/app.log" >&2; }
  exit 1
}

# Polls a command every 0.2 s for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# A display of its own: Xvfb picks a free number and tells it when it is ready.
screen=1024x768x24
[ "$profile" = desktop ] && screen=1600x1000x24
Xvfb -displayfd 5 -screen 0 "$screen" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

# A home of its own: settings, data and Pictures all live in the temporary folder.
home="$work/home"
mkdir -p "$home/.config/Vorlane/vorlane" "$home/.local/share" "$home/.cache" "$home/Pictures" "$work/runtime"
chmod 700 "$work/runtime"
# A user who has seen the help, answered the rating prompt and every recommendation.
cat >"$home/.config/Vorlane/vorlane/settings.ini" <<'INI'
[General]
inited=true
currenttype=1
currentAtype=0
helphint=true
rated=true
more_times=1000000
INI
album="$home/Pictures/Vorlane"

photo="$work/photo.png"
width=640 height=480
"$make_photo" "$photo" $width $height || fail "could not make the photo"

# Starts the app with the given arguments and waits for its window.
start_app() {
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" XDG_PICTURES_DIR="$home/Pictures" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb "$app" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" --name 'Vorlane$' | head -n 1) ||
    fail "the window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "window $wid: ${WIDTH}x${HEIGHT}"
}
stop_app() {
  kill "$app_pid" 2>/dev/null
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }
# Nothing but the main window: no alert, dialog or prompt over the canvas.
check_uncovered() {
  local n
  n=$(visible_windows)
  [ "$n" -eq 1 ] || {
    for w in $(xdotool search --onlyvisible --pid "$app_pid"); do xdotool getwindowname "$w" >&2; done
    fail "$n windows are showing, expected the main window alone"
  }
}
pictures() { find "$album" -maxdepth 1 -name '*.png' 2>/dev/null | sort; }
count_pictures() { pictures | wc -l; }
at_least_pictures() { [ "$(count_pictures)" -ge "$1" ]; }
# One stroke from (x0, y) to (x1, y) with the left button held.
stroke() {
  local x0=$1 x1=$2 y=$3
  xdotool mousemove --window "$wid" "$x0" "$y" mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$wid" $((x0 + (x1 - x0) * step / 8)) $((y + step % 2))
    sleep 0.05
  done
  xdotool mouseup 1
}


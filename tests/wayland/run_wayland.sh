#!/usr/bin/env bash
# Runs the built program as a native Wayland client of weston's headless
# compositor. Waits until the compositor's own screenshots show the window's
# first frame, with the axes of both plots where the window puts them; checks
# that the window names its desktop entry (the compositor's only way to give
# it its icon); then ends the program as a desktop session does (SIGTERM) and
# expects it to close its window and exit with status 0.
#
# The screenshots are the compositor's, not the program's: they show what was
# really handed over and composited, not what the program meant to draw.
#
# Exits 0 when every check passes, 1 on a failure, and 77 - a skip - only
# when no compositor can be started here. After a failure, or always when
# WAYLAND_KEEP is set, the screenshots and logs are left in ./wayland-shots.
#
# Needs the Debian packages weston, qt6-wayland and imagemagick.
# Usage: run_wayland.sh PROGRAM DESKTOP_ID
set -uo pipefail

program=${1:?usage: run_wayland.sh PROGRAM DESKTOP_ID}
desktop_id=${2:?usage: run_wayland.sh PROGRAM DESKTOP_ID}
here=$(cd "$(dirname "$0")" && pwd)

readonly SKIP=77
readonly FIRST_FRAME_LIMIT=60  # seconds; the sanitizer build starts slowly
# Where things are, in window pixels (twips / 15).
readonly PICTURE_INNER=(38 418 821 173)   # picSpectrum inside its 2-pixel border
readonly RED_AXES=(39 418 820 173)        # the bounding box of its red axes
readonly FREQ_AXIS=(100 272)              # on Line2, left of the curve's reach
readonly GAIN_AXIS=(420 64)               # on Line1, above the highest point
readonly PANEL=(0 0 953 400)              # the spectrum, buttons and captions
readonly AXIS='#000000' AXIS_RED='#FF0000' CURVE='#0000C0' TRACE='#0000FF'

work=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-wayland.XXXXXX")
weston_pid='' app_pid='' failed=0

log() { echo "wayland: $*"; }
pass() { echo "wayland: ok - $*"; }
skip() {
  echo "wayland: SKIP: $*"
  exit "$SKIP"
}
fail() {
  echo "wayland: FAIL: $*" >&2
  failed=1
  exit 1
}

stop() {
  local pid=$1 i
  [[ -n $pid ]] || return 0
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null
    for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
}

cleanup() {
  trap - EXIT INT TERM HUP
  stop "$app_pid"
  stop "$weston_pid"
  if ((failed)) || [[ -n ${WAYLAND_KEEP:-} ]]; then
    rm -rf wayland-shots && mkdir -p wayland-shots && cp "$work"/*.png "$work"/*.log wayland-shots/ 2>/dev/null
    echo "wayland: screenshots and logs kept in $PWD/wayland-shots" >&2
    [[ -s $work/program.log ]] && grep -v '^\[' "$work/program.log" | sed 's/^/wayland: program: /' >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# ------------------------------------------------------------- compositor

command -v weston >/dev/null 2>&1 || skip "no compositor: weston not found (Debian package weston)"
for tool in weston-screenshooter:weston convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null 2>&1 ||
    fail "${tool%%:*} not found; install the Debian package ${tool#*:}"
done
[[ -x $program ]] || fail "no program at $program"

# A private runtime directory: CI has no session, and the socket must not
# meet another compositor's.
runtime=$work/runtime
mkdir -m 700 "$runtime"
socket=sorvane-test
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
unset DISPLAY
# The pixman renderer draws the output in memory, so screenshots hold what a
# screen would show; --debug lets weston-screenshooter take them.
weston --backend=headless-backend.so --use-pixman --debug --no-config --idle-time=0 \
  --socket="$socket" --width=1280 --height=1024 --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
for ((i = 0; i < 100; i++)); do
  [[ -S $runtime/$socket ]] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [[ ! -S $runtime/$socket ]]; then
  tail -n 5 "$work/weston.log" 2>/dev/null | sed 's/^/wayland: weston: /'
  skip "no compositor: weston's headless backend did not start here"
fi
log "weston is up on $socket"

# ---------------------------------------------------------------- program

# Run from a copy under another file name: the toolkit falls back on the
# file's name for the window's id, so a match must come from the program.
# Leaks are traced by the full unwinder: system libraries keep no frame
# pointers, so the quick one stops a stack before the library a
# suppression names.
cp "$program" "$work/renamed-program"
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
  QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0:suppressions=$here/lsan.supp:print_suppressions=0" \
  "$work/renamed-program" >"$work/program.log" 2>&1 &
app_pid=$!
started=$EPOCHREALTIME

# colour_count IMAGE X Y W H COLOUR: how many pixels of COLOUR lie in the region.
colour_count() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -format %c histogram:info:- |
    awk -v want="$6" '{ for (i = 2; i <= NF; i++) if ($i == want) n += $1 } END { print n + 0 }'
}

# first_frame_shows_the_axes: takes a compositor screenshot into $shot and
# finds the window in it by the bounding box of the red axes of its
# impulse-response plot; sets WX, WY (the window's top left) or `why`.
first_frame_shows_the_axes() {
  rm -f "$work"/wayland-screenshot-*.png
  (cd "$work" && weston-screenshooter >>"$work/screenshooter.log" 2>&1) || { why="no screenshot"; return 1; }
  shot=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -n 1)
  [[ -n $shot ]] || { why="no screenshot"; return 1; }
  mv "$shot" "$work/now.png"
  shot=$work/now.png
  local box w h x y
  box=$(convert "$shot" -fill black +opaque "$AXIS_RED" -format %@ info: 2>/dev/null)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || { why="no red axes ($box)"; return 1; }
  w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
  ((w == RED_AXES[2] && h == RED_AXES[3])) ||
    { why="the red axes span ${w}x$h, not the plot's ${RED_AXES[2]}x${RED_AXES[3]}"; return 1; }
  WX=$((x - RED_AXES[0])) WY=$((y - RED_AXES[1]))
}

deadline=$((SECONDS + FIRST_FRAME_LIMIT))
why='nothing yet'
until first_frame_shows_the_axes; do
  kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid"; fail "the program ended (status $?) before its first frame"; }
  ((SECONDS < deadline)) || fail "no frame with the window's axes within $FIRST_FRAME_LIMIT s: $why"
  sleep 0.2
done
cp "$shot" "$work/first-frame.png"
pass "the compositor shows the window's first frame, $(((${EPOCHREALTIME/./} - ${started/./}) / 1000)) ms after the start, at $WX,$WY"

near_colour() {  # X Y COLOUR (window pixels): the colour within a pixel of there
  (($(colour_count "$shot" $((WX + $1 - 1)) $((WY + $2 - 1)) 3 3 "$3") > 0))
}
near_colour "${FREQ_AXIS[@]}" "$AXIS" || fail "no frequency axis at ${FREQ_AXIS[*]}"
near_colour "${GAIN_AXIS[@]}" "$AXIS" || fail "no H(w) axis at ${GAIN_AXIS[*]}"
pass "both axes of the spectrum are drawn"
n=$(colour_count "$shot" $((WX + PANEL[0])) $((WY + PANEL[1])) "${PANEL[2]}" "${PANEL[3]}" "$CURVE")
((n > 500)) || fail "$n dark-blue curve pixels"
n=$(colour_count "$shot" $((WX + PICTURE_INNER[0])) $((WY + PICTURE_INNER[1])) \
  "${PICTURE_INNER[2]}" "${PICTURE_INNER[3]}" "$TRACE")
((n > 300)) || fail "$n blue impulse-response pixels"
pass "the curve and the impulse response are drawn"

grep -q "set_app_id(\"$desktop_id\")" "$work/program.log" ||
  fail "the window does not name its desktop entry '$desktop_id' (no xdg_toplevel.set_app_id)"
pass "the window names its desktop entry $desktop_id"

# ---------------------------------------------------------------- closing

kill -0 "$app_pid" 2>/dev/null || fail "the program has ended"
kill -TERM "$app_pid"
for ((i = 0; i < 100; i++)); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program was still running 10 s after SIGTERM"
wait "$app_pid"
status=$?
app_pid=''
((status == 0)) || fail "the program ended with status $status"
grep -q 'xdg_toplevel@[0-9]*\.destroy()' "$work/program.log" ||
  fail "the program ended without closing its window"
pass "ended as a session ends it: the window closed, exit status 0"

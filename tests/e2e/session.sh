# shellcheck shell=bash
# The X server, the program under test, input events and waiting for what the
# screen shows; sourced by run_e2e.sh. Window coordinates are pixels from the
# top left of the window's client area.

readonly SKIP=77
# A runner may set another screen size before sourcing this file.
: "${SCREEN_W:=1280}" "${SCREEN_H:=1024}"
readonly SCREEN_W SCREEN_H

started=$EPOCHREALTIME
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-e2e.XXXXXX")
xvfb_pid='' app_pid='' guard_pid='' failed=0 passes=0 window='' WX=0 WY=0

log() { echo "e2e: $*"; }
pass() { echo "e2e: ok - $*"; }
# Keeps the screenshot a check passed on, numbered: after a failure they show the way there.
pass_on_shot() {
  ((passes++))
  cp "$shot" "$work/$(printf 'pass-%02d' "$passes").png"
  pass "$@"
}
skip() {
  echo "e2e: SKIP: $*"
  exit "$SKIP"
}
fail() {
  echo "e2e: FAIL: $*" >&2
  failed=1
  exit 1
}

elapsed_ms() { echo $(((${EPOCHREALTIME/./} - ${1/./}) / 1000)); }

# Whether PID is a live process (a zombie is not).
running() {
  local stat
  [[ -n $1 ]] && read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
  stat=${stat##*) }
  [[ ${stat:0:1} != Z ]]
}

stop() {
  local pid=$1 i
  [[ -n $pid ]] || return 0
  if running "$pid"; then
    kill -TERM "$pid" 2>/dev/null
    for ((i = 0; i < 50; i++)); do running "$pid" || break; sleep 0.1; done
    running "$pid" && kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
}

cleanup() {
  trap - EXIT INT TERM HUP
  stop "$app_pid"
  stop "$xvfb_pid"
  [[ -n $guard_pid ]] && kill "$guard_pid" 2>/dev/null
  if { ((failed)) || [[ -n ${E2E_KEEP:-} ]]; } && compgen -G "$work/*.png" >/dev/null; then
    rm -rf e2e-shots && mkdir -p e2e-shots && cp "$work"/*.png "$work"/*.log e2e-shots/ 2>/dev/null
    echo "e2e: screenshots and logs kept in $PWD/e2e-shots" >&2
    [[ -s $work/program.log ]] && sed 's/^/e2e: program: /' "$work/program.log" >&2
  fi
  rm -rf "$work"
}

# Every way out ends Xvfb and the program; a kill that no trap sees is left
# to a watcher started with the server.
install_cleanup() {
  trap cleanup EXIT
  trap 'failed=1; echo "e2e: FAIL: interrupted" >&2; exit 130' INT
  trap 'failed=1; echo "e2e: FAIL: terminated" >&2; exit 143' TERM
  trap 'failed=1; echo "e2e: FAIL: hung up" >&2; exit 129' HUP
}

# Starts Xvfb on a free display and exports DISPLAY; skips the test when there
# is no Xvfb or it does not come up.
start_x_server() {
  local i
  : >"$work/display"
  # Xvfb picks the display itself and writes its number once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -dpi 96 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for ((i = 0; ; i++)); do
    [[ $(<"$work/display") =~ ^[0-9]+$ ]] && break
    running "$xvfb_pid" || skip "no X server: Xvfb would not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    ((i < 300)) || skip "no X server: Xvfb did not report a display within 30 s"
    sleep 0.1
  done
  DISPLAY=:$(<"$work/display")
  export DISPLAY
  (
    while kill -0 $$ 2>/dev/null; do sleep 1; done
    kill -KILL "$xvfb_pid" "$(cat "$work/app.pid" 2>/dev/null)" 2>/dev/null
    rm -rf "$work"
  ) </dev/null >/dev/null 2>&1 &
  guard_pid=$!
  xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb runs on $DISPLAY but accepts no client"
  log "X server on $DISPLAY"
}

# start_program PROGRAM SUPPRESSIONS: runs it on the X server at one pixel per
# device pixel, leak reports of system libraries suppressed.
start_program() {
  mkdir -m 700 "$work/runtime"
  env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
    -u QT_ENABLE_HIGHDPI_SCALING -u QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" \
    LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$2:print_suppressions=0" \
    "$1" >"$work/program.log" 2>&1 &
  app_pid=$!
  echo "$app_pid" >"$work/app.pid"
}

check_alive() {
  running "$app_pid" && return 0
  wait "$app_pid"
  local status=$?
  app_pid=''
  fail "the program has ended (exit status $status)"
}

# find_window TITLE WIDTH HEIGHT: waits for the program's window and sets
# window, WX and WY (its place on the screen).
find_window() {
  local i
  for ((i = 0; i < 12; i++)); do
    window=$(timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    check_alive
    [[ -n $window ]] && break
  done
  [[ -n $window ]] || fail "no window \"$1\" within 60 s"
  # shellcheck disable=SC2034 # set by the eval, not all read
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  WX=$X WY=$Y
  [[ $WIDTH == "$2" && $HEIGHT == "$3" ]] || fail "the window is ${WIDTH}x$HEIGHT pixels, not ${2}x$3"
  log "window $window at $WX,$WY, ${WIDTH}x$HEIGHT"
}

# close_window HELPER: asks the window to close, as a window manager does, and
# expects the program to end with status 0.
close_window() {
  local i status
  "$1" "$window" || fail "could not ask the window to close"
  for ((i = 0; i < 300; i++)); do
    running "$app_pid" || break
    sleep 0.1
  done
  running "$app_pid" && fail "the program still runs 30 s after its window was asked to close"
  wait "$app_pid"
  status=$?
  app_pid=''
  ((status == 0)) || fail "the program exited with status $status after its window was closed"
}

# The pointer rests off the window between actions: no hover highlight.
park() { xdotool mousemove --sync $((SCREEN_W - 1)) $((SCREEN_H - 1)); }

click() {  # X Y
  xdotool mousemove --sync $((WX + $1)) $((WY + $2)) click 1
  park
}

drag() {  # FROM_X FROM_Y TO_X TO_Y: left button down, a few moves, up
  local k steps=6
  xdotool mousemove --sync $((WX + $1)) $((WY + $2)) mousedown 1
  for ((k = 1; k <= steps; k++)); do
    xdotool sleep 0.05 mousemove --sync $((WX + $1 + ($3 - $1) * k / steps)) $((WY + $2 + ($4 - $2) * k / steps))
  done
  xdotool sleep 0.1 mouseup 1
  park
}

# slow_drag FROM_X FROM_Y TO_X TO_Y STEPS: left button down, then STEPS moves
# a tenth of a second apart, the button still held; release_drag lets go.
slow_drag() {
  local k
  xdotool mousemove --sync $((WX + $1)) $((WY + $2)) mousedown 1
  for ((k = 1; k <= $5; k++)); do
    xdotool sleep 0.1 mousemove --sync $((WX + $1 + ($3 - $1) * k / $5)) $((WY + $2 + ($4 - $2) * k / $5))
  done
}
release_drag() {
  xdotool mouseup 1
  park
}

# keys KEY...: typed into the window, which has the keyboard focus.
keys() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --delay 100 "$@"
}

# take_shot: the window's part of the screen (WIN_W x WIN_H at WX, WY) into $shot.
take_shot() {
  shot=$work/now.png
  import -window root -crop "${WIN_W}x$WIN_H+$WX+$WY" +repage "PNG24:$shot" 2>>"$work/import.log" ||
    import -window root -crop "${WIN_W}x$WIN_H+$WX+$WY" +repage "PNG24:$shot" ||
    fail "no screenshot of $DISPLAY"
}
keep_shot() { cp "$shot" "$work/$1.png"; }

# A message box is a second visible window of the program.
extra_windows() {
  local w names=''
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [[ $w == "$window" ]] || names+=" \"$(xdotool getwindowname "$w")\""
  done
  [[ -z $names ]] || echo "; other windows of the program:$names"
}

# wait_until SECONDS DESCRIPTION CHECK [ARGS]: takes screenshots until CHECK
# passes on the newest one ($shot); a failing CHECK says why in $why.
wait_until() {
  local limit=$1 what=$2 begun=$EPOCHREALTIME
  shift 2
  while :; do
    take_shot
    why=''
    if "$@"; then
      pass_on_shot "$what"
      return 0
    fi
    check_alive
    (($(elapsed_ms "$begun") < limit * 1000)) || fail "$what: not within $limit s: $why$(extra_windows)"
    (($(elapsed_ms "$started") < TOTAL_LIMIT * 1000)) || fail "$what: the whole run took over $TOTAL_LIMIT s"
    sleep 0.2
  done
}

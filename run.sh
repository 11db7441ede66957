#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window; with
# --browser, builds the page and opens it in the desktop's browser instead.
set -euo pipefail
cd "$(dirname "$0")"

# reachable_x DISPLAY: whether an X server listens where DISPLAY points, by
# its local socket or its TCP port; no client library needed.
reachable_x() {
  local host=${1%%:*} rest=${1#*:} number
  number=${rest%%.*}
  [[ $1 == *:* && $number =~ ^[0-9]+$ ]] || return 1
  if [[ -z $host || $host == unix ]]; then
    [[ -S /tmp/.X11-unix/X$number ]]
  else
    timeout 3 bash -c "exec 3<>/dev/tcp/$host/$((6000 + number))" 2>/dev/null
  fi
}

# check_display [full]: fails with one line when no window can be opened.
# "full" also connects as a client, which catches a refused authorisation.
check_display() {
  local wayland=${WAYLAND_DISPLAY:-}
  [[ -n ${QT_QPA_PLATFORM:-} && ${QT_QPA_PLATFORM:-} != xcb* ]] && return 0
  if [[ -n $wayland && ${QT_QPA_PLATFORM:-} != xcb* ]]; then
    [[ $wayland == /* ]] || wayland=${XDG_RUNTIME_DIR:-/nonexistent}/$wayland
    [[ -S $wayland ]] && return 0
  fi
  if [[ -z ${DISPLAY:-} ]]; then
    echo "run: no display to open a window on: DISPLAY is not set (start this from a desktop session)" >&2
    exit 1
  fi
  if ! reachable_x "$DISPLAY" ||
    { [[ ${1:-} == full ]] && ! xdotool getdisplaygeometry >/dev/null 2>&1; }; then
    echo "run: cannot open the display \"$DISPLAY\" named by DISPLAY (start this from a desktop session)" >&2
    exit 1
  fi
}

# Running needs neither the tests nor the benchmarks, nor their libraries:
# they are left out of this configuration. The presets name both parts
# explicitly, so the next plain `cmake --preset` (./test.sh's) turns them
# on again in the same build folder.
without_checks=(-DSORVANE_TESTS=OFF -DSORVANE_BENCH=OFF)

# --browser: the same lesson as one page, opened in the desktop's browser.
if [[ ${1:-} == --browser ]]; then
  tools/setup.sh browser
  cmake --preset web "${without_checks[@]}" >/dev/null
  cmake --build --preset web --target sorvane_page
  page=$PWD/build/web/web/sorvane-demo.html
  opener=$(command -v xdg-open || command -v sensible-browser || true)
  if [[ -z $opener ]] || ! (unset QT_QPA_PLATFORM; check_display) 2>/dev/null; then
    echo "run: no display and browser to open it with; the page is $page"
    exit 0
  fi
  echo "run: opening $page"
  exec "$opener" "$page"
fi

check_display
tools/setup.sh run
check_display full
cmake --preset release "${without_checks[@]}" >/dev/null
cmake --build --preset release --target sorvane-demo
exec build/release/desktop/sorvane-demo

#!/usr/bin/env bash
# Runs the built program on a private X server of 1920 x 1080 with the
# accessibility bus on, and checks it as a keyboard and screen-reader user
# would (access_check.py): the focus mark of a covered point, ten Up presses
# heard ten times, the accessible Toggle of Memory, the plot read by keys,
# and Ctrl+Plus for a projector. Then closes the window and expects a clean
# exit.
#
# Exits 0 when every check passes, 1 on the first failure, and 77 - a skip -
# only when no X server can be started here. Needs the Debian packages xvfb,
# xdotool, imagemagick, dbus, at-spi2-core and python3-pyatspi.
# Usage: run_access.sh PROGRAM CLOSE_WINDOW_HELPER
set -uo pipefail

program=${1:?usage: run_access.sh PROGRAM CLOSE_WINDOW_HELPER}
close_helper=${2:?usage: run_access.sh PROGRAM CLOSE_WINDOW_HELPER}
here=$(cd "$(dirname "$0")" && pwd)

# The bus the program and the checks share lives as long as this run, apart
# from any desktop's: its own accessibility bus, nothing of a Wayland session.
if [[ -z ${SORVANE_ACCESS_BUS:-} ]]; then
  command -v dbus-run-session >/dev/null 2>&1 || { echo "access: FAIL: no dbus-run-session; install the Debian package dbus" >&2; exit 1; }
  exec env -u AT_SPI_BUS_ADDRESS -u WAYLAND_DISPLAY SORVANE_ACCESS_BUS=1 dbus-run-session -- "$0" "$@"
fi

readonly TITLE="Brask's Sorvane Filter Demo"
readonly SCREEN_W=1920 SCREEN_H=1080
# The check script is the system's own Python, where pyatspi is installed.
readonly PYTHON=/usr/bin/python3

# shellcheck source=session.sh
. "$here/session.sh"

install_cleanup
command -v Xvfb >/dev/null 2>&1 || skip "no X server: Xvfb not found (Debian package xvfb)"
for tool in xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null 2>&1 || fail "${tool%%:*} not found; install the Debian package ${tool#*:}"
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi; install the Debian packages at-spi2-core and python3-pyatspi"

start_x_server
# The services the bus starts (the accessibility registry) inherit its
# environment from before the X server: without this they would look for
# the desktop's display, and where that is empty or gone the registry ends
# at once and no program is ever listed.
dbus-update-activation-environment DISPLAY || fail "the session bus does not take the X server's DISPLAY"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
start_program "$program" "$here/lsan.supp"
find_window "$TITLE" 953 701

timeout 120 "$PYTHON" "$here/access_check.py" "$window" "$WX" "$WY" || fail "the accessibility checks failed"
check_alive
close_window "$close_helper"
pass "closing the window ends the program with status 0"

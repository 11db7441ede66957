#!/usr/bin/env bash
# What Debian's Orca says at each step of the lesson (orca_check.py), on the
# desktop program or in the page in Firefox ESR, each on a private X server
# with its own session and accessibility bus, speech-dispatcher, HOME and
# XDG_RUNTIME_DIR.
#
# Orca, started with --replace, ends every other Orca of its user; so the
# whole run lives in a process namespace of its own, where Orca sees only
# its own processes, and which ends every process with the run.
#
# Exits 0 when every step is heard as it should be, 1 on a failure, and 77 -
# a skip - when the tools are missing or no process namespace can be made.
# Needs the Debian packages orca, speech-dispatcher, xvfb, xdotool, dbus,
# at-spi2-core and, for the page, firefox-esr.
# Usage: run_orca.sh desktop PROGRAM | run_orca.sh page PAGE
set -uo pipefail

front_end=${1:?usage: run_orca.sh desktop PROGRAM | page PAGE}
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "orca: SKIP: $*"
  exit 77
}

if [[ -z ${SORVANE_ORCA_NAMESPACE:-} ]]; then
  needed=(orca:orca speech-dispatcher:speech-dispatcher Xvfb:xvfb xdotool:xdotool dbus-run-session:dbus
          /usr/libexec/at-spi-bus-launcher:at-spi2-core)
  [[ $front_end == page ]] && needed+=(firefox-esr:firefox-esr)
  for tool in "${needed[@]}"; do
    command -v "${tool%%:*}" >/dev/null 2>&1 || skip "${tool%%:*} not found; install the Debian package ${tool#*:}"
  done
  export SORVANE_ORCA_NAMESPACE=1
  # As root the namespace needs nothing more; a user makes it in a user
  # namespace of their own.
  for how in "" "--user --map-root-user"; do
    # shellcheck disable=SC2086 # $how is a list of options
    if unshare $how --pid --fork --mount-proc true 2>/dev/null; then
      exec unshare $how --pid --fork --kill-child --mount-proc "$0" "$@"
    fi
  done
  skip "no process namespace here (unshare --pid): Orca would end the user's own screen reader"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-orca.XXXXXX")
cleanup() {
  local status=$?
  if ((status == 1)) || [[ -n ${E2E_KEEP:-} ]]; then
    mkdir -p orca-logs && cp "$work"/*.txt orca-logs/ 2>/dev/null
    echo "orca: Orca's debug file and the logs kept in $PWD/orca-logs" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime SORVANE_ORCA_WORK=$work
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The system's own Python, leaving no compiled files in the source tree.
dbus-run-session -- /usr/bin/python3 -B "$here/orca_check.py" "$@"

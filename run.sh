#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target sorvane-demo
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start this from a desktop session" >&2
  exit 1
fi
exec build/release/app/view/sorvane-demo

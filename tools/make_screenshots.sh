#!/usr/bin/env bash
# Renders the README's screenshots from the built program's window
# (offscreen), so they always show the program as it is.
#   tools/make_screenshots.sh [build-dir]     (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
shot="$build/tools/sorvane-screenshot"
[ -x "$shot" ] || { echo "make_screenshots: build $shot first (cmake --build --preset release)" >&2; exit 1; }
mkdir -p docs/screenshots
for scene in start rc shift rotate memory eye; do
  QT_QPA_PLATFORM=offscreen "$shot" "docs/screenshots/$scene.png" "$scene"
done
# The same window on a screen of twice the density: the large logo, smoothed lines.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$shot" docs/screenshots/rotate-ratio2.png rotate
echo "make_screenshots: docs/screenshots/{start,rc,shift,rotate,memory,eye,rotate-ratio2}.png"

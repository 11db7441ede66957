#!/usr/bin/env bash
# Installs, from Debian's packages, whatever building, running and testing the
# program needs and is not there yet. Quick when nothing is missing. Works as
# root, or as a user who may use sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config            # the build
  clang-14                                     # the same build with the other compiler
  emscripten nodejs                            # the model as WebAssembly, its tests under node
  qt6-base-dev libgl-dev                       # the toolkit
  fonts-liberation fonts-dejavu-core           # faces for the captions
  libgtest-dev googletest                      # tests
  libbenchmark-dev libfftw3-dev                # benchmarks (FFTW is the yardstick)
  xvfb xdotool imagemagick libx11-dev          # the end-to-end test under a real X server
  dbus at-spi2-core python3-pyatspi            # ... read through the accessibility bus
  weston qt6-wayland                           # the same program under a Wayland compositor
  desktop-file-utils appstream dpkg-dev file   # packaging checks
  lintian                                      # Debian's own check of the .deb
  locales                                      # a comma-decimal locale for the caption tests
  python3 chromium firefox-esr webkit2gtk-driver  # the browser page's one file; the engines its tests run in
)
# The captions must not follow the locale's decimal separator; the tests
# prove it under this one.
test_locale=de_DE.UTF-8

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
has_test_locale() { locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; }
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "setup: $* needs root or sudo" >&2
    exit 1
  fi
}
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Some builds of node bring their own npm, which Debian's would conflict with.
if ! command -v npm >/dev/null 2>&1; then
  echo "setup: installing npm"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm
fi
if ! has_test_locale; then
  echo "setup: generating the locale $test_locale"
  as_root localedef -i de_DE -c -f UTF-8 "$test_locale"
fi

# The browser tests' tools (playwright-core, axe-core, TypeScript) from the
# npm registry, exactly as the committed lock file lists them; the page
# itself is built without them.
web="$(cd "$(dirname "$0")/.." && pwd)/web"
if [ ! -f "$web/node_modules/.package-lock.json" ] ||
  [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
  echo "setup: installing the browser tests' tools with npm ci"
  npm ci --prefix "$web" --no-audit --no-fund --loglevel=error
fi

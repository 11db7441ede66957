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
[ ${#missing[@]} -eq 0 ] && has_test_locale && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: installing ${missing[*]:-nothing} and the locale $test_locale needs root or sudo" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! has_test_locale; then
  echo "setup: generating the locale $test_locale"
  "${as_root[@]}" localedef -i de_DE -c -f UTF-8 "$test_locale"
fi

#!/usr/bin/env bash
# Installs, from Debian's packages, what one of three jobs needs and is not
# there yet; quick when nothing is missing. Works as root, or as a user who
# may use sudo.
#   tools/setup.sh run      build and run the desktop program (./run.sh)
#   tools/setup.sh browser  build the browser page (./run.sh --browser)
#   tools/setup.sh test     everything: build and test every preset (./test.sh),
#                           with the browser tests' tools from npm
# Without an argument, test. A package belongs in the first group that needs
# it; test includes run and browser.
set -euo pipefail

group=${1:-test}
run=(
  g++ cmake ninja-build                        # the build
  qt6-base-dev libgl-dev                       # the toolkit
  qt6-wayland                                  # native on a Wayland desktop, as the package recommends
  fonts-liberation fonts-dejavu-core           # faces for the captions
  xdotool                                      # run.sh's check that the display lets this user in
)
browser=(
  cmake ninja-build                            # the build
  emscripten python3                           # the model as WebAssembly; the page's one file
)
test=(
  "${run[@]}" "${browser[@]}"
  pkg-config                                   # finds FFTW
  clang-14                                     # the same build with the other compiler
  nodejs                                       # the WebAssembly tests, the browser tests' tools
  libgtest-dev googletest                      # tests (the sources for the WebAssembly build)
  libbenchmark-dev libfftw3-dev                # benchmarks (FFTW is the yardstick)
  xvfb imagemagick libx11-dev                  # the end-to-end test under a real X server
  dbus at-spi2-core python3-pyatspi            # ... read through the accessibility bus
  weston                                       # the same program under a Wayland compositor
  desktop-file-utils appstream dpkg-dev file   # packaging checks
  lintian                                      # Debian's own check of the .deb
  locales                                      # a comma-decimal locale for the caption tests
  python3 chromium firefox-esr                 # the page's one file; the browsers its tests run in
  webkit2gtk-driver                            # ... and WebKit's, driven over WebDriver
  orca speech-dispatcher                       # a screen reader reading the page and the program
)
case $group in
  run) packages=("${run[@]}") ;;
  browser) packages=("${browser[@]}") ;;
  test) packages=("${test[@]}") ;;
  *) echo "usage: tools/setup.sh [run|browser|test]" >&2; exit 2 ;;
esac

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

apt_install() {
  echo "setup: installing $*"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

# One query for all: the names of those installed (dpkg-query fails when
# one is unknown to it, and still lists the others).
installed=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null |
  awk '$1 == "ii" { printf "%s ", $2 }' || true)"
missing=()
for package in "${packages[@]}"; do
  [[ $installed == *" $package "* || " ${missing[*]-} " == *" $package "* ]] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] || apt_install "${missing[@]}"
[ "$group" = test ] || exit 0

# Some builds of node bring their own npm, which Debian's would conflict with.
command -v npm >/dev/null 2>&1 || apt_install npm

# The captions must not follow the locale's decimal separator; the tests
# prove it under this one.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "setup: generating the locale de_DE.UTF-8"
  as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi

# The browser tests' tools (playwright-core, puppeteer-core,
# selenium-webdriver, axe-core, TypeScript) from the npm registry, exactly
# as the committed lock file lists them; the page itself is built without
# them.
web="$(cd "$(dirname "$0")/.." && pwd)/web"
if [ ! -f "$web/node_modules/.package-lock.json" ] ||
  [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
  echo "setup: installing the browser tests' tools with npm ci"
  npm ci --prefix "$web" --no-audit --no-fund --loglevel=error
fi

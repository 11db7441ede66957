#!/bin/sh
# Builds the .deb from the build tree as `--target package` does and runs
# Debian's package checker on it. Any error or warning fails; information
# tags are printed, to be read, and pass.
#
# Usage: check_lintian.sh BUILD_DIR SCRATCH_DIR
set -eu

build=$1
scratch=$2

if ! command -v lintian >/dev/null 2>&1; then
  echo "FAIL: lintian not found; install the Debian package lintian" >&2
  exit 1
fi

rm -rf "$scratch"
mkdir -p "$scratch/runtime"
chmod 700 "$scratch/runtime"
# CI has no login session, so no runtime directory of its own.
[ -n "${XDG_RUNTIME_DIR:-}" ] && [ -w "$XDG_RUNTIME_DIR" ] || export XDG_RUNTIME_DIR="$scratch/runtime"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(ls "$scratch"/*.deb)

# Root is how CI runs; lintian only notes that it would rather not be.
status=0
lintian --fail-on error,warning --display-info --no-cfg "$deb" 2>"$scratch/lintian.err" || status=$?
grep -v 'running with root privileges is not recommended' "$scratch/lintian.err" >&2 || true
if [ "$status" -ne 0 ]; then
  echo "FAIL: lintian reports errors or warnings on $(basename "$deb") (status $status)" >&2
  exit 1
fi
echo "lintian: no error and no warning on $(basename "$deb")"

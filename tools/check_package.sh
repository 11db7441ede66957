#!/usr/bin/env bash
# Installs the built .deb into a fresh minimal Debian 12 tree (debootstrap)
# with apt, as a new machine would get it, and starts the program there.
#   tools/check_package.sh [build-dir]     (default build/release; run as root)
# Needs debootstrap and a network connection to Debian's mirror.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/sorvane-demo_*_amd64.deb | head -n 1)
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
root=$(mktemp -d /tmp/sorvane-fresh.XXXXXX)
cleanup() { umount "$root/proc" 2>/dev/null || true; rm -rf "$root"; }
trap cleanup EXIT
echo "check_package: a fresh Debian 12 in $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" >/dev/null
echo "check_package: installed; starting it offscreen"
set +e
chroot "$root" env QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/sorvane-demo
status=$?
set -e
# Still running when the timeout stopped it: the program started and stayed up.
if [ "$status" -eq 124 ]; then
  echo "check_package: the package installs on a fresh Debian 12 and the program starts"
else
  echo "check_package: the program exited with status $status" >&2
  exit 1
fi

#!/bin/sh
# Installs the desktop component into a scratch prefix and checks what a desktop
# and a software centre will read from it: the menu entry and the metainfo pass
# their validators, and the names that tie them together (desktop id, icon name,
# icon sizes) resolve to installed files.
#
# Usage: check_installed_metadata.sh CMAKE BUILD_DIR SCRATCH_DIR APP_ID
set -eu

cmake=$1
build=$2
prefix=$3
app_id=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream; do
  if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
    echo "FAIL: ${tool%%:*} not found; install the Debian package ${tool#*:}" >&2
    exit 1
  fi
done

rm -rf "$prefix"
"$cmake" --install "$build" --component desktop --prefix "$prefix" >/dev/null

share=$prefix/share
desktop=$share/applications/sorvane-demo.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
else
  fail "no menu entry at $desktop"
fi

if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
  # The software centre finds the menu entry through the launchable.
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$share/applications/$launchable" ] ||
    fail "metainfo launches '$launchable', which is not installed"
else
  fail "no metainfo at $metainfo"
fi

# The menu looks the icon up by name in the hicolor theme.
icon=$(sed -n 's/^Icon=//p' "$desktop" 2>/dev/null || true)
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
  fail "no scalable icon for Icon=$icon"
for size in 48 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
  if [ -f "$png" ]; then
    # Width and height are the two big-endian 32-bit words after the IHDR tag.
    actual=$(od -An -tu1 -j16 -N8 "$png" |
      awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
    [ "$actual" = "${size}x${size}" ] || fail "$png is $actual pixels"
  else
    fail "no ${size}x${size} icon for Icon=$icon"
  fi
done

[ "$failures" -eq 0 ] || exit 1
echo "desktop entry, metainfo and icons are consistent"

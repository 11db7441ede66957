#!/bin/sh
# Draws the application icon in the logo's design: the raised-cosine impulse
# with its symbol instants, on a rounded tile. Writes packaging/icons/sorvane-demo.svg
# and renders it to sorvane-demo-48.png, -128.png and -256.png beside it.
#
# Needs the Debian packages librsvg2-bin (rsvg-convert) and gawk or mawk.
# Usage: tools/make_icon.sh [output directory]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
dir=${1:-"$(dirname "$here")/packaging/icons"}
mkdir -p "$dir"
svg="$dir/sorvane-demo.svg"

# Same colours as the logo.
pulse='#1A4FC4'
instant='#D2551E'
axis='#9AA3B5'

# On a 256 grid: pulse from x 30 to 226, baseline at y 178, peak at y 54; time
# from -3.5 to 3.5 symbol periods, roll-off 0.35.
geometry='30 226 178 124 3.5 0.35'

points=$("$here/pulse_polyline.sh" $geometry 140)

dots=$(echo "$geometry" | awk '{
  x0 = $1; x1 = $2; y0 = $3; amp = $4; span = $5
  for (t = -3; t <= 3; t++) {
    x = x0 + (x1 - x0) * (t + span) / (2 * span)
    y = (t == 0) ? y0 - amp : y0
    printf "    <circle cx=\"%.2f\" cy=\"%.2f\" r=\"10\"/>\n", x, y
  }
}')

cat >"$svg" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#FBFCFF"/>
      <stop offset="1" stop-color="#D9E3F6"/>
    </linearGradient>
  </defs>
  <rect x="12" y="12" width="232" height="232" rx="44" fill="url(#tile)" stroke="#B4C3E3" stroke-width="4"/>
  <line x1="24" y1="178" x2="232" y2="178" stroke="$axis" stroke-width="5" stroke-linecap="round"/>
  <polyline points="$points" fill="none" stroke="$pulse" stroke-width="13" stroke-linejoin="round" stroke-linecap="round"/>
  <g fill="$instant">
$dots
  </g>
</svg>
EOF

for size in 48 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "$dir/sorvane-demo-$size.png" "$svg"
done

echo "wrote $svg and PNGs of 48, 128 and 256 pixels"

#!/bin/sh
# Draws the window's logo, app/pictures/logo.gif: a 300 x 48 GIF89a picture
# with a raised-cosine impulse on the left (its zero crossings at the symbol
# instants marked by dots) and the name "Vesk" with the tagline "signal lab".
# With SCALE 2 it draws the same design at twice the size (600 x 96) for
# high-density screens, logo@2x.gif; every coordinate, stroke and font size is
# doubled, so the two pictures line up.
#
# Needs the Debian packages imagemagick, fonts-dejavu-core and gawk or mawk.
# Usage: tools/make_logo.sh [output.gif [SCALE]]     (SCALE 1 or 2, default 1)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
resources="$(dirname "$here")/app/pictures"
scale=${2:-1}
case $scale in
  1) out=${1:-"$resources/logo.gif"} ;;
  2) out=${1:-"$resources/logo@2x.gif"} ;;
  *) echo "make_logo: SCALE must be 1 or 2, not '$scale'" >&2; exit 2 ;;
esac
convert=${CONVERT:-/usr/bin/convert}
fonts=/usr/share/fonts/truetype/dejavu
bold="$fonts/DejaVuSans-Bold.ttf"
book="$fonts/DejaVuSans.ttf"

# The window's dialog face (the toolkit's default window colour). It becomes the
# transparent colour, and the antialiased edges are blended against it, so they
# sit cleanly on the window.
face='#EFEFEF'
pulse='#1A4FC4'
name='#1B2A4A'
tagline='#5A6478'
axis='#9AA3B5'
instant='#D2551E'

# Scales a list of numbers; integers stay integers, so the picture at scale 1
# is drawn from exactly the numbers it always was.
s() { echo "$@" | awk -v k="$scale" '{ for (i = 1; i <= NF; i++) printf "%s%s", $i * k, (i < NF ? " " : "") }'; }

# Pulse box: x from 6 to 92, baseline at y 37, peak at y 8; time from -3.5 to
# 3.5 symbol periods, roll-off 0.35 so the side lobes still show at this size.
geometry="$(s 6 92 37 29) 3.5 0.35"

points=$("$here/pulse_polyline.sh" $geometry 160)

# Dots at the symbol instants: the peak and the zero crossings on either side.
dots=$(echo "$geometry $scale" | awk '{
  x0 = $1; x1 = $2; y0 = $3; amp = $4; span = $5; k = $7
  for (t = -3; t <= 3; t++) {
    x = x0 + (x1 - x0) * (t + span) / (2 * span)
    y = (t == 0) ? y0 - amp : y0
    printf "circle %.2f,%.2f %.2f,%.2f ", x, y, x + 2.1 * k, y
  }
}')

set -- $(s 2 37.5 96 37.5)
axis_line="line $1,$2 $3,$4"
set -- $(s 300 48 1 2.4 30 106 38 14 194)
"$convert" -size "${1}x$2" "xc:$face" \
  -fill none -stroke "$axis" -strokewidth "$3" -draw "$axis_line" \
  -stroke "$pulse" -strokewidth "$4" -draw "polyline $points" \
  -stroke none -fill "$instant" -draw "$dots" \
  -font "$bold" -pointsize "$5" -fill "$name" -annotate "+$6+$7" 'Vesk' \
  -font "$book" -pointsize "$8" -fill "$tagline" -annotate "+$9+$7" 'signal lab' \
  -strip -transparent "$face" -colors 64 -transparent-color "$face" "GIF:$out"

echo "wrote $out"

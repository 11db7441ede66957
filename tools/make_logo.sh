#!/bin/sh
# Draws the window's logo, app/view/resources/logo.gif: a 300 x 48 GIF89a picture
# with a raised-cosine impulse on the left (its zero crossings at the symbol
# instants marked by dots) and the name "Vesk" with the tagline "signal lab".
#
# Needs the Debian packages imagemagick, fonts-dejavu-core and gawk or mawk.
# Usage: tools/make_logo.sh [output.gif]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$(dirname "$here")/app/view/resources/logo.gif"}
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

# Pulse box: x from 6 to 92, baseline at y 37, peak at y 8; time from -3.5 to
# 3.5 symbol periods, roll-off 0.35 so the side lobes still show at this size.
geometry='6 92 37 29 3.5 0.35'

points=$("$here/pulse_polyline.sh" $geometry 160)

# Dots at the symbol instants: the peak and the zero crossings on either side.
dots=$(echo "$geometry" | awk '{
  x0 = $1; x1 = $2; y0 = $3; amp = $4; span = $5
  for (t = -3; t <= 3; t++) {
    x = x0 + (x1 - x0) * (t + span) / (2 * span)
    y = (t == 0) ? y0 - amp : y0
    printf "circle %.2f,%.2f %.2f,%.2f ", x, y, x + 2.1, y
  }
}')

"$convert" -size 300x48 "xc:$face" \
  -fill none -stroke "$axis" -strokewidth 1 -draw "line 2,37.5 96,37.5" \
  -stroke "$pulse" -strokewidth 2.4 -draw "polyline $points" \
  -stroke none -fill "$instant" -draw "$dots" \
  -font "$bold" -pointsize 30 -fill "$name" -annotate +106+38 'Vesk' \
  -font "$book" -pointsize 14 -fill "$tagline" -annotate +194+38 'signal lab' \
  -strip -transparent "$face" -colors 64 -transparent-color "$face" "GIF:$out"

echo "wrote $out"

#!/bin/sh
# Prints the polyline "x,y x,y ..." of the raised-cosine impulse
# h(t) = sinc(t) cos(pi a t) / (1 - (2 a t)^2), drawn by the logo and the icon.
# Usage: tools/pulse_polyline.sh X0 X1 BASELINE PEAK_HEIGHT SPAN ROLLOFF SAMPLES
#   time runs from -SPAN to SPAN symbol periods across x from X0 to X1.
set -eu
echo "$@" | awk '{
  x0 = $1; x1 = $2; y0 = $3; amp = $4; span = $5; a = $6; n = $7; pi = atan2(0, -1)
  for (k = 0; k <= n; k++) {
    t = -span + 2 * span * k / n
    s = (t == 0) ? 1 : sin(pi * t) / (pi * t)
    d = 1 - (2 * a * t) ^ 2
    # At t = 1/(2a) the quotient has the limit pi/4 times sinc.
    c = (d * d < 1e-12) ? pi / 4 : cos(pi * a * t) / d
    printf "%.2f,%.2f ", x0 + (x1 - x0) * k / n, y0 - amp * s * c
  }
}'

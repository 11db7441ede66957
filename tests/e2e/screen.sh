# shellcheck shell=bash
# Reading screenshots of the window with ImageMagick; sourced by run_e2e.sh.
# Coordinates are window pixels; a region is "X Y W H".

# The spectrum panel down to just above the Memory caption: the curve, the
# points and markers, and the shifted and rotated copies.
readonly PANEL=(0 0 953 380)
# Point i's 17 x 17 button stands at x = 412 + 35 i (Left 6180 + 525 i twips).
readonly POINT_X0=412 POINT_STEP=35 POINT_SIZE=17
# Deep enough for the lowest drop (Top 6360 twips, 424 pixels).
readonly POINT_SCAN_HEIGHT=450

crop() { echo "${3}x${4}+${1}+${2}"; }

# colour_count IMAGE X Y W H COLOUR: how many pixels of COLOUR (#RRGGBB) lie in the region.
colour_count() {
  convert "$1" -crop "$(crop "$2" "$3" "$4" "$5")" +repage -format %c histogram:info:- |
    awk -v want="$6" '{ for (i = 2; i <= NF; i++) if ($i == want) n += $1 } END { print n + 0 }'
}

# region_hash IMAGE X Y W H: a digest of the region's pixels.
region_hash() {
  convert "$1" -crop "$(crop "$2" "$3" "$4" "$5")" +repage -depth 8 rgb:- | md5sum | cut -c 1-32
}

# pixel IMAGE X Y: the colour at (X, Y) as #RRGGBB.
pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}

# find_points IMAGE: sets TOPS[0..8] to the top pixel row of each control
# point's button found in its column, -1 where there is none. A button is
# recognised by its frame in the colour $BORDER: full top and bottom edges
# 16 rows apart, both sides, and a face of another colour.
find_points() {
  # shellcheck disable=SC2034 # read by the caller
  mapfile -t TOPS < <(
    convert "$1" -crop "$(crop $POINT_X0 0 $((8 * POINT_STEP + POINT_SIZE)) $POINT_SCAN_HEIGHT)" +repage \
      -depth 8 txt:- |
      awk -v border="$BORDER" -v step=$POINT_STEP -v size=$POINT_SIZE -v height=$POINT_SCAN_HEIGHT '
        NR > 1 && $3 == border {
          split($1, at, /[,:]/)
          i = int(at[1] / step); dx = at[1] - i * step
          if (dx < size) frame[i, dx, at[2]] = 1
        }
        function edge(i, y,   dx) {
          for (dx = 3; dx <= 13; dx++) if (!((i, dx, y) in frame)) return 0
          return 1
        }
        END {
          for (i = 0; i <= 8; i++) {
            top = -1
            for (y = 0; y + size <= height && top < 0; y++)
              if (edge(i, y) && edge(i, y + size - 1) && ((i, 0, y + 8) in frame) &&
                  ((i, size - 1, y + 8) in frame) && !((i, 8, y + 8) in frame))
                top = y
            print top
          }
        }')
}

# curve_mask IMAGE OUT RADIUS TOPS...: white where the panel of IMAGE shows
# the dark-blue curve or where one of the nine point buttons (which cover the
# curve's joints) stands, grown by RADIUS pixels; black elsewhere.
curve_mask() {
  local image=$1 out=$2 radius=$3 i=0 top boxes=()
  shift 3
  for top in "$@"; do
    boxes+=(-draw "rectangle $((POINT_X0 + i * POINT_STEP)),$top $((POINT_X0 + i * POINT_STEP + POINT_SIZE - 1)),$((top + POINT_SIZE - 1))")
    ((i++))
  done
  convert "$image" -crop "$(crop "${PANEL[@]}")" +repage -fill black +opaque "$CURVE" -fill white -opaque "$CURVE" \
    "${boxes[@]}" -morphology Dilate "Square:$radius" -colorspace Gray "$out"
}

# shifted_mask MASK OUT DX: MASK moved DX pixels right and DX left, together.
shifted_mask() {
  convert -size "$(crop "${PANEL[@]}" | cut -d+ -f1)" xc:black \
    "$1" -geometry "+$3+0" -compose Lighten -composite \
    "$1" -geometry "-$3+0" -compose Lighten -composite -colorspace Gray "$2"
}

# outside_mask IMAGE COLOUR MASK: how many pixels of COLOUR in the panel of
# IMAGE lie where MASK is black.
outside_mask() {
  convert "$1" -crop "$(crop "${PANEL[@]}")" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -colorspace Gray \( "$3" -negate \) -compose Multiply -composite -format '%[fx:round(mean*w*h)]' info:
}

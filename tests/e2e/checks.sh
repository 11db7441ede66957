# shellcheck shell=bash
# What each step expects to see, as checks for wait_until in session.sh: each
# looks at the newest screenshot $shot and, when it fails, says why in $why.
# Sourced by run_e2e.sh.
# shellcheck disable=SC2034,SC2154 # $why and $shot are session.sh's

# near A B: A and B differ by at most a pixel of rounding.
near() { (($1 >= $2 - 1 && $1 <= $2 + 1)); }

# tops_are EXPECTED...: each point's Top in pixels, "-" for any height in the
# start-up range, within one pixel.
tops_are() {
  local i=0 want
  find_points "$shot"
  for want in "$@"; do
    if [[ $want == - ]]; then
      ((TOPS[i] >= RANDOM_LOWEST && TOPS[i] <= RANDOM_HIGHEST)) ||
        { why="point $i at ${TOPS[i]}, outside $RANDOM_LOWEST..$RANDOM_HIGHEST (points at ${TOPS[*]})"; return 1; }
    elif ! near "${TOPS[i]}" "$want"; then
      why="point $i at ${TOPS[i]}, not $want (points at ${TOPS[*]}; -1 is none found)"
      return 1
    fi
    ((i++))
  done
}

picture_changed_from() {
  [[ $(region_hash "$shot" "${PICTURE[@]}") != "$1" ]] || { why="the impulse response was not replotted"; return 1; }
}

region_changed_from() {  # HASH X Y W H
  [[ $(region_hash "$shot" "${@:2}") != "$1" ]] || { why="the region $* did not change"; return 1; }
}

# thumb_held BAR_HASH LABEL_HASH PICTURE_HASH: the scroll bar's thumb has left
# its place, and nothing else has changed.
thumb_held() {
  region_changed_from "$1" "${ALPHA_BAR[@]}" || { why="the thumb did not move"; return 1; }
  [[ $(region_hash "$shot" "${ALPHA_LABEL[@]}") == "$2" ]] || { why="the alpha label changed"; return 1; }
  [[ $(region_hash "$shot" "${PICTURE[@]}") == "$3" ]] || { why="the impulse response was replotted"; return 1; }
  tops_are "${RC_TOPS[@]}"
}

colour_is_absent() {  # COLOUR NAME X Y W H
  local n
  n=$(colour_count "$shot" "${@:3}" "$1")
  ((n == 0)) || { why="$n $2 pixels"; return 1; }
}

start_up_is_drawn() {
  local n
  n=$(colour_count "$shot" "${PANEL[@]}" "$CURVE")
  ((n > 500)) || { why="$n dark-blue curve pixels"; return 1; }
  n=$(colour_count "$shot" "${PICTURE[@]}" "$TRACE")
  ((n > 300)) || { why="$n blue impulse-response pixels"; return 1; }
}

after_preset() {  # TOPS... then the picture hash before
  picture_changed_from "${@: -1}" && tops_are "${@:1:$#-1}"
}

dropped_at() {  # INDEX RELEASE_Y PICTURE_HASH OTHER_TOPS...
  local index=$1 y=$2 hash=$3 i
  shift 3
  local want=("$@")
  find_points "$shot"
  ((TOPS[index] + 8 >= y - 2 && TOPS[index] + 8 <= y + 2)) ||
    { why="point $index at ${TOPS[index]}, not centred on $y"; return 1; }
  for i in 0 1 2 3 4 5 6 7 8; do
    ((i == index)) && continue
    near "${TOPS[i]}" "${want[i]}" || { why="point $i moved to ${TOPS[i]}"; return 1; }
  done
  picture_changed_from "$hash"
}

symmetric_about_half_rate() {  # TOPS_BEFORE... PICTURE_HASH
  local before=("$@") k
  picture_changed_from "${before[9]}" || return 1
  find_points "$shot"
  { near "${TOPS[0]}" "$FULL_TOP" && near "${TOPS[4]}" "$HALF_TOP"; } ||
    { why="points 0 and 4 at ${TOPS[0]}, ${TOPS[4]} (points at ${TOPS[*]})"; return 1; }
  for k in 1 2 3; do
    ((TOPS[k] == before[k])) || { why="point $k moved from ${before[k]} to ${TOPS[k]}"; return 1; }
    near $((TOPS[k] + TOPS[8 - k])) "$SYMMETRIC_SUM" ||
      { why="points $k and $((8 - k)) at ${TOPS[k]}, ${TOPS[8 - k]} (points at ${TOPS[*]})"; return 1; }
  done
}

# copies_lie_on COLOUR NAME MASK SINCE MIN_MS MIN_PIXELS MAX_PERCENT: at
# least MIN_MS milliseconds after SINCE, at least MIN_PIXELS of COLOUR are visible in
# the spectrum panel, and at most MAX_PERCENT of them outside MASK.
copies_lie_on() {
  local colour=$1 name=$2 mask=$3 since=$4 ms=$5 least=$6 percent=$7 n out
  (($(elapsed_ms "$since") >= ms)) || { why="too early"; return 1; }
  n=$(colour_count "$shot" "${PANEL[@]}" "$colour")
  ((n >= least)) || { why="$n $name pixels"; return 1; }
  out=$(outside_mask "$shot" "$colour" "$mask")
  ((out * 100 <= n * percent)) || { why="$out of $n $name pixels outside the expected place"; return 1; }
  log "$n $name pixels, $out outside the expected place"
}

# copies_stand_apart COLOUR NAME MASK SINCE MIN_MS MIN_PERCENT
copies_stand_apart() {
  local colour=$1 name=$2 mask=$3 since=$4 ms=$5 percent=$6 n out
  (($(elapsed_ms "$since") >= ms)) || { why="too early"; return 1; }
  n=$(colour_count "$shot" "${PANEL[@]}" "$colour")
  ((n > 0)) || { why="no $name pixels"; return 1; }
  out=$(outside_mask "$shot" "$colour" "$mask")
  ((out * 100 >= n * percent)) || { why="only $out of $n $name pixels off the curve"; return 1; }
  log "$n $name pixels, $out off the curve"
}

caption_is_green() {
  local n
  n=$(colour_count "$shot" "${CAPTION[@]}" "$MEMORY")
  ((n >= 10)) || { why="$n green caption pixels"; return 1; }
}

memory_trace_shows() {  # MIN_PIXELS
  local n
  n=$(colour_count "$shot" "${PICTURE[@]}" "$MEMORY")
  ((n >= $1)) || { why="$n green memory-trace pixels"; return 1; }
  log "$n green memory-trace pixels"
}

random_shape_after() {  # PICTURE_HASH OLD_TOPS...
  local hash=$1 i moved=0
  shift
  picture_changed_from "$hash" && tops_are - - - - - - - - - || return 1
  local old=("$@")
  for i in 0 1 2 3 4 5 6 7 8; do ((TOPS[i] != old[i])) && ((moved++)); done
  ((moved >= 5)) || { why="only $moved points moved (points at ${TOPS[*]})"; return 1; }
}

# point_raised INDEX PIXELS PICTURE_HASH TOPS_BEFORE...: point INDEX exactly
# PIXELS higher than before, every other point where it was, and the
# response replotted.
point_raised() {
  local index=$1 pixels=$2 hash=$3 i
  shift 3
  local before=("$@")
  picture_changed_from "$hash" || return 1
  find_points "$shot"
  ((TOPS[index] == before[index] - pixels)) ||
    { why="point $index at ${TOPS[index]}, not $((before[index] - pixels))"; return 1; }
  for i in 0 1 2 3 4 5 6 7 8; do
    ((i == index || TOPS[i] == before[i])) || { why="point $i moved to ${TOPS[i]}"; return 1; }
  done
}

#!/usr/bin/env bash
# Runs the built program on a private X server (Xvfb) and drives it with real
# input events (xdotool): drags control points, presses every button, the
# Memory check box and the alpha scroll bar, and judges each step from
# screenshots; moves a point by keyboard. Then closes the window the way a
# window manager does and expects a clean exit.
#
# Exits 0 when every check passes, 1 on the first failure, and 77 - a skip -
# only when no X server can be started here. After a failure, or always when
# E2E_KEEP is set, the screenshots and logs are left in ./e2e-shots.
#
# Needs the Debian packages xvfb, xdotool and imagemagick.
# Usage: run_e2e.sh PROGRAM CLOSE_WINDOW_HELPER
set -uo pipefail

program=${1:?usage: run_e2e.sh PROGRAM CLOSE_WINDOW_HELPER}
close_helper=${2:?usage: run_e2e.sh PROGRAM CLOSE_WINDOW_HELPER}
here=$(cd "$(dirname "$0")" && pwd)

readonly TITLE="Brask's Sorvane Filter Demo"
readonly TOTAL_LIMIT=420  # seconds for the whole run; ctest's own timeout is longer

# Where things are, in window pixels (twips / 15).
readonly WIN_W=953 WIN_H=701
readonly RC_BUTTON=(724 24) RANDOM_BUTTON=(816 64) SORVANE_BUTTON=(816 104)
readonly ROTATE_BUTTON=(816 144) SHIFT_BUTTON=(816 184) MEMORY_BOX=(766 400)
readonly ALPHA_UP_ARROW=(855 24) ALPHA_DOWN_ARROW=(782 23) ALPHA_LABEL=(868 10 65 29)  # hscAlpha, lblAlpha
readonly ALPHA_BAR=(776 8 85 32) ALPHA_THUMB_AT_0=(802 23) PAST_THE_BAR=900
readonly RANDOM_BORDER=(816 48)   # top edge of "Random": the push-button frame colour
readonly BARE_SURFACE=(900 300)   # nothing is ever drawn here
readonly PICTURE=(36 416 825 177) # picSpectrum
readonly CAPTION=(760 384 97 33)  # chkMemory
readonly SYMBOL_RATE_PX=280       # 4200 twips
readonly FULL_TOP=84 HALF_TOP=174 ZERO_TOP=264
readonly RC_TOPS=(84 84 84 84 174 264 264 264 264)  # alpha 0
readonly RC1_TOPS=(84 91 110 140 174 208 238 257 264)  # alpha 1
# The heights that start-up and "Random" give: Top 1260 .. 5160 twips.
readonly RANDOM_LOWEST=83 RANDOM_HIGHEST=345
# 5220 twips, twice the half-gain Top: Top(k) + Top(8 - k) of a shape that is
# odd-symmetric about the half-rate point.
readonly SYMMETRIC_SUM=348

readonly CURVE='#0000C0' SHIFTED='#008000' ROTATED='#C00000'
readonly TRACE='#0000FF' MEMORY='#008000'

# shellcheck source=screen.sh
. "$here/screen.sh"
# shellcheck source=session.sh
. "$here/session.sh"
# shellcheck source=checks.sh
. "$here/checks.sh"

# ---------------------------------------------------- server and program

install_cleanup
command -v Xvfb >/dev/null 2>&1 || skip "no X server: Xvfb not found (Debian package xvfb)"
for tool in xdotool:xdotool import:imagemagick convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null 2>&1 ||
    fail "${tool%%:*} not found; install the Debian package ${tool#*:}"
done
[[ -x $program ]] || fail "no program at $program"
[[ -x $close_helper ]] || fail "no close-window helper at $close_helper"

start_x_server
start_program "$program" "$here/lsan.supp"
find_window "$TITLE" "$WIN_W" "$WIN_H"

# ------------------------------------------------------------------- steps

wait_until 30 "the window shows the curve and the impulse response" start_up_is_drawn
keep_shot start-up
BORDER=$(pixel "$shot" "${RANDOM_BORDER[@]}")
surface=$(pixel "$shot" "${BARE_SURFACE[@]}")
[[ $BORDER != "$surface" ]] || fail "no push-button frame at ${RANDOM_BORDER[*]} (colour $BORDER)"

wait_until 5 "nine control points at start-up heights" tops_are - - - - - - - - -
start_tops=("${TOPS[@]}")
log "start-up points at ${start_tops[*]}"
wait_until 5 "no dark-green shifted copy at start-up" colour_is_absent "$SHIFTED" dark-green "${PANEL[@]}"
wait_until 5 "no dark-red rotated copy at start-up" colour_is_absent "$ROTATED" dark-red "${PANEL[@]}"
wait_until 5 "Memory unticked at start-up" colour_is_absent "$MEMORY" "green caption" "${CAPTION[@]}"
wait_until 5 "no memory trace at start-up" colour_is_absent "$MEMORY" "green memory" "${PICTURE[@]}"
start_picture=$(region_hash "$shot" "${PICTURE[@]}")

# Rotate the start-up shape, which is far from the criterion: the copy ends
# off the curve. Then hide it.
curve_mask "$work/start-up.png" "$work/start-mask.png" 3 "${start_tops[@]}"
click "${ROTATE_BUTTON[@]}"
pressed=$EPOCHREALTIME
wait_until 30 "Rotate: the copy of the start-up curve turns off the curve" \
  copies_stand_apart "$ROTATED" dark-red "$work/start-mask.png" "$pressed" 2500 25
click "${ROTATE_BUTTON[@]}"
wait_until 20 "Rotate again hides the copy" colour_is_absent "$ROTATED" dark-red "${PANEL[@]}"

click "${RC_BUTTON[@]}"
wait_until 20 "RC Filter (alpha 0): points at full, half and zero gain" after_preset "${RC_TOPS[@]}" "$start_picture"
rc_picture=$(region_hash "$shot" "${PICTURE[@]}")

# Point 2, from its centre straight down onto bare surface.
drag $((412 + 2 * 35 + 8)) $((FULL_TOP + 8)) $((412 + 2 * 35 + 8)) 230
wait_until 20 "point 2 dragged and dropped where released" dropped_at 2 230 "$rc_picture" "${RC_TOPS[@]}"
dropped_tops=("${TOPS[@]}")
keep_shot dropped

# Point 7 released over the picture box: not a drop, nothing changes. A
# press gives the point the focus, so a click gives it first.
point7=($((412 + 7 * 35)) "$ZERO_TOP" "$POINT_SIZE" "$POINT_SIZE")
click $((412 + 7 * 35 + 8)) $((ZERO_TOP + 8))
wait_until 10 "a click on point 7 gives it the focus" region_changed_from "$(region_hash "$shot" "${point7[@]}")" "${point7[@]}"
window_hash=$(region_hash "$shot" 0 0 $WIN_W $WIN_H)
drag $((412 + 7 * 35 + 8)) $((ZERO_TOP + 8)) $((412 + 7 * 35 + 8)) 500
sleep 1.5
take_shot
[[ $(region_hash "$shot" 0 0 $WIN_W $WIN_H) == "$window_hash" ]] ||
  { keep_shot refused-drop; fail "a release over the picture box changed the window"; }
pass "point 7 released over the picture box stays, nothing redrawn"

click "${SORVANE_BUTTON[@]}"
wait_until 20 "Sorvane: points 1..3 kept, the rest odd-symmetric about the half-rate point" \
  symmetric_about_half_rate "${dropped_tops[@]}" "$(region_hash "$work/dropped.png" "${PICTURE[@]}")"
keep_shot symmetric
symmetric_tops=("${TOPS[@]}")
sorvane_picture=$(region_hash "$shot" "${PICTURE[@]}")

curve_mask "$work/symmetric.png" "$work/symmetric-mask.png" 3 "${symmetric_tops[@]}"
click "${ROTATE_BUTTON[@]}"
pressed=$EPOCHREALTIME
wait_until 30 "Rotate: the half-turned copy of a symmetric curve lands back on it" \
  copies_lie_on "$ROTATED" dark-red "$work/symmetric-mask.png" "$pressed" 2500 200 2
click "${ROTATE_BUTTON[@]}"
wait_until 20 "Rotate again hides the copy" colour_is_absent "$ROTATED" dark-red "${PANEL[@]}"

curve_mask "$work/symmetric.png" "$work/curve.png" 1 "${symmetric_tops[@]}"
shifted_mask "$work/curve.png" "$work/shifted-mask.png" "$SYMBOL_RATE_PX"
click "${SHIFT_BUTTON[@]}"
pressed=$EPOCHREALTIME
wait_until 40 "Shift: the dark-green copies stand one symbol rate either side" \
  copies_lie_on "$SHIFTED" dark-green "$work/shifted-mask.png" "$pressed" 8000 300 1
click "${SHIFT_BUTTON[@]}"
wait_until 20 "Shift again hides the copies" colour_is_absent "$SHIFTED" dark-green "${PANEL[@]}"

click "${MEMORY_BOX[@]}"
wait_until 20 "ticking Memory turns its caption green" caption_is_green
[[ $(region_hash "$shot" "${PICTURE[@]}") == "$sorvane_picture" ]] || fail "ticking Memory replotted the response"
pass "ticking Memory leaves the plot as it is"
click "${RC_BUTTON[@]}"
wait_until 20 "the first edit after ticking Memory replots" after_preset "${RC_TOPS[@]}" "$sorvane_picture"
wait_until 5 "its remembered response lies exactly under the blue one" \
  colour_is_absent "$MEMORY" "green memory" "${PICTURE[@]}"
drag $((412 + 3 * 35 + 8)) $((FULL_TOP + 8)) $((412 + 3 * 35 + 8)) 200
wait_until 20 "the next edit shows the remembered response in green" memory_trace_shows 200
memory_picture=$(region_hash "$shot" "${PICTURE[@]}")
click "${MEMORY_BOX[@]}"
wait_until 20 "unticking Memory turns its caption back" colour_is_absent "$MEMORY" "green caption" "${CAPTION[@]}"
[[ $(region_hash "$shot" "${PICTURE[@]}") == "$memory_picture" ]] || fail "unticking Memory replotted the response"
click "${RC_BUTTON[@]}"
wait_until 20 "the edit after unticking replots" after_preset "${RC_TOPS[@]}" "$memory_picture"
wait_until 5 "without the memory trace" colour_is_absent "$MEMORY" "green memory" "${PICTURE[@]}"
rc_picture=$(region_hash "$shot" "${PICTURE[@]}")

click "${RANDOM_BUTTON[@]}"
wait_until 20 "Random: new heights, not the start-up ones" random_shape_after "$rc_picture" "${start_tops[@]}"
random_picture=$(region_hash "$shot" "${PICTURE[@]}")
alpha_label=$(region_hash "$shot" "${ALPHA_LABEL[@]}")

# One step of the scroll bar (alpha 0.05) applies the roll-off shape at once;
# up to alpha 0.25 its points are those of alpha 0.
click "${ALPHA_UP_ARROW[@]}"
wait_until 20 "the alpha scroll bar's arrow applies the roll-off shape" \
  after_preset "${RC_TOPS[@]}" "$random_picture"
[[ $(region_hash "$shot" "${ALPHA_LABEL[@]}") != "$alpha_label" ]] || fail "the alpha label did not change"
pass "the alpha label shows the new value"

# A slow hand on the thumb: from Value 0 past the right end of the bar, held
# for over 1.5 s (15 ticks). Nothing changes while it is held; the release
# applies alpha 1 at once.
click "${ALPHA_DOWN_ARROW[@]}"
wait_until 20 "the left arrow steps alpha back to 0" region_changed_from "$(region_hash "$shot" "${ALPHA_LABEL[@]}")" "${ALPHA_LABEL[@]}"
tops_are "${RC_TOPS[@]}" || fail "alpha 0: $why"
alpha0_picture=$(region_hash "$shot" "${PICTURE[@]}")
alpha0_label=$(region_hash "$shot" "${ALPHA_LABEL[@]}")
alpha0_bar=$(region_hash "$shot" "${ALPHA_BAR[@]}")
held=$EPOCHREALTIME
slow_drag "${ALPHA_THUMB_AT_0[@]}" "$PAST_THE_BAR" "${ALPHA_THUMB_AT_0[1]}" 16
wait_until 5 "the thumb held: the alpha-0 shape, the label and the plot as they were" \
  thumb_held "$alpha0_bar" "$alpha0_label" "$alpha0_picture"
(($(elapsed_ms "$held") >= 1500)) || fail "the thumb was held for only $(elapsed_ms "$held") ms"
release_drag
wait_until 20 "its release after $(elapsed_ms "$held") ms applies alpha 1" after_preset "${RC1_TOPS[@]}" "$alpha0_picture"
region_changed_from "$alpha0_label" "${ALPHA_LABEL[@]}" || fail "the alpha label did not change"
alpha1_picture=$(region_hash "$shot" "${PICTURE[@]}")

# The keyboard: Tab from "RC Filter" to the scroll bar, Home and End; then on
# to "Random", pressed with Return.
click "${RC_BUTTON[@]}"
keys Tab Home
wait_until 20 "RC Filter, Tab, Home: alpha 0" after_preset "${RC_TOPS[@]}" "$alpha1_picture"
keys End
wait_until 20 "End: alpha 1" after_preset "${RC1_TOPS[@]}" "$alpha0_picture"
keys Home
wait_until 20 "Home: alpha 0" after_preset "${RC_TOPS[@]}" "$alpha1_picture"
keys Tab Return
wait_until 20 "Tab to Random, Return: the points placed afresh" random_shape_after "$alpha0_picture" "${RC_TOPS[@]}"

# ----------------------------------------------- keyboard path of a point
# A click on a point that does not move it gives it the focus, shows a focus
# mark and changes nothing else. End puts it at gain 0; ten Up presses then
# raise it ten pixels, each a drop one pixel higher, and the response is
# replotted.
take_shot
find_points "$shot"
key_tops=("${TOPS[@]}")
key_picture=$(region_hash "$shot" "${PICTURE[@]}")
key_box=($((POINT_X0 + 6 * POINT_STEP)) "${key_tops[6]}" "$POINT_SIZE" "$POINT_SIZE")
key_face=$(region_hash "$shot" "${key_box[@]}")
click $((key_box[0] + 8)) $((key_tops[6] + 8))
wait_until 10 "a click on point 6 that does not move it shows the focus" \
  region_changed_from "$key_face" "${key_box[@]}"
tops_are "${key_tops[@]}" || fail "a click on point 6 moved a point: $why"
[[ $(region_hash "$shot" "${PICTURE[@]}") == "$key_picture" ]] || fail "a click on point 6 replotted the response"
pass "and moves nothing"
keys End
wait_until 20 "End puts the focused point at gain 0" dropped_at 6 $((ZERO_TOP + 8)) "$key_picture" "${key_tops[@]}"
key_tops=("${TOPS[@]}")
key_picture=$(region_hash "$shot" "${PICTURE[@]}")
keys Up Up Up Up Up Up Up Up Up Up
wait_until 20 "ten Up presses raise it ten pixels" point_raised 6 10 "$key_picture" "${key_tops[@]}"

# ------------------------------------------------------------------ closing

check_alive
pass "the program is still running"
others=$(extra_windows)
[[ -z $others ]] || fail "unexpected windows${others#;}"
pass "no message box appeared"
close_window "$close_helper"
pass "closing the window ends the program with status 0"

log "all checks passed in $(($(elapsed_ms "$started") / 1000)) s"

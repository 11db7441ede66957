#pragma once

#include <span>

#include "app/picture_box.h"
#include "dsp/eye_diagram.h"

namespace app {

/// The traces of an eye: y_p(m) at traces[p * 257 + m + 128] (dsp::EyeTraces).
using EyeTraceValues = std::span<const double, dsp::kEyePatterns * dsp::kEyeOffsets>;

/// Draws an eye into `box`, cleared first, in the impulse plot's colours:
/// the threshold and the sampling instant as its axis and grid, in red, then
/// every distinct trace in blue. The box shows offsets -128 .. +128 across
/// its scale width and trace values +2 .. -2 down its scale height. Without
/// `peaked` only the threshold and the instant are drawn.
///
/// Cheap to draw: a trace equal to one drawn before it is left out; a
/// trace's strokes follow one another, each starting where the one before
/// ended, so that a front end may join them into one path; they stop a
/// pixel beyond the box; and a sample that a straight stroke passes within
/// a tenth of a pixel of is left out, but never an extreme of the trace or
/// its value at the sampling instant.
void DrawEye(bool peaked, EyeTraceValues traces, PictureBox& box);

}  // namespace app

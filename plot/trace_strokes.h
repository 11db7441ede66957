#pragma once

#include <span>

#include "app/picture_box.h"

namespace plot {

/// A point of a trace, in the box's scale units (twips), double precision.
struct TracePoint {
  double x;
  double y;
};

/// Writes the 2048 strokes of the trace through samples[0 .. 1023] from
/// `start` into `out`, in drawing order: for sample k the point
/// (width * k / 1024, yZero - yScale * samples[k]), each segment from the
/// previous point as two strokes, the second 15 units lower, all in
/// `colour`. Returns false when a height does not fit single precision
/// (or is NaN); `out` then holds values that must not be shown.
bool WriteTraceStrokes(std::span<app::Stroke, 2048> out, const double* samples, double width,
                       TracePoint start, double yZero, double yScale, app::Colour colour);

}  // namespace plot

#pragma once

// The checks of a call of the transform, before any element changes; every
// implementation runs after them.

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/message_sink.h"

namespace nrFFT {

/// Whether one of values[0 .. count-1] (count a multiple of 4) is infinite
/// or NaN; each implementation brings its own copy (dsp/fft_scan.h).
using NonFiniteScan = bool (*)(const double* values, std::size_t count);

/// Checks a call before anything is touched: refuses a length that is not a
/// power of two of at least 2 with one message through `sink` (returns
/// false); raises base::OverflowError for 2^30 points and more,
/// base::SubscriptError when dData has fewer than 2*lPoints elements and
/// base::FloatingPointError when `anyNonFinite` finds one of them infinite
/// or NaN.
bool Admit(std::span<const double> dData, std::int32_t lPoints, base::MessageSink& sink,
           NonFiniteScan anyNonFinite);

}  // namespace nrFFT

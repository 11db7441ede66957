#pragma once

// The steps of the plain transform around its butterfly stages: the checks
// that come before any element changes (which the two-lane path shares), the
// bit-reversal reordering and the scaling.

#include <cstdint>
#include <span>

#include "base/message_sink.h"

namespace nrFFT::steps {

/// Checks a call before anything is touched: refuses a length that is not a
/// power of two of at least 2 with one message through `sink` (returns
/// false); raises base::OverflowError for 2^30 points and more,
/// base::SubscriptError when dData has fewer than 2*lPoints elements and
/// base::FloatingPointError when one of them is infinite or NaN.
bool Admit(std::span<const double> dData, std::int32_t lPoints, base::MessageSink& sink);

/// Bit-reversal reordering of the nn complex points in data[0 .. n-1],
/// n = 2*nn.
void Reorder(double* data, std::int32_t nn, std::int32_t n);

/// Divides data[0 .. n-1] by nn, in ascending order.
void Scale(double* data, std::int32_t n, std::int32_t nn);

}  // namespace nrFFT::steps

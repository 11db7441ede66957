#pragma once

#include <cstdint>
#include <span>

#include "base/message_sink.h"

namespace nrFFT {

/// In-place radix-2 decimation-in-time FFT of `lPoints` complex values held
/// interleaved in dData[0 .. 2*lPoints-1] (real part at 2k, imaginary at 2k+1).
/// bInverse false: X_k = sum x_n e^(+2 pi i n k / N), unscaled.
/// bInverse true:  X_k = (1/N) sum x_n e^(-2 pi i n k / N).
/// A length that is not a power of two of at least 2 is refused with one
/// message through `sink`, leaving dData untouched. Raises base::OverflowError
/// for lengths of 2^30 and more, base::SubscriptError when dData is shorter
/// than 2*lPoints, and base::FloatingPointError for a non-finite input value;
/// each before any element is changed. Elements from 2*lPoints on are never
/// touched. Runs the fastest implementation the processor has (see
/// dsp/fft_paths.h); all give the same bits.
void ComplexFFT(std::span<double> dData, std::int32_t lPoints, bool bInverse,
                base::MessageSink& sink);

}  // namespace nrFFT

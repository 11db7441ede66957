#pragma once

#include <cstdint>

namespace nrFFT::sse2 {

/// Whether this build has the two-lane path: x86-64, whose scalar double
/// arithmetic is the same SSE2 arithmetic as the lanes'.
#if defined(__x86_64__) && defined(__SSE2__)
inline constexpr bool kAvailable = true;
#else
inline constexpr bool kAvailable = false;
#endif

/// Reorders, transforms and (bInverse) scales the nn complex points in
/// data[0 .. 2*nn-1], nn a power of two from 2 to 2^29 already admitted, with
/// the results of the plain transform to the last bit: every floating-point
/// operation of it on the same values in the same order, two butterflies at
/// a time, or one per register pair where the processor has SSE3 (see
/// dsp/fft_sse3.h). Only defined where kAvailable.
void Transform(double* data, std::int32_t nn, bool bInverse);

/// Transform as on a processor without SSE3, two butterflies at a time
/// whatever the processor, so that this path can be checked on any x86-64.
void TransformInPairs(double* data, std::int32_t nn, bool bInverse);

}  // namespace nrFFT::sse2

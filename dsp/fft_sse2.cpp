// The vector stages in SSE2, part of every x86-64: blocks of two points.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>

#include "dsp/fft_stages.h"
#include "dsp/fft_two_lanes.h"

namespace nrFFT {

void RunSse2(double* data, std::int32_t nn, bool bInverse) {
  Stages<TwoLanes>::Run(data, nn, bInverse);
}

}  // namespace nrFFT

#endif

// The two-point blocks compiled for SSE3, whose duplicating load the
// compiler uses to spread one factor over a register.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <pmmintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#pragma GCC push_options
#pragma GCC target("sse3")
#include "dsp/fft_stages.h"
#include "dsp/fft_two_lanes.h"

namespace nrFFT {

void RunSse3(double* data, std::int32_t nn, bool bInverse) {
  Stages<TwoLanes>::Run(data, nn, bInverse);
}

}  // namespace nrFFT

#pragma GCC pop_options

#endif

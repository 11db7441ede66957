// The two-point blocks compiled for SSE3, whose duplicating load the
// compiler uses to spread one factor over a register.
#include "dsp/fft_paths.h"

#if defined(__x86_64__)

#include <pmmintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>

#include "dsp/fft_target.h"

SORVANE_TARGET_PUSH("sse3")
#include "dsp/fft_stages.h"
#include "dsp/fft_two_lanes.h"

namespace nrFFT {
namespace {

void Run(double* data, std::int32_t nn, bool bInverse) {
  Stages<TwoLanes>::Run(data, nn, bInverse);
}

}  // namespace
}  // namespace nrFFT

SORVANE_TARGET_POP

namespace nrFFT {

void RunSse3(double* data, std::int32_t nn, bool bInverse) { Run(data, nn, bInverse); }

}  // namespace nrFFT

#endif

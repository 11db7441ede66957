#include "dsp/fft_paths.h"

#include <array>

namespace nrFFT {
namespace {

// The processor's features as the compiler's run-time library detects them
// (which also asks the system whether it saves the wide registers).
#if defined(__x86_64__)
bool HasAvx512() {
  return __builtin_cpu_supports("avx512f") != 0 && __builtin_cpu_supports("avx512dq") != 0;
}
bool HasAvx2() { return __builtin_cpu_supports("avx2") != 0; }
bool HasSse3() { return __builtin_cpu_supports("sse3") != 0; }
#endif
bool Always() { return true; }

constexpr auto kPaths = std::to_array<FftPath>({
#if defined(__x86_64__)
    {"AVX512", &HasAvx512, &RunAvx512, &ScanAvx512},
    {"AVX2", &HasAvx2, &RunAvx2, &ScanAvx2},
    {"SSE3", &HasSse3, &RunSse3, &ScanPlain},
    {"SSE2", &Always, &RunSse2, &ScanPlain},  // part of every x86-64
#endif
    {"plain", &Always, &RunPlain, &ScanPlain},
});

}  // namespace

std::span<const FftPath> FftPaths() { return kPaths; }

const FftPath& SelectedFftPath() {
  static const FftPath& selected = [] () -> const FftPath& {
#if defined(__x86_64__)
    __builtin_cpu_init();
#endif
    for (const FftPath& path : kPaths) {
      if (path.Supported()) return path;
    }
    return kPaths.back();
  }();
  return selected;
}

void TransformWith(const FftPath& path, std::span<double> dData, std::int32_t lPoints,
                   bool bInverse, base::MessageSink& sink) {
  if (!Admit(dData, lPoints, sink, path.AnyNonFinite)) return;
  path.Run(dData.data(), lPoints, bInverse);
}

}  // namespace nrFFT

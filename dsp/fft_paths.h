#pragma once

// The implementations of the transform's reordering, butterfly stages and
// scaling, and the one choice among them. All give the plain loop's results
// to the last bit.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/message_sink.h"
#include "dsp/fft_admission.h"

namespace nrFFT {

/// One implementation: runs on the admitted data[0 .. 2*nn-1] (nn a power of
/// two from 2 to 2^29) where `Supported()` says the processor can, and
/// scans the input for the admission with instructions of the same set.
struct FftPath {
  std::string_view name;
  bool (*Supported)();
  void (*Run)(double* data, std::int32_t nn, bool bInverse);
  NonFiniteScan AnyNonFinite;
};

/// Every implementation, best first: AVX-512 (its foundation and its double
/// and quadword part), AVX2, SSE3, SSE2 (those four on x86-64 only), then the
/// plain loop, the reference, which runs everywhere.
std::span<const FftPath> FftPaths();

/// The first of FftPaths() that the processor supports, chosen once.
const FftPath& SelectedFftPath();

/// ComplexFFT through `path`: the same admission, then path.Run.
void TransformWith(const FftPath& path, std::span<double> dData, std::int32_t lPoints,
                   bool bInverse, base::MessageSink& sink);

// The implementations' entry points and the admission's scans, for
// FftPaths(). SSE2 is every x86-64's base set, which the plain scan is
// compiled for already; SSE3 adds nothing for it.
void RunPlain(double* data, std::int32_t nn, bool bInverse);
void RunSse2(double* data, std::int32_t nn, bool bInverse);
void RunSse3(double* data, std::int32_t nn, bool bInverse);
void RunAvx2(double* data, std::int32_t nn, bool bInverse);
void RunAvx512(double* data, std::int32_t nn, bool bInverse);
bool ScanPlain(const double* values, std::size_t count);
bool ScanAvx2(const double* values, std::size_t count);
bool ScanAvx512(const double* values, std::size_t count);

}  // namespace nrFFT

#pragma once

#include <cstddef>

namespace nrFFT::sse3 {

/// Whether the processor running the program has SSE3; asked once. Only
/// defined on x86-64.
bool Supported();

/// The butterfly stages of the two-lane transform, one butterfly per register
/// pair, on the reordered data[0 .. n-1] (n = 2*nn, nn a power of two of at
/// least 8) and, with `scale`, the division by nn: the plain transform's
/// operations on the same values in the same order. Only to be called where
/// Supported().
void Stages(double* data, std::ptrdiff_t n, double s, bool scale);

}  // namespace nrFFT::sse3

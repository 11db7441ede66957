#include "dsp/fft.h"

#include "dsp/fft_paths.h"

namespace nrFFT {

void ComplexFFT(std::span<double> dData, std::int32_t lPoints, bool bInverse,
                base::MessageSink& sink) {
  TransformWith(SelectedFftPath(), dData, lPoints, bInverse, sink);
}

}  // namespace nrFFT

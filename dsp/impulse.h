#pragma once

#include <span>

#include "base/fixed_array.h"
#include "base/message_sink.h"

namespace dsp {

/// Computes the impulse response of the nine spectrum samples `gains` (gain
/// of bins 0..8, mirrored at bins 1024-k): the spectrum into dSpectrum and,
/// interleaved with zero imaginary parts, into dFFTData; a 1024-point inverse
/// transform in place; its real part into dRawImpulse; that centred (element
/// 512 is time zero) and divided by its largest positive sample into
/// dImpulseResponse, which is left unscaled when no sample is positive.
/// Elements 0..1023 (dFFTData 0..2047) are written, the top ones never.
void CalcImpulse(std::span<const double, 9> gains, base::FixedArray<1024>& dSpectrum,
                 base::FixedArray<2048>& dFFTData, base::FixedArray<1024>& dRawImpulse,
                 base::FixedArray<1024>& dImpulseResponse, base::MessageSink& sink);

/// The four arrays held together, for callers without a window.
struct ImpulseArrays {
  base::FixedArray<1024> dSpectrum;
  base::FixedArray<2048> dFFTData;
  base::FixedArray<1024> dRawImpulse;
  base::FixedArray<1024> dImpulseResponse;
};

/// CalcImpulse into `arrays`.
inline void CalcImpulse(std::span<const double, 9> gains, ImpulseArrays& arrays,
                        base::MessageSink& sink) {
  CalcImpulse(gains, arrays.dSpectrum, arrays.dFFTData, arrays.dRawImpulse,
              arrays.dImpulseResponse, sink);
}

}  // namespace dsp

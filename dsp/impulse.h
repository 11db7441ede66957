#pragma once

#include <span>

#include "dsp/fixed_array.h"
#include "dsp/message_sink.h"

namespace dsp {

/// The four window-level arrays of the impulse computation, each with the
/// bounds 0 .. 1024 (dFFTData 0 .. 2048); the top element is never written.
struct ImpulseArrays {
  FixedArray<1024> dSpectrum;
  FixedArray<2048> dFFTData;
  FixedArray<1024> dRawImpulse;
  FixedArray<1024> dImpulseResponse;
};

/// Computes the impulse response of the nine control points whose tops (window
/// twips; Top 3960 is gain 0, 2700 twips per unit of gain) are `tops`: the
/// gains sampled at bins 0..8 and mirrored at 1024-k, a 1024-point inverse
/// transform, the real part centred so that element 512 is time zero, and the
/// result divided by its largest positive sample. A response without a
/// positive sample is left unscaled.
void CalcImpulse(std::span<const float, 9> tops, ImpulseArrays& arrays, MessageSink& sink);

}  // namespace dsp

#pragma once

#include <string>

#include "dsp/fft_paths.h"

namespace bench {

/// The name under which the transform through `path` is timed.
std::string PathBenchmarkName(const nrFFT::FftPath& path);

}  // namespace bench

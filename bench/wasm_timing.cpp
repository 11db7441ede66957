// The transform, Recalculate and the eye timed inside WebAssembly, where the
// benchmark library is not built: the same 1024-point input as the native
// benchmark's, the same loaded window. Prints one line per measurement,
// "<name> <median nanoseconds per call>", for bench/wasm_ratio.sh.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "app/eye_view.h"
#include "app/form1.h"
#include "app/headless_platform.h"
#include "bench/constants.h"
#include "bench/null_sink.h"
#include "dsp/fft.h"

namespace {

// Repetitions of a measurement, and the calls timed together in each: a
// repetition lasts tens of milliseconds, well above the clock's grain.
constexpr int kRepetitions = 15;
constexpr int kCallsPerRepetition = 2000;
// The eye takes some fifty times as long as Recalculate.
constexpr int kEyeCallsPerRepetition = 20;

// The median over kRepetitions of the time per call of `call`, timed
// `calls` at a time, in nanoseconds, after one repetition to warm up.
template <class Call>
double MedianNanoseconds(Call call, int calls = kCallsPerRepetition) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> times;
  for (int r = 0; r <= kRepetitions; ++r) {
    const auto start = Clock::now();
    for (int k = 0; k < calls; ++k) call();
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    if (r > 0) times.push_back(elapsed.count() / calls);
  }
  std::nth_element(times.begin(), times.begin() + kRepetitions / 2, times.end());
  return times[kRepetitions / 2];
}

}  // namespace

int main() {
  // As the native BM_ComplexFFT: the same input copied in before every
  // transform, so that the values never drift.
  std::array<double, 2 * bench::kFFTPoints> input{};
  std::mt19937_64 engine(bench::kInputSeed);
  std::uniform_real_distribution<double> part(-1.0, 1.0);
  for (double& value : input) value = part(engine);
  std::array<double, 2 * bench::kFFTPoints> buffer{};
  bench::NullSink sink;
  const double fft = MedianNanoseconds([&] {
    buffer = input;
    nrFFT::ComplexFFT(buffer, bench::kFFTPoints, true, sink);
  });
  std::printf("ComplexFFT %.0f\n", fft);

  app::HeadlessPlatform platform;
  auto form = std::make_unique<app::Form1>(platform);
  form->Form_Load();
  std::printf("Recalculate %.0f\n", MedianNanoseconds([&] { form->Recalculate(); }));

  // As the native BM_EyeAfterChange/RC35: the eye of RC at a roll-off of
  // 0.35 worked out again, after the eye of no response, which costs next
  // to nothing.
  form->hscAlpha.Value = 35;
  form->hscAlpha_Change();
  auto eye = std::make_unique<app::EyeView>();
  const auto none = std::make_unique<base::FixedArray<1024>>();
  std::printf("EyeAfterChange %.0f\n", MedianNanoseconds(
                                           [&] {
                                             eye->Follow(form->dImpulseResponse);
                                             eye->Follow(*none);
                                           },
                                           kEyeCallsPerRepetition));
  return 0;
}

// The impulse computation alone, the plot alone, and the whole
// recalculation pipeline of the loaded window without a display.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "app/form1.h"
#include "app/headless_platform.h"
#include "bench/null_sink.h"
#include "dsp/impulse.h"

namespace bench {
namespace {

void BM_CalcImpulse(benchmark::State& state) {
  // A typical edited shape.
  constexpr std::array<double, 9> kGains{1, 1, 1, 1, 0.5, 0, 0, 0, 0};
  auto arrays = std::make_unique<dsp::ImpulseArrays>();
  NullSink sink;
  for (auto _ : state) {
    dsp::CalcImpulse(kGains, *arrays, sink);
    benchmark::DoNotOptimize(arrays.get());
    benchmark::ClobberMemory();
  }
}

// `run` on the loaded window, over and over.
template <class Run>
void TimeOnLoadedForm(benchmark::State& state, Run run) {
  app::HeadlessPlatform platform;
  auto form = std::make_unique<app::Form1>(platform);
  form->Form_Load();
  for (auto _ : state) {
    run(*form);
    benchmark::DoNotOptimize(form.get());
    benchmark::ClobberMemory();
  }
}

void BM_Recalculate(benchmark::State& state) {
  TimeOnLoadedForm(state, [](app::Form1& form) { form.Recalculate(); });
}

// The plot alone: what Recalculate spends after the impulse computation,
// nearly all of it.
void BM_ShowImpulse(benchmark::State& state) {
  TimeOnLoadedForm(state, [](app::Form1& form) { form.ShowImpulse(); });
}

}  // namespace

BENCHMARK(BM_CalcImpulse);
BENCHMARK(BM_ShowImpulse);
BENCHMARK(BM_Recalculate);

}  // namespace bench

// The eye diagram worked out from the impulse response: its figures, its
// 256 traces, and the whole view a front end shows after a change of the
// response (figures, traces, words and the picture's strokes).
#include <benchmark/benchmark.h>

#include <memory>
#include <span>
#include <vector>

#include "app/eye_view.h"
#include "app/window.h"
#include "dsp/eye_diagram.h"

namespace bench {
namespace {

// The responses of the shapes a class meets: the start-up's random points,
// those completed by "Sorvane", and RC at a roll-off of 0.35.
struct Responses {
  Responses() {
    auto window = std::make_unique<app::Window>();
    window->Apply(app::Load{});
    random = window->form.dImpulseResponse;
    window->Apply(app::Click{"cmdSorvane"});
    sorvane = window->form.dImpulseResponse;
    window->Apply(app::SetValue{"hscAlpha", 35});
    rc = window->form.dImpulseResponse;
  }
  base::FixedArray<1024> random;
  base::FixedArray<1024> sorvane;
  base::FixedArray<1024> rc;
  base::FixedArray<1024> none;  // all zero: no eye, nearly nothing to work out
};

const Responses& Shapes() {
  static const Responses responses;
  return responses;
}

dsp::EyeResponse Samples(const base::FixedArray<1024>& response) { return response.Span().first<1024>(); }

void BM_EyeFigures(benchmark::State& state) {
  const dsp::EyeResponse h = Samples(Shapes().rc);
  for (auto _ : state) benchmark::DoNotOptimize(dsp::EyeFiguresOf(h));
}

void BM_EyeTraces(benchmark::State& state) {
  const dsp::EyeResponse h = Samples(Shapes().rc);
  std::vector<double> traces(dsp::kEyePatterns * dsp::kEyeOffsets);
  for (auto _ : state) {
    dsp::EyeTraces(h, std::span<double, dsp::kEyePatterns * dsp::kEyeOffsets>(traces));
    benchmark::ClobberMemory();
  }
}

// The eye after each change of the response, as after a drop with the eye
// shown: every other iteration the response of no eye, which costs next to
// nothing, so that the shape's eye is worked out again each time.
void BM_EyeAfterChange(benchmark::State& state, const base::FixedArray<1024> Responses::*shape) {
  auto eye = std::make_unique<app::EyeView>();
  std::size_t strokes = 0;
  for (auto _ : state) {
    eye->Follow(Shapes().*shape);
    strokes = eye->Picture().Strokes().size();
    eye->Follow(Shapes().none);
  }
  state.counters["strokes"] = static_cast<double>(strokes);
}

// The same response again: what asking costs when nothing changed.
void BM_EyeUnchanged(benchmark::State& state) {
  auto eye = std::make_unique<app::EyeView>();
  eye->Follow(Shapes().rc);
  for (auto _ : state) {
    eye->Follow(Shapes().rc);
    benchmark::DoNotOptimize(eye.get());
  }
}

// The scene of the eye's window, as a front end takes it for each repaint.
void BM_EyeScene(benchmark::State& state) {
  auto eye = std::make_unique<app::EyeView>();
  eye->Follow(Shapes().rc);
  for (auto _ : state) benchmark::DoNotOptimize(eye->View());
}

}  // namespace

BENCHMARK(BM_EyeFigures);
BENCHMARK(BM_EyeTraces);
BENCHMARK_CAPTURE(BM_EyeAfterChange, Random, &Responses::random)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EyeAfterChange, Sorvane, &Responses::sorvane)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EyeAfterChange, RC35, &Responses::rc)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EyeUnchanged);
BENCHMARK(BM_EyeScene);

}  // namespace bench

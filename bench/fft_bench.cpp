// The transform, each of its implementations and FFTW on the same 1024
// points. Each iteration first copies the same fixed input into the buffer
// (in-place transforms run back to back would drift into overflow or
// denormals), so every transform time includes that copy; BM_ResetInput
// times the copy alone.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include "bench/constants.h"
#include "bench/fft_bench.h"
#include "bench/null_sink.h"
#include "dsp/fft.h"
#include "dsp/fft_paths.h"

namespace bench {
namespace {

// The buffer and its input side by side, aligned to a cache line and whole
// pages apart (16 KiB each): the C library's copy runs many times slower on
// some processors when the destination lies just past the source modulo
// 4 KiB, which separate heap blocks could hit for one benchmark and not for
// another.
struct alignas(64) Workspace {
  Workspace() {
    std::mt19937_64 engine(kInputSeed);
    std::uniform_real_distribution<double> part(-1.0, 1.0);
    for (double& value : input) value = part(engine);
  }

  void ResetInput() { std::copy(input.begin(), input.end(), buffer.begin()); }

  std::array<double, 2 * kFFTPoints> buffer{};
  std::array<double, 2 * kFFTPoints> input{};  // both parts uniform in [-1, 1)
};

template <class Transform>
void TimeTransform(benchmark::State& state, Transform transform) {
  const auto work = std::make_unique<Workspace>();
  NullSink sink;
  for (auto _ : state) {
    work->ResetInput();
    transform(work->buffer, sink);
    benchmark::DoNotOptimize(work->buffer.data());
    benchmark::ClobberMemory();
  }
}

void BM_ComplexFFT(benchmark::State& state) {
  TimeTransform(state, [](std::span<double> data, NullSink& sink) {
    nrFFT::ComplexFFT(data, kFFTPoints, true, sink);
  });
}

// Each implementation the processor has, admission included, as
// BM_FFTPath_<name>.
[[maybe_unused]] const bool kPathsRegistered = [] {
  for (const nrFFT::FftPath& path : nrFFT::FftPaths()) {
    if (!path.Supported()) continue;
    benchmark::RegisterBenchmark(PathBenchmarkName(path).c_str(), [&path](benchmark::State& state) {
      TimeTransform(state, [&path](std::span<double> data, NullSink& sink) {
        nrFFT::TransformWith(path, data, kFFTPoints, true, sink);
      });
    });
  }
  return true;
}();

// In place, planned once with FFTW_MEASURE. FFTW_FORWARD has the negative
// exponent of our inverse direction; FFTW does not divide by the length.
void BM_FFTW(benchmark::State& state) {
  const auto work = std::make_unique<Workspace>();
  auto* const buffer = reinterpret_cast<fftw_complex*>(work->buffer.data());
  const fftw_plan plan = fftw_plan_dft_1d(kFFTPoints, buffer, buffer, FFTW_FORWARD, FFTW_MEASURE);
  for (auto _ : state) {
    work->ResetInput();
    fftw_execute(plan);
    benchmark::DoNotOptimize(work->buffer.data());
    benchmark::ClobberMemory();
  }
  fftw_destroy_plan(plan);
}

void BM_ResetInput(benchmark::State& state) {
  const auto work = std::make_unique<Workspace>();
  for (auto _ : state) {
    work->ResetInput();
    benchmark::DoNotOptimize(work->buffer.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

std::string PathBenchmarkName(const nrFFT::FftPath& path) {
  return "BM_FFTPath_" + std::string(path.name);
}

BENCHMARK(BM_ComplexFFT);
BENCHMARK(BM_FFTW);
BENCHMARK(BM_ResetInput);

}  // namespace bench

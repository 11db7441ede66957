// Runs the benchmarks, then compares the transforms with FFTW using the
// times of this same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench/fft_bench.h"
#include "bench/ratio_reporter.h"
#include "dsp/fft_paths.h"

namespace {

void PrintRatio(const bench::RatioReporter& reporter, const std::string& name,
                bool copiesInput = true) {
  const auto time = reporter.Nanoseconds(name);
  const auto fftw = reporter.Nanoseconds("BM_FFTW");
  if (!time || !fftw) return;
  std::printf("%-22s %9.0f ns  %5.2f x FFTW", name.c_str(), *time, *time / *fftw);
  // Every transform iteration also copies its input in; the ratio without it:
  const auto copy = reporter.Nanoseconds("BM_ResetInput");
  if (copiesInput && copy && *fftw > *copy) {
    std::printf("   (%5.2f x without the input copy)", (*time - *copy) / (*fftw - *copy));
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const bool colour = isatty(STDOUT_FILENO) != 0;
  bench::RatioReporter reporter(colour ? benchmark::ConsoleReporter::OO_ColorTabular
                                       : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("\nMedian CPU time, same run, against one 1024-point FFTW transform:\n");
  PrintRatio(reporter, "BM_FFTW");
  PrintRatio(reporter, "BM_ComplexFFT");
  for (const nrFFT::FftPath& path : nrFFT::FftPaths()) {
    PrintRatio(reporter, bench::PathBenchmarkName(path));
  }
  PrintRatio(reporter, "BM_CalcImpulse", false);
  PrintRatio(reporter, "BM_Recalculate", false);
  return 0;
}

#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

/// The console report, which also keeps the time per iteration of every run
/// so that main can compare benchmarks of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& reports) override;

  /// Median CPU time per iteration, in nanoseconds, of the benchmark
  /// function `name` over its repetitions; empty if it did not run. CPU
  /// time, because on a shared machine the real time also counts the time
  /// the benchmark was not running at all.
  std::optional<double> Nanoseconds(const std::string& name) const;

 private:
  std::map<std::string, std::vector<double>> times_;  // per repetition
  std::map<std::string, double> medians_;             // when only aggregates come
};

}  // namespace bench

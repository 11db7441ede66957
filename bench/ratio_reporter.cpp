#include "bench/ratio_reporter.h"

#include <algorithm>

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
  for (const Run& run : reports) {
    if (run.error_occurred) continue;
    const double nanoseconds =
        run.GetAdjustedCPUTime() * (1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit));
    if (run.run_type == Run::RT_Iteration) {
      times_[run.run_name.function_name].push_back(nanoseconds);
    } else if (run.aggregate_name == "median") {
      medians_[run.run_name.function_name] = nanoseconds;
    }
  }
  ConsoleReporter::ReportRuns(reports);
}

std::optional<double> RatioReporter::Nanoseconds(const std::string& name) const {
  if (const auto median = medians_.find(name); median != medians_.end()) return median->second;
  const auto found = times_.find(name);
  if (found == times_.end() || found->second.empty()) return std::nullopt;
  std::vector<double> times = found->second;
  std::sort(times.begin(), times.end());
  const std::size_t middle = times.size() / 2;
  return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

}  // namespace bench

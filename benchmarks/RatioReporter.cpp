#include "benchmarks/RatioReporter.h"

#include <cstdio>
#include <optional>

namespace bench {

namespace {

std::string Duration(double ns) {
  char text[32];
  if (ns >= 1e6) {
    std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
  } else if (ns >= 1e3) {
    std::snprintf(text, sizeof text, "%.2f µs", ns / 1e3);
  } else {
    std::snprintf(text, sizeof text, "%.0f ns", ns);
  }
  return text;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type == Run::RT_Aggregate && !median) continue;
    const std::string name = run.run_name.str();
    if (from_median_[name] && !median) continue;
    // Adjusted times are in the run's own unit.
    cpu_ns_[name] =
        run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    from_median_[name] = median;
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  const auto time_of = [&](const std::string& name) -> std::optional<double> {
    const auto found = cpu_ns_.find(name);
    if (found == cpu_ns_.end()) return std::nullopt;
    return found->second;
  };
  std::printf("\n| case | Tavrelio | baseline | Tavrelio ÷ baseline |\n|---|--:|--:|--:|\n");
  for (const Comparison& c : comparisons_) {
    const auto tavrelio = time_of(c.tavrelio);
    const auto baseline = time_of(c.baseline);
    if (!tavrelio) continue;  // filtered out
    const std::string ratio = [&] {
      if (!tavrelio || !baseline || *baseline <= 0) return std::string("—");
      char text[32];
      std::snprintf(text, sizeof text, "%.2f", *tavrelio / *baseline);
      return std::string(text);
    }();
    std::printf("| %s | %s | %s | %s |\n", c.label.c_str(),
                tavrelio ? Duration(*tavrelio).c_str() : "—",
                baseline ? Duration(*baseline).c_str() : "—", ratio.c_str());
  }
  std::printf("\nTimes are CPU time per frame, stand-in host included.\n");
}

}  // namespace bench

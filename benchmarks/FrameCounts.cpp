#include "benchmarks/FrameCounts.h"

#include <algorithm>
#include <map>
#include <string>

namespace bench {

CommandCounts CountCommand(const std::vector<standin::HostCall>& calls, std::size_t command) {
  CommandCounts counts;
  // Keyed by the logged arguments: the suite's name and version.
  std::map<std::string, std::size_t> acquires;
  for (const standin::HostCall& call : calls) {
    if (call.command != command) continue;
    ++counts.host_calls;
    if (call.function == "AcquireSuite") ++acquires[call.args];
    counts.expressions_set += call.function == "AEGP_SetExpression";
    counts.stream_values_set += call.function == "AEGP_SetStreamValue";
    counts.keyframes_set += call.function == "AEGP_SetKeyframeValue";
  }
  counts.distinct_suites = acquires.size();
  for (const auto& [suite, times] : acquires) {
    counts.suite_acquires += times;
    counts.most_acquires_of_one_suite = std::max(counts.most_acquires_of_one_suite, times);
  }
  return counts;
}

}  // namespace bench

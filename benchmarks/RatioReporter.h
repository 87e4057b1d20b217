// Google Benchmark's console output, followed by a table that sets each
// Tavrelio case against the yardstick's matching case of the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct Comparison {
  std::string label;
  std::string tavrelio;  // benchmark names
  std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal: the output is also kept in files.
  RatioReporter(std::vector<Comparison> comparisons, bool colour)
      : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular),
        comparisons_(std::move(comparisons)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<Comparison> comparisons_;
  // CPU nanoseconds per iteration, by benchmark name: the median when the
  // run was repeated, else the run itself.
  std::map<std::string, double> cpu_ns_;
  std::map<std::string, bool> from_median_;
};

}  // namespace bench

// What one command of a frame asked of the host, read from the call log.
#pragma once

#include <cstddef>
#include <vector>

#include "standin_host/CallLog.h"

namespace bench {

struct CommandCounts {
  std::size_t host_calls = 0;
  std::size_t suite_acquires = 0;
  std::size_t distinct_suites = 0;
  // Each suite is to be acquired at most once per command.
  std::size_t most_acquires_of_one_suite = 0;
  // What the command stored in the project: a check that the branch is the
  // one meant.
  std::size_t expressions_set = 0;
  std::size_t stream_values_set = 0;
  std::size_t keyframes_set = 0;
};

// The counts of the calls logged under command number `command`.
CommandCounts CountCommand(const std::vector<standin::HostCall>& calls, std::size_t command);

}  // namespace bench

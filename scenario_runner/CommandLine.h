// The runner's command line: tavrelio-run [--plugin PATH] [--json] [SCENARIO]
#pragma once

#include <span>
#include <stdexcept>
#include <string>

namespace scenario {

struct Options {
  std::string plugin_path;
  std::string scenario_path;
  bool json = false;
  bool help = false;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `arguments` leaves out the program name; the defaults fill what is not given.
Options ParseCommandLine(std::span<const std::string> arguments, const Options& defaults);

extern const char* const kUsage;

}  // namespace scenario

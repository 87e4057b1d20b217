#include "scenario_runner/CommandLine.h"

namespace scenario {

const char* const kUsage =
    "usage: tavrelio-run [--plugin PATH] [--json] [SCENARIO.json]\n"
    "Plays a scenario in the stand-in host with a built Tavrelio plug-in and prints\n"
    "what the plug-in did, frame by frame. Without a scenario it plays the demo.\n"
    "  --plugin PATH  the plug-in library to load (default: the native 64-bit build)\n"
    "  --json         print the timeline as JSON\n"
    "Exit status: 0 played, 2 bad command line, 3 bad scenario file, 4 plug-in not loaded.\n";

Options ParseCommandLine(std::span<const std::string> arguments, const Options& defaults) {
  Options options = defaults;
  bool scenario_given = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--plugin") {
      if (i + 1 == arguments.size()) throw UsageError("--plugin needs a path");
      options.plugin_path = arguments[++i];
    } else if (argument.starts_with("--plugin=")) {
      options.plugin_path = argument.substr(std::string("--plugin=").size());
    } else if (argument.starts_with("-")) {
      throw UsageError("unknown option " + argument);
    } else if (scenario_given) {
      throw UsageError("one scenario at a time, not also " + argument);
    } else {
      options.scenario_path = argument;
      scenario_given = true;
    }
  }
  if (options.plugin_path.empty()) throw UsageError("--plugin needs a path");
  return options;
}

}  // namespace scenario

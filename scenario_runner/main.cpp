// tavrelio-run: plays a scenario file in the stand-in host with a built
// Tavrelio plug-in and prints the timeline of what the plug-in did.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "scenario_runner/CommandLine.h"
#include "scenario_runner/ScenarioFile.h"
#include "scenario_runner/ScenarioPlayer.h"
#include "scenario_runner/TimelineJson.h"
#include "scenario_runner/TimelineText.h"
#include "standin_host/PluginLibrary.h"

namespace {

constexpr int kBadUsage = 2;
constexpr int kBadScenario = 3;
constexpr int kPluginNotLoaded = 4;

}  // namespace

int main(int argc, char** argv) {
  using namespace scenario;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  Options options;
  try {
    options = ParseCommandLine(
        arguments, Options{TAVRELIO_DEFAULT_PLUGIN, TAVRELIO_DEFAULT_SCENARIO, false, false});
  } catch (const UsageError& error) {
    std::cerr << "tavrelio-run: " << error.what() << "\n" << kUsage;
    return kBadUsage;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }

  // The whole file is checked before the plug-in is even loaded.
  Scenario loaded;
  try {
    loaded = LoadScenarioFile(options.scenario_path);
  } catch (const ScenarioFileError& error) {
    std::cerr << error.what() << "\n";
    return kBadScenario;
  }

  try {
    const standin::PluginLibrary plugin(options.plugin_path);
    // The file name alone, so timelines compare equal wherever they were made.
    const std::string name = std::filesystem::path(options.scenario_path).filename().string();
    const Timeline timeline = PlayScenario(loaded, name, plugin);
    if (options.json) {
      std::cout << TimelineJson(timeline).dump(2) << "\n";
    } else {
      PrintTimelineText(timeline, std::cout);
    }
  } catch (const standin::PluginLoadError& error) {
    std::cerr << "tavrelio-run: " << error.what() << "\n";
    return kPluginNotLoaded;
  }
  return 0;
}

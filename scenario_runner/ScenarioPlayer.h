// Plays a checked scenario in a fresh stand-in host with a loaded plug-in,
// sending the commands the host would, and records what happened.
#pragma once

#include <string>

#include "scenario_runner/Scenario.h"
#include "scenario_runner/Timeline.h"
#include "standin_host/PluginLibrary.h"

namespace scenario {

// `scenario_name` is what the timeline calls the scenario.
Timeline PlayScenario(const Scenario& scenario, const std::string& scenario_name,
                      const standin::PluginLibrary& plugin);

}  // namespace scenario

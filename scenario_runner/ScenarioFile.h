// Reads a scenario file and checks all of it, steps included, before anything
// is played.
#pragma once

#include <string>
#include <string_view>

#include "scenario_runner/Scenario.h"
#include "scenario_runner/ScenarioError.h"

namespace scenario {

// Throws ScenarioError naming the JSON path of the first fault.
Scenario ParseScenarioText(std::string_view text);

// The same for a file; the message of the ScenarioFileError starts with the
// file's path as given: "demo.json: $.steps[2].move.to: expected ...".
Scenario LoadScenarioFile(const std::string& path);

class ScenarioFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace scenario

// Reading the steps of a scenario, each checked against the stack as the
// steps before it leave it.
#pragma once

#include "scenario_runner/JsonNode.h"
#include "scenario_runner/Scenario.h"
#include "scenario_runner/StackModel.h"

namespace scenario {

EffectSetup ParseEffectSetup(const JsonNode& node);

// Reads one step and applies it to `stack`.
Step ParseStep(const JsonNode& node, StackModel& stack);

}  // namespace scenario

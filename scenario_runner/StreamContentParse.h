// Reading values, keyframes and expressions of one parameter from the file.
#pragma once

#include "scenario_runner/JsonNode.h"
#include "scenario_runner/Scenario.h"
#include "scenario_runner/TavrelioControls.h"
#include "scenario_runner/ValueForm.h"

namespace scenario {

StreamNumbers ParseValue(const JsonNode& node, ValueForm form);

KeyframeSetup ParseKeyframe(const JsonNode& node, ValueForm form);

// Reads the members "value", "keyframes", "expression" and "expression_value"
// of `node`; the caller checks which other members it allows.
StreamContent ParseStreamContent(const JsonNode& node, ValueForm form, bool can_vary);

// A control's setting: either a plain value or an object with the members above.
StreamContent ParseControlSetting(const JsonNode& node, const ControlInfo& control);

// Fails at `node` when the value lies outside what the control accepts.
void CheckControlRange(const JsonNode& node, const ControlInfo& control,
                       const StreamNumbers& value);

}  // namespace scenario

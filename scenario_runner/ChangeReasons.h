// Why Tavrelio changed one of its controls in a frame, told from the project
// as it stood before the frame: facts of the stack, not of the plug-in's code,
// so a correction the project does not call for reads as "not explained".
#pragma once

#include <optional>
#include <string>

#include "scenario_runner/ProjectView.h"
#include "scenario_runner/Timeline.h"

namespace scenario {

// The name inside a memo "'<name>';1", or nothing when the text is not one.
std::optional<std::string> NameInMemo(const std::string& memo);

// Why "Effect", "Index" or "No" went from `from` to its value in `after`.
std::string CorrectionReason(const ProjectView& before, const ProjectView& after,
                             std::size_t control, double from);

// Why "ON" was switched off in the frame that led from `before` to `after`.
SwitchOffEvent SwitchOffReason(const ProjectView& before, const ProjectView& after);

}  // namespace scenario

// One timeline event as a line of text.
#pragma once

#include <string>

#include "scenario_runner/Timeline.h"

namespace scenario {

std::string EventText(const Event& event);

// "keyframe 2 at 1 s of "Gamma" of "Levels" (Effect 0, Index 1, No 2)": the
// keyframe, and the control values that address it.
std::string AddressText(const KeyframeAddress& address);

}  // namespace scenario

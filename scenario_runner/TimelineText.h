// The timeline as text for people: the layer, then each step and frame with
// what Tavrelio did, then the target keyframes and the host's accounts.
#pragma once

#include <ostream>

#include "scenario_runner/Timeline.h"

namespace scenario {

void PrintTimelineText(const Timeline& timeline, std::ostream& out);

}  // namespace scenario

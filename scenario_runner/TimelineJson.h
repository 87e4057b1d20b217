// The timeline as data: the same content as the text, for tools.
#pragma once

#include <nlohmann/json.hpp>

#include "scenario_runner/Timeline.h"

namespace scenario {

nlohmann::ordered_json TimelineJson(const Timeline& timeline);

}  // namespace scenario

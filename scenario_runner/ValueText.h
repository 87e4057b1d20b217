// Numbers, times and parameter values as the text timeline shows them.
#pragma once

#include <string>

#include "scenario_runner/ValueForm.h"
#include "standin_host/Project.h"

namespace scenario {

// Up to six significant digits, no trailing zeros: 2.5, 0.0416667, 120.
std::string NumberText(double value);

// Seconds with at most three decimals: "0.042 s".
std::string SecondsText(double seconds);

// A value in the form of its parameter: "2.5", "on", "Point", "(10, 20)",
// "(alpha 1, red 0.5, green 0, blue 0)".
std::string ValueText(const standin::StreamNumbers& value, ValueForm form);

// "1st", "2nd", "11th": for "the 2nd call from now".
std::string Ordinal(std::size_t n);

}  // namespace scenario

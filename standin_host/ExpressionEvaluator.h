// A small evaluator for the expressions scenarios use: numbers, `time` in
// seconds, + - * /, parentheses, and a quoted text followed by `;` and a
// number (which yields that number). Anything else is not understood.
#pragma once

#include <optional>
#include <string_view>

namespace standin {

std::optional<double> EvaluateExpression(std::string_view text, double time_seconds);

}  // namespace standin

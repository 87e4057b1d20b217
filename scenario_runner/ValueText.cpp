#include "scenario_runner/ValueText.h"

#include <charconv>
#include <cmath>

#include "scenario_runner/TavrelioControls.h"

namespace scenario {

namespace {

std::string Formatted(double value, std::chars_format format, int precision) {
  // Never print "-0": a cleared value reads as 0.
  if (value == 0) value = 0;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  std::string text(buffer, result.ptr);
  if (format == std::chars_format::fixed && text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

}  // namespace

std::string NumberText(double value) { return Formatted(value, std::chars_format::general, 6); }

std::string SecondsText(double seconds) {
  return Formatted(seconds, std::chars_format::fixed, 3) + " s";
}

std::string ValueText(const standin::StreamNumbers& value, ValueForm form) {
  switch (form) {
    case ValueForm::None:
      return "(input layer)";
    case ValueForm::Number:
    case ValueForm::WholeNumber:
      return NumberText(value[0]);
    case ValueForm::Boolean:
      if (value[0] == 1) return "on";
      if (value[0] == 0) return "off";
      return NumberText(value[0]);
    case ValueForm::TypeChoice: {
      const double type = value[0];
      if (type >= 1 && type <= static_cast<double>(kTypeNames.size()) && std::trunc(type) == type) {
        return std::string(kTypeNames[static_cast<std::size_t>(type) - 1]);
      }
      return NumberText(type);
    }
    case ValueForm::Colour:
      return "(alpha " + NumberText(value[0]) + ", red " + NumberText(value[1]) + ", green " +
             NumberText(value[2]) + ", blue " + NumberText(value[3]) + ")";
    case ValueForm::Point:
      return "(" + NumberText(value[0]) + ", " + NumberText(value[1]) + ")";
  }
  return NumberText(value[0]);
}

std::string Ordinal(std::size_t n) {
  const std::size_t last_two = n % 100;
  const char* suffix = "th";
  if (last_two < 11 || last_two > 13) {
    switch (n % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(n) + suffix;
}

}  // namespace scenario

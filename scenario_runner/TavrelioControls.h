// Tavrelio's controls as a scenario names them, with their parameter indices.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "host/HostTypes.h"
#include "scenario_runner/ValueForm.h"

namespace scenario {

// The whole numbers a user can type into a control; "Index" also takes 0, the
// default it is registered with.
struct WholeRange {
  long long minimum;
  long long maximum;
};

struct ControlInfo {
  std::string_view name;
  PF_ParamIndex index;
  ValueForm form;
  bool can_vary;
  std::optional<WholeRange> range;
};

inline constexpr WholeRange kAddressRange{0, 10000};

// Only the value controls (and "Info") can be animated; keyframes on the rest
// are refused.
inline constexpr std::array<ControlInfo, 11> kTavrelioControls{{
    {"Effect", 1, ValueForm::WholeNumber, false, kAddressRange},
    {"Index", 2, ValueForm::WholeNumber, false, kAddressRange},
    {"No", 3, ValueForm::WholeNumber, false, kAddressRange},
    {"Type", 4, ValueForm::TypeChoice, false, std::nullopt},
    {"Slider", 5, ValueForm::Number, true, std::nullopt},
    {"Angle", 6, ValueForm::Number, true, std::nullopt},
    {"Checkbox", 7, ValueForm::Boolean, true, std::nullopt},
    {"Color", 8, ValueForm::Colour, true, std::nullopt},
    {"Point", 9, ValueForm::Point, true, std::nullopt},
    {"ON", 10, ValueForm::Boolean, false, std::nullopt},
    {"Info", 11, ValueForm::WholeNumber, true, std::nullopt},
}};

inline constexpr PF_ParamIndex kControlEffect = 1;
inline constexpr PF_ParamIndex kControlIndex = 2;
inline constexpr PF_ParamIndex kControlNo = 3;
inline constexpr PF_ParamIndex kControlType = 4;
inline constexpr PF_ParamIndex kControlOn = 10;
inline constexpr PF_ParamIndex kControlInfo = 11;

inline std::optional<ControlInfo> ControlNamed(std::string_view name) {
  for (const ControlInfo& control : kTavrelioControls) {
    if (control.name == name) return control;
  }
  return std::nullopt;
}

inline std::string_view ControlName(PF_ParamIndex index) {
  for (const ControlInfo& control : kTavrelioControls) {
    if (control.index == index) return control.name;
  }
  return index == 0 ? "Input" : "?";
}

// The items of the "Type" popup, value 1 first.
inline constexpr std::array<std::string_view, 5> kTypeNames{"Slider", "Angle", "Checkbox", "Color",
                                                            "Point"};

}  // namespace scenario

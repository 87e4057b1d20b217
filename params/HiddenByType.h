// Which of the effect's own streams a UI update hides: of the five value
// parameters only the one "Type" selects stays visible, and "Info" never shows.
#pragma once

#include <array>

#include "params/ParamIndex.h"

namespace tavrelio {

// The streams whose hidden flag every UI update sets, in the order it sets them.
inline constexpr std::array kFlaggedParams = {kParamSlider, kParamAngle, kParamCheckbox,
                                              kParamColor,  kParamPoint, kParamInfo};

constexpr bool IsHiddenForType(PF_ParamIndex param, A_long type) {
  if (param == kParamInfo) return true;
  return !IsValueType(type) || ValueParamOfType(type) != param;
}

}  // namespace tavrelio

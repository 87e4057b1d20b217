// The positions of the effect's parameters; disk ids equal these indices.
#pragma once

#include "host/HostTypes.h"

namespace tavrelio {

enum ParamIndex : PF_ParamIndex {
  kParamInputLayer = 0,
  kParamEffect = 1,
  kParamIndex = 2,
  kParamKeyNo = 3,
  kParamType = 4,
  kParamSlider = 5,
  kParamAngle = 6,
  kParamCheckbox = 7,
  kParamColor = 8,
  kParamPoint = 9,
  kParamOn = 10,
  kParamInfo = 11,
};

inline constexpr A_long kParamCount = 12;

// "Type" value v (1 to 5) selects the value parameter at v + 4.
inline constexpr A_long kFirstValueType = 1;
inline constexpr A_long kLastValueType = 5;
constexpr bool IsValueType(A_long type) {
  return type >= kFirstValueType && type <= kLastValueType;
}
constexpr PF_ParamIndex ValueParamOfType(A_long type) { return type + 4; }

}  // namespace tavrelio

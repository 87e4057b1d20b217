// The record of one pre-render run that the host keeps as the frame's
// pre-render data: the downsample factors and the controls as delivered.
#pragma once

#include "host/HostTypes.h"

namespace tavrelio {

struct PreRenderInfo {
  double scale_x;
  double scale_y;
  A_long effect_index;
  A_long param_index;
  A_long key_index;
  A_long value_type;
  A_long on;
};

// The denominator is the host's unsigned field, so it is read as unsigned.
constexpr double ScaleOf(const PF_RationalScale& factor) {
  return static_cast<double>(factor.num) / static_cast<double>(factor.den);
}

}  // namespace tavrelio

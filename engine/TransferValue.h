// Writing the value that "Type" selects into the target keyframe.
#pragma once

#include "engine/PassState.h"

namespace tavrelio {

// Copies the selected value parameter, as it stands after expressions at the
// frame's time, into keyframe "No" of stream "Index" of the effect at
// "Effect". Does nothing for a "Type" that selects no value parameter.
void TransferValue(PassState& state);

}  // namespace tavrelio

// Keeping "Effect", "Index" and "No" inside what the layer and the target
// offer, and switching "ON" off when the value could not be transferred.
#pragma once

#include "engine/PassState.h"

namespace tavrelio {

// Brings "Effect" back onto the layer's effects. True when it lay beyond
// them; an armed run is then switched off and its branch ends.
bool CheckEffectCount(PassState& state, Arming arming);

// Checks "Index" against the target's streams and "No" against the target
// stream's keyframes. In an armed run that needed no correction, the target
// is remembered while it is still held.
void CheckTarget(PassState& state, Arming arming);

}  // namespace tavrelio

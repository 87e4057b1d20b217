// The three ways a run treats its target, chosen by the working "ON".
#pragma once

#include "engine/PassState.h"

namespace tavrelio {

// Armed: follows the remembered target, or checks and remembers a new one.
void RunArmedBranch(PassState& state);

// Disarmed: forgets the target and keeps the addressing values in range.
void RunDisarmedBranch(PassState& state);

}  // namespace tavrelio

// Storing the corrected addressing values into the effect's own parameters,
// so that the user sees what the pass works with.
#pragma once

#include "engine/PassState.h"

namespace tavrelio {

// Writes every marked working value, in the order "Effect", "Index", "No",
// "ON"; an unmarked parameter is left alone.
void WriteBackParam(PassState& state);

}  // namespace tavrelio

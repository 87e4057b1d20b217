// Following the target effect by name while the transfer is armed: the name
// lives as a memo on the hidden "Info" parameter (see MemoText.h).
#pragma once

#include <optional>

#include "engine/MemoText.h"
#include "engine/PassState.h"

namespace tavrelio {

// What "Info" holds now.
TargetMemo ReadTargetMemo(PassState& state);

// The position of the first effect of the layer, from the top, whose name
// makes the remembered memo; none when no effect does or a host call failed.
std::optional<A_long> FindTargetByMemo(PassState& state, const TargetMemo& memo);

// Remembers the effect at the working Effect and shows its name to the user.
void WriteTargetMemo(PassState& state);

// Forgets the target: "Info" gets the empty expression.
void ClearTargetMemo(PassState& state);

}  // namespace tavrelio

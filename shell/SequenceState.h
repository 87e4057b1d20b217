// The record the host keeps for each applied instance: a one-byte placeholder
// until the first parameter-state snapshot, then one host state.
#pragma once

#include "host/HostTypes.h"

namespace tavrelio {

struct SequencePlaceholder {
  A_u_char placeholder;
};

struct SequenceSnapshot {
  PF_State snapshot;
};

inline constexpr A_HandleSize kPlaceholderSize = sizeof(SequencePlaceholder);
inline constexpr A_HandleSize kSnapshotSize = sizeof(SequenceSnapshot);
static_assert(kPlaceholderSize == 1 && kSnapshotSize == 16);

}  // namespace tavrelio

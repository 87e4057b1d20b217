#include "engine/PassBranches.h"

#include "engine/RangeChecks.h"
#include "engine/TargetTracking.h"

namespace tavrelio {

namespace {

void ObtainLayer(PassState& state) {
  state.error.Chain([&] {
    return state.suites.PFInterfaceSuite()->AEGP_GetEffectLayer(state.effect_ref, &state.layer);
  });
}

// With a memo only "Effect" is looked at: it goes where the name now is.
// "Index" and "No" are taken as they stand.
void FollowRememberedTarget(PassState& state, const TargetMemo& memo) {
  if (CheckEffectCount(state, Arming::Armed)) return;
  const std::optional<A_long> found = FindTargetByMemo(state, memo);
  if (!state.error.Ok()) return;
  if (!found) {
    // The target was renamed or deleted: stop rather than write elsewhere.
    state.SwitchOff();
    ClearTargetMemo(state);
    return;
  }
  if (*found != state.effect) {
    state.effect = *found;
    state.effect_changed = true;
  }
}

void CheckNewTarget(PassState& state) {
  if (CheckEffectCount(state, Arming::Armed)) return;
  CheckTarget(state, Arming::Armed);
}

}  // namespace

void RunArmedBranch(PassState& state) {
  ObtainLayer(state);
  const TargetMemo memo = ReadTargetMemo(state);
  if (!state.error.Ok()) return;
  if (memo.present) {
    FollowRememberedTarget(state, memo);
  } else {
    CheckNewTarget(state);
  }
}

void RunDisarmedBranch(PassState& state) {
  ObtainLayer(state);
  ClearTargetMemo(state);
  CheckEffectCount(state, Arming::Disarmed);
  CheckTarget(state, Arming::Disarmed);
}

}  // namespace tavrelio

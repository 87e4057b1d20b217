#include "engine/RangeChecks.h"

#include "engine/EffectStreams.h"
#include "engine/HostRefs.h"
#include "engine/TargetTracking.h"

namespace tavrelio {

namespace {

// A target whose only stream is its input layer has no parameter whose
// keyframe could take the value, whatever "Index" says.
void CheckSingleStreamTarget(PassState& state, Arming arming) {
  if (state.index > 1) {
    state.index = 1;
    state.index_changed = true;
  }
  if (arming == Arming::Armed) state.SwitchOff();
}

void CheckIndex(PassState& state, A_long stream_count) {
  if (state.index >= stream_count) {
    state.index = stream_count - 1;
    state.index_changed = true;
  }
}

void CheckKeyframe(PassState& state, Arming arming, AEGP_EffectRefH target) {
  StreamRef stream(state.suites);
  ObtainParamStream(state, target, state.index, stream);
  A_Boolean can_vary = 0;
  state.error.Chain(
      [&] { return state.suites.StreamSuite()->AEGP_CanVaryOverTime(stream.Get(), &can_vary); });
  // A stream that cannot vary has no keyframes to ask about.
  A_long key_count = 0;
  if (state.error.Ok() && can_vary) {
    state.error.Chain([&] {
      return state.suites.KeyframeSuite()->AEGP_GetStreamNumKFs(stream.Get(), &key_count);
    });
  }

  if (state.error.Ok()) {
    if (key_count == 0) {
      if (state.no > 0) {
        state.no = 0;
        state.no_changed = true;
      }
      if (arming == Arming::Armed) state.SwitchOff();
    } else if (state.no >= key_count) {
      state.no = key_count - 1;
      state.no_changed = true;
    }
  }
  stream.Release(state.error);
}

}  // namespace

bool CheckEffectCount(PassState& state, Arming arming) {
  A_long effect_count = 0;
  state.error.Chain([&] {
    return state.suites.EffectSuite()->AEGP_GetLayerNumEffects(state.layer, &effect_count);
  });
  if (!state.error.Ok() || state.effect < effect_count) return false;

  state.effect = effect_count - 1;
  state.effect_changed = true;
  if (arming == Arming::Armed) state.SwitchOff();
  return true;
}

void CheckTarget(PassState& state, Arming arming) {
  EffectRef target(state.suites);
  target.Obtain(state.error, [&](AEGP_EffectRefH* received) {
    return state.suites.EffectSuite()->AEGP_GetLayerEffectByIndex(state.plugin_id, state.layer,
                                                                  state.effect, received);
  });
  A_long stream_count = 0;
  state.error.Chain([&] {
    return state.suites.StreamSuite()->AEGP_GetEffectNumParamStreams(target.Get(), &stream_count);
  });

  if (state.error.Ok()) {
    if (stream_count == 1) {
      CheckSingleStreamTarget(state, arming);
    } else {
      CheckIndex(state, stream_count);
      CheckKeyframe(state, arming, target.Get());
    }
  }

  // Only a target that needed no correction is worth remembering.
  if (arming == Arming::Armed && state.error.Ok() && !state.AnyMark()) WriteTargetMemo(state);
  target.Release(state.error);
}

}  // namespace tavrelio

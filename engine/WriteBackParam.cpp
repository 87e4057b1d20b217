#include "engine/WriteBackParam.h"

#include "engine/EffectStreams.h"
#include "engine/HostRefs.h"
#include "params/ParamIndex.h"

namespace tavrelio {

namespace {

// These parameters cannot vary over time, so the value read at the frame's
// time is their one value; only its number is changed before it goes back.
void StoreOwnParam(PassState& state, PF_ParamIndex param, A_long number) {
  StreamRef stream(state.suites);
  ObtainParamStream(state, state.own_effect, param, stream);
  // Before expressions: the stored value itself is what goes back.
  StreamValueRef value(state.suites);
  ObtainValueAtFrame(state, stream, /*pre_expression=*/true, value);
  if (value.Held()) {
    value.Get().val.one_d = static_cast<A_FpLong>(number);
    state.error.Chain([&] {
      return state.suites.StreamSuite()->AEGP_SetStreamValue(state.plugin_id, stream.Get(),
                                                             &value.Get());
    });
  }
  value.Release(state.error);
  stream.Release(state.error);
}

}  // namespace

void WriteBackParam(PassState& state) {
  if (state.effect_changed) StoreOwnParam(state, kParamEffect, state.effect);
  if (state.index_changed) StoreOwnParam(state, kParamIndex, state.index);
  if (state.no_changed) StoreOwnParam(state, kParamKeyNo, state.no);
  if (state.on_changed) StoreOwnParam(state, kParamOn, 0);
}

}  // namespace tavrelio

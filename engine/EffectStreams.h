// The stream look-ups that several phases of the pass share. Every call is
// chained and leaves its reference in the owner it is given.
#pragma once

#include "engine/HostRefs.h"
#include "engine/MemoText.h"
#include "engine/PassState.h"

namespace tavrelio {

// The stream of one parameter of an effect (this one or the target).
inline void ObtainParamStream(PassState& state, AEGP_EffectRefH effect, PF_ParamIndex param,
                              StreamRef& stream) {
  stream.Obtain(state.error, [&](AEGP_StreamRefH* received) {
    return state.suites.StreamSuite()->AEGP_GetNewEffectStreamByIndex(state.plugin_id, effect,
                                                                      param, received);
  });
}

// The value of a stream at the frame's time, in layer time, before or after
// expressions.
inline void ObtainValueAtFrame(PassState& state, const StreamRef& stream, bool pre_expression,
                               StreamValueRef& value) {
  value.Obtain(state.error, [&](AEGP_StreamValue* received) {
    return state.suites.StreamSuite()->AEGP_GetNewStreamValue(
        state.plugin_id, stream.Get(), AEGP_LTimeMode_LayerTime, &state.frame_time,
        pre_expression ? 1 : 0, received);
  });
}

// The layer's root stream and, under it, the group whose children are the
// layer's effects in stack order.
inline void ObtainEffectGroup(PassState& state, StreamRef& root, StreamRef& group) {
  root.Obtain(state.error, [&](AEGP_StreamRefH* received) {
    return state.suites.DynamicStreamSuite3()->AEGP_GetNewStreamRefForLayer(state.plugin_id,
                                                                            state.layer, received);
  });
  group.Obtain(state.error, [&](AEGP_StreamRefH* received) {
    return state.suites.DynamicStreamSuite3()->AEGP_GetNewStreamRefByMatchname(
        state.plugin_id, root.Get(), "ADBE Effect Parade", received);
  });
}

// The stream of the effect at a position of the effect group.
inline void ObtainEffectAt(PassState& state, const StreamRef& group, A_long position,
                           StreamRef& effect_stream) {
  effect_stream.Obtain(state.error, [&](AEGP_StreamRefH* received) {
    return state.suites.DynamicStreamSuite3()->AEGP_GetNewStreamRefByIndex(
        state.plugin_id, group.Get(), position, received);
  });
}

// An effect's name in English, as the memo holds it.
inline void ReadEffectName(PassState& state, const StreamRef& effect_stream,
                           EffectNameBuffer& name) {
  constexpr A_Boolean kForceEnglish = 1;
  state.error.Chain([&] {
    return state.suites.StreamSuite()->AEGP_GetStreamName(effect_stream.Get(), kForceEnglish,
                                                          name.data());
  });
  // The host terminates the name within the buffer; keep it so regardless.
  name.back() = '\0';
}

}  // namespace tavrelio

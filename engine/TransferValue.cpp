#include "engine/TransferValue.h"

#include "engine/EffectStreams.h"
#include "engine/HostRefs.h"
#include "params/ParamIndex.h"

namespace tavrelio {

namespace {

// The value of the own value parameter, after expressions, at the frame's time.
AEGP_StreamVal ReadSourceValue(PassState& state, PF_ParamIndex source_param) {
  AEGP_StreamVal source{};
  StreamRef stream(state.suites);
  ObtainParamStream(state, state.own_effect, source_param, stream);
  // After expressions: an expression on the source parameter is applied.
  StreamValueRef value(state.suites);
  ObtainValueAtFrame(state, stream, /*pre_expression=*/false, value);
  if (value.Held()) source = value.Get().val;
  value.Release(state.error);
  stream.Release(state.error);
  return source;
}

// Only the numbers the source parameter's kind carries are overwritten; the
// rest of the keyframe value goes back as the host gave it. The target's own
// kind is not consulted: the numbers go in as they are.
void CopyNumbers(PF_ParamIndex source_param, const AEGP_StreamVal& from, AEGP_StreamVal& to) {
  switch (source_param) {
    case kParamSlider:
    case kParamAngle:
    case kParamCheckbox:
      to.one_d = from.one_d;
      break;
    case kParamColor:
      to.color.alphaF = from.color.alphaF;
      to.color.redF = from.color.redF;
      to.color.greenF = from.color.greenF;
      to.color.blueF = from.color.blueF;
      break;
    case kParamPoint:
      to.two_d.x = from.two_d.x;
      to.two_d.y = from.two_d.y;
      break;
    default:
      break;
  }
}

}  // namespace

void TransferValue(PassState& state) {
  if (!IsValueType(state.type)) return;
  const PF_ParamIndex source_param = ValueParamOfType(state.type);
  const AEGP_StreamVal source = ReadSourceValue(state, source_param);

  // The armed branch already asked the host for this effect's layer in this
  // run; it cannot have changed since, so it is not asked for again.
  EffectRef target(state.suites);
  target.Obtain(state.error, [&](AEGP_EffectRefH* received) {
    return state.suites.EffectSuite()->AEGP_GetLayerEffectByIndex(state.plugin_id, state.layer,
                                                                  state.effect, received);
  });
  StreamRef target_stream(state.suites);
  ObtainParamStream(state, target.Get(), state.index, target_stream);

  StreamValueRef keyframe(state.suites);
  keyframe.Obtain(state.error, [&](AEGP_StreamValue* received) {
    return state.suites.KeyframeSuite()->AEGP_GetNewKeyframeValue(
        state.plugin_id, target_stream.Get(), state.no, received);
  });
  if (keyframe.Held()) {
    CopyNumbers(source_param, source, keyframe.Get().val);
    state.error.Chain([&] {
      return state.suites.KeyframeSuite()->AEGP_SetKeyframeValue(target_stream.Get(), state.no,
                                                                 &keyframe.Get());
    });
  }

  keyframe.Release(state.error);
  target_stream.Release(state.error);
  target.Release(state.error);
}

}  // namespace tavrelio

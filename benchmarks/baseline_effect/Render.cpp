// The output is the input: the host copies it, whatever the depth.
#include "benchmarks/baseline_effect/BaselineCommands.h"
#include "host/HostConstants.h"

namespace baseline {

namespace {

constexpr A_long kInputCheckoutId = 0;

}  // namespace

PF_Err Render(const PF_InData& in_data, const PF_SmartRenderExtra& extra) {
  PF_EffectWorld* input = nullptr;
  PF_EffectWorld* output = nullptr;
  PF_Err err = extra.cb->checkout_layer_pixels(in_data.effect_ref, kInputCheckoutId, &input);
  if (err == PF_Err_NONE) err = extra.cb->checkout_output(in_data.effect_ref, &output);
  if (err == PF_Err_NONE)
    err = in_data.utils->copy(in_data.effect_ref, input, output, nullptr, nullptr);
  return err;
}

}  // namespace baseline

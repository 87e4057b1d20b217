#include "standin_host/RenderCallbacks.h"

#include <algorithm>

#include "host/HostConstants.h"
#include "standin_host/EffectInstance.h"

namespace standin {

namespace {

bool WasDeclared(const EffectInstance& instance, A_long checkout_id) {
  const auto& declared = instance.last_pre_render.checkout_ids;
  return std::find(declared.begin(), declared.end(), checkout_id) != declared.end();
}

PF_Err CheckoutLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id, PF_EffectWorld** pixels) {
  return GatedCall("checkout_layer_pixels", ArgText(effect_ref, checkout_id), [&]() -> PF_Err {
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    // Only what the frame's pre-render asked for was prepared.
    if (instance == nullptr || pixels == nullptr || instance->render_input == nullptr ||
        !WasDeclared(*instance, checkout_id)) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    *pixels = instance->render_input->Record();
    return PF_Err_NONE;
  });
}

PF_Err CheckinLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id) {
  return GatedCall("checkin_layer_pixels", ArgText(effect_ref, checkout_id), [&]() -> PF_Err {
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    if (instance == nullptr || !WasDeclared(*instance, checkout_id)) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    return PF_Err_NONE;
  });
}

PF_Err CheckoutOutput(PF_ProgPtr effect_ref, PF_EffectWorld** output) {
  return GatedCall("checkout_output", ArgText(effect_ref), [&]() -> PF_Err {
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    if (instance == nullptr || output == nullptr || instance->render_output == nullptr) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    *output = instance->render_output->Record();
    return PF_Err_NONE;
  });
}

}  // namespace

PF_SmartRenderCallbacks MakeSmartRenderCallbacks() {
  PF_SmartRenderCallbacks callbacks{};
  callbacks.checkout_layer_pixels = CheckoutLayerPixels;
  callbacks.checkin_layer_pixels = CheckinLayerPixels;
  callbacks.checkout_output = CheckoutOutput;
  return callbacks;
}

}  // namespace standin

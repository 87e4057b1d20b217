// Asks for the input over the area requested and reports the input's area,
// with the same rectangle union Tavrelio uses.
#include "benchmarks/baseline_effect/BaselineCommands.h"
#include "engine/UniteRect.h"
#include "host/HostConstants.h"

namespace baseline {

namespace {

constexpr PF_ParamIndex kInputLayer = 0;
constexpr A_long kInputCheckoutId = 0;

}  // namespace

PF_Err PreRender(const PF_InData& in_data, PF_PreRenderExtra& extra) {
  PF_RenderRequest request = extra.input->output_request;
  PF_CheckoutResult input{};
  const PF_Err err =
      extra.cb->checkout_layer(in_data.effect_ref, kInputLayer, kInputCheckoutId, &request,
                               in_data.current_time, in_data.time_step, in_data.time_scale, &input);
  if (err != PF_Err_NONE) return err;
  tavrelio::UniteRect(input.result_rect, extra.output->result_rect);
  tavrelio::UniteRect(input.max_result_rect, extra.output->max_result_rect);
  return PF_Err_NONE;
}

}  // namespace baseline

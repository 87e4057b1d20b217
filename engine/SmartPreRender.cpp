// The smart pre-render command: it answers the host's request for the frame
// in the plain way (the input layer over the area asked for) and carries the
// keyframe engine, which edits the project while the frame is prepared.
#include <array>
#include <cstring>

#include "engine/HostRefs.h"
#include "engine/PassBranches.h"
#include "engine/PassState.h"
#include "engine/PreRenderRecord.h"
#include "engine/TransferValue.h"
#include "engine/UniteRect.h"
#include "engine/WriteBackParam.h"
#include "params/ParamIndex.h"
#include "shell/CommandHandlers.h"
#include "shell/GlobalData.h"

namespace tavrelio {

namespace {

// The controls read for the frame, in the order they are asked for.
constexpr std::array kControlParams = {kParamEffect, kParamIndex, kParamKeyNo, kParamType,
                                       kParamOn};
using ControlDefs = std::array<PF_ParamDef, kControlParams.size()>;

void CheckOutControls(const PF_InData& in_data, PassError& error, ControlDefs& defs) {
  std::memset(defs.data(), 0, sizeof defs);
  for (std::size_t i = 0; i < kControlParams.size(); ++i) {
    error.Chain([&] {
      return in_data.inter.checkout_param(in_data.effect_ref, kControlParams[i],
                                          in_data.current_time, in_data.time_step,
                                          in_data.time_scale, &defs[i]);
    });
  }
}

void CheckOutInput(const PF_InData& in_data, const PF_PreRenderExtra& extra,
                   PF_RenderRequest request, PassError& error, PF_CheckoutResult& input) {
  // Keeping the colour of fully transparent pixels is the one thing asked
  // beyond what the host asked of us.
  request.preserve_rgb_of_zero_alpha = 1;
  std::memset(&input, 0, sizeof input);
  error.Chain([&] {
    return extra.cb->checkout_layer(in_data.effect_ref, kParamInputLayer, 0, &request,
                                    in_data.current_time, in_data.time_step, in_data.time_scale,
                                    &input);
  });
}

void FillRecord(const PF_InData& in_data, const PassState& state, PreRenderInfo& record) {
  std::memset(&record, 0, sizeof record);
  record.scale_x = ScaleOf(in_data.downsample_x);
  record.scale_y = ScaleOf(in_data.downsample_y);
  record.effect_index = state.effect;
  record.param_index = state.index;
  record.key_index = state.no;
  record.value_type = state.type;
  record.on = state.on;
}

void TakeControlValues(const ControlDefs& defs, PassState& state) {
  state.effect = defs[0].u.sd.value;
  state.index = defs[1].u.sd.value;
  state.no = defs[2].u.sd.value;
  state.type = defs[3].u.pd.value;
  state.on = defs[4].u.bd.value;
}

bool HasPreRenderRecords(const PF_PreRenderExtra* extra) {
  return extra != nullptr && extra->input != nullptr && extra->output != nullptr &&
         extra->cb != nullptr;
}

}  // namespace

PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* /*out_data*/, PF_PreRenderExtra* extra) {
  // Without these records there is nothing to answer with; refuse before
  // any host call rather than crash inside the host.
  const GlobalData* global = GlobalDataOf(in_data->global_data);
  if (!HasPreRenderRecords(extra) || global == nullptr) return PF_Err_BAD_CALLBACK_PARAM;

  const PF_RenderRequest request = extra->input->output_request;
  SuiteCache suites(*in_data);
  PassState state(suites, global->plugin_id, in_data->effect_ref);

  PreRenderInfo* record = MakePreRenderRecord(*in_data, suites, *extra->output);
  if (record == nullptr) return PF_Err_OUT_OF_MEMORY;

  ControlDefs controls;
  CheckOutControls(*in_data, state.error, controls);
  if (!state.error.Ok()) return state.error.Code();

  PF_CheckoutResult input;
  CheckOutInput(*in_data, *extra, request, state.error, input);
  if (!state.error.Ok()) return state.error.Code();

  TakeControlValues(controls, state);
  FillRecord(*in_data, state, *record);

  EffectRef own_effect(suites);
  own_effect.Obtain(state.error, [&](AEGP_EffectRefH* received) {
    return suites.PFInterfaceSuite()->AEGP_GetNewEffectForEffect(state.plugin_id, state.effect_ref,
                                                                 received);
  });
  state.own_effect = own_effect.Get();
  state.frame_time = A_Time{in_data->current_time, in_data->time_scale};

  if (state.error.Ok()) {
    if (state.Armed()) {
      RunArmedBranch(state);
    } else {
      RunDisarmedBranch(state);
    }
  }
  WriteBackParam(state);
  if (state.error.Ok() && state.Armed()) TransferValue(state);
  own_effect.Release(state.error);

  // The frame covers at least the input, whatever happened to the project.
  UniteRect(input.result_rect, extra->output->result_rect);
  UniteRect(input.max_result_rect, extra->output->max_result_rect);
  return state.error.Code();
}

}  // namespace tavrelio

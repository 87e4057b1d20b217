#include "standin_host/EffectInstance.h"

#include <cmath>
#include <cstring>

#include "host/HostConstants.h"
#include "standin_host/RenderCallbacks.h"

namespace standin {

namespace {

const char* CommandName(PF_Cmd cmd) {
  switch (cmd) {
    case 0:
      return "ABOUT";
    case 1:
      return "GLOBAL_SETUP";
    case 3:
      return "GLOBAL_SETDOWN";
    case 4:
      return "PARAMS_SETUP";
    case 5:
      return "SEQUENCE_SETUP";
    case 6:
      return "SEQUENCE_RESETUP";
    case 8:
      return "SEQUENCE_SETDOWN";
    case 13:
      return "USER_CHANGED_PARAM";
    case 14:
      return "UPDATE_PARAMS_UI";
    case 17:
      return "COMPLETELY_GENERAL";
    case 23:
      return "SMART_PRE_RENDER";
    case 24:
      return "SMART_RENDER";
    default:
      return "OTHER";
  }
}

PF_Fixed ToFixed(double value) { return static_cast<PF_Fixed>(std::lround(value * 65536.0)); }
double FromFixed(PF_Fixed value) { return static_cast<double>(value) / 65536.0; }
A_u_char ToByte(double unit) {
  return static_cast<A_u_char>(std::lround(std::clamp(unit, 0.0, 1.0) * 255.0));
}

StreamKind KindOf(PF_ParamType type) {
  switch (type) {
    case PF_Param_SLIDER:
      return StreamKind::Slider;
    case PF_Param_FLOAT_SLIDER:
      return StreamKind::FloatSlider;
    case PF_Param_ANGLE:
      return StreamKind::Angle;
    case PF_Param_CHECKBOX:
      return StreamKind::Checkbox;
    case PF_Param_COLOR:
      return StreamKind::Color;
    case PF_Param_POINT:
      return StreamKind::Point;
    case PF_Param_POPUP:
      return StreamKind::Popup;
    default:
      return StreamKind::Layer;
  }
}

StreamNumbers DefaultOf(const PF_ParamDef& def) {
  switch (def.param_type) {
    case PF_Param_SLIDER:
      return {static_cast<double>(def.u.sd.dephault)};
    case PF_Param_POPUP:
      return {static_cast<double>(def.u.pd.dephault)};
    case PF_Param_CHECKBOX:
      return {def.u.bd.dephault != 0 ? 1.0 : 0.0};
    case PF_Param_FLOAT_SLIDER:
      return {static_cast<double>(def.u.fs_d.dephault)};
    case PF_Param_ANGLE:
      return {FromFixed(def.u.ad.dephault)};
    case PF_Param_COLOR: {
      const PF_Pixel p = def.u.cd.dephault;
      return {p.alpha / 255.0, p.red / 255.0, p.green / 255.0, p.blue / 255.0};
    }
    case PF_Param_POINT:
      return {FromFixed(def.u.td.x_dephault), FromFixed(def.u.td.y_dephault)};
    default:
      return {};
  }
}

// --- PF_InteractCallbacks ---

PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def) {
  return GatedCall("add_param", ArgText(effect_ref, index, def != nullptr ? def->name : "null"),
                   [&]() -> PF_Err {
                     EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
                     if (instance == nullptr || def == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
                     ++instance->add_param_calls;
                     if (instance->refuse_add_param &&
                         instance->refuse_add_param->first == instance->add_param_calls) {
                       return instance->refuse_add_param->second;
                     }
                     ParamRegistration registration;
                     registration.definition = *def;
                     registration.name.assign(def->name, strnlen(def->name, sizeof def->name));
                     registration.index_argument = index;
                     if (def->param_type == PF_Param_CHECKBOX && def->u.bd.u.nameptr != nullptr) {
                       registration.label = def->u.bd.u.nameptr;
                     }
                     if (def->param_type == PF_Param_POPUP && def->u.pd.u.namesptr != nullptr) {
                       registration.items = def->u.pd.u.namesptr;
                     }
                     Stream stream = MakeStream(registration.name, KindOf(def->param_type),
                                                (def->flags & PF_ParamFlag_CANNOT_TIME_VARY) == 0);
                     stream.value = DefaultOf(*def);
                     stream.registration = std::move(registration);
                     instance->AsEffect().streams.push_back(std::move(stream));
                     return PF_Err_NONE;
                   });
}

PF_Err CheckoutParam(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time, A_long time_step,
                     A_u_long time_scale, PF_ParamDef* param) {
  return GatedCall(
      "checkout_param", ArgText(index, what_time, time_step, time_scale), [&]() -> PF_Err {
        EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
        if (instance == nullptr || param == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
        const auto& streams = instance->AsEffect().streams;
        if (index < 0 || static_cast<std::size_t>(index) >= streams.size()) {
          return PF_Err_INVALID_INDEX;
        }
        const double seconds = time_scale == 0 ? 0.0 : static_cast<double>(what_time) / time_scale;
        *param = ParamDefAt(streams[static_cast<std::size_t>(index)], seconds);
        return PF_Err_NONE;
      });
}

// --- PF_PreRenderCallbacks ---

PF_Err CheckoutLayer(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id,
                     const PF_RenderRequest* req, A_long what_time, A_long time_step,
                     A_u_long time_scale, PF_CheckoutResult* result) {
  return GatedCall("checkout_layer", ArgText(index, checkout_id, what_time, time_step, time_scale),
                   [&]() -> PF_Err {
                     EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
                     if (instance == nullptr || req == nullptr || result == nullptr || index != 0) {
                       return PF_Err_BAD_CALLBACK_PARAM;
                     }
                     instance->last_pre_render.layer_requests.push_back(*req);
                     instance->last_pre_render.checkout_ids.push_back(checkout_id);
                     result->result_rect = instance->input_result_rect;
                     result->max_result_rect = instance->input_max_result_rect;
                     result->par = PF_RationalScale{1, 1};
                     return PF_Err_NONE;
                   });
}

}  // namespace

PF_ParamDef ParamDefAt(const Stream& stream, double seconds) {
  PF_ParamDef def{};
  if (stream.registration) def = stream.registration->definition;
  const StreamNumbers v = stream.PreExpressionValueAt(seconds);
  switch (def.param_type) {
    case PF_Param_SLIDER:
      def.u.sd.value = static_cast<A_long>(std::lround(v[0]));
      break;
    case PF_Param_POPUP:
      def.u.pd.value = static_cast<A_long>(std::lround(v[0]));
      break;
    case PF_Param_CHECKBOX:
      def.u.bd.value = v[0] != 0 ? 1 : 0;
      break;
    case PF_Param_FLOAT_SLIDER:
      def.u.fs_d.value = v[0];
      break;
    case PF_Param_ANGLE:
      def.u.ad.value = ToFixed(v[0]);
      break;
    case PF_Param_COLOR:
      def.u.cd.value = PF_Pixel{ToByte(v[0]), ToByte(v[1]), ToByte(v[2]), ToByte(v[3])};
      break;
    case PF_Param_POINT:
      def.u.td.x_value = ToFixed(v[0]);
      def.u.td.y_value = ToFixed(v[1]);
      break;
    default:
      break;
  }
  return def;
}

EffectInstance::EffectInstance(StandInHost& host, const PluginLibrary& plugin, std::string name,
                               std::size_t position)
    : host_(host), plugin_(plugin) {
  Effect& effect = host_.TheProject().AddEffect(std::move(name), position);
  effect.is_plugin_instance = true;
  effect_id_ = effect.id;
}

EffectInstance::~EffectInstance() = default;

EffectInstance* EffectInstance::FromEffectRef(PF_ProgPtr effect_ref) {
  return reinterpret_cast<EffectInstance*>(effect_ref);
}

Effect& EffectInstance::AsEffect() {
  Effect* effect = host_.TheProject().FindEffect(effect_id_);
  if (effect == nullptr) throw std::logic_error("the plug-in's effect is no longer in the project");
  return *effect;
}

StreamNumbers EffectInstance::ParamValue(PF_ParamIndex index) const {
  const Effect* effect = host_.TheProject().FindEffect(effect_id_);
  return effect->streams.at(static_cast<std::size_t>(index)).PreExpressionValueAt(clock.Seconds());
}

void EffectInstance::SetParam(PF_ParamIndex index, StreamNumbers value) {
  Stream& stream = AsEffect().streams.at(static_cast<std::size_t>(index));
  stream.keyframes.clear();
  stream.value = value;
}

void EffectInstance::FillInData() {
  static PF_InteractCallbacks interact = [] {
    PF_InteractCallbacks callbacks{};
    callbacks.checkout_param = CheckoutParam;
    callbacks.add_param = AddParam;
    return callbacks;
  }();
  in_data = PF_InData{};
  in_data.inter = interact;
  in_data.utils = host_.UtilCallbacks();
  in_data.effect_ref = EffectRef();
  in_data.version = PF_SpecVersion{13, 28};
  in_data.num_params = static_cast<A_long>(AsEffect().streams.size());
  in_data.current_time = clock.time;
  in_data.time_step = clock.step;
  in_data.time_scale = clock.scale;
  in_data.width = output_request_rect.right - output_request_rect.left;
  in_data.height = output_request_rect.bottom - output_request_rect.top;
  in_data.extent_hint = output_request_rect;
  in_data.downsample_x = PF_RationalScale{1, 1};
  in_data.downsample_y = PF_RationalScale{1, 1};
  in_data.pixel_aspect_ratio = PF_RationalScale{1, 1};
  in_data.global_data = global_data;
  in_data.sequence_data = sequence_data;
  in_data.pica_basicP = host_.BasicSuite();
}

void EffectInstance::FillParams() {
  const auto& streams = AsEffect().streams;
  param_values_.clear();
  for (const Stream& stream : streams) param_values_.push_back(ParamDefAt(stream, clock.Seconds()));
  param_pointers_.clear();
  for (auto& value : param_values_) param_pointers_.push_back(&value);
}

void EffectInstance::TakeHandlesBack(PF_Cmd cmd, PF_Err err) {
  switch (cmd) {
    case 1:
      if (err == PF_Err_NONE) {
        global_data = out_data.global_data;
        announced_out_flags = out_data.out_flags;
      }
      break;
    case 3:
      global_data = nullptr;
      break;
    case 5:
    case 6:
    case 13:
    case 14:
      sequence_data = out_data.sequence_data;
      break;
    case 8:
      sequence_data = nullptr;
      break;
    default:
      break;
  }
}

PF_Err EffectInstance::Send(PF_Cmd cmd, void* extra) {
  host_.Log().BeginCommand(CommandName(cmd));
  FillInData();
  out_data = PF_OutData{};
  // The host hands the current sequence data in both records.
  out_data.sequence_data = sequence_data;
  FillParams();
  if (before_command) before_command(in_data, out_data);
  host_.current_out_data = &out_data;
  const PF_Err err =
      plugin_.EntryPoint()(cmd, &in_data, &out_data, param_pointers_.data(), nullptr, extra);
  host_.current_out_data = nullptr;
  TakeHandlesBack(cmd, err);
  return err;
}

PF_Err EffectInstance::UserChangedParam(PF_ParamIndex index) {
  PF_ParamIndex changed = index;
  return Send(13, &changed);
}

PF_Err EffectInstance::ChangeParam(PF_ParamIndex index, StreamNumbers value) {
  SetParam(index, value);
  const auto& registration = AsEffect().streams.at(static_cast<std::size_t>(index)).registration;
  PF_Err err = PF_Err_NONE;
  if (registration && (registration->definition.flags & PF_ParamFlag_SUPERVISE) != 0) {
    err = UserChangedParam(index);
  }
  if (err == PF_Err_NONE && (announced_out_flags & PF_OutFlag_SEND_UPDATE_PARAMS_UI) != 0) {
    err = UpdateParamsUI();
  }
  return err;
}

PF_Err EffectInstance::Apply() {
  PF_Err err = GlobalSetup();
  if (err == PF_Err_NONE) err = ParamsSetup();
  if (err == PF_Err_NONE) err = SequenceSetup();
  return err;
}

void EffectInstance::DeletePendingRecord() {
  if (pending.delete_func != nullptr) pending.delete_func(pending.pre_render_data);
  pending = PendingRender{};
}

PF_Err EffectInstance::PreRender() {
  // The host deletes a record whose frame was never rendered.
  DeletePendingRecord();
  last_pre_render = PreRenderExchange{};
  PF_PreRenderInput input{};
  input.output_request.rect = output_request_rect;
  input.output_request.channel_mask = 15;
  input.bitdepth = 8;
  PF_PreRenderOutput output = pre_render_output_preset;
  PF_PreRenderCallbacks callbacks{};
  callbacks.checkout_layer = CheckoutLayer;
  PF_PreRenderExtra extra{&input, &output, &callbacks};
  host_.rendering = true;
  const PF_Err err = Send(23, &extra);
  host_.rendering = false;
  last_pre_render.result = err;
  last_pre_render.output = output;
  if (output.pre_render_data != nullptr) {
    pending = PendingRender{output.pre_render_data, output.delete_pre_render_data_func};
  }
  return err;
}

void EffectInstance::MakeRenderWorlds() {
  const A_long width = output_request_rect.right - output_request_rect.left;
  const A_long height = output_request_rect.bottom - output_request_rect.top;
  if (render_input == nullptr) {
    render_input = std::make_unique<HostWorld>(PF_PixelFormat_ARGB32, width, height);
    render_input->FillPattern(1);
  }
  if (render_output == nullptr) {
    render_output = std::make_unique<HostWorld>(render_input->Format(), width, height);
  }
}

PF_Err EffectInstance::Render() {
  MakeRenderWorlds();
  PF_SmartRenderInput input{};
  input.output_request.rect = output_request_rect;
  input.output_request.channel_mask = 15;
  input.bitdepth = BitDepthOf(render_output->Format());
  input.pre_render_data = pending.pre_render_data;
  PF_SmartRenderCallbacks callbacks = MakeSmartRenderCallbacks();
  PF_SmartRenderExtra extra{&input, &callbacks};
  host_.rendering = true;
  const PF_Err err = Send(24, &extra);
  host_.rendering = false;
  record_locks_after_render =
      host_.Handles().LockCount(static_cast<PF_Handle>(pending.pre_render_data));
  DeletePendingRecord();
  return err;
}

PF_Err EffectInstance::Remove() {
  DeletePendingRecord();
  PF_Err err = PF_Err_NONE;
  if (sequence_data != nullptr) err = SequenceSetdown();
  const PF_Err global = GlobalSetdown();
  return err != PF_Err_NONE ? err : global;
}

}  // namespace standin

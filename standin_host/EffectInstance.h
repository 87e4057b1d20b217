// One applied instance of the plug-in, driven the way the host drives it:
// global setup, parameter setup, sequence setup, later commands, the
// set-downs. The host keeps the global and sequence handles between commands.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/HostCallbacks.h"
#include "standin_host/EffectWorlds.h"
#include "standin_host/PluginLibrary.h"
#include "standin_host/StandInHost.h"

namespace standin {

struct FrameClock {
  A_long time = 0;
  A_long step = 1;
  A_u_long scale = 24;
  double Seconds() const { return scale == 0 ? 0 : static_cast<double>(time) / scale; }
};

// What a pre-render left with the host for the frame's render.
struct PendingRender {
  void* pre_render_data = nullptr;
  PF_DeletePreRenderDataFunc delete_func = nullptr;
};

// The last pre-render's exchange, for tests.
struct PreRenderExchange {
  PF_Err result = 0;
  PF_PreRenderOutput output{};
  std::vector<PF_RenderRequest> layer_requests;  // what checkout_layer was asked
  std::vector<A_long> checkout_ids;
};

class EffectInstance {
 public:
  // Adds the instance to the host's project as an effect named `name` at
  // `position` (the end by default).
  EffectInstance(StandInHost& host, const PluginLibrary& plugin, std::string name = "Tavrelio",
                 std::size_t position = SIZE_MAX);
  ~EffectInstance();
  EffectInstance(const EffectInstance&) = delete;
  EffectInstance& operator=(const EffectInstance&) = delete;

  // Sends one command with records built as the host builds them.
  PF_Err Send(PF_Cmd cmd, void* extra = nullptr);

  PF_Err About() { return Send(0); }
  PF_Err GlobalSetup() { return Send(1); }
  PF_Err GlobalSetdown() { return Send(3); }
  PF_Err ParamsSetup() { return Send(4); }
  PF_Err SequenceSetup() { return Send(5); }
  PF_Err SequenceResetup() { return Send(6); }
  PF_Err SequenceSetdown() { return Send(8); }
  PF_Err UserChangedParam(PF_ParamIndex index);
  PF_Err UpdateParamsUI() { return Send(14); }
  PF_Err General(const char* text) { return Send(17, const_cast<char*>(text)); }

  // Global setup, parameter setup and sequence setup, stopping at the first error.
  PF_Err Apply();
  // Sequence and global set-down, and the delete of any record still pending.
  PF_Err Remove();

  // Pre-render of the frame at the clock's time; the record is kept for Render().
  PF_Err PreRender();
  // Render of the pending frame; the record is then deleted as the host does.
  PF_Err Render();
  // What the host does with a record it no longer needs: calls the plug-in's
  // delete function on it, if one is pending.
  void DeletePendingRecord();

  // A parameter's value set by the user: its static value (no keyframes).
  void SetParam(PF_ParamIndex index, StreamNumbers value);
  void SetParam(PF_ParamIndex index, double one_d) { SetParam(index, StreamNumbers{one_d}); }
  StreamNumbers ParamValue(PF_ParamIndex index) const;
  // A value the user changes in the effect controls: the host sets it, sends
  // USER_CHANGED_PARAM when the parameter is supervised, then UPDATE_PARAMS_UI
  // when the effect announced SEND_UPDATE_PARAMS_UI at global setup. Stops at
  // the first error.
  PF_Err ChangeParam(PF_ParamIndex index, StreamNumbers value);
  PF_Err ChangeParam(PF_ParamIndex index, double one_d) {
    return ChangeParam(index, StreamNumbers{one_d});
  }

  Effect& AsEffect();
  std::uint64_t EffectId() const { return effect_id_; }
  PF_ProgPtr EffectRef() { return reinterpret_cast<PF_ProgPtr>(this); }
  static EffectInstance* FromEffectRef(PF_ProgPtr effect_ref);

  FrameClock clock;
  PF_Handle global_data = nullptr;
  // The out flags the effect announced at its last successful global setup.
  PF_OutFlags announced_out_flags = 0;
  PF_Handle sequence_data = nullptr;
  PF_InData in_data{};
  PF_OutData out_data{};
  // Runs just before the entry point is called, to alter the records.
  std::function<void(PF_InData&, PF_OutData&)> before_command;
  // Refuse add_param at its kth call (from 1) with this code.
  std::optional<std::pair<int, PF_Err>> refuse_add_param;
  int add_param_calls = 0;

  PendingRender pending;
  PreRenderExchange last_pre_render;
  // The request rectangle the host asks for, and what the input layer offers.
  PF_LRect output_request_rect{0, 0, 64, 48};
  PF_LRect input_result_rect{0, 0, 64, 48};
  PF_LRect input_max_result_rect{0, 0, 64, 48};
  PF_PreRenderOutput pre_render_output_preset{};

  // The frame's input layer and output world; Render() makes 8-bit ARGB
  // worlds of the request's size for any not set, the output in the input's
  // format.
  std::unique_ptr<HostWorld> render_input;
  std::unique_ptr<HostWorld> render_output;
  // The record's lock count when the last render returned, before its delete.
  int record_locks_after_render = 0;
  // Runs inside the host's copy routine, to change the command's records
  // while the command runs.
  std::function<void(PF_InData&)> during_copy;

 private:
  void FillInData();
  void FillParams();
  void MakeRenderWorlds();
  void TakeHandlesBack(PF_Cmd cmd, PF_Err err);

  StandInHost& host_;
  const PluginLibrary& plugin_;
  std::uint64_t effect_id_;
  std::vector<PF_ParamDef> param_values_;
  std::vector<PF_ParamDef*> param_pointers_;
};

// The plug-in's parameter as the host hands it over at a time.
PF_ParamDef ParamDefAt(const Stream& stream, double seconds);

}  // namespace standin

// The handler of both user-changed-parameter and update-parameters-UI: shows
// only the value parameter that "Type" selects, keeps "Info" hidden, renews
// the parameter-state snapshot on a change and asks the host to redraw.
#include <array>

#include "engine/HostRefs.h"
#include "engine/PassError.h"
#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "params/ChangeTracking.h"
#include "params/HiddenByType.h"
#include "params/ParamIndex.h"
#include "shell/CommandHandlers.h"
#include "shell/GlobalData.h"

namespace tavrelio {

namespace {

constexpr A_Boolean kNotUndoable = 0;

// The references one run takes: this effect, then the flagged streams. They
// are given back in that order, also when a raised error ends the run early.
class OwnRefs {
 public:
  explicit OwnRefs(SuiteCache& suites)
      : effect(suites), streams{StreamRef(suites), StreamRef(suites), StreamRef(suites),
                                StreamRef(suites), StreamRef(suites), StreamRef(suites)} {}
  ~OwnRefs() {
    PassError ignored;  // an early exit has already decided the result
    try {
      Release(ignored);
    } catch (const RaisedError&) {
      // A release suite went missing; the owners' own destructors try once more.
    }
  }
  OwnRefs(const OwnRefs&) = delete;
  OwnRefs& operator=(const OwnRefs&) = delete;

  void Release(PassError& error) {
    effect.Release(error);
    for (StreamRef& stream : streams) stream.Release(error);
  }

  EffectRef effect;
  std::array<StreamRef, kFlaggedParams.size()> streams;
};
static_assert(kFlaggedParams.size() == 6, "one stream owner per flagged parameter");

void ObtainOwnEffect(const PF_InData& in_data, SuiteCache& suites, AEGP_PluginID plugin_id,
                     EffectRef& effect, PassError& error) {
  effect.Obtain(error, [&](AEGP_EffectRefH* received) {
    return suites.PFInterfaceSuite()->AEGP_GetNewEffectForEffect(plugin_id, in_data.effect_ref,
                                                                 received);
  });
}

// All six references come first, so a failure among them changes no flag.
void ObtainFlaggedStreams(SuiteCache& suites, AEGP_PluginID plugin_id, OwnRefs& refs,
                          PassError& error) {
  for (std::size_t i = 0; i < kFlaggedParams.size(); ++i) {
    refs.streams[i].Obtain(error, [&](AEGP_StreamRefH* received) {
      return suites.StreamSuite()->AEGP_GetNewEffectStreamByIndex(plugin_id, refs.effect.Get(),
                                                                  kFlaggedParams[i], received);
    });
  }
}

// Every run sets all six flags, changed or not, as one not undoable edit each.
void SetHiddenFlags(SuiteCache& suites, A_long type, OwnRefs& refs, PassError& error) {
  for (std::size_t i = 0; i < kFlaggedParams.size(); ++i) {
    const A_Boolean hidden = IsHiddenForType(kFlaggedParams[i], type) ? 1 : 0;
    error.Chain([&] {
      return suites.DynamicStreamSuite2()->AEGP_SetDynamicStreamFlag(
          refs.streams[i].Get(), AEGP_DynStreamFlag_HIDDEN, kNotUndoable, hidden);
    });
  }
}

}  // namespace

PF_Err UpdateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[]) {
  GlobalData* global = GlobalDataOf(in_data->global_data);
  // Without the plug-in id, the "Type" value or the host's utilities the run
  // cannot do its work; it refuses before any host call rather than guess.
  if (global == nullptr || params == nullptr || params[kParamType] == nullptr ||
      in_data->utils == nullptr) {
    return PF_Err_BAD_CALLBACK_PARAM;
  }
  const A_long type = params[kParamType]->u.pd.value;

  SuiteCache suites(*in_data);
  PassError error;
  {
    OwnRefs refs(suites);
    ObtainOwnEffect(*in_data, suites, global->plugin_id, refs.effect, error);
    ObtainFlaggedStreams(suites, global->plugin_id, refs, error);
    SetHiddenFlags(suites, type, refs, error);
    TrackParamChanges(*in_data, *out_data, suites, *global, error);
    refs.Release(error);
  }
  out_data->out_flags |= PF_OutFlag_REFRESH_UI;
  return error.Code();
}

}  // namespace tavrelio

#include "params/ChangeTracking.h"

#include "host/HostConstants.h"
#include "shell/SequenceState.h"

namespace tavrelio {

namespace {

constexpr const char* kTrackingErrorText = "ERROR";

// Sequence setup leaves a one-byte placeholder that holds no state; only a
// handle the size of a whole host state carries a snapshot to compare with.
bool HoldsSnapshot(const HandleSuiteTable& handles, PF_Handle sequence) {
  return sequence != nullptr &&
         static_cast<A_HandleSize>(handles.host_get_handle_size(sequence)) == kSnapshotSize;
}

// The state a handle's data pointer leads to; the handle is not locked.
PF_State* StateIn(PF_Handle handle) { return &static_cast<SequenceSnapshot*>(*handle)->snapshot; }

// Whether the parameters differ from the stored snapshot; false on error.
bool ParamsChanged(const PF_InData& in_data, const PF_ParamUtilsSuite1& param_utils,
                   PF_Handle snapshot, PassError& error) {
  PF_Boolean changed = 0;
  error.Chain([&] {
    return param_utils.PF_HasParamChanged(in_data.effect_ref, StateIn(snapshot),
                                          PF_ParamIndex_CHECK_ALL_HONOR_EXCLUDE, &changed);
  });
  return error.Ok() && changed != 0;
}

// Replaces the sequence data by a new handle holding the current state. The
// old handle goes only once the new one is filled.
void RenewSnapshot(PF_InData& in_data, PF_OutData& out_data, const HandleSuiteTable& handles,
                   const PF_ParamUtilsSuite1& param_utils, PassError& error) {
  PF_Handle fresh = in_data.utils->host_new_handle(kSnapshotSize);
  if (fresh == nullptr) return;  // no memory: the old snapshot serves on, and that is no error
  if (*fresh == nullptr) {
    handles.host_dispose_handle(fresh);
    return;
  }
  error.Chain([&] { return param_utils.PF_GetCurrentState(in_data.effect_ref, StateIn(fresh)); });
  if (!error.Ok()) {
    handles.host_dispose_handle(fresh);
    return;
  }
  if (in_data.sequence_data != nullptr) handles.host_dispose_handle(in_data.sequence_data);
  out_data.sequence_data = fresh;
  in_data.sequence_data = fresh;
}

}  // namespace

void TrackParamChanges(PF_InData& in_data, PF_OutData& out_data, SuiteCache& suites,
                       GlobalData& global, PassError& error) {
  if (!error.Ok()) return;
  // Both suites are borrowed before the new handle exists, so a refused suite
  // cannot strand it.
  const HandleSuiteTable& handles = *suites.HandleSuite();
  const PF_ParamUtilsSuite1& param_utils = *suites.ParamUtilsSuite();

  // A sequence without a snapshot gets its first one without a comparison; a
  // cleared `initialized` asks for a snapshot whatever the comparison says.
  const bool renew = !HoldsSnapshot(handles, in_data.sequence_data) || global.initialized == 0 ||
                     ParamsChanged(in_data, param_utils, in_data.sequence_data, error);
  if (renew) RenewSnapshot(in_data, out_data, handles, param_utils, error);

  if (!error.Ok()) {
    in_data.utils->ansi.strcpy(out_data.return_msg, kTrackingErrorText);
    out_data.out_flags = PF_OutFlag_DISPLAY_ERROR_MESSAGE;
    return;
  }
  global.initialized = 1;
}

}  // namespace tavrelio

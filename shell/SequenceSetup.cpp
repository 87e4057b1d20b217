// Sequence setup and re-setup leave a fresh one-byte placeholder in the
// sequence data; set-down disposes whatever the sequence holds.
#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "shell/CommandHandlers.h"
#include "shell/SequenceState.h"

namespace tavrelio {

PF_Err SequenceSetdown(PF_InData* in_data, PF_OutData* /*out_data*/) {
  if (in_data->sequence_data == nullptr) return PF_Err_NONE;
  SuiteCache suites(*in_data);
  suites.HandleSuite()->host_dispose_handle(in_data->sequence_data);
  return PF_Err_NONE;
}

PF_Err SequenceSetup(PF_InData* in_data, PF_OutData* out_data) {
  SuiteCache suites(*in_data);
  const PF_Err setdown = SequenceSetdown(in_data, out_data);
  if (setdown != PF_Err_NONE) return setdown;
  // Whatever came in is gone now; never hand a disposed handle back.
  if (in_data->sequence_data != nullptr) out_data->sequence_data = nullptr;

  const auto* handles = suites.HandleSuite();
  PF_Handle handle = handles->host_new_handle(kPlaceholderSize);
  if (handle == nullptr) return PF_Err_OUT_OF_MEMORY;
  auto* state = static_cast<SequencePlaceholder*>(handles->host_lock_handle(handle));
  if (state == nullptr) {
    handles->host_dispose_handle(handle);
    return PF_Err_OUT_OF_MEMORY;
  }
  state->placeholder = 0;
  out_data->sequence_data = handle;
  handles->host_unlock_handle(handle);
  return PF_Err_NONE;
}

}  // namespace tavrelio

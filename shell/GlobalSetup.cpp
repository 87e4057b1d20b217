// Global setup tells the host who the effect is and registers it with the
// host's AEGP layer; global set-down disposes the global record.
#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "resources/EffectIdentity.h"
#include "shell/CommandHandlers.h"
#include "shell/GlobalData.h"

namespace tavrelio {

PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data) {
  SuiteCache suites(*in_data);
  out_data->my_version = kPackedVersion;
  out_data->out_flags |= kGlobalOutFlags;
  out_data->out_flags2 |= kGlobalOutFlags2;

  const auto* handles = suites.HandleSuite();
  // Borrowed before the handle exists, so a refused suite leaves no handle behind.
  const auto* utility = suites.UtilitySuite();
  PF_Handle handle = handles->host_new_handle(sizeof(GlobalData));
  if (handle == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;

  auto* data = static_cast<GlobalData*>(handles->host_lock_handle(handle));
  if (data == nullptr) {
    // Nothing would ever free an unrecorded handle.
    handles->host_dispose_handle(handle);
    return PF_Err_OUT_OF_MEMORY;
  }
  data->initialized = 1;
  const PF_Err err =
      utility->AEGP_RegisterWithAEGP(nullptr, kRegistrationName.data(), &data->plugin_id);
  handles->host_unlock_handle(handle);
  if (err == PF_Err_NONE) {
    out_data->global_data = handle;
  } else {
    handles->host_dispose_handle(handle);
  }
  return err;
}

// Both builds dispose the record here: nothing else would free it.
PF_Err GlobalSetdown(PF_InData* in_data) {
  SuiteCache suites(*in_data);
  if (in_data->global_data != nullptr) {
    suites.HandleSuite()->host_dispose_handle(in_data->global_data);
  }
  return PF_Err_NONE;
}

}  // namespace tavrelio

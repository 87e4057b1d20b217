// The pass-through effect's one export. Records are trusted: the yardstick
// measures the least work a smart-render effect does, not its defences.
#include "benchmarks/baseline_effect/BaselineCommands.h"
#include "host/HostConstants.h"

extern "C" PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                 PF_ParamDef* /*params*/[], PF_LayerDef* /*output*/, void* extra) {
  switch (cmd) {
    case PF_Cmd_GLOBAL_SETUP:
      return baseline::GlobalSetup(*out_data);
    case PF_Cmd_SMART_PRE_RENDER:
      return baseline::PreRender(*in_data, *static_cast<PF_PreRenderExtra*>(extra));
    case PF_Cmd_SMART_RENDER:
      return baseline::Render(*in_data, *static_cast<const PF_SmartRenderExtra*>(extra));
    default:
      return PF_Err_NONE;
  }
}

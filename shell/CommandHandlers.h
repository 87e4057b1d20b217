// Every command handler the entry point dispatches to, one per command.
#pragma once

#include "host/HostCallbacks.h"

namespace tavrelio {

PF_Err About(PF_InData* in_data, PF_OutData* out_data);
PF_Err EchoGeneralText(PF_InData* in_data, PF_OutData* out_data, const void* extra);
PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data);
PF_Err GlobalSetdown(PF_InData* in_data);
PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data);
PF_Err SequenceSetup(PF_InData* in_data, PF_OutData* out_data);
PF_Err SequenceSetdown(PF_InData* in_data, PF_OutData* out_data);
PF_Err UpdateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[]);
PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra);
PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra);

}  // namespace tavrelio

// Hands one command to its handler.
#pragma once

#include "host/HostCallbacks.h"

namespace tavrelio {

PF_Err Dispatch(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                void* extra);

}  // namespace tavrelio

// The three commands the pass-through effect answers.
#pragma once

#include "host/HostCallbacks.h"

namespace baseline {

PF_Err GlobalSetup(PF_OutData& out_data);
PF_Err PreRender(const PF_InData& in_data, PF_PreRenderExtra& extra);
PF_Err Render(const PF_InData& in_data, const PF_SmartRenderExtra& extra);

}  // namespace baseline

// Announces smart render at all three depths, as Tavrelio does, so the host
// drives both effects through the same commands.
#include "benchmarks/baseline_effect/BaselineCommands.h"
#include "host/HostConstants.h"

namespace baseline {

PF_Err GlobalSetup(PF_OutData& out_data) {
  out_data.out_flags |= PF_OutFlag_DEEP_COLOR_AWARE;
  out_data.out_flags2 |= PF_OutFlag2_SUPPORTS_SMART_RENDER | PF_OutFlag2_FLOAT_COLOR_AWARE;
  return PF_Err_NONE;
}

}  // namespace baseline

// Borrowing one suite outside a suite cache. A failure comes back as 516 with
// a message for the host to show; these functions never raise.
#pragma once

#include "host/HostSuites.h"

namespace tavrelio {

PF_Err AcquireEffectSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                          A_long version, const char* message, const void** suite);

PF_Err ReleaseEffectSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                          A_long version, const char* message);

}  // namespace tavrelio

// Change tracking of a UI update: the sequence data keeps a snapshot of the
// host's parameter state, renewed whenever the host reports a difference.
#pragma once

#include "engine/PassError.h"
#include "host/SuiteCache.h"
#include "shell/GlobalData.h"

namespace tavrelio {

// Runs only while no error stands. A failure leaves the old sequence data in
// place and the "ERROR" message with the host; `initialized` is set once the
// tracking ends without error.
void TrackParamChanges(PF_InData& in_data, PF_OutData& out_data, SuiteCache& suites,
                       GlobalData& global, PassError& error);

}  // namespace tavrelio

// Plain names for the error codes a host returns, for the timeline.
#pragma once

#include <string>

#include "host/HostTypes.h"

namespace scenario {

// "3 (parameter)", or just "77" for a code without a known name.
std::string ErrorText(A_long code);

}  // namespace scenario

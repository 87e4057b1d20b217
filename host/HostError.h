// The one error the plug-in raises instead of returning: a missing host suite.
// The code travels as a 32-bit signed integer; the entry point catches it.
#pragma once

#include <cstdint>

#include "host/HostConstants.h"

namespace tavrelio {

using RaisedError = std::int32_t;

[[noreturn]] inline void RaiseBadCallbackParam() { throw RaisedError{PF_Err_BAD_CALLBACK_PARAM}; }

}  // namespace tavrelio

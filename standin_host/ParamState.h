// The parameter state the host hands out through "PF Param Utils Suite": a
// digest of everything the user can change on an effect's parameters.
#pragma once

#include "host/HostTypes.h"
#include "standin_host/Project.h"

namespace standin {

PF_State ParamStateOf(const Effect& effect);

}  // namespace standin

// The callbacks a smart render receives: the input layer's pixels, under a
// checkout id its pre-render declared, and the output world.
#pragma once

#include "host/HostCallbacks.h"

namespace standin {

PF_SmartRenderCallbacks MakeSmartRenderCallbacks();

}  // namespace standin

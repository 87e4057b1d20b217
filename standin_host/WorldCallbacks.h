// Image worlds: the utility `copy`.
#pragma once

#include "host/HostCallbacks.h"

namespace standin {

PF_Err HostCopyWorld(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst,
                     PF_Rect* src_r, PF_Rect* dst_r);

}  // namespace standin

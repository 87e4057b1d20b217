// Image worlds: the utility `copy`.
#pragma once

#include "host/HostCallbacks.h"

namespace standin {

// Copies the whole of one host-made world into another of the same format,
// each row read and written at its own world's row length.
PF_Err HostCopyWorld(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst,
                     PF_Rect* src_r, PF_Rect* dst_r);

}  // namespace standin

#include "standin_host/WorldCallbacks.h"

#include <algorithm>
#include <cstring>

#include "host/HostConstants.h"
#include "standin_host/EffectInstance.h"
#include "standin_host/EffectWorlds.h"
#include "standin_host/StandInHost.h"

namespace standin {

PF_Err HostCopyWorld(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst,
                     PF_Rect* src_r, PF_Rect* dst_r) {
  if (EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
      instance != nullptr && instance->during_copy) {
    instance->during_copy(instance->in_data);
  }
  return GatedCall("copy", ArgText(effect_ref, src, dst, src_r, dst_r), [&]() -> PF_Err {
    const HostWorld* from = HostWorld::Find(src);
    const HostWorld* to = HostWorld::Find(dst);
    // This host copies whole worlds only and converts no pixel format.
    if (from == nullptr || to == nullptr || from->Format() != to->Format() || src_r != nullptr ||
        dst_r != nullptr) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    const A_long rows = std::min(src->height, dst->height);
    const auto row_length =
        static_cast<std::size_t>(std::min(src->width, dst->width)) * from->PixelBytes();
    for (A_long y = 0; y < rows; ++y) {
      std::memcpy(
          static_cast<char*>(dst->data) + static_cast<std::ptrdiff_t>(y) * dst->rowbytes,
          static_cast<const char*>(src->data) + static_cast<std::ptrdiff_t>(y) * src->rowbytes,
          row_length);
    }
    return PF_Err_NONE;
  });
}

}  // namespace standin

#include "standin_host/WorldCallbacks.h"

#include <algorithm>
#include <cstring>

#include "host/HostConstants.h"
#include "standin_host/StandInHost.h"

namespace standin {

// Copies whole rows; worlds the host makes for one frame share size and format.
PF_Err HostCopyWorld(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst,
                     PF_Rect* src_r, PF_Rect* dst_r) {
  return GatedCall("copy", ArgText(effect_ref, src, dst, src_r, dst_r), [&]() -> PF_Err {
    if (src == nullptr || dst == nullptr || src->data == nullptr || dst->data == nullptr) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    const A_long rows = std::min(src->height, dst->height);
    const A_long row_bytes = std::min(src->rowbytes, dst->rowbytes);
    for (A_long y = 0; y < rows; ++y) {
      std::memcpy(static_cast<char*>(dst->data) + static_cast<std::ptrdiff_t>(y) * dst->rowbytes,
                  static_cast<const char*>(src->data) +
                      static_cast<std::ptrdiff_t>(y) * src->rowbytes,
                  static_cast<std::size_t>(row_bytes));
    }
    return PF_Err_NONE;
  });
}

}  // namespace standin

// Growing the area the pass reports so that it covers the input's area.
#pragma once

#include "host/HostTypes.h"

namespace tavrelio {

constexpr bool IsEmptyRect(const PF_LRect& rect) {
  return rect.left >= rect.right || rect.top >= rect.bottom;
}

// An empty destination covers nothing, so it simply takes the source's four
// values, even when the source is empty as well.
constexpr void UniteRect(const PF_LRect& source, PF_LRect& destination) {
  if (IsEmptyRect(destination)) {
    destination = source;
    return;
  }
  if (IsEmptyRect(source)) return;
  if (source.left < destination.left) destination.left = source.left;
  if (source.top < destination.top) destination.top = source.top;
  if (source.right > destination.right) destination.right = source.right;
  if (source.bottom > destination.bottom) destination.bottom = source.bottom;
}

}  // namespace tavrelio

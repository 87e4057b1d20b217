// What the plug-in holds from the host between frames: live handles and the
// bytes in the ones it owns, and live project references.
#pragma once

#include <cstddef>

#include "standin_host/EffectInstance.h"
#include "standin_host/ProjectRefs.h"
#include "standin_host/StandInHost.h"

namespace bench {

struct Holdings {
  std::size_t handles = 0;
  // Global record, sequence record and the pending pre-render record.
  std::size_t handle_bytes = 0;
  standin::LiveReferences refs;
  friend bool operator==(const Holdings&, const Holdings&) = default;
};

inline Holdings HoldingsOf(standin::StandInHost& host, const standin::EffectInstance& instance) {
  const auto bytes = [&](void* handle) {
    return handle == nullptr ? std::size_t{0}
                             : host.Handles().Bytes(static_cast<PF_Handle>(handle)).size();
  };
  return Holdings{host.Handles().LiveCount(),
                  bytes(instance.global_data) + bytes(instance.sequence_data) +
                      bytes(instance.pending.pre_render_data),
                  host.Refs().Live()};
}

}  // namespace bench

// The record the host keeps for the loaded plug-in between commands.
#pragma once

#include "host/HostTypes.h"

namespace tavrelio {

struct GlobalData {
  A_Boolean initialized;
  AEGP_PluginID plugin_id;
};

// The record behind the host's global handle, or null when there is none.
// Readers use the handle's data pointer without locking it.
inline GlobalData* GlobalDataOf(const PF_Handle handle) {
  return handle != nullptr ? static_cast<GlobalData*>(*handle) : nullptr;
}

}  // namespace tavrelio

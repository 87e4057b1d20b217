// A keyframe value the plug-in stored, as the host took it; kept so tools can
// report every write, also one that leaves the value as it was.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/HostTypes.h"
#include "standin_host/Project.h"

namespace standin {

struct KeyframeWrite {
  std::uint64_t effect_id = 0;
  std::size_t param = 0;
  A_long key = 0;
  StreamNumbers value{};
};

}  // namespace standin

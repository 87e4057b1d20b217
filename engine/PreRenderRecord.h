// The life of a frame's PreRenderInfo: made by the pre-render, kept by the
// host as the frame's pre-render data, disposed when the host lets it go.
#pragma once

#include "engine/PreRenderInfo.h"
#include "host/HostCallbacks.h"
#include "host/SuiteCache.h"

namespace tavrelio {

// Makes and locks the record's handle and hands it to the host together with
// the function that disposes it. Null when the host gives no handle or no
// pointer; a handle that could not be locked is disposed again at once.
PreRenderInfo* MakePreRenderRecord(const PF_InData& in_data, SuiteCache& suites,
                                   PF_PreRenderOutput& output);

// What the host calls when it is done with the record.
void DisposePreRenderRecord(void* pre_render_data) noexcept;

}  // namespace tavrelio

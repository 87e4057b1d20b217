// The host's handle routines, shared by the utility callbacks and both
// numbers of "PF Handle Suite".
#pragma once

#include "host/HostTypes.h"

namespace standin {

PF_Handle HostNewHandle(A_HandleSize size);
void* HostLockHandle(PF_Handle handle);
void HostUnlockHandle(PF_Handle handle);
void HostDisposeHandle(PF_Handle handle);
A_HandleSize HostGetHandleSize(PF_Handle handle);

}  // namespace standin

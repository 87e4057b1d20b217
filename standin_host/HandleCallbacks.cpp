#include "standin_host/HandleCallbacks.h"

#include "host/HostConstants.h"
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

PF_Handle HostNewHandle(A_HandleSize size) {
  StandInHost& host = StandInHost::Current();
  // An injected fault means "no memory": no handle.
  if (host.Gate("host_new_handle")) {
    host.Record("host_new_handle", ArgText(size), PF_Err_OUT_OF_MEMORY);
    return nullptr;
  }
  PF_Handle handle = host.Handles().New(size);
  host.Record("host_new_handle", ArgText(size), PF_Err_NONE);
  return handle;
}

void* HostLockHandle(PF_Handle handle) {
  StandInHost& host = StandInHost::Current();
  if (host.Gate("host_lock_handle")) {
    host.Record("host_lock_handle", ArgText(handle), PF_Err_OUT_OF_MEMORY);
    return nullptr;
  }
  void* data = host.Handles().Lock(handle);
  host.Record("host_lock_handle", ArgText(handle), data != nullptr ? 0 : PF_Err_OUT_OF_MEMORY);
  return data;
}

void HostUnlockHandle(PF_Handle handle) {
  StandInHost& host = StandInHost::Current();
  host.Gate("host_unlock_handle");
  host.Handles().Unlock(handle);
  host.Record("host_unlock_handle", ArgText(handle), std::nullopt);
}

void HostDisposeHandle(PF_Handle handle) {
  StandInHost& host = StandInHost::Current();
  host.Gate("host_dispose_handle");
  host.Handles().Dispose(handle);
  host.Record("host_dispose_handle", ArgText(handle), std::nullopt);
}

A_HandleSize HostGetHandleSize(PF_Handle handle) {
  StandInHost& host = StandInHost::Current();
  host.Gate("host_get_handle_size");
  const A_HandleSize size = host.Handles().Size(handle);
  host.Record("host_get_handle_size", ArgText(handle), std::nullopt);
  return size;
}

namespace {

// "PF Handle Suite" 1 is the 32-bit-era table with 32-bit sizes.
PF_Handle NewHandle32(A_u_long size) { return HostNewHandle(size); }
A_u_long GetHandleSize32(PF_Handle handle) {
  return static_cast<A_u_long>(HostGetHandleSize(handle));
}

const PF_HandleSuite1 kHandleSuite2{HostNewHandle,     HostLockHandle,    HostUnlockHandle,
                                    HostDisposeHandle, HostGetHandleSize, nullptr};
const PF_HandleSuite32 kHandleSuite1{NewHandle32,       HostLockHandle,  HostUnlockHandle,
                                     HostDisposeHandle, GetHandleSize32, nullptr};

}  // namespace

void InstallHandleSuites(StandInHost& host) {
  host.Suites().Register("PF Handle Suite", 2, &kHandleSuite2);
  host.Suites().Register("PF Handle Suite", 1, &kHandleSuite1);
}

}  // namespace standin

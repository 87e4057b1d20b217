// The utility callbacks table handed over in every PF_InData.
#include "standin_host/AnsiCallbacks.h"
#include "standin_host/HandleCallbacks.h"
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"
#include "standin_host/WorldCallbacks.h"

namespace standin {

void InstallUtilCallbacks(PF_UtilCallbacks& utils) {
  utils.copy = HostCopyWorld;
  utils.host_new_handle = HostNewHandle;
  utils.host_lock_handle = HostLockHandle;
  utils.host_unlock_handle = HostUnlockHandle;
  utils.host_dispose_handle = HostDisposeHandle;
  utils.host_get_handle_size = HostGetHandleSize;
  utils.ansi.sprintf = HostSprintf;
  utils.ansi.strcpy = HostStrcpy;
}

}  // namespace standin

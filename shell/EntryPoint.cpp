// The one function the host calls. It is also the one place where a raised
// error code becomes the command's result; nothing else may leave it.
#include <new>

#include "host/HostConstants.h"
#include "host/HostError.h"
#include "shell/Dispatch.h"

extern "C" PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                 PF_ParamDef* params[], PF_LayerDef* /*output*/, void* extra) {
  try {
    return tavrelio::Dispatch(cmd, in_data, out_data, params, extra);
  } catch (const tavrelio::RaisedError& code) {
    return code;
  } catch (const std::bad_alloc&) {
    return PF_Err_OUT_OF_MEMORY;
  } catch (...) {
    // An exception unwinding into the host would take the host down.
    return PF_Err_INTERNAL_STRUCT_DAMAGED;
  }
}

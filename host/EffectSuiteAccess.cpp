#include "host/EffectSuiteAccess.h"

#include "host/HostConstants.h"

namespace tavrelio {

namespace {

// Shows `message` (or the fallback) through the host and reports 516.
PF_Err ReportSuiteFailure(PF_InData* in_data, PF_OutData* out_data, const char* message,
                          const char* fallback) {
  out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
  const char* text = message != nullptr ? message : fallback;
  if (in_data->utils != nullptr && in_data->utils->ansi.sprintf != nullptr) {
    // The text is its own format; our texts hold no conversion.
    in_data->utils->ansi.sprintf(out_data->return_msg, text);
  }
  return PF_Err_BAD_CALLBACK_PARAM;
}

}  // namespace

PF_Err AcquireEffectSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                          A_long version, const char* message, const void** suite) {
  if (in_data->pica_basicP != nullptr) {
    // The code is not looked at: a table handed back is what counts.
    in_data->pica_basicP->AcquireSuite(name, version, suite);
    if (*suite != nullptr) return PF_Err_NONE;
  }
  return ReportSuiteFailure(in_data, out_data, message, "Not able to acquire AEFX Suite.");
}

PF_Err ReleaseEffectSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                          A_long version, const char* message) {
  if (in_data->pica_basicP != nullptr) {
    in_data->pica_basicP->ReleaseSuite(name, version);
    return PF_Err_NONE;
  }
  return ReportSuiteFailure(in_data, out_data, message, "Not able to release AEFX Suite.");
}

}  // namespace tavrelio

// The about text: "Tavrelio, v1.01" on one line and the description on the next.
#include <string>

#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "resources/EffectIdentity.h"
#include "shell/CommandHandlers.h"

namespace tavrelio {

namespace {

constexpr const char* kAboutFormat = "%s, v%d.%d%d\r%s";

}  // namespace

PF_Err About(PF_InData* in_data, PF_OutData* out_data) {
  const std::string name(kEffectName);
  const std::string description(kEffectDescription);
  const int major = static_cast<int>(kVersionMajor);
  const int minor = static_cast<int>(kVersionMinor);
  const int fix = static_cast<int>(kVersionFix);
  if constexpr (kIs32BitVariant) {
    SuiteCache suites(*in_data);
    suites.ANSISuite()->sprintf(out_data->return_msg, kAboutFormat, name.c_str(), major, minor, fix,
                                description.c_str());
  } else {
    if (in_data->utils == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    in_data->utils->ansi.sprintf(out_data->return_msg, kAboutFormat, name.c_str(), major, minor,
                                 fix, description.c_str());
  }
  return PF_Err_NONE;
}

}  // namespace tavrelio

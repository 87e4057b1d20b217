// The general command of the 32-bit build: echo the host's text back into the
// message field, cut to what the field holds.
#include <algorithm>
#include <array>

#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "shell/CommandHandlers.h"

namespace tavrelio {

PF_Err EchoGeneralText(PF_InData* in_data, PF_OutData* out_data, const void* extra) {
  // No text to echo: nothing to write, and nothing went wrong.
  if (extra == nullptr) return PF_Err_NONE;
  if constexpr (kIs32BitVariant) {
    // The host's sprintf knows no bounds, so the text is cut before it is handed over.
    std::array<char, PF_MAX_EFFECT_MSG_LEN + 1> text{};
    const char* source = static_cast<const char*>(extra);
    const char* end = std::find(source, source + PF_MAX_EFFECT_MSG_LEN, '\0');
    std::copy(source, end, text.begin());
    SuiteCache suites(*in_data);
    suites.ANSISuite()->sprintf(out_data->return_msg, "%s", text.data());
  } else {
    static_cast<void>(in_data);
    static_cast<void>(out_data);
  }
  return PF_Err_NONE;
}

}  // namespace tavrelio

// The smart render: the effect leaves pixels alone, so the frame's output is
// the input layer, copied by the host. The render only confirms that the
// pre-render left its record and refuses pixel formats it does not claim.
#include "host/EffectSuiteAccess.h"
#include "host/HostConstants.h"
#include "host/SuiteCache.h"
#include "shell/CommandHandlers.h"

namespace tavrelio {

namespace {

constexpr const char* kWorldSuiteName = "PF World Suite";
constexpr A_long kWorldSuiteVersion = 2;
// The pre-render checks the input layer out under this id.
constexpr A_long kInputCheckoutId = 0;

bool IsCopyableFormat(PF_PixelFormat format) {
  return format == PF_PixelFormat_ARGB32 || format == PF_PixelFormat_ARGB64 ||
         format == PF_PixelFormat_ARGB128;
}

bool HasRenderRecords(const PF_InData& in_data, const PF_SmartRenderExtra* extra) {
  return extra != nullptr && extra->input != nullptr && extra->cb != nullptr &&
         extra->cb->checkout_layer_pixels != nullptr && extra->cb->checkout_output != nullptr &&
         in_data.utils != nullptr && in_data.utils->copy != nullptr;
}

// A record that locks proves the pre-render ran for this frame. The lock is
// undone at once: nothing reads through it, and the record's delete function
// undoes only the pre-render's own lock.
bool PreRenderRecordPresent(SuiteCache& suites, void* pre_render_data) {
  if (pre_render_data == nullptr) return false;
  const auto* handles = suites.HandleSuite();
  const auto record = static_cast<PF_Handle>(pre_render_data);
  if (handles->host_lock_handle(record) == nullptr) return false;
  handles->host_unlock_handle(record);
  return true;
}

}  // namespace

PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra) {
  PF_Err err = PF_Err_NONE;
  const void* world_suite = nullptr;
  PF_PixelFormat format = PF_PixelFormat_INVALID;
  SuiteCache suites(*in_data);

  if (!HasRenderRecords(*in_data, extra) ||
      !PreRenderRecordPresent(suites, extra->input->pre_render_data)) {
    return PF_Err_BAD_CALLBACK_PARAM;
  }

  PF_EffectWorld* input = nullptr;
  PF_EffectWorld* output = nullptr;
  err = extra->cb->checkout_layer_pixels(in_data->effect_ref, kInputCheckoutId, &input);
  if (err == PF_Err_NONE) err = extra->cb->checkout_output(in_data->effect_ref, &output);
  if (err == PF_Err_NONE) {
    err = AcquireEffectSuite(in_data, out_data, kWorldSuiteName, kWorldSuiteVersion,
                             "Couldn't load suite.", &world_suite);
  }
  if (err == PF_Err_NONE) {
    err = static_cast<const PF_WorldSuite2*>(world_suite)->PF_GetPixelFormat(input, &format);
  }
  if (err == PF_Err_NONE && !IsCopyableFormat(format)) err = PF_Err_BAD_CALLBACK_PARAM;
  if (err == PF_Err_NONE) {
    err = in_data->utils->copy(in_data->effect_ref, input, output, nullptr, nullptr);
  }
  if (world_suite != nullptr) {
    const PF_Err released = ReleaseEffectSuite(in_data, out_data, kWorldSuiteName,
                                               kWorldSuiteVersion, "Couldn't release suite.");
    if (err == PF_Err_NONE) err = released;
  }
  return err;
}

}  // namespace tavrelio

// Compile-time proof that our declarations have the host's binary layout on
// both Windows targets (x86-64 and i386). Other targets only need to compile.
#include <cstddef>

#include "host/HostSuites.h"

#if defined(_WIN32)
namespace {

// Expected figure for the target being compiled: x86-64 or i386.
constexpr std::size_t Pick(std::size_t x64, std::size_t i386) {
  return sizeof(void*) == 8 ? x64 : i386;
}

static_assert(sizeof(A_Time) == 8 && alignof(A_Time) == 4);
static_assert(sizeof(PF_LRect) == 16);
static_assert(sizeof(PF_Pixel) == 4 && sizeof(PF_Pixel16) == 8 && sizeof(PF_PixelFloat) == 16);
static_assert(sizeof(PF_State) == 16);
static_assert(sizeof(AEGP_ColorVal) == 32 && offsetof(AEGP_ColorVal, blueF) == 24);
static_assert(sizeof(AEGP_TwoDVal) == 16 && offsetof(AEGP_TwoDVal, y) == 8);
static_assert(sizeof(AEGP_StreamVal) == 32 && alignof(AEGP_StreamVal) == 8);
static_assert(sizeof(AEGP_StreamValue) == 40 && offsetof(AEGP_StreamValue, val) == 8);
static_assert(sizeof(PF_SoundWorld) == Pick(32, 24));
static_assert(offsetof(PF_SoundWorld, dataP) == Pick(24, 20));

static_assert(sizeof(PF_InData) == Pick(408, 280));
static_assert(offsetof(PF_InData, utils) == Pick(176, 88));
static_assert(offsetof(PF_InData, effect_ref) == Pick(184, 92));
static_assert(offsetof(PF_InData, current_time) == Pick(224, 128));
static_assert(offsetof(PF_InData, time_step) == Pick(228, 132));
static_assert(offsetof(PF_InData, time_scale) == Pick(240, 144));
static_assert(offsetof(PF_InData, extent_hint) == Pick(260, 164));
static_assert(offsetof(PF_InData, downsample_x) == Pick(284, 188));
static_assert(offsetof(PF_InData, downsample_y) == Pick(292, 196));
static_assert(offsetof(PF_InData, global_data) == Pick(312, 216));
static_assert(offsetof(PF_InData, sequence_data) == Pick(320, 220));
static_assert(offsetof(PF_InData, src_snd) == Pick(352, 240));
static_assert(offsetof(PF_InData, pica_basicP) == Pick(384, 264));
static_assert(offsetof(PF_InData, shutter_phase) == Pick(400, 276));

static_assert(sizeof(PF_OutData) == Pick(408, 376));
static_assert(offsetof(PF_OutData, global_data) == Pick(40, 36));
static_assert(offsetof(PF_OutData, num_params) == Pick(48, 40));
static_assert(offsetof(PF_OutData, sequence_data) == Pick(56, 44));
static_assert(offsetof(PF_OutData, out_flags) == Pick(96, 72));
static_assert(offsetof(PF_OutData, return_msg) == Pick(100, 76));
static_assert(offsetof(PF_OutData, dest_snd) == Pick(368, 344));
static_assert(offsetof(PF_OutData, out_flags2) == Pick(400, 368));

static_assert(sizeof(PF_InteractCallbacks) == Pick(176, 88));
static_assert(offsetof(PF_InteractCallbacks, add_param) == Pick(16, 8));
static_assert(offsetof(PF_InteractCallbacks, reserved) == Pick(96, 48));
static_assert(sizeof(PF_UtilCallbacks) == Pick(552, 276));
static_assert(offsetof(PF_UtilCallbacks, copy) == Pick(64, 32));
static_assert(offsetof(PF_UtilCallbacks, host_new_handle) == Pick(160, 80));
static_assert(offsetof(PF_UtilCallbacks, host_dispose_handle) == Pick(184, 92));
static_assert(offsetof(PF_UtilCallbacks, ansi) == Pick(208, 104));
static_assert(offsetof(PF_UtilCallbacks, ansi) + offsetof(PF_ANSICallbacks, sprintf) ==
              Pick(328, 164));
static_assert(offsetof(PF_UtilCallbacks, ansi) + offsetof(PF_ANSICallbacks, strcpy) ==
              Pick(336, 168));
static_assert(offsetof(PF_UtilCallbacks, colorCB) == Pick(368, 184));
static_assert(offsetof(PF_UtilCallbacks, host_get_handle_size) == Pick(440, 220));
static_assert(sizeof(PF_ANSICallbacks) == Pick(160, 80));
static_assert(sizeof(PF_PreRenderCallbacks) == Pick(16, 8));
static_assert(sizeof(PF_SmartRenderCallbacks) == Pick(24, 12));
static_assert(offsetof(PF_SmartRenderCallbacks, checkout_output) == Pick(16, 8));

static_assert(sizeof(PF_ParamDef) == Pick(176, 152));
static_assert(offsetof(PF_ParamDef, param_type) == 12);
static_assert(offsetof(PF_ParamDef, name) == 16);
static_assert(offsetof(PF_ParamDef, flags) == 48);
static_assert(offsetof(PF_ParamDef, u) == 56);
static_assert(sizeof(PF_ParamDefUnion) == Pick(120, 96));
static_assert(sizeof(PF_LayerDef) == Pick(120, 84));
static_assert(offsetof(PF_LayerDef, data) == Pick(24, 12));
static_assert(offsetof(PF_LayerDef, rowbytes) == Pick(32, 16));
static_assert(offsetof(PF_LayerDef, extent_hint) == Pick(44, 28));
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio) == Pick(88, 56));
static_assert(offsetof(PF_LayerDef, dephault) == Pick(116, 80));
static_assert(sizeof(PF_SliderDef) == 88 && offsetof(PF_SliderDef, valid_min) == 68);
static_assert(offsetof(PF_SliderDef, dephault) == 84);
static_assert(sizeof(PF_FixedSliderDef) == 92);
static_assert(sizeof(PF_FloatSliderDef) == 88);
static_assert(offsetof(PF_FloatSliderDef, valid_min) == 48);
static_assert(offsetof(PF_FloatSliderDef, dephault) == 64);
static_assert(offsetof(PF_FloatSliderDef, precision) == 68);
static_assert(offsetof(PF_FloatSliderDef, fs_flags) == 72);
static_assert(offsetof(PF_FloatSliderDef, curve_tolerance) == 76);
static_assert(offsetof(PF_FloatSliderDef, exponent) == 84);
static_assert(sizeof(PF_AngleDef) == 16);
static_assert(sizeof(PF_CheckBoxDef) == Pick(16, 12) && offsetof(PF_CheckBoxDef, u) == 8);
static_assert(sizeof(PF_ColorDef) == 8 && offsetof(PF_ColorDef, dephault) == 4);
static_assert(sizeof(PF_PointDef) == 20 && offsetof(PF_PointDef, restrict_bounds) == 11);
static_assert(offsetof(PF_PointDef, x_dephault) == 12);
static_assert(sizeof(PF_PopupDef) == Pick(16, 12) && offsetof(PF_PopupDef, u) == 8);
static_assert(sizeof(PF_ArbitraryDef) == Pick(32, 16));
static_assert(sizeof(PF_ButtonDef) == Pick(16, 8));
static_assert(sizeof(PF_Point3DDef) == 64);

static_assert(sizeof(PF_RenderRequest) == 44);
static_assert(offsetof(PF_RenderRequest, preserve_rgb_of_zero_alpha) == 24);
static_assert(sizeof(PF_PreRenderExtra) == Pick(24, 12));
static_assert(offsetof(PF_PreRenderExtra, cb) == Pick(16, 8));
static_assert(sizeof(PF_PreRenderInput) == Pick(64, 60));
static_assert(sizeof(PF_PreRenderOutput) == Pick(56, 44));
static_assert(offsetof(PF_PreRenderOutput, max_result_rect) == 16);
static_assert(offsetof(PF_PreRenderOutput, pre_render_data) == Pick(40, 36));
static_assert(offsetof(PF_PreRenderOutput, delete_pre_render_data_func) == Pick(48, 40));
static_assert(sizeof(PF_CheckoutResult) == 76);
static_assert(offsetof(PF_CheckoutResult, max_result_rect) == 16);
static_assert(sizeof(PF_SmartRenderExtra) == Pick(16, 8));
static_assert(sizeof(PF_SmartRenderInput) == Pick(72, 64));
static_assert(offsetof(PF_SmartRenderInput, pre_render_data) == 48);

static_assert(sizeof(SPBasicSuite) == Pick(56, 28));
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_RegisterWithAEGP) == Pick(56, 28));
static_assert(offsetof(PF_HandleSuite1, host_get_handle_size) == Pick(32, 16));
static_assert(offsetof(PF_HandleSuite32, host_dispose_handle) == Pick(24, 12));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetEffectNumParamStreams) == Pick(32, 16));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DisposeStream) == Pick(56, 28));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamName) == Pick(64, 32));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewStreamValue) == Pick(104, 52));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetStreamValue) == Pick(120, 60));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetExpression) == Pick(152, 76));
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetExpression) == Pick(160, 80));
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNumStreamsInGroup) == Pick(24, 12));
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_SetDynamicStreamFlag) == Pick(40, 20));
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByMatchname) == Pick(56, 28));
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetNewEffectForEffect) == Pick(8, 4));
static_assert(offsetof(PF_ParamUtilsSuite1, PF_HasParamChanged) == Pick(16, 8));
static_assert(offsetof(AEGP_EffectSuite3, AEGP_DisposeEffect) == Pick(64, 32));
static_assert(offsetof(AEGP_KeyframeSuite3, AEGP_SetKeyframeValue) == Pick(40, 20));
static_assert(offsetof(AEGP_MemorySuite1, AEGP_LockMemHandle) == Pick(16, 8));
static_assert(offsetof(PF_AdvAppSuite2, PF_InfoDrawText) == Pick(48, 24));
static_assert(offsetof(PF_WorldSuite2, PF_GetPixelFormat) == Pick(16, 8));
static_assert(offsetof(PF_ANSICallbacksSuite1, sprintf) == Pick(120, 60));

}  // namespace
#endif

// Our own declarations of the host suites the plug-in borrows. Each table is
// declared up to the last function the plug-in calls; earlier slots are
// present (as opaque pointers where unused) so every used function sits at its
// documented position. The host hands out the full table; reading a prefix of
// it is sound.
#pragma once

#include "host/HostCallbacks.h"

extern "C" {

struct SPBasicSuite {
  SPErr (*AcquireSuite)(const char* name, int version, const void** suite);
  SPErr (*ReleaseSuite)(const char* name, int version);
  SPBoolean (*IsEqual)(const char* token1, const char* token2);
  SPErr (*AllocateBlock)(std::size_t size, void** block);
  SPErr (*FreeBlock)(void* block);
  SPErr (*ReallocateBlock)(void* block, std::size_t newSize, void** newblock);
  SPErr (*Undefined)();
};

// "AEGP Utility Suite" version 7.
struct AEGP_UtilitySuite3 {
  PF_UnusedCallback AEGP_ReportInfo;
  PF_UnusedCallback AEGP_GetDriverPluginInitFuncVersion;
  PF_UnusedCallback AEGP_GetDriverImplementationVersion;
  PF_UnusedCallback AEGP_StartQuietErrors;
  PF_UnusedCallback AEGP_EndQuietErrors;
  PF_UnusedCallback AEGP_StartUndoGroup;
  PF_UnusedCallback AEGP_EndUndoGroup;
  A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                 AEGP_PluginID* plugin_id);
};

// "PF Handle Suite" version 2 (64-bit sizes). Version 1, asked for by the
// 32-bit build, has the same slots with 32-bit sizes: see PF_HandleSuite32.
struct PF_HandleSuite1 {
  PF_Handle (*host_new_handle)(A_HandleSize size);
  void* (*host_lock_handle)(PF_Handle pf_handle);
  void (*host_unlock_handle)(PF_Handle pf_handle);
  void (*host_dispose_handle)(PF_Handle pf_handle);
  A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
  PF_UnusedCallback host_resize_handle;
};

// "PF Handle Suite" version 1, the 32-bit-era table.
struct PF_HandleSuite32 {
  PF_Handle (*host_new_handle)(A_u_long size);
  void* (*host_lock_handle)(PF_Handle pf_handle);
  void (*host_unlock_handle)(PF_Handle pf_handle);
  void (*host_dispose_handle)(PF_Handle pf_handle);
  A_u_long (*host_get_handle_size)(PF_Handle pf_handle);
  PF_UnusedCallback host_resize_handle;
};

// "AEGP Stream Suite" version 7.
struct AEGP_StreamSuite2 {
  PF_UnusedCallback AEGP_IsStreamLegal;
  A_Err (*AEGP_CanVaryOverTime)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB);
  PF_UnusedCallback AEGP_GetValidInterpolations;
  PF_UnusedCallback AEGP_GetNewLayerStream;
  A_Err (*AEGP_GetEffectNumParamStreams)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL);
  A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                          PF_ParamIndex param_index, AEGP_StreamRefH* streamPH);
  PF_UnusedCallback AEGP_GetNewMaskStream;
  A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
  A_Err (*AEGP_GetStreamName)(AEGP_StreamRefH streamH, A_Boolean force_englishB, A_char* nameZ);
  PF_UnusedCallback AEGP_GetStreamUnitsText;
  PF_UnusedCallback AEGP_GetStreamProperties;
  PF_UnusedCallback AEGP_IsStreamTimevarying;
  PF_UnusedCallback AEGP_GetStreamType;
  A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                  AEGP_LTimeMode time_mode, const A_Time* timePT,
                                  A_Boolean pre_expressionB, AEGP_StreamValue* valueP);
  A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue* valueP);
  A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                               AEGP_StreamValue* valueP);
  PF_UnusedCallback AEGP_GetLayerStreamValue;
  PF_UnusedCallback AEGP_GetExpressionState;
  PF_UnusedCallback AEGP_SetExpressionState;
  A_Err (*AEGP_GetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                              AEGP_MemHandle* expressionHZ);
  A_Err (*AEGP_SetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                              const A_char* expressionP);
};

// "AEGP Dynamic Stream Suite" versions 2 and 3 share their first eight slots.
struct AEGP_DynamicStreamSuite2 {
  A_Err (*AEGP_GetNewStreamRefForLayer)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                        AEGP_StreamRefH* streamPH);
  PF_UnusedCallback AEGP_GetStreamDepth;
  PF_UnusedCallback AEGP_GetStreamGroupingType;
  A_Err (*AEGP_GetNumStreamsInGroup)(AEGP_StreamRefH streamH, A_long* num_streamsPL);
  PF_UnusedCallback AEGP_GetDynamicStreamFlags;
  A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag,
                                     A_Boolean undoableB, A_Boolean setB);
  A_Err (*AEGP_GetNewStreamRefByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH,
                                       A_long indexL, AEGP_StreamRefH* streamPH);
  A_Err (*AEGP_GetNewStreamRefByMatchname)(AEGP_PluginID aegp_plugin_id,
                                           AEGP_StreamRefH parent_groupH, const A_char* match_nameZ,
                                           AEGP_StreamRefH* streamPH);
};
using AEGP_DynamicStreamSuite3 = AEGP_DynamicStreamSuite2;

// "AEGP PF Interface Suite" version 1.
struct AEGP_PFInterfaceSuite1 {
  A_Err (*AEGP_GetEffectLayer)(PF_ProgPtr effect_pp_ref, AEGP_LayerH* layerPH);
  A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID aegp_plugin_id, PF_ProgPtr effect_pp_ref,
                                      AEGP_EffectRefH* effect_refPH);
};

// "PF Param Utils Suite" versions 1 and 2 share their first three slots.
struct PF_ParamUtilsSuite1 {
  PF_UnusedCallback PF_UpdateParamUI;
  PF_Err (*PF_GetCurrentState)(PF_ProgPtr effect_ref, PF_State* stateP);
  PF_Err (*PF_HasParamChanged)(PF_ProgPtr effect_ref, const PF_State* stateP,
                               PF_ParamIndex param_index, PF_Boolean* changedPB);
};

// "AEGP Effect Suite" version 3.
struct AEGP_EffectSuite3 {
  A_Err (*AEGP_GetLayerNumEffects)(AEGP_LayerH layerH, A_long* num_effectsPL);
  A_Err (*AEGP_GetLayerEffectByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                      AEGP_EffectIndex layer_effect_indexL,
                                      AEGP_EffectRefH* effectPH);
  PF_UnusedCallback AEGP_GetInstalledKeyFromLayerEffect;
  PF_UnusedCallback AEGP_GetEffectParamUnionByIndex;
  PF_UnusedCallback AEGP_GetEffectFlags;
  PF_UnusedCallback AEGP_SetEffectFlags;
  PF_UnusedCallback AEGP_ReorderEffect;
  PF_UnusedCallback AEGP_EffectCallGeneric;
  A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effect_refH);
};

// "AEGP Keyframe Suite" version 3.
struct AEGP_KeyframeSuite3 {
  A_Err (*AEGP_GetStreamNumKFs)(AEGP_StreamRefH streamH, A_long* num_kfsPL);
  PF_UnusedCallback AEGP_GetKeyframeTime;
  PF_UnusedCallback AEGP_InsertKeyframe;
  PF_UnusedCallback AEGP_DeleteKeyframe;
  A_Err (*AEGP_GetNewKeyframeValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                    AEGP_KeyframeIndex key_index, AEGP_StreamValue* valueP);
  A_Err (*AEGP_SetKeyframeValue)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                 const AEGP_StreamValue* valueP);
};

// "AEGP Memory Suite" version 1.
struct AEGP_MemorySuite1 {
  PF_UnusedCallback AEGP_NewMemHandle;
  A_Err (*AEGP_FreeMemHandle)(AEGP_MemHandle memH);
  A_Err (*AEGP_LockMemHandle)(AEGP_MemHandle memH, void** ptr_to_ptr);
};

// "PF AE Adv App Suite" version 2.
struct PF_AdvAppSuite2 {
  PF_UnusedCallback PF_SetProjectDirty;
  PF_UnusedCallback PF_SaveProject;
  PF_UnusedCallback PF_SaveBackgroundState;
  PF_UnusedCallback PF_ForceForeground;
  PF_UnusedCallback PF_RestoreBackgroundState;
  PF_UnusedCallback PF_RefreshAllWindows;
  PF_Err (*PF_InfoDrawText)(const A_char* line1Z0, const A_char* line2Z0);
};

// "PF World Suite" version 2.
struct PF_WorldSuite2 {
  PF_UnusedCallback PF_NewWorld;
  PF_UnusedCallback PF_DisposeWorld;
  PF_Err (*PF_GetPixelFormat)(const PF_EffectWorld* worldP, PF_PixelFormat* pixel_formatP);
};

// "PF ANSI Suite" version 1: the ANSI block without its trailing member.
struct PF_ANSICallbacksSuite1 {
  PF_UnusedCallback atan;
  PF_UnusedCallback atan2;
  PF_UnusedCallback ceil;
  PF_UnusedCallback cos;
  PF_UnusedCallback exp;
  PF_UnusedCallback fabs;
  PF_UnusedCallback floor;
  PF_UnusedCallback fmod;
  PF_UnusedCallback hypot;
  PF_UnusedCallback log;
  PF_UnusedCallback log10;
  PF_UnusedCallback pow;
  PF_UnusedCallback sin;
  PF_UnusedCallback sqrt;
  PF_UnusedCallback tan;
  int (*sprintf)(A_char* buffer, const A_char* format, ...);
  A_char* (*strcpy)(A_char* destination, const A_char* source);
};

}  // extern "C"

// Our own declarations of the host's callback tables and command records.
// Every function is plain C calling convention (cdecl on i386).
#pragma once

#include "host/HostTypes.h"

extern "C" {

struct SPBasicSuite;

// Slots the plug-in never calls are declared as opaque function pointers so
// that every used slot sits at the host's position.
using PF_UnusedCallback = void (*)();

struct PF_InteractCallbacks {
  PF_Err (*checkout_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time,
                           A_long time_step, A_u_long time_scale, PF_ParamDef* param);
  PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
  PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def);
  PF_UnusedCallback abort;
  PF_UnusedCallback progress;
  PF_UnusedCallback register_ui;
  PF_UnusedCallback checkout_layer_audio;
  PF_UnusedCallback checkin_layer_audio;
  PF_UnusedCallback get_audio_data;
  void* reserved_str[3];
  void* reserved[10];
};

struct PF_ANSICallbacks {
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
  PF_UnusedCallback asin;
  PF_UnusedCallback acos;
  A_long unused_longA[1];
};

struct PF_ColorCallbacks {
  PF_UnusedCallback slots[8];
};

struct PF_UtilCallbacks {
  PF_UnusedCallback begin_sampling;
  PF_UnusedCallback subpixel_sample;
  PF_UnusedCallback area_sample;
  void* get_batch_func_is_deprecated;
  PF_UnusedCallback end_sampling;
  PF_UnusedCallback composite_rect;
  PF_UnusedCallback blend;
  PF_UnusedCallback convolve;
  PF_Err (*copy)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                 PF_Rect* dst_r);
  PF_UnusedCallback fill;
  PF_UnusedCallback gaussian_kernel;
  PF_UnusedCallback iterate;
  PF_UnusedCallback premultiply;
  PF_UnusedCallback premultiply_color;
  PF_UnusedCallback new_world;
  PF_UnusedCallback dispose_world;
  PF_UnusedCallback iterate_origin;
  PF_UnusedCallback iterate_lut;
  PF_UnusedCallback transfer_rect;
  PF_UnusedCallback transform_world;
  PF_Handle (*host_new_handle)(A_HandleSize size);
  void* (*host_lock_handle)(PF_Handle pf_handle);
  void (*host_unlock_handle)(PF_Handle pf_handle);
  void (*host_dispose_handle)(PF_Handle pf_handle);
  PF_UnusedCallback get_callback_addr;
  PF_UnusedCallback app;
  PF_ANSICallbacks ansi;
  PF_ColorCallbacks colorCB;
  PF_UnusedCallback get_platform_data;
  A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
  PF_UnusedCallback iterate_origin_non_clip_src;
  PF_UnusedCallback iterate_generic;
  PF_UnusedCallback host_resize_handle;
  PF_UnusedCallback subpixel_sample16;
  PF_UnusedCallback area_sample16;
  PF_UnusedCallback fill16;
  PF_UnusedCallback premultiply_color16;
  PF_UnusedCallback iterate16;
  PF_UnusedCallback iterate_origin16;
  PF_UnusedCallback iterate_origin_non_clip_src16;
  PF_UnusedCallback get_pixel_data8;
  PF_UnusedCallback get_pixel_data16;
  A_long reserved[1];
};

struct PF_PreRenderCallbacks {
  PF_Err (*checkout_layer)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_idL,
                           const PF_RenderRequest* req, A_long what_time, A_long time_step,
                           A_u_long time_scale, PF_CheckoutResult* checkout_result);
  PF_UnusedCallback GuidMixInPtr;
};

struct PF_SmartRenderCallbacks {
  PF_Err (*checkout_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_idL,
                                  PF_EffectWorld** pixels);
  PF_Err (*checkin_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_idL);
  PF_Err (*checkout_output)(PF_ProgPtr effect_ref, PF_EffectWorld** output);
};

struct PF_PreRenderExtra {
  PF_PreRenderInput* input;
  PF_PreRenderOutput* output;
  PF_PreRenderCallbacks* cb;
};

struct PF_SmartRenderExtra {
  PF_SmartRenderInput* input;
  PF_SmartRenderCallbacks* cb;
};

struct PF_InData {
  PF_InteractCallbacks inter;
  PF_UtilCallbacks* utils;
  PF_ProgPtr effect_ref;
  PF_Quality quality;
  PF_SpecVersion version;
  A_long serial_num;
  A_AppID appl_id;
  A_long num_params;
  A_long reserved;
  A_long what_cpu;
  A_long what_fpu;
  A_long current_time;
  A_long time_step;
  A_long total_time;
  A_long local_time_step;
  A_u_long time_scale;
  PF_Field field;
  PF_Fixed shutter_angle;
  A_long width;
  A_long height;
  PF_Rect extent_hint;
  A_long output_origin_x;
  A_long output_origin_y;
  PF_RationalScale downsample_x;
  PF_RationalScale downsample_y;
  PF_RationalScale pixel_aspect_ratio;
  PF_InFlags in_flags;
  PF_Handle global_data;
  PF_Handle sequence_data;
  PF_Handle frame_data;
  A_long start_sampL;
  A_long dur_sampL;
  A_long total_sampL;
  PF_SoundWorld src_snd;
  SPBasicSuite* pica_basicP;
  A_long pre_effect_source_origin_x;
  A_long pre_effect_source_origin_y;
  PF_Fixed shutter_phase;
};

struct PF_OutData {
  A_u_long my_version;
  A_char name[32];
  PF_Handle global_data;
  A_long num_params;
  PF_Handle sequence_data;
  A_long flat_sdata_size;
  PF_Handle frame_data;
  A_long width;
  A_long height;
  PF_Point origin;
  PF_OutFlags out_flags;
  A_char return_msg[256];
  A_long start_sampL;
  A_long dur_sampL;
  PF_SoundWorld dest_snd;
  PF_OutFlags2 out_flags2;
};

// The one function the host calls.
using PF_EntryPointFunc = PF_Err (*)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                     PF_ParamDef* params[], PF_LayerDef* output, void* extra);

}  // extern "C"

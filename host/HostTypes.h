// Our own declarations of the host's scalar types, constants and plain records.
// Names and layouts follow the host's effect interface so that the plug-in is
// binary-compatible with it; HostLayoutChecks.h pins every size and offset.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

using A_long = std::int32_t;
using A_u_long = std::uint32_t;
using A_short = short;
using A_u_short = unsigned short;
using A_char = char;
using A_u_char = unsigned char;
using A_Boolean = unsigned char;
using PF_Boolean = char;
using SPBoolean = int;
using SPErr = int;
using A_FpLong = double;
using A_FpShort = float;
using PF_FpLong = double;
using PF_FpShort = float;
using PF_Fixed = A_long;
using PF_UFixed = A_u_long;
using A_Err = A_long;
using PF_Err = A_long;
using PF_Cmd = A_long;
using PF_Handle = void**;
using A_HandleSize = std::uint64_t;

struct PF_ProgressInfo;
using PF_ProgPtr = PF_ProgressInfo*;

using PF_ParamIndex = A_long;
using PF_ParamType = A_long;
using PF_ParamFlags = A_long;
using PF_ParamUIFlags = A_long;
using PF_ChangeFlags = A_long;
using PF_OutFlags = A_long;
using PF_OutFlags2 = A_long;
using PF_InFlags = A_long;
using PF_Quality = A_long;
using PF_Field = A_long;
using PF_Stage = A_long;
using PF_WorldFlags = A_long;
using PF_PixelFormat = A_long;
using PF_ParamValue = A_long;
using PF_KeyIndex = A_long;
using PF_ChannelMask = A_long;
using PF_GPU_Framework = A_long;
using PF_Precision = A_short;
using PF_ValueDisplayFlags = A_short;
using PF_FSliderFlags = A_u_long;
using PF_RenderOutputFlags = A_short;
using A_AppID = A_long;
using PF_SoundChannels = A_short;
using PF_SoundFormat = A_short;
using PF_SoundSampleSize = A_short;

using AEGP_PluginID = A_long;
struct _Up_OpaqueMem;
using AEGP_MemHandle = _Up_OpaqueMem**;
using AEGP_MemSize = A_u_long;
using AEGP_MemFlag = A_long;
struct _AEGP_Effect;
using AEGP_EffectRefH = _AEGP_Effect**;
struct _AEGPp_Stream;
using AEGP_StreamRefH = _AEGPp_Stream**;
struct _AEGP_Layer;
using AEGP_LayerH = _AEGP_Layer**;
struct _AEGP_GlobalRefcon;
using AEGP_GlobalRefcon = _AEGP_GlobalRefcon*;
using AEGP_KeyframeIndex = A_long;
using AEGP_EffectIndex = A_long;
using AEGP_DynStreamFlags = A_u_long;
using AEGP_LTimeMode = A_short;

// ---- Plain records ----

struct A_Time {
  A_long value;
  A_u_long scale;
};

struct PF_RationalScale {
  A_long num;
  A_u_long den;
};

struct PF_LRect {
  A_long left;
  A_long top;
  A_long right;
  A_long bottom;
};
using PF_Rect = PF_LRect;
using PF_UnionableRect = PF_LRect;

struct PF_Point {
  A_long h;
  A_long v;
};

struct PF_Pixel {
  A_u_char alpha;
  A_u_char red;
  A_u_char green;
  A_u_char blue;
};
using PF_Pixel8 = PF_Pixel;
using PF_UnionablePixel = PF_Pixel;

struct PF_Pixel16 {
  A_u_short alpha;
  A_u_short red;
  A_u_short green;
  A_u_short blue;
};

struct PF_PixelFloat {
  PF_FpShort alpha;
  PF_FpShort red;
  PF_FpShort green;
  PF_FpShort blue;
};
using PF_Pixel32 = PF_PixelFloat;

struct PF_State {
  A_long reservedAL[4];
};

struct AEGP_ColorVal {
  A_FpLong alphaF;
  A_FpLong redF;
  A_FpLong greenF;
  A_FpLong blueF;
};

struct AEGP_TwoDVal {
  A_FpLong x;
  A_FpLong y;
};

struct AEGP_ThreeDVal {
  A_FpLong x;
  A_FpLong y;
  A_FpLong z;
};

using AEGP_OneDVal = A_FpLong;
using AEGP_FourDVal = A_FpLong[4];
using AEGP_ArbBlockVal = void*;
struct _AEGP_MarkerVal;
using AEGP_MarkerValH = _AEGP_MarkerVal**;
using AEGP_LayerIDVal = A_long;
using AEGP_MaskIDVal = A_long;
struct _AEGP_MaskOutlineVal;
using AEGP_MaskOutlineValH = _AEGP_MaskOutlineVal**;
struct _AEGP_TextDocument;
using AEGP_TextDocumentH = _AEGP_TextDocument**;

union AEGP_StreamVal {
  AEGP_FourDVal four_d;
  AEGP_ThreeDVal three_d;
  AEGP_TwoDVal two_d;
  AEGP_OneDVal one_d;
  AEGP_ColorVal color;
  AEGP_ArbBlockVal arbH;
  AEGP_MarkerValH markerH;
  AEGP_LayerIDVal layer_id;
  AEGP_MaskIDVal mask_id;
  AEGP_MaskOutlineValH mask;
  AEGP_TextDocumentH text_documentH;
};

// The value record that "AEGP Stream Suite" 7 and "AEGP Keyframe Suite" 3 take.
struct AEGP_StreamValue {
  AEGP_StreamRefH streamH;
  AEGP_StreamVal val;
};

struct PF_SpecVersion {
  A_short major;
  A_short minor;
};

struct PF_SoundFormatInfo {
  PF_FpLong rateF;
  PF_SoundChannels num_channels;
  PF_SoundFormat format;
  PF_SoundSampleSize sample_size;
};

struct PF_SoundWorld {
  PF_SoundFormatInfo fi;
  A_long num_samples;
  void* dataP;
};

// ---- Image world and parameter definitions ----

using PF_PixelPtr = void*;

struct PF_LayerDef {
  void* reserved0;
  void* reserved1;
  PF_WorldFlags world_flags;
  PF_PixelPtr data;
  A_long rowbytes;
  A_long width;
  A_long height;
  PF_UnionableRect extent_hint;
  void* platform_ref;
  A_long reserved_long1;
  void* reserved_long4;
  PF_RationalScale pix_aspect_ratio;
  void* reserved_long2;
  A_long origin_x;
  A_long origin_y;
  A_long reserved_long3;
  A_long dephault;
};
using PF_EffectWorld = PF_LayerDef;

struct PF_SliderDef {
  PF_ParamValue value;
  A_char value_str[32];
  A_char value_desc[32];
  PF_ParamValue valid_min;
  PF_ParamValue valid_max;
  PF_ParamValue slider_min;
  PF_ParamValue slider_max;
  PF_ParamValue dephault;
};

struct PF_FixedSliderDef {
  PF_Fixed value;
  A_char value_str[32];
  A_char value_desc[32];
  PF_Fixed valid_min;
  PF_Fixed valid_max;
  PF_Fixed slider_min;
  PF_Fixed slider_max;
  PF_Fixed dephault;
  PF_Precision precision;
  PF_ValueDisplayFlags display_flags;
};

struct PF_FloatSliderDef {
  PF_FpLong value;
  PF_FpLong phase;
  A_char value_desc[32];
  PF_FpShort valid_min;
  PF_FpShort valid_max;
  PF_FpShort slider_min;
  PF_FpShort slider_max;
  PF_FpShort dephault;
  PF_Precision precision;
  PF_ValueDisplayFlags display_flags;
  PF_FSliderFlags fs_flags;
  PF_FpShort curve_tolerance;
  PF_Boolean useExponent;
  PF_FpShort exponent;
};

struct PF_AngleDef {
  PF_Fixed value;
  PF_Fixed dephault;
  PF_Fixed valid_min;
  PF_Fixed valid_max;
};

struct PF_CheckBoxDef {
  PF_ParamValue value;
  PF_Boolean dephault;
  A_char reserved;
  A_short reserved1;
  union {
    const A_char* nameptr;
  } u;
};

struct PF_ColorDef {
  PF_UnionablePixel value;
  PF_UnionablePixel dephault;
};

struct PF_PointDef {
  PF_Fixed x_value;
  PF_Fixed y_value;
  A_char reserved[3];
  PF_Boolean restrict_bounds;
  PF_Fixed x_dephault;
  PF_Fixed y_dephault;
};

struct PF_PopupDef {
  PF_ParamValue value;
  A_short num_choices;
  A_short dephault;
  union {
    const A_char* namesptr;
  } u;
};

// The arms the plug-in never fills; declared with their sizes so that the
// union has the host's size on both targets.
struct PF_ArbitraryDef {
  A_short id;
  A_short pad;
  void* dephault;
  void* value;
  void* refconPV;
};

struct PF_PathDef {
  A_long path_id;
  A_long reserved0;
  A_long dephault;
};

struct PF_ButtonDef {
  PF_ParamValue value;
  union {
    const A_char* namesptr;
  } u;
};

struct PF_Point3DDef {
  PF_FpLong x_value;
  PF_FpLong y_value;
  PF_FpLong z_value;
  PF_FpLong x_dephault;
  PF_FpLong y_dephault;
  PF_FpLong z_dephault;
  char reserved[16];
};

union PF_ParamDefUnion {
  PF_LayerDef ld;
  PF_SliderDef sd;
  PF_FixedSliderDef fd;
  PF_AngleDef ad;
  PF_CheckBoxDef bd;
  PF_ColorDef cd;
  PF_PointDef td;
  PF_PopupDef pd;
  PF_FloatSliderDef fs_d;
  PF_ArbitraryDef arb_d;
  PF_PathDef path_d;
  PF_ButtonDef button_d;
  PF_Point3DDef point3d_d;
};

struct PF_ParamDef {
  union {
    A_long id;
    PF_ChangeFlags change_flags;
  } uu;
  PF_ParamUIFlags ui_flags;
  A_short ui_width;
  A_short ui_height;
  PF_ParamType param_type;
  A_char name[32];
  PF_ParamFlags flags;
  A_long unused;
  PF_ParamDefUnion u;
};
using PF_ParamDefPtr = PF_ParamDef*;
using PF_ParamList = PF_ParamDef**;

// ---- Smart render records ----

struct PF_RenderRequest {
  PF_LRect rect;
  PF_Field field;
  PF_ChannelMask channel_mask;
  PF_Boolean preserve_rgb_of_zero_alpha;
  char unused[3];
  A_long reserved[4];
};

struct PF_PreRenderInput {
  PF_RenderRequest output_request;
  short bitdepth;
  const void* gpu_data;
  PF_GPU_Framework what_gpu;
  A_u_long device_index;
};

using PF_DeletePreRenderDataFunc = void (*)(void* pre_render_data);

struct PF_PreRenderOutput {
  PF_LRect result_rect;
  PF_LRect max_result_rect;
  PF_Boolean solid;
  PF_Boolean reserved;
  PF_RenderOutputFlags flags;
  void* pre_render_data;
  PF_DeletePreRenderDataFunc delete_pre_render_data_func;
};

struct PF_CheckoutResult {
  PF_LRect result_rect;
  PF_LRect max_result_rect;
  PF_RationalScale par;
  PF_Boolean solid;
  PF_Boolean reservedB[3];
  A_long ref_width;
  A_long ref_height;
  A_long reserved[6];
};

struct PF_SmartRenderInput {
  PF_RenderRequest output_request;
  short bitdepth;
  void* pre_render_data;
  const void* gpu_data;
  PF_GPU_Framework what_gpu;
  A_u_long device_index;
};

}  // extern "C"

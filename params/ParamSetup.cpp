// Registers the eleven controls, in index order, each from a cleared record.
#include <cstring>

#include "host/HostConstants.h"
#include "params/ParamIndex.h"
#include "shell/CommandHandlers.h"

namespace tavrelio {

namespace {

constexpr PF_ParamFlags kFixedCollapsed =
    PF_ParamFlag_CANNOT_TIME_VARY | PF_ParamFlag_COLLAPSE_TWIRLY;
constexpr PF_ParamFlags kAnimatableCollapsed = PF_ParamFlag_COLLAPSE_TWIRLY;
constexpr const char* kTypeItems = "Slider|Angle|Checkbox|Color|Point";

struct IntSliderRange {
  A_long valid_min, valid_max, slider_min, slider_max, dephault;
};

class ParamRegistrar {
 public:
  explicit ParamRegistrar(PF_InData* in_data) : in_data_(in_data) {}

  PF_Err IntSlider(PF_ParamIndex index, const char* name, PF_ParamFlags flags,
                   IntSliderRange range) {
    PF_ParamDef def = Begin(index, name, PF_Param_SLIDER, flags);
    def.u.sd.valid_min = range.valid_min;
    def.u.sd.valid_max = range.valid_max;
    def.u.sd.slider_min = range.slider_min;
    def.u.sd.slider_max = range.slider_max;
    def.u.sd.value = range.dephault;
    def.u.sd.dephault = range.dephault;
    return Add(def);
  }

  PF_Err TypePopup() {
    PF_ParamDef def = Begin(kParamType, "Type", PF_Param_POPUP, kFixedCollapsed);
    def.u.pd.num_choices = 5;
    def.u.pd.dephault = 1;
    def.u.pd.value = 1;
    def.u.pd.u.namesptr = kTypeItems;
    return Add(def);
  }

  PF_Err FloatSlider() {
    PF_ParamDef def = Begin(kParamSlider, "Slider", PF_Param_FLOAT_SLIDER, kAnimatableCollapsed);
    def.u.fs_d.valid_min = 0.0f;
    def.u.fs_d.valid_max = 30000.0f;
    def.u.fs_d.slider_min = 0.0f;
    def.u.fs_d.slider_max = 10.0f;
    def.u.fs_d.dephault = 0.0f;
    def.u.fs_d.value = 0.0;
    def.u.fs_d.phase = 0.0;
    def.u.fs_d.precision = 2;
    def.u.fs_d.display_flags = 0;
    def.u.fs_d.fs_flags = 0;
    def.u.fs_d.curve_tolerance = 0.05f;
    return Add(def);
  }

  PF_Err Angle() {
    PF_ParamDef def = Begin(kParamAngle, "Angle", PF_Param_ANGLE, kAnimatableCollapsed);
    def.u.ad.value = 0;
    def.u.ad.dephault = 0;
    return Add(def);
  }

  PF_Err Checkbox(PF_ParamIndex index, const char* name, PF_ParamFlags flags, const char* label) {
    PF_ParamDef def = Begin(index, name, PF_Param_CHECKBOX, flags);
    def.u.bd.value = 0;
    def.u.bd.dephault = 0;
    def.u.bd.u.nameptr = label;
    return Add(def);
  }

  PF_Err Color() {
    PF_ParamDef def = Begin(kParamColor, "Color", PF_Param_COLOR, kAnimatableCollapsed);
    def.u.cd.value = PF_Pixel{255, 0, 0, 0};
    def.u.cd.dephault = PF_Pixel{255, 0, 0, 0};
    return Add(def);
  }

  PF_Err Point() {
    PF_ParamDef def = Begin(kParamPoint, "Point", PF_Param_POINT, kAnimatableCollapsed);
    def.u.td.restrict_bounds = 0;
    def.u.td.x_value = 0;
    def.u.td.y_value = 0;
    def.u.td.x_dephault = 0;
    def.u.td.y_dephault = 0;
    return Add(def);
  }

 private:
  // Every definition starts cleared, so nothing carries over from the one before.
  PF_ParamDef Begin(PF_ParamIndex index, const char* name, PF_ParamType type,
                    PF_ParamFlags flags) const {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    def.flags = flags;
    def.param_type = type;
    in_data_->utils->ansi.strcpy(def.name, name);
    def.uu.id = index;
    return def;
  }

  PF_Err Add(PF_ParamDef& def) const {
    return in_data_->inter.add_param(in_data_->effect_ref, -1, &def);
  }

  PF_InData* in_data_;
};

}  // namespace

PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data) {
  if (in_data->utils == nullptr || in_data->inter.add_param == nullptr) {
    return PF_Err_BAD_CALLBACK_PARAM;
  }
  ParamRegistrar registrar(in_data);
  // Each step runs only while the host has accepted every parameter so far.
  const PF_Err err = [&] {
    PF_Err e = PF_Err_NONE;
    if (!e) e = registrar.IntSlider(kParamEffect, "Effect", kFixedCollapsed, {0, 10000, 0, 5, 0});
    // The default of 0 lies one below the valid minimum, as saved projects expect.
    if (!e) e = registrar.IntSlider(kParamIndex, "Index", kFixedCollapsed, {1, 10000, 1, 5, 0});
    if (!e) e = registrar.IntSlider(kParamKeyNo, "No", kFixedCollapsed, {0, 10000, 0, 5, 0});
    if (!e) e = registrar.TypePopup();
    if (!e) e = registrar.FloatSlider();
    if (!e) e = registrar.Angle();
    if (!e) e = registrar.Checkbox(kParamCheckbox, "Checkbox", kAnimatableCollapsed, "");
    if (!e) e = registrar.Color();
    if (!e) e = registrar.Point();
    if (!e) e = registrar.Checkbox(kParamOn, "", kFixedCollapsed, "ON");
    if (!e) e = registrar.IntSlider(kParamInfo, "Info", 0, {0, 10000, 0, 10, 0});
    return e;
  }();
  if (err != PF_Err_NONE) return err;
  out_data->num_params = kParamCount;
  return PF_Err_NONE;
}

}  // namespace tavrelio

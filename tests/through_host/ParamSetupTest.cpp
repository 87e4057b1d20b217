// The parameter set, compared field by field against one table.
#include <cstring>

#include "PluginFixture.h"
#include "host/HostConstants.h"

namespace tavrelio_test {
namespace {

class ParamSetupTest : public PluginTest {};

struct ExpectedParam {
  const char* name;
  PF_ParamType type;
  PF_ParamFlags flags;
  // Integer sliders: valid min/max, slider min/max, default.
  A_long valid_min, valid_max, slider_min, slider_max, dephault;
  const char* label;  // checkbox label or popup items
};

const ExpectedParam kExpected[] = {
    {"Effect", PF_Param_SLIDER, 0x22, 0, 10000, 0, 5, 0, ""},
    {"Index", PF_Param_SLIDER, 0x22, 1, 10000, 1, 5, 0, ""},
    {"No", PF_Param_SLIDER, 0x22, 0, 10000, 0, 5, 0, ""},
    {"Type", PF_Param_POPUP, 0x22, 0, 0, 0, 0, 1, "Slider|Angle|Checkbox|Color|Point"},
    {"Slider", PF_Param_FLOAT_SLIDER, 0x20, 0, 0, 0, 0, 0, ""},
    {"Angle", PF_Param_ANGLE, 0x20, 0, 0, 0, 0, 0, ""},
    {"Checkbox", PF_Param_CHECKBOX, 0x20, 0, 0, 0, 0, 0, ""},
    {"Color", PF_Param_COLOR, 0x20, 0, 0, 0, 0, 0, ""},
    {"Point", PF_Param_POINT, 0x20, 0, 0, 0, 0, 0, ""},
    {"", PF_Param_CHECKBOX, 0x22, 0, 0, 0, 0, 0, "ON"},
    {"Info", PF_Param_SLIDER, 0x00, 0, 10000, 0, 10, 0, ""},
};

TEST_P(ParamSetupTest, RegistersElevenParametersAsTheTableSays) {
  auto instance = NewInstance();
  ASSERT_EQ(instance->ParamsSetup(), 0);
  EXPECT_EQ(instance->out_data.num_params, 12);
  const auto& streams = instance->AsEffect().streams;
  ASSERT_EQ(streams.size(), 12u);
  for (int index = 1; index <= 11; ++index) {
    const ExpectedParam& want = kExpected[index - 1];
    SCOPED_TRACE(want.name);
    ASSERT_TRUE(streams[index].registration.has_value());
    const auto& reg = *streams[index].registration;
    const PF_ParamDef& def = reg.definition;
    EXPECT_EQ(reg.name, want.name);
    EXPECT_EQ(reg.index_argument, -1);
    EXPECT_EQ(def.uu.id, index);
    EXPECT_EQ(def.param_type, want.type);
    EXPECT_EQ(def.flags, want.flags);
    EXPECT_EQ(def.ui_flags, 0);
    EXPECT_EQ(def.ui_width, 0);
    EXPECT_EQ(def.ui_height, 0);
    switch (want.type) {
      case PF_Param_SLIDER:
        EXPECT_EQ(def.u.sd.valid_min, want.valid_min);
        EXPECT_EQ(def.u.sd.valid_max, want.valid_max);
        EXPECT_EQ(def.u.sd.slider_min, want.slider_min);
        EXPECT_EQ(def.u.sd.slider_max, want.slider_max);
        EXPECT_EQ(def.u.sd.dephault, want.dephault);
        EXPECT_EQ(def.u.sd.value, want.dephault);
        EXPECT_EQ(def.u.sd.value_str[0], '\0');
        EXPECT_EQ(def.u.sd.value_desc[0], '\0');
        break;
      case PF_Param_POPUP:
        EXPECT_EQ(def.u.pd.num_choices, 5);
        EXPECT_EQ(def.u.pd.dephault, 1);
        EXPECT_EQ(def.u.pd.value, 1);
        EXPECT_EQ(reg.items, want.label);
        break;
      case PF_Param_FLOAT_SLIDER:
        EXPECT_EQ(def.u.fs_d.valid_min, 0.0f);
        EXPECT_EQ(def.u.fs_d.valid_max, 30000.0f);
        EXPECT_EQ(def.u.fs_d.slider_min, 0.0f);
        EXPECT_EQ(def.u.fs_d.slider_max, 10.0f);
        EXPECT_EQ(def.u.fs_d.dephault, 0.0f);
        EXPECT_EQ(def.u.fs_d.value, 0.0);
        EXPECT_EQ(def.u.fs_d.phase, 0.0);
        EXPECT_EQ(def.u.fs_d.precision, 2);
        EXPECT_EQ(def.u.fs_d.display_flags, 0);
        EXPECT_EQ(def.u.fs_d.fs_flags, 0u);
        EXPECT_EQ(def.u.fs_d.curve_tolerance, 0.05f);
        break;
      case PF_Param_ANGLE:
        EXPECT_EQ(def.u.ad.value, 0);
        EXPECT_EQ(def.u.ad.dephault, 0);
        break;
      case PF_Param_CHECKBOX:
        EXPECT_EQ(def.u.bd.value, 0);
        EXPECT_EQ(def.u.bd.dephault, 0);
        EXPECT_EQ(reg.label, want.label);
        break;
      case PF_Param_COLOR:
        EXPECT_EQ(def.u.cd.value.alpha, 255);
        EXPECT_EQ(def.u.cd.value.red + def.u.cd.value.green + def.u.cd.value.blue, 0);
        EXPECT_EQ(std::memcmp(&def.u.cd.value, &def.u.cd.dephault, sizeof(PF_Pixel)), 0);
        break;
      case PF_Param_POINT:
        EXPECT_EQ(def.u.td.restrict_bounds, 0);
        EXPECT_EQ(def.u.td.x_value | def.u.td.y_value | def.u.td.x_dephault | def.u.td.y_dephault,
                  0);
        break;
    }
  }
}

TEST_P(ParamSetupTest, RefusedFourthParameterStopsRegistration) {
  auto instance = NewInstance();
  instance->refuse_add_param = std::make_pair(4, PF_Err{513});
  instance->before_command = [](PF_InData&, PF_OutData& out) { out.num_params = 1; };
  EXPECT_EQ(instance->ParamsSetup(), 513);
  EXPECT_EQ(instance->AsEffect().streams.size(), 4u);  // the input layer and three parameters
  EXPECT_EQ(instance->add_param_calls, 4);
  EXPECT_EQ(instance->out_data.num_params, 1);
  EXPECT_EQ(instance->out_data.return_msg[0], '\0');
}

INSTANTIATE_TEST_SUITE_P(BothVariants, ParamSetupTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

// A scenario as read from its file: the layer's effect stack, where Tavrelio
// sits with its controls, and the steps to play.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/HostTypes.h"
#include "standin_host/Project.h"

namespace scenario {

using standin::StreamKind;
using standin::StreamNumbers;

struct KeyframeSetup {
  double time = 0;  // seconds
  StreamNumbers value{};
};

// What a parameter holds: a static value or keyframes, and an expression.
struct StreamContent {
  std::optional<StreamNumbers> value;
  std::vector<KeyframeSetup> keyframes;
  std::optional<std::string> expression;
  // What the expression yields when the stand-in host cannot evaluate it.
  std::optional<StreamNumbers> expression_value;
};

struct StreamSetup {
  std::string name;
  StreamKind kind = StreamKind::Slider;
  bool can_vary = true;
  StreamContent content;
};

// Another effect on the layer; params[k] becomes its parameter stream k + 1
// (stream 0 is always the input layer).
struct EffectSetup {
  std::string name;
  std::vector<StreamSetup> params;
};

// One of Tavrelio's own controls, by parameter index.
struct ControlSetting {
  PF_ParamIndex index = 0;
  StreamContent content;
};

struct TavrelioSetup {
  std::string name = "Tavrelio";
  std::size_t position = 0;
  std::vector<ControlSetting> controls;
};

struct FrameRate {
  A_long frame_duration = 1;  // in time_scale units
  A_u_long time_scale = 24;
};

// The steps. Effects and parameters are resolved to positions and stream
// indices while the file is read, against the stack as it stands at that step.
struct RenderStep {
  A_long first = 0;
  A_long last = 0;
};
struct SetStep {
  std::size_t effect = 0;
  std::size_t param = 0;
  StreamContent content;
};
struct ArmStep {
  bool on = true;
};
struct MoveStep {
  std::size_t from = 0;
  std::size_t to = 0;
};
struct AddStep {
  EffectSetup effect;
  std::size_t at = 0;
};
struct DeleteStep {
  std::size_t effect = 0;
};
struct RenameStep {
  std::size_t effect = 0;
  std::string to;
};
struct AddKeyframeStep {
  std::size_t effect = 0;
  std::size_t param = 0;
  KeyframeSetup keyframe;
};
struct DeleteKeyframeStep {
  std::size_t effect = 0;
  std::size_t param = 0;
  std::size_t key = 0;
};
struct FailStep {
  std::string function;
  A_long code = 0;
  std::size_t occurrence = 1;  // counted from this step on; 0: every call
};
struct StopFailingStep {};
struct ReadOnlyRenderStep {
  bool on = true;
};

using StepAction = std::variant<RenderStep, SetStep, ArmStep, MoveStep, AddStep, DeleteStep,
                                RenameStep, AddKeyframeStep, DeleteKeyframeStep, FailStep,
                                StopFailingStep, ReadOnlyRenderStep>;

struct Step {
  StepAction action;
  std::string text;  // how the timeline names the step
};

struct Scenario {
  std::string description;
  FrameRate frame_rate;
  std::vector<EffectSetup> effects;  // the other effects, top first, Tavrelio left out
  TavrelioSetup tavrelio;
  std::vector<Step> steps;
};

}  // namespace scenario

#include "scenario_runner/StackModel.h"

#include "scenario_runner/TavrelioControls.h"

namespace scenario {

namespace {

ModelStream InputLayer() { return ModelStream{"Input", ValueForm::None, false, {}}; }

std::vector<double> TimesOf(const StreamContent& content) {
  std::vector<double> times;
  for (const KeyframeSetup& key : content.keyframes) times.push_back(key.time);
  return times;
}

}  // namespace

void StackModel::AddEffect(const EffectSetup& setup, std::size_t at) {
  ModelEffect effect{setup.name, false, {InputLayer()}};
  for (const StreamSetup& param : setup.params) {
    effect.streams.push_back(
        ModelStream{param.name, FormOfKind(param.kind), param.can_vary, TimesOf(param.content)});
  }
  effects_.insert(effects_.begin() + static_cast<std::ptrdiff_t>(at), std::move(effect));
}

void StackModel::AddTavrelio(const TavrelioSetup& setup) {
  ModelEffect effect{setup.name, true, {InputLayer()}};
  for (const ControlInfo& control : kTavrelioControls) {
    effect.streams.push_back(
        ModelStream{std::string(control.name), control.form, control.can_vary, {}});
  }
  for (const ControlSetting& setting : setup.controls) {
    effect.streams.at(static_cast<std::size_t>(setting.index)).keyframe_times =
        TimesOf(setting.content);
  }
  effects_.insert(effects_.begin() + static_cast<std::ptrdiff_t>(setup.position),
                  std::move(effect));
}

std::size_t StackModel::ResolveEffect(const JsonNode& reference) const {
  if (reference.IsString()) {
    const std::string name = reference.String();
    for (std::size_t i = 0; i < effects_.size(); ++i) {
      if (effects_[i].name == name) return i;
    }
    reference.Fail("no effect is named \"" + name + "\" on the layer at this step");
  }
  if (!reference.IsNumber()) reference.Fail("expected an effect's name or position");
  const long long position = reference.IntegerAtLeast(0);
  if (static_cast<std::size_t>(position) >= effects_.size()) {
    reference.Fail("no effect at position " + std::to_string(position) + ": the layer has " +
                   std::to_string(effects_.size()) +
                   (effects_.size() == 1 ? " effect" : " effects") + " at this step");
  }
  return static_cast<std::size_t>(position);
}

std::size_t StackModel::ResolveParam(std::size_t effect, const JsonNode& reference) const {
  const ModelEffect& target = effects_.at(effect);
  if (reference.IsString()) {
    const std::string name = reference.String();
    for (std::size_t i = 0; i < target.streams.size(); ++i) {
      if (target.streams[i].name == name) return i;
    }
    reference.Fail("\"" + target.name + "\" has no parameter named \"" + name + "\"");
  }
  if (!reference.IsNumber()) reference.Fail("expected a parameter's name or stream index");
  const long long index = reference.IntegerAtLeast(0);
  if (static_cast<std::size_t>(index) >= target.streams.size()) {
    reference.Fail("\"" + target.name + "\" has no stream " + std::to_string(index) + " (it has " +
                   std::to_string(target.streams.size()) + ", counting its input layer)");
  }
  return static_cast<std::size_t>(index);
}

void StackModel::Move(std::size_t from, std::size_t to) {
  ModelEffect moved = std::move(effects_.at(from));
  effects_.erase(effects_.begin() + static_cast<std::ptrdiff_t>(from));
  effects_.insert(effects_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
}

void StackModel::Delete(std::size_t position) {
  effects_.erase(effects_.begin() + static_cast<std::ptrdiff_t>(position));
}

std::string StackModel::ParamText(std::size_t effect, std::size_t param) const {
  const ModelEffect& target = effects_.at(effect);
  const std::string param_name = "\"" + target.streams.at(param).name + "\"";
  if (target.is_tavrelio) return target.name + "'s " + param_name;
  return param_name + " of \"" + target.name + "\"";
}

}  // namespace scenario

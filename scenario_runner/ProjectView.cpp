#include "scenario_runner/ProjectView.h"

#include <stdexcept>

#include "scenario_runner/TavrelioControls.h"

namespace scenario {

namespace {

StreamView ViewOfStream(const standin::Stream& stream) {
  StreamView view{
      stream.name, FormOfKind(stream.kind), stream.can_vary, stream.hidden, stream.value,
      {},          stream.expression};
  for (const standin::Keyframe& key : stream.keyframes) {
    view.keyframes.push_back(KeyframeView{key.time, key.value});
  }
  return view;
}

}  // namespace

const EffectView* ProjectView::Find(std::uint64_t id) const {
  for (const EffectView& effect : effects) {
    if (effect.id == id) return &effect;
  }
  return nullptr;
}

std::optional<std::size_t> ProjectView::PositionOf(std::uint64_t id) const {
  for (std::size_t i = 0; i < effects.size(); ++i) {
    if (effects[i].id == id) return i;
  }
  return std::nullopt;
}

const EffectView& ProjectView::Tavrelio() const {
  for (const EffectView& effect : effects) {
    if (effect.is_tavrelio) return effect;
  }
  throw std::logic_error("the project holds no Tavrelio instance");
}

double ProjectView::Control(std::size_t index) const {
  return Tavrelio().streams.at(index).value[0];
}

ProjectView ViewOf(const standin::Project& project, std::uint64_t tavrelio_id) {
  ProjectView view;
  for (const standin::Effect& effect : project.layer.effects) {
    EffectView effect_view{effect.id, effect.name, effect.id == tavrelio_id, {}};
    for (const standin::Stream& stream : effect.streams) {
      effect_view.streams.push_back(ViewOfStream(stream));
    }
    if (effect_view.is_tavrelio) {
      // The host knows "ON" by an empty name and the controls by kinds that
      // say less than their use; name and show them as the scenario does.
      for (const ControlInfo& control : kTavrelioControls) {
        const auto index = static_cast<std::size_t>(control.index);
        if (index >= effect_view.streams.size()) continue;
        effect_view.streams[index].name = std::string(control.name);
        effect_view.streams[index].form = control.form;
      }
    }
    view.effects.push_back(std::move(effect_view));
  }
  return view;
}

}  // namespace scenario

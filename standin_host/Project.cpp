#include "standin_host/Project.h"

#include <algorithm>
#include <stdexcept>

namespace standin {

StreamNumbers Stream::PreExpressionValueAt(double seconds) const {
  if (keyframes.empty()) return value;
  if (seconds <= keyframes.front().time) return keyframes.front().value;
  if (seconds >= keyframes.back().time) return keyframes.back().value;
  for (std::size_t i = 1; i < keyframes.size(); ++i) {
    const Keyframe& before = keyframes[i - 1];
    const Keyframe& after = keyframes[i];
    if (seconds > after.time) continue;
    const double span = after.time - before.time;
    const double t = span > 0 ? (seconds - before.time) / span : 1.0;
    StreamNumbers mixed{};
    for (std::size_t k = 0; k < mixed.size(); ++k) {
      mixed[k] = before.value[k] + (after.value[k] - before.value[k]) * t;
    }
    return mixed;
  }
  return keyframes.back().value;
}

Stream MakeStream(std::string name, StreamKind kind, bool can_vary) {
  Stream stream;
  stream.name = std::move(name);
  stream.kind = kind;
  stream.can_vary = can_vary;
  return stream;
}

Effect& Project::AddEffect(std::string name, std::size_t position) {
  Effect effect;
  effect.id = next_id_++;
  effect.name = std::move(name);
  effect.streams.push_back(MakeStream("Input", StreamKind::Layer, false));
  position = std::min(position, layer.effects.size());
  return *layer.effects.insert(layer.effects.begin() + static_cast<std::ptrdiff_t>(position),
                               std::move(effect));
}

Effect* Project::FindEffect(std::uint64_t id) {
  const auto found = std::find_if(layer.effects.begin(), layer.effects.end(),
                                  [&](const Effect& effect) { return effect.id == id; });
  return found == layer.effects.end() ? nullptr : &*found;
}

std::optional<std::size_t> Project::PositionOf(std::uint64_t id) const {
  for (std::size_t i = 0; i < layer.effects.size(); ++i) {
    if (layer.effects[i].id == id) return i;
  }
  return std::nullopt;
}

void Project::MoveEffect(std::size_t from, std::size_t to) {
  if (from >= layer.effects.size() || to >= layer.effects.size()) {
    throw std::out_of_range("MoveEffect: position beyond the stack");
  }
  Effect moved = std::move(layer.effects[from]);
  layer.effects.erase(layer.effects.begin() + static_cast<std::ptrdiff_t>(from));
  layer.effects.insert(layer.effects.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
}

void Project::DeleteEffect(std::size_t position) {
  if (position >= layer.effects.size()) throw std::out_of_range("DeleteEffect: no such effect");
  layer.effects.erase(layer.effects.begin() + static_cast<std::ptrdiff_t>(position));
}

}  // namespace standin

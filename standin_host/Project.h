// The project the plug-in works on: one layer with an effect stack; each
// effect has parameter streams with a static value or keyframes, and an
// optional expression. Effects keep a stable id across reorders.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

enum class StreamKind { Layer, Slider, FloatSlider, Angle, Checkbox, Color, Point, Popup };

// A stream's numbers: one_d in [0]; a point's x, y in [0], [1]; a colour's
// alpha, red, green, blue in [0] to [3] (0 to 1), as the AEGP value records hold them.
using StreamNumbers = std::array<double, 4>;

struct Keyframe {
  double time = 0;  // seconds, layer time
  StreamNumbers value{};
};

// How the plug-in described one of its own parameters when it registered it.
struct ParamRegistration {
  PF_ParamDef definition{};  // as handed to add_param (pointers not to be followed)
  std::string name;
  std::string label;  // checkbox label
  std::string items;  // popup items
  PF_ParamIndex index_argument = 0;
};

struct Stream {
  std::string name;
  StreamKind kind = StreamKind::Slider;
  bool can_vary = true;
  bool hidden = false;
  StreamNumbers value{};            // the value when there are no keyframes
  std::vector<Keyframe> keyframes;  // sorted by time
  std::optional<std::string> expression;
  // What the expression yields when the evaluator cannot read it.
  std::optional<StreamNumbers> stated_expression_value;
  std::optional<ParamRegistration> registration;

  // The value at a time, before expressions: linear between keyframes,
  // held before the first and after the last.
  StreamNumbers PreExpressionValueAt(double seconds) const;
};

struct Effect {
  std::uint64_t id = 0;
  std::string name;
  std::vector<Stream> streams;  // stream 0 is the input layer
  bool is_plugin_instance = false;
};

struct Layer {
  std::vector<Effect> effects;  // in stack order, top first
};

class Project {
 public:
  Layer layer;

  // Adds an effect with an input-layer stream at `position` (end when out of range).
  Effect& AddEffect(std::string name, std::size_t position = SIZE_MAX);
  Effect* FindEffect(std::uint64_t id);
  std::optional<std::size_t> PositionOf(std::uint64_t id) const;
  Effect& EffectAt(std::size_t position) { return layer.effects.at(position); }
  void MoveEffect(std::size_t from, std::size_t to);
  void DeleteEffect(std::size_t position);

 private:
  std::uint64_t next_id_ = 1;
};

Stream MakeStream(std::string name, StreamKind kind, bool can_vary = true);

}  // namespace standin

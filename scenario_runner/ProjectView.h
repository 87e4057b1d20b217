// A copy of the project as it stands at one moment, in the terms the
// timeline speaks: Tavrelio's streams under its control names, every value
// with the form it is shown in. Two views taken around a frame tell what the
// frame changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scenario_runner/ValueForm.h"
#include "standin_host/Project.h"

namespace scenario {

struct KeyframeView {
  double time = 0;
  standin::StreamNumbers value{};
};

struct StreamView {
  std::string name;
  ValueForm form = ValueForm::Number;
  bool can_vary = true;
  bool hidden = false;
  standin::StreamNumbers value{};
  std::vector<KeyframeView> keyframes;
  std::optional<std::string> expression;
};

struct EffectView {
  std::uint64_t id = 0;
  std::string name;
  bool is_tavrelio = false;
  std::vector<StreamView> streams;  // stream 0 is the input layer
};

struct ProjectView {
  std::vector<EffectView> effects;  // top first

  const EffectView* Find(std::uint64_t id) const;
  std::optional<std::size_t> PositionOf(std::uint64_t id) const;
  const EffectView& Tavrelio() const;
  // A Tavrelio control's one value (the controls read here cannot vary).
  double Control(std::size_t index) const;
};

ProjectView ViewOf(const standin::Project& project, std::uint64_t tavrelio_id);

}  // namespace scenario

// The layer's effect stack as the steps leave it, kept while the file is read
// so that every step's effect, parameter and keyframe can be checked before
// anything is played. The plug-in never changes the stack, its names or its
// keyframe times, so this model stays true while the scenario plays.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scenario_runner/JsonNode.h"
#include "scenario_runner/Scenario.h"
#include "scenario_runner/ValueForm.h"

namespace scenario {

struct ModelStream {
  std::string name;
  ValueForm form = ValueForm::Number;
  bool can_vary = true;
  std::vector<double> keyframe_times;
};

struct ModelEffect {
  std::string name;
  bool is_tavrelio = false;
  std::vector<ModelStream> streams;  // stream 0 is the input layer
};

class StackModel {
 public:
  void AddEffect(const EffectSetup& setup, std::size_t at);
  void AddTavrelio(const TavrelioSetup& setup);

  // An effect by its name (the first one from the top) or its position.
  std::size_t ResolveEffect(const JsonNode& reference) const;
  // A parameter stream of that effect by its name or its index.
  std::size_t ResolveParam(std::size_t effect, const JsonNode& reference) const;

  const ModelEffect& At(std::size_t position) const { return effects_.at(position); }
  ModelEffect& At(std::size_t position) { return effects_.at(position); }
  std::size_t Size() const { return effects_.size(); }
  void Move(std::size_t from, std::size_t to);
  void Delete(std::size_t position);

  // "Gamma" of "Levels", or Tavrelio's "No".
  std::string ParamText(std::size_t effect, std::size_t param) const;

 private:
  std::vector<ModelEffect> effects_;
};

}  // namespace scenario

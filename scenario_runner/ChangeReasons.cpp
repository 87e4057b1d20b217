#include "scenario_runner/ChangeReasons.h"

#include "scenario_runner/TavrelioControls.h"
#include "scenario_runner/ValueText.h"

namespace scenario {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::optional<std::string> MemoOf(const ProjectView& view) {
  const auto& info = view.Tavrelio().streams.at(kControlInfo);
  if (!info.expression || info.expression->empty()) return std::nullopt;
  return info.expression;
}

bool HasEffectNamed(const ProjectView& view, const std::string& name) {
  for (const EffectView& effect : view.effects) {
    if (effect.name == name) return true;
  }
  return false;
}

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The effect "Effect" points at, when it points at one.
const EffectView* AddressedEffect(const ProjectView& view) {
  const double effect = view.Control(kControlEffect);
  if (effect < 0 || effect >= static_cast<double>(view.effects.size())) return nullptr;
  return &view.effects[static_cast<std::size_t>(effect)];
}

const StreamView* AddressedStream(const ProjectView& view) {
  const EffectView* effect = AddressedEffect(view);
  const double index = view.Control(kControlIndex);
  if (effect == nullptr || index < 0 || index >= static_cast<double>(effect->streams.size())) {
    return nullptr;
  }
  return &effect->streams[static_cast<std::size_t>(index)];
}

// What keeps the addressed parameter from taking a value, if anything.
std::optional<std::string> CannotTakeValue(const ProjectView& view) {
  const EffectView* effect = AddressedEffect(view);
  if (effect == nullptr) return std::nullopt;
  if (effect->streams.size() == 1) return Quoted(effect->name) + " has only its input layer";
  const StreamView* stream = AddressedStream(view);
  if (stream == nullptr) return std::nullopt;
  const std::string param = Quoted(stream->name) + " of " + Quoted(effect->name);
  if (!stream->can_vary) return param + " cannot vary over time";
  if (stream->keyframes.empty()) return param + " has no keyframes";
  return std::nullopt;
}

// "keyframes 0 to 2", or "only keyframe 0".
std::string Numbered(const std::string& what, std::size_t count) {
  if (count == 1) return "only " + what + " 0";
  return what + "s 0 to " + std::to_string(count - 1);
}

std::string BeyondStack(double effect, std::size_t count) {
  return "Effect " + NumberText(effect) + " is beyond the layer's " +
         Count(count, "effect", "effects") + " (" + Numbered("position", count) + ")";
}

}  // namespace

std::optional<std::string> NameInMemo(const std::string& memo) {
  constexpr std::string_view kEnd = "';1";
  if (memo.size() < 1 + kEnd.size() || memo.front() != '\'' || !memo.ends_with(kEnd)) {
    return std::nullopt;
  }
  return memo.substr(1, memo.size() - 1 - kEnd.size());
}

std::string CorrectionReason(const ProjectView& before, const ProjectView& after,
                             std::size_t control, double from) {
  const std::size_t effect_count = before.effects.size();
  if (control == kControlEffect) {
    if (from >= static_cast<double>(effect_count)) return BeyondStack(from, effect_count);
    return "not explained by the stack";
  }
  const EffectView* effect = AddressedEffect(after);
  if (effect == nullptr) return "not explained: \"Effect\" addresses no effect";
  if (control == kControlIndex) {
    const std::size_t streams = effect->streams.size();
    if (streams == 1) return Quoted(effect->name) + " has only its input layer (stream 0)";
    if (from >= static_cast<double>(streams)) {
      return Quoted(effect->name) + " has " + Numbered("stream", streams);
    }
    return "not explained by " + Quoted(effect->name) + "'s streams";
  }
  const StreamView* stream = AddressedStream(after);
  if (stream == nullptr) return "not explained: \"Index\" addresses no stream";
  const std::string param = Quoted(stream->name) + " of " + Quoted(effect->name);
  if (!stream->can_vary) return param + " cannot vary over time";
  if (stream->keyframes.empty()) return param + " has no keyframes";
  if (from >= static_cast<double>(stream->keyframes.size())) {
    return param + " has " + Numbered("keyframe", stream->keyframes.size());
  }
  return "not explained by " + param + "'s keyframes";
}

SwitchOffEvent SwitchOffReason(const ProjectView& before, const ProjectView& after) {
  const std::optional<std::string> memo = MemoOf(before);
  if (memo && !MemoOf(after)) {
    const std::string name = NameInMemo(*memo).value_or(*memo);
    if (!HasEffectNamed(after, name)) {
      return {"name not found", "no effect on the layer is named " + Quoted(name) + " any more"};
    }
  }
  const double effect = before.Control(kControlEffect);
  if (effect >= static_cast<double>(before.effects.size())) {
    return {memo ? "target gone" : "out of range", BeyondStack(effect, before.effects.size())};
  }
  if (const auto why = CannotTakeValue(after)) return {"cannot take value", *why};
  return {"reason not recognised", "nothing in the project explains it"};
}

}  // namespace scenario

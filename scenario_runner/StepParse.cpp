#include "scenario_runner/StepParse.h"

#include <algorithm>
#include <array>

#include "scenario_runner/StreamContentParse.h"
#include "scenario_runner/TavrelioControls.h"
#include "scenario_runner/ValueText.h"

namespace scenario {

namespace {

constexpr std::array<std::pair<std::string_view, StreamKind>, 8> kKindNames{{
    {"layer", StreamKind::Layer},
    {"slider", StreamKind::Slider},
    {"float_slider", StreamKind::FloatSlider},
    {"angle", StreamKind::Angle},
    {"checkbox", StreamKind::Checkbox},
    {"color", StreamKind::Color},
    {"point", StreamKind::Point},
    {"popup", StreamKind::Popup},
}};

StreamKind ParseKind(const JsonNode& node) {
  const std::string name = node.String();
  for (const auto& [known, kind] : kKindNames) {
    if (known == name) return kind;
  }
  std::string all;
  for (const auto& entry : kKindNames) {
    all += (all.empty() ? "\"" : ", \"") + std::string(entry.first) + "\"";
  }
  node.Fail("unknown kind \"" + name + "\" (expected one of " + all + ")");
}

StreamSetup ParseStreamSetup(const JsonNode& node) {
  node.ExpectObject();
  node.AllowOnly(
      {"name", "kind", "can_vary", "value", "keyframes", "expression", "expression_value"});
  StreamSetup setup;
  setup.name = node.Member("name").NonEmptyString();
  setup.kind = ParseKind(node.Member("kind"));
  setup.can_vary = setup.kind != StreamKind::Layer;
  if (const auto can_vary = node.OptionalMember("can_vary")) setup.can_vary = can_vary->Boolean();
  setup.content = ParseStreamContent(node, FormOfKind(setup.kind), setup.can_vary);
  return setup;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string EffectCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " effect" : " effects");
}

std::string KeyframesText(const std::vector<KeyframeSetup>& keyframes, ValueForm form) {
  std::string text;
  for (const KeyframeSetup& key : keyframes) {
    text += (text.empty() ? "" : ", ") + SecondsText(key.time) + ": " + ValueText(key.value, form);
  }
  return text;
}

std::string ContentText(const StreamContent& content, ValueForm form) {
  std::string text;
  if (content.value) text = "to " + ValueText(*content.value, form);
  if (!content.keyframes.empty()) text = "to keyframes " + KeyframesText(content.keyframes, form);
  if (content.expression) {
    text += (text.empty() ? "" : ", ") + (content.expression->empty()
                                              ? std::string("no expression")
                                              : "expression " + Quoted(*content.expression));
  }
  return text;
}

Step ParseRender(const JsonNode& node) {
  RenderStep render;
  if (node.IsArray()) {
    if (node.ArraySize() != 2) node.Fail("expected a frame or [first frame, last frame]");
    render.first = static_cast<A_long>(node.Item(0).IntegerAtLeast(0));
    render.last = static_cast<A_long>(node.Item(1).IntegerAtLeast(0));
    if (render.last < render.first) node.Item(1).Fail("expected a frame not before the first");
  } else {
    render.first = render.last = static_cast<A_long>(node.IntegerAtLeast(0));
  }
  const std::string text =
      render.first == render.last
          ? "render frame " + std::to_string(render.first)
          : "render frames " + std::to_string(render.first) + " to " + std::to_string(render.last);
  return Step{render, text};
}

Step ParseSet(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"effect", "param", "value", "keyframes", "expression", "expression_value"});
  const std::size_t effect = stack.ResolveEffect(node.Member("effect"));
  const std::size_t param = stack.ResolveParam(effect, node.Member("param"));
  ModelStream& stream = stack.At(effect).streams.at(param);
  SetStep set{effect, param, ParseStreamContent(node, stream.form, stream.can_vary)};
  const auto control = ControlNamed(stream.name);
  if (stack.At(effect).is_tavrelio && control && set.content.value) {
    CheckControlRange(node.Member("value"), *control, *set.content.value);
  }
  if (!set.content.value && set.content.keyframes.empty() && !set.content.expression) {
    node.Fail("expected \"value\", \"keyframes\" or \"expression\"");
  }
  if (set.content.value) stream.keyframe_times.clear();
  if (!set.content.keyframes.empty()) {
    stream.keyframe_times.clear();
    for (const KeyframeSetup& key : set.content.keyframes)
      stream.keyframe_times.push_back(key.time);
  }
  const std::string text =
      "set " + stack.ParamText(effect, param) + " " + ContentText(set.content, stream.form);
  return Step{std::move(set), text};
}

Step ParseMove(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"effect", "to"});
  const std::size_t from = stack.ResolveEffect(node.Member("effect"));
  const JsonNode to_node = node.Member("to");
  const auto to = static_cast<std::size_t>(to_node.IntegerAtLeast(0));
  if (to >= stack.Size()) {
    to_node.Fail("expected a position below " + std::to_string(stack.Size()) + " (the layer has " +
                 EffectCount(stack.Size()) + ")");
  }
  const std::string text = "move " + Quoted(stack.At(from).name) + " from position " +
                           std::to_string(from) + " to " + std::to_string(to);
  stack.Move(from, to);
  return Step{MoveStep{from, to}, text};
}

Step ParseAdd(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"name", "params", "at"});
  AddStep add{ParseEffectSetup(node), stack.Size()};
  if (const auto at = node.OptionalMember("at")) {
    add.at = static_cast<std::size_t>(at->IntegerAtLeast(0));
    if (add.at > stack.Size()) {
      at->Fail("expected a position up to " + std::to_string(stack.Size()) + " (the end)");
    }
  }
  const std::string text =
      "add effect " + Quoted(add.effect.name) + " at position " + std::to_string(add.at);
  stack.AddEffect(add.effect, add.at);
  return Step{std::move(add), text};
}

Step ParseDelete(const JsonNode& node, StackModel& stack) {
  const std::size_t effect = stack.ResolveEffect(node);
  if (stack.At(effect).is_tavrelio) {
    node.Fail("the Tavrelio instance the runner drives cannot be deleted");
  }
  const std::string text =
      "delete " + Quoted(stack.At(effect).name) + " (position " + std::to_string(effect) + ")";
  stack.Delete(effect);
  return Step{DeleteStep{effect}, text};
}

Step ParseRename(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"effect", "to"});
  const std::size_t effect = stack.ResolveEffect(node.Member("effect"));
  RenameStep rename{effect, node.Member("to").NonEmptyString()};
  const std::string text = "rename " + Quoted(stack.At(effect).name) + " (position " +
                           std::to_string(effect) + ") to " + Quoted(rename.to);
  stack.At(effect).name = rename.to;
  return Step{std::move(rename), text};
}

Step ParseAddKeyframe(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"effect", "param", "time", "value"});
  const std::size_t effect = stack.ResolveEffect(node.Member("effect"));
  const std::size_t param = stack.ResolveParam(effect, node.Member("param"));
  ModelStream& stream = stack.At(effect).streams.at(param);
  if (!stream.can_vary) node.Member("param").Fail("this parameter cannot vary over time");
  const KeyframeSetup keyframe{node.Member("time").Number(),
                               ParseValue(node.Member("value"), stream.form)};
  auto& times = stream.keyframe_times;
  if (std::find(times.begin(), times.end(), keyframe.time) != times.end()) {
    node.Member("time").Fail("a keyframe at " + SecondsText(keyframe.time) + " exists already");
  }
  times.insert(std::upper_bound(times.begin(), times.end(), keyframe.time), keyframe.time);
  const std::string text = "add a keyframe to " + stack.ParamText(effect, param) + " at " +
                           SecondsText(keyframe.time) + ": " +
                           ValueText(keyframe.value, stream.form);
  return Step{AddKeyframeStep{effect, param, keyframe}, text};
}

Step ParseDeleteKeyframe(const JsonNode& node, StackModel& stack) {
  node.AllowOnly({"effect", "param", "index"});
  const std::size_t effect = stack.ResolveEffect(node.Member("effect"));
  const std::size_t param = stack.ResolveParam(effect, node.Member("param"));
  auto& times = stack.At(effect).streams.at(param).keyframe_times;
  const JsonNode index_node = node.Member("index");
  const auto key = static_cast<std::size_t>(index_node.IntegerAtLeast(0));
  if (key >= times.size()) {
    index_node.Fail("no keyframe " + std::to_string(key) + ": the parameter has " +
                    std::to_string(times.size()) + " at this step");
  }
  const std::string text = "delete keyframe " + std::to_string(key) + " (" +
                           SecondsText(times[key]) + ") of " + stack.ParamText(effect, param);
  times.erase(times.begin() + static_cast<std::ptrdiff_t>(key));
  return Step{DeleteKeyframeStep{effect, param, key}, text};
}

Step ParseFail(const JsonNode& node) {
  node.AllowOnly({"function", "code", "call"});
  FailStep fail;
  fail.function = node.Member("function").NonEmptyString();
  fail.code = static_cast<A_long>(node.Member("code").IntegerAtLeast(1));
  std::string when = "at its next call";
  if (const auto call = node.OptionalMember("call")) {
    if (call->IsString() && call->String() == "every") {
      fail.occurrence = 0;
      when = "at every call";
    } else if (call->IsNumber()) {
      fail.occurrence = static_cast<std::size_t>(call->IntegerAtLeast(1));
      if (fail.occurrence > 1) when = "at its " + Ordinal(fail.occurrence) + " call from now";
    } else {
      call->Fail("expected a call number (1 for the next) or \"every\"");
    }
  }
  const std::string text = "make the host's " + fail.function + " fail with error " +
                           std::to_string(fail.code) + " " + when;
  return Step{std::move(fail), text};
}

Step ParseReadOnlyRender(const JsonNode& node) {
  const bool on = node.Boolean();
  return Step{ReadOnlyRenderStep{on},
              on ? "the host refuses project edits during render from now on"
                 : "the host allows project edits during render again"};
}

Step ParseWord(const JsonNode& node) {
  const std::string word = node.String();
  if (word == "arm") return Step{ArmStep{true}, "arm: tick \"ON\""};
  if (word == "disarm") return Step{ArmStep{false}, "disarm: untick \"ON\""};
  if (word == "stop_failing") return Step{StopFailingStep{}, "stop injecting host failures"};
  node.Fail("unknown step \"" + word +
            "\" (expected \"arm\", \"disarm\", \"stop_failing\" or an "
            "object such as {\"render\": [0, 3]})");
}

}  // namespace

EffectSetup ParseEffectSetup(const JsonNode& node) {
  EffectSetup setup;
  setup.name = node.Member("name").NonEmptyString();
  if (const auto params = node.OptionalMember("params")) {
    const std::size_t count = params->ArraySize();
    for (std::size_t i = 0; i < count; ++i)
      setup.params.push_back(ParseStreamSetup(params->Item(i)));
  }
  return setup;
}

Step ParseStep(const JsonNode& node, StackModel& stack) {
  if (node.IsString()) return ParseWord(node);
  if (!node.IsObject() || node.Raw().size() != 1) {
    node.Fail(
        "expected one action: \"arm\", \"disarm\", \"stop_failing\", or an object with one "
        "of \"render\", \"set\", \"move\", \"add\", \"delete\", \"rename\", "
        "\"add_keyframe\", \"delete_keyframe\", \"fail\", \"read_only_render\"");
  }
  const std::string action = node.Raw().begin().key();
  const JsonNode body = node.Member(action);
  if (action == "render") return ParseRender(body);
  if (action == "read_only_render") return ParseReadOnlyRender(body);
  if (action == "delete") return ParseDelete(body, stack);
  if (action == "fail") {
    body.ExpectObject();
    return ParseFail(body);
  }
  body.ExpectObject();
  if (action == "set") return ParseSet(body, stack);
  if (action == "move") return ParseMove(body, stack);
  if (action == "add") return ParseAdd(body, stack);
  if (action == "rename") return ParseRename(body, stack);
  if (action == "add_keyframe") return ParseAddKeyframe(body, stack);
  if (action == "delete_keyframe") return ParseDeleteKeyframe(body, stack);
  node.Fail("unknown action \"" + action + "\"");
}

}  // namespace scenario

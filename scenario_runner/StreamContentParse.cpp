#include "scenario_runner/StreamContentParse.h"

#include <string>

namespace scenario {

namespace {

constexpr std::string_view kContentKeys[] = {"value", "keyframes", "expression",
                                             "expression_value"};

double TypeChoiceOf(const JsonNode& node) {
  if (node.IsString()) {
    const std::string name = node.String();
    for (std::size_t i = 0; i < kTypeNames.size(); ++i) {
      if (kTypeNames[i] == name) return static_cast<double>(i + 1);
    }
    node.Fail("expected " + DescribeForm(ValueForm::TypeChoice) + ", found \"" + name + "\"");
  }
  if (!node.IsNumber()) node.Fail("expected " + DescribeForm(ValueForm::TypeChoice));
  return static_cast<double>(node.Integer());
}

StreamNumbers ColourOf(const JsonNode& node) {
  if (!node.IsObject()) node.Fail("expected " + DescribeForm(ValueForm::Colour));
  node.AllowOnly({"alpha", "red", "green", "blue"});
  return {node.Member("alpha").Number(), node.Member("red").Number(), node.Member("green").Number(),
          node.Member("blue").Number()};
}

StreamNumbers PointOf(const JsonNode& node) {
  if (!node.IsArray() || node.ArraySize() != 2) {
    node.Fail("expected " + DescribeForm(ValueForm::Point));
  }
  return {node.Item(0).Number(), node.Item(1).Number()};
}

std::vector<KeyframeSetup> KeyframesOf(const JsonNode& node, ValueForm form) {
  const std::size_t count = node.ArraySize();
  if (count == 0) node.Fail("expected at least one keyframe");
  std::vector<KeyframeSetup> keyframes;
  for (std::size_t i = 0; i < count; ++i) {
    const JsonNode item = node.Item(i);
    keyframes.push_back(ParseKeyframe(item, form));
    // The host keeps keyframes sorted by time, one per time.
    if (i > 0 && keyframes[i].time <= keyframes[i - 1].time) {
      item.Member("time").Fail("expected a time later than the keyframe before");
    }
  }
  return keyframes;
}

}  // namespace

StreamNumbers ParseValue(const JsonNode& node, ValueForm form) {
  switch (form) {
    case ValueForm::None:
      node.Fail("this parameter is an input layer and holds no value");
    case ValueForm::Number:
      return {node.Number()};
    case ValueForm::WholeNumber:
      return {static_cast<double>(node.Integer())};
    case ValueForm::Boolean:
      return {node.Boolean() ? 1.0 : 0.0};
    case ValueForm::TypeChoice:
      return {TypeChoiceOf(node)};
    case ValueForm::Colour:
      return ColourOf(node);
    case ValueForm::Point:
      return PointOf(node);
  }
  return {};
}

KeyframeSetup ParseKeyframe(const JsonNode& node, ValueForm form) {
  node.ExpectObject();
  node.AllowOnly({"time", "value"});
  return KeyframeSetup{node.Member("time").Number(), ParseValue(node.Member("value"), form)};
}

StreamContent ParseStreamContent(const JsonNode& node, ValueForm form, bool can_vary) {
  StreamContent content;
  if (const auto value = node.OptionalMember("value")) content.value = ParseValue(*value, form);
  if (const auto keyframes = node.OptionalMember("keyframes")) {
    if (content.value) keyframes->Fail("give either \"value\" or \"keyframes\", not both");
    if (!can_vary) keyframes->Fail("this parameter cannot vary over time, so it has no keyframes");
    content.keyframes = KeyframesOf(*keyframes, form);
  }
  if (const auto expression = node.OptionalMember("expression")) {
    content.expression = expression->String();
  }
  if (const auto stated = node.OptionalMember("expression_value")) {
    if (!content.expression) stated->Fail("\"expression_value\" needs an \"expression\"");
    content.expression_value = ParseValue(*stated, form);
  }
  return content;
}

StreamContent ParseControlSetting(const JsonNode& node, const ControlInfo& control) {
  bool is_content = node.IsObject();
  if (is_content) {
    is_content = false;
    for (const std::string_view key : kContentKeys) is_content = is_content || node.Has(key);
  }
  StreamContent content;
  if (is_content) {
    node.AllowOnly({"value", "keyframes", "expression", "expression_value"});
    content = ParseStreamContent(node, control.form, control.can_vary);
  } else {
    content.value = ParseValue(node, control.form);
  }
  if (content.value) {
    CheckControlRange(is_content ? node.Member("value") : node, control, *content.value);
  }
  return content;
}

void CheckControlRange(const JsonNode& node, const ControlInfo& control,
                       const StreamNumbers& numbers) {
  if (!control.range) return;
  const double value = numbers[0];
  if (value < static_cast<double>(control.range->minimum) ||
      value > static_cast<double>(control.range->maximum)) {
    node.Fail("\"" + std::string(control.name) + "\" takes " +
              std::to_string(control.range->minimum) + " to " +
              std::to_string(control.range->maximum) + ", not " +
              std::to_string(static_cast<long long>(value)));
  }
}

}  // namespace scenario

#include "scenario_runner/ScenarioFile.h"

#include <fstream>
#include <sstream>

#include "scenario_runner/JsonNode.h"
#include "scenario_runner/StackModel.h"
#include "scenario_runner/StepParse.h"
#include "scenario_runner/StreamContentParse.h"
#include "scenario_runner/TavrelioControls.h"

namespace scenario {

namespace {

FrameRate ParseFrameRate(const JsonNode& node) {
  if (node.IsNumber()) {
    return FrameRate{1, static_cast<A_u_long>(node.IntegerAtLeast(1))};
  }
  if (!node.IsObject()) {
    node.Fail("expected frames per second, or {\"time_scale\": 30000, \"frame_duration\": 1001}");
  }
  node.AllowOnly({"time_scale", "frame_duration"});
  return FrameRate{static_cast<A_long>(node.Member("frame_duration").IntegerAtLeast(1)),
                   static_cast<A_u_long>(node.Member("time_scale").IntegerAtLeast(1))};
}

TavrelioSetup ParseTavrelio(const JsonNode& entry, std::size_t position) {
  entry.AllowOnly({"tavrelio", "name"});
  TavrelioSetup setup;
  setup.position = position;
  if (const auto name = entry.OptionalMember("name")) setup.name = name->NonEmptyString();
  const JsonNode controls = entry.Member("tavrelio");
  controls.ExpectObject();
  for (const auto& [key, value] : controls.Raw().items()) {
    const auto control = ControlNamed(key);
    if (!control) {
      std::string known;
      for (const ControlInfo& info : kTavrelioControls) {
        known += (known.empty() ? "\"" : ", \"") + std::string(info.name) + "\"";
      }
      controls.Fail("unknown control \"" + key + "\" (expected one of " + known + ")");
    }
    setup.controls.push_back(
        ControlSetting{control->index, ParseControlSetting(controls.Member(key), *control)});
  }
  return setup;
}

Scenario ParseDocument(const JsonNode& root) {
  root.ExpectObject();
  root.AllowOnly({"description", "frame_rate", "effects", "steps"});
  Scenario scenario;
  if (const auto description = root.OptionalMember("description")) {
    scenario.description = description->String();
  }
  if (const auto rate = root.OptionalMember("frame_rate"))
    scenario.frame_rate = ParseFrameRate(*rate);

  const JsonNode effects = root.Member("effects");
  bool tavrelio_seen = false;
  for (std::size_t i = 0; i < effects.ArraySize(); ++i) {
    const JsonNode entry = effects.Item(i);
    entry.ExpectObject();
    if (entry.Has("tavrelio")) {
      if (tavrelio_seen) entry.Fail("only one Tavrelio instance is driven; this is a second");
      scenario.tavrelio = ParseTavrelio(entry, i);
      tavrelio_seen = true;
    } else {
      entry.AllowOnly({"name", "params"});
      scenario.effects.push_back(ParseEffectSetup(entry));
    }
  }
  if (!tavrelio_seen) effects.Fail("expected one entry {\"tavrelio\": {...controls}}");

  StackModel stack;
  for (std::size_t i = 0; i < scenario.effects.size(); ++i) stack.AddEffect(scenario.effects[i], i);
  stack.AddTavrelio(scenario.tavrelio);

  if (const auto steps = root.OptionalMember("steps")) {
    for (std::size_t i = 0; i < steps->ArraySize(); ++i) {
      scenario.steps.push_back(ParseStep(steps->Item(i), stack));
    }
  }
  return scenario;
}

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string WithoutExceptionTag(const std::string& message) {
  const auto end = message.find("] ");
  return message.starts_with("[json.exception") && end != std::string::npos
             ? message.substr(end + 2)
             : message;
}

}  // namespace

Scenario ParseScenarioText(std::string_view text) {
  Json document;
  try {
    document = Json::parse(text);
  } catch (const Json::parse_error& error) {
    throw ScenarioError("", "not valid JSON: " + WithoutExceptionTag(error.what()));
  }
  return ParseDocument(JsonNode(document, "$"));
}

Scenario LoadScenarioFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ScenarioFileError(path + ": cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  try {
    return ParseScenarioText(text.str());
  } catch (const ScenarioError& error) {
    throw ScenarioFileError(path + ": " + error.what());
  }
}

}  // namespace scenario

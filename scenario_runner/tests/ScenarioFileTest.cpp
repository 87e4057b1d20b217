// The scenario reader: every malformed file is refused with the JSON path of
// the fault, including faults only the stack as earlier steps leave it shows.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "scenario_runner/ScenarioFile.h"

namespace scenario {
namespace {

// A small valid layer: "Levels" with a keyframed "Gamma", then Tavrelio.
std::string WithSteps(const std::string& steps) {
  return R"({"effects": [
    {"name": "Levels", "params": [{"name": "Gamma", "kind": "float_slider",
      "keyframes": [{"time": 0, "value": 1}, {"time": 1, "value": 2}]}]},
    {"tavrelio": {"Effect": 0, "Index": 1}}
  ], "steps": )" +
         steps + "}";
}

std::string WithEffects(const std::string& effects) { return R"({"effects": )" + effects + "}"; }

struct Malformed {
  const char* what;
  std::string text;
  std::string message;
};

void PrintTo(const Malformed& malformed, std::ostream* out) { *out << malformed.what; }

class MalformedScenario : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedScenario, IsRefusedWithItsPath) {
  try {
    ParseScenarioText(GetParam().text);
    FAIL() << "accepted: " << GetParam().text;
  } catch (const ScenarioError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

const std::string kTavrelio = R"({"tavrelio": {}})";

std::string CaseName(const ::testing::TestParamInfo<Malformed>& info) {
  std::string name;
  for (const char c : std::string(info.param.what)) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    Document, MalformedScenario,
    ::testing::Values(
        Malformed{"no effects", "{}", "$: missing \"effects\""},
        Malformed{"misspelt key", R"({"effects": [], "step": []})",
                  "$: unknown key \"step\" (expected one of \"description\", \"frame_rate\", "
                  "\"effects\", \"steps\")"},
        Malformed{"no Tavrelio", WithEffects("[]"),
                  "$.effects: expected one entry {\"tavrelio\": {...controls}}"},
        Malformed{"two Tavrelios", WithEffects("[" + kTavrelio + ", " + kTavrelio + "]"),
                  "$.effects[1]: only one Tavrelio instance is driven; this is a second"},
        Malformed{"keyframe time as text",
                  WithEffects(R"([{"name": "A", "params": [{"name": "P", "kind": "slider",
                      "keyframes": [{"time": "0", "value": 1}]}]}, {"tavrelio": {}}])"),
                  "$.effects[0].params[0].keyframes[0].time: expected a number, found a string"},
        Malformed{"keyframes out of order",
                  WithEffects(R"([{"name": "A", "params": [{"name": "P", "kind": "slider",
                      "keyframes": [{"time": 1, "value": 1}, {"time": 1, "value": 2}]}]},
                      {"tavrelio": {}}])"),
                  "$.effects[0].params[0].keyframes[1].time: expected a time later than the "
                  "keyframe before"},
        Malformed{"unknown kind",
                  WithEffects(R"([{"name": "A", "params": [{"name": "P", "kind": "dial"}]},
                      {"tavrelio": {}}])"),
                  "$.effects[0].params[0].kind: unknown kind \"dial\" (expected one of \"layer\", "
                  "\"slider\", \"float_slider\", \"angle\", \"checkbox\", \"color\", \"point\", "
                  "\"popup\")"},
        Malformed{"colour without blue",
                  WithEffects(R"([{"name": "A", "params": [{"name": "P", "kind": "color",
                      "value": {"alpha": 1, "red": 1, "green": 1}}]}, {"tavrelio": {}}])"),
                  "$.effects[0].params[0].value: missing \"blue\""},
        Malformed{"point of three numbers", WithEffects(R"([{"tavrelio": {"Point": [1, 2, 3]}}])"),
                  "$.effects[0].tavrelio.Point: expected a point [x, y]"},
        Malformed{"unknown control", WithEffects(R"([{"tavrelio": {"Effects": 1}}])"),
                  "$.effects[0].tavrelio: unknown control \"Effects\" (expected one of \"Effect\", "
                  "\"Index\", \"No\", \"Type\", \"Slider\", \"Angle\", \"Checkbox\", \"Color\", "
                  "\"Point\", \"ON\", \"Info\")"},
        Malformed{"unknown Type", WithEffects(R"([{"tavrelio": {"Type": "Colour"}}])"),
                  "$.effects[0].tavrelio.Type: expected one of \"Slider\", \"Angle\", "
                  "\"Checkbox\", \"Color\", \"Point\" or a whole number, found \"Colour\""},
        Malformed{"fractional No", WithEffects(R"([{"tavrelio": {"No": 1.5}}])"),
                  "$.effects[0].tavrelio.No: expected a whole number, found 1.5"},
        Malformed{"Effect beyond what a user can type",
                  WithEffects(R"([{"tavrelio": {"Effect": {"value": 10001}}}])"),
                  "$.effects[0].tavrelio.Effect.value: \"Effect\" takes 0 to 10000, not 10001"},
        Malformed{
            "keyframes on a control that cannot vary",
            WithEffects(R"([{"tavrelio": {"No": {"keyframes": [{"time": 0, "value": 1}]}}}])"),
            "$.effects[0].tavrelio.No.keyframes: this parameter cannot vary over time, so "
            "it has no keyframes"},
        Malformed{"ON as a number", WithEffects(R"([{"tavrelio": {"ON": 1}}])"),
                  "$.effects[0].tavrelio.ON: expected true or false, found an integer"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Steps, MalformedScenario,
    ::testing::Values(
        Malformed{"unknown word", WithSteps(R"(["arm", "fire"])"),
                  "$.steps[1]: unknown step \"fire\" (expected \"arm\", \"disarm\", "
                  "\"stop_failing\" or an object such as {\"render\": [0, 3]})"},
        Malformed{"two actions in one step", WithSteps(R"([{"render": 0, "move": {}}])"),
                  "$.steps[0]: expected one action: \"arm\", \"disarm\", \"stop_failing\", or an "
                  "object with one of \"render\", \"set\", \"move\", \"add\", \"delete\", "
                  "\"rename\", \"add_keyframe\", \"delete_keyframe\", \"fail\", "
                  "\"read_only_render\""},
        Malformed{"frames backwards", WithSteps(R"([{"render": [3, 1]}])"),
                  "$.steps[0].render[1]: expected a frame not before the first"},
        Malformed{"old name after a rename",
                  WithSteps(R"([{"rename": {"effect": "Levels", "to": "Curves"}},
                                {"move": {"effect": "Levels", "to": 1}}])"),
                  "$.steps[1].move.effect: no effect is named \"Levels\" on the layer at this "
                  "step"},
        Malformed{"position beyond a stack that shrank",
                  WithSteps(R"([{"delete": "Levels"}, {"move": {"effect": 0, "to": 1}}])"),
                  "$.steps[1].move.to: expected a position below 1 (the layer has 1 effect)"},
        Malformed{"deleting Tavrelio", WithSteps(R"([{"delete": 1}])"),
                  "$.steps[0].delete: the Tavrelio instance the runner drives cannot be deleted"},
        Malformed{"a keyframe deleted twice", WithSteps(R"([
                {"delete_keyframe": {"effect": "Levels", "param": "Gamma", "index": 1}},
                {"delete_keyframe": {"effect": "Levels", "param": "Gamma", "index": 1}}])"),
                  "$.steps[1].delete_keyframe.index: no keyframe 1: the parameter has 1 at this "
                  "step"},
        Malformed{"keyframes cleared by a static value", WithSteps(R"([
                      {"set": {"effect": "Levels", "param": "Gamma", "value": 3}},
                      {"delete_keyframe": {"effect": "Levels", "param": 1, "index": 0}}])"),
                  "$.steps[1].delete_keyframe.index: no keyframe 0: the parameter has 0 at this "
                  "step"},
        Malformed{"a keyframe where one exists",
                  WithSteps(R"([{"add_keyframe": {"effect": "Levels", "param": "Gamma",
                                                  "time": 1, "value": 5}}])"),
                  "$.steps[0].add_keyframe.time: a keyframe at 1 s exists already"},
        Malformed{"unknown parameter", WithSteps(R"([{"set": {"effect": 0, "param": "Gama",
                                                             "value": 1}}])"),
                  "$.steps[0].set.param: \"Levels\" has no parameter named \"Gama\""},
        Malformed{"a control value of the wrong form",
                  WithSteps(R"([{"set": {"effect": "Tavrelio", "param": "Type", "value": true}}])"),
                  "$.steps[0].set.value: expected one of \"Slider\", \"Angle\", \"Checkbox\", "
                  "\"Color\", \"Point\" or a whole number"},
        Malformed{"a set with nothing to set",
                  WithSteps(R"([{"set": {"effect": "Tavrelio", "param": "No"}}])"),
                  "$.steps[0].set: expected \"value\", \"keyframes\" or \"expression\""},
        Malformed{"a failure at call 0",
                  WithSteps(R"([{"fail": {"function": "AEGP_SetKeyframeValue", "code": 3,
                                          "call": 0}}])"),
                  "$.steps[0].fail.call: expected a whole number of at least 1, found 0"}),
    CaseName);

TEST(MalformedScenario, BrokenJsonNamesWhereTheParserStopped) {
  try {
    ParseScenarioText("{\"effects\": [\n  {\"name\": }\n]}");
    FAIL() << "accepted broken JSON";
  } catch (const ScenarioError& error) {
    EXPECT_TRUE(error.Where().empty());
    EXPECT_EQ(
        std::string(error.what()).rfind("not valid JSON: parse error at line 2, column 12", 0), 0u)
        << error.what();
  }
}

// Steps name effects as the stack stands at that step; what is played are
// the positions that this resolves to.
TEST(ScenarioSteps, ResolveNamesAgainstTheStackAsEarlierStepsLeaveIt) {
  const Scenario scenario = ParseScenarioText(WithSteps(R"([
      {"add": {"name": "Blur", "at": 0}},
      {"move": {"effect": "Levels", "to": 2}},
      {"rename": {"effect": "Levels", "to": "Blur"}},
      {"delete": "Blur"},
      {"set": {"effect": "Blur", "param": "Gamma", "value": 4}}
  ])"));
  ASSERT_EQ(scenario.steps.size(), 5u);
  EXPECT_EQ(std::get<AddStep>(scenario.steps[0].action).at, 0u);
  const auto move = std::get<MoveStep>(scenario.steps[1].action);
  EXPECT_EQ(move.from, 1u);
  EXPECT_EQ(move.to, 2u);
  // Two effects are named "Blur" now; the one nearer the top is taken.
  EXPECT_EQ(std::get<DeleteStep>(scenario.steps[3].action).effect, 0u);
  const auto set = std::get<SetStep>(scenario.steps[4].action);
  EXPECT_EQ(set.effect, 1u);
  EXPECT_EQ(set.param, 1u);
  EXPECT_EQ(scenario.steps[4].text, "set \"Gamma\" of \"Blur\" to 4");
}

}  // namespace
}  // namespace scenario

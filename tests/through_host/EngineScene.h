// A layer for the keyframe engine's stories, built in a few lines: effects
// with named parameter streams and keyframes around one applied Tavrelio,
// and the readings the stories check (own parameters, the memo, keyframes,
// where the pass wrote).
#pragma once

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "PluginFixture.h"
#include "host/HostConstants.h"

namespace tavrelio_test {

// Tavrelio's own parameters, by index.
enum OwnParam : PF_ParamIndex {
  kEffect = 1,
  kIndex = 2,
  kNo = 3,
  kType = 4,
  kSlider = 5,
  kAngle = 6,
  kCheckbox = 7,
  kColor = 8,
  kPoint = 9,
  kOn = 10,
  kInfo = 11,
};

// Values of "Type".
enum ValueType : A_long {
  kTypeSlider = 1,
  kTypeAngle = 2,
  kTypeCheckbox = 3,
  kTypeColor = 4,
  kTypePoint = 5,
};

inline standin::Stream Keyed(std::string name, std::vector<standin::Keyframe> keys,
                             standin::StreamKind kind = standin::StreamKind::FloatSlider) {
  standin::Stream stream = standin::MakeStream(std::move(name), kind);
  stream.keyframes = std::move(keys);
  return stream;
}

// A parameter that can be animated but has no keyframes.
inline standin::Stream Unkeyed(std::string name) {
  return standin::MakeStream(std::move(name), standin::StreamKind::FloatSlider);
}

// A parameter that cannot be animated at all.
inline standin::Stream Still(std::string name) {
  return standin::MakeStream(std::move(name), standin::StreamKind::Popup, false);
}

// Keyframes at whole seconds 0, 1, 2, ... holding these one-number values.
inline std::vector<standin::Keyframe> KeysOf(std::vector<double> values) {
  std::vector<standin::Keyframe> keys;
  for (std::size_t i = 0; i < values.size(); ++i) {
    keys.push_back({static_cast<double>(i), standin::StreamNumbers{values[i]}});
  }
  return keys;
}

// The text between the first pair of double quotes of a logged call's arguments.
inline std::string FirstQuoted(const std::string& args) {
  const auto open = args.find('"');
  const auto close = args.find('"', open + 1);
  if (open == std::string::npos || close == std::string::npos) return {};
  return args.substr(open + 1, close - open - 1);
}

class EngineTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    StartScene();
  }

  // Starts over: a layer holding only a freshly applied Tavrelio, no fault
  // armed, edits allowed.
  void StartScene() {
    if (tavrelio_ != nullptr) tavrelio_->Remove();
    host_.Faults().Clear();
    host_.refuse_edits_during_render = false;
    host_.TheProject().layer.effects.clear();
    host_.info_panel.clear();
    tavrelio_ = NewInstance();
    ASSERT_EQ(tavrelio_->Apply(), 0);
  }

  // Adds an effect with these parameters (after its input layer) at a
  // position, by default just above Tavrelio. Gives the effect's id.
  std::uint64_t AddEffect(std::string name, std::vector<standin::Stream> params,
                          std::optional<std::size_t> position = std::nullopt) {
    const std::size_t at = position.value_or(Position(tavrelio_->EffectId()));
    standin::Effect& effect = host_.TheProject().AddEffect(std::move(name), at);
    for (auto& param : params) effect.streams.push_back(std::move(param));
    return effect.id;
  }

  // Sets the addressing controls and ticks "ON".
  void Arm(A_long effect, A_long index, A_long no, A_long type = kTypeSlider) {
    SetAddress(effect, index, no, type);
    tavrelio_->SetParam(kOn, 1);
  }
  void SetAddress(A_long effect, A_long index, A_long no, A_long type = kTypeSlider) {
    tavrelio_->SetParam(kEffect, effect);
    tavrelio_->SetParam(kIndex, index);
    tavrelio_->SetParam(kNo, no);
    tavrelio_->SetParam(kType, type);
  }

  // Pre-renders the frame at this time (in the clock's 24ths of a second).
  PF_Err PlayFrame(A_long time = 0) {
    tavrelio_->clock.time = time;
    return tavrelio_->PreRender();
  }

  standin::Effect& EffectById(std::uint64_t id) {
    standin::Effect* effect = host_.TheProject().FindEffect(id);
    if (effect == nullptr) throw std::logic_error("no effect with this id");
    return *effect;
  }
  std::size_t Position(std::uint64_t id) {
    const auto position = host_.TheProject().PositionOf(id);
    if (!position) throw std::logic_error("no effect with this id");
    return *position;
  }
  standin::Stream& StreamOf(std::uint64_t id, std::size_t param) {
    return EffectById(id).streams.at(param);
  }
  standin::StreamNumbers KeyValue(std::uint64_t id, std::size_t param, std::size_t key) {
    return StreamOf(id, param).keyframes.at(key).value;
  }

  // A control of Tavrelio as it now stands in the project.
  A_long Own(OwnParam param) { return static_cast<A_long>(tavrelio_->ParamValue(param)[0]); }
  standin::Stream& OwnStream(OwnParam param) {
    return StreamOf(tavrelio_->EffectId(), static_cast<std::size_t>(param));
  }
  // The memo: the expression on "Info", none when there is no expression.
  std::optional<std::string> Memo() { return OwnStream(kInfo).expression; }

  // Where the last command stored parameter values, in order ("<effect>/<param>").
  std::vector<std::string> StreamWrites() { return WritesOf("AEGP_SetStreamValue"); }
  // Where the last command stored keyframe values, in order.
  std::vector<std::string> KeyframeWrites() { return WritesOf("AEGP_SetKeyframeValue"); }
  // The expression texts the last command set.
  std::vector<std::string> ExpressionsSet() { return WritesOf("AEGP_SetExpression"); }

  // Everything of the layer the pass could edit, as text, to compare states.
  std::string LayerSnapshot() {
    std::ostringstream text;
    for (const standin::Effect& effect : host_.TheProject().layer.effects) {
      text << effect.name << "{";
      for (const standin::Stream& stream : effect.streams) {
        text << stream.name << "=" << Numbers(stream.value);
        for (const auto& key : stream.keyframes) text << "@" << key.time << Numbers(key.value);
        if (stream.expression) text << "expr'" << *stream.expression << "'";
        text << ";";
      }
      text << "}";
    }
    return text.str();
  }

  std::unique_ptr<standin::EffectInstance> tavrelio_;

 private:
  std::vector<std::string> WritesOf(const char* function) {
    std::vector<std::string> places;
    for (const auto& call : host_.Log().CurrentCommandCalls()) {
      if (call.function == function) places.push_back(FirstQuoted(call.args));
    }
    return places;
  }
  static std::string Numbers(const standin::StreamNumbers& numbers) {
    std::ostringstream text;
    text << "(" << numbers[0] << "," << numbers[1] << "," << numbers[2] << "," << numbers[3] << ")";
    return text.str();
  }
};

}  // namespace tavrelio_test

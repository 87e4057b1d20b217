#include "scenario_runner/TimelineJson.h"

#include <cmath>

#include "scenario_runner/TavrelioControls.h"

namespace scenario {

namespace {

using OJson = nlohmann::ordered_json;

OJson WholeOrNumber(double value) {
  if (std::trunc(value) == value && std::abs(value) < 1e15) return static_cast<long long>(value);
  return value;
}

// A value in the form a scenario file writes it.
OJson ValueJson(const standin::StreamNumbers& value, ValueForm form) {
  switch (form) {
    case ValueForm::None:
      return nullptr;
    case ValueForm::Number:
      return value[0];
    case ValueForm::WholeNumber:
      return WholeOrNumber(value[0]);
    case ValueForm::Boolean:
      if (value[0] == 0 || value[0] == 1) return value[0] == 1;
      return value[0];
    case ValueForm::TypeChoice: {
      const double type = value[0];
      for (std::size_t i = 0; i < kTypeNames.size(); ++i) {
        if (type == static_cast<double>(i + 1)) return std::string(kTypeNames[i]);
      }
      return type;
    }
    case ValueForm::Colour:
      return OJson{{"alpha", value[0]}, {"red", value[1]}, {"green", value[2]}, {"blue", value[3]}};
    case ValueForm::Point:
      return OJson::array({value[0], value[1]});
  }
  return value[0];
}

OJson StreamJson(std::size_t index, const StreamView& stream) {
  OJson json{{"stream", index}, {"name", stream.name}};
  if (stream.keyframes.empty()) {
    json["value"] = ValueJson(stream.value, stream.form);
  } else {
    OJson keyframes = OJson::array();
    for (const KeyframeView& key : stream.keyframes) {
      keyframes.push_back(OJson{{"time", key.time}, {"value", ValueJson(key.value, stream.form)}});
    }
    json["keyframes"] = std::move(keyframes);
  }
  if (stream.expression) json["expression"] = *stream.expression;
  return json;
}

OJson LayerJson(const ProjectView& layer) {
  OJson effects = OJson::array();
  for (std::size_t i = 0; i < layer.effects.size(); ++i) {
    const EffectView& effect = layer.effects[i];
    OJson params = OJson::array();
    for (std::size_t s = 1; s < effect.streams.size(); ++s) {
      params.push_back(StreamJson(s, effect.streams[s]));
    }
    effects.push_back(OJson{{"position", i},
                            {"name", effect.name},
                            {"tavrelio", effect.is_tavrelio},
                            {"params", std::move(params)}});
  }
  return effects;
}

OJson AddressJson(const KeyframeAddress& address) {
  return OJson{{"effect", address.effect}, {"position", address.position},
               {"stream", address.stream}, {"param", address.param},
               {"keyframe", address.key},  {"time", address.time}};
}

OJson Json(const FollowEvent& e) {
  return OJson{{"event", "followed"},
               {"target", e.target},
               {"from", WholeOrNumber(e.from)},
               {"to", WholeOrNumber(e.to)}};
}
OJson Json(const CorrectionEvent& e) {
  return OJson{{"event", "corrected"},
               {"control", e.control},
               {"from", WholeOrNumber(e.from)},
               {"to", WholeOrNumber(e.to)},
               {"why", e.why}};
}
OJson Json(const SwitchOffEvent& e) {
  return OJson{{"event", "switched_off"}, {"reason", e.reason}, {"detail", e.detail}};
}
OJson Json(const MemoEvent& e) {
  return OJson{{"event", e.written ? "memo_written" : "memo_cleared"}, {"memo", e.text}};
}
OJson Json(const InfoPanelEvent& e) {
  return OJson{{"event", "info_panel"}, {"lines", OJson::array({e.first_line, e.second_line})}};
}
OJson Json(const TransferEvent& e) {
  return OJson{{"event", "transfer"},
               {"source", e.source},
               {"target", AddressJson(e.target)},
               {"before", ValueJson(e.before, e.target.form)},
               {"after", ValueJson(e.after, e.target.form)}};
}
OJson Json(const CommandEvent& e) {
  OJson failed = OJson::array();
  for (const FailedHostCall& call : e.failed_calls) {
    failed.push_back(OJson{{"function", call.function}, {"code", call.code}});
  }
  return OJson{{"event", "command"},
               {"command", e.command},
               {"result", e.result},
               {"failed_host_calls", std::move(failed)}};
}
OJson Json(const StackEvent& e) { return OJson{{"event", "stack"}, {"effects", e.names}}; }
OJson Json(const VisibilityEvent& e) {
  return OJson{{"event", "visibility"}, {"shown", e.shown}, {"hidden", e.hidden}};
}
OJson Json(const UnexpectedEvent& e) { return OJson{{"event", "unexpected"}, {"what", e.what}}; }

OJson EventsJson(const std::vector<Event>& events) {
  OJson json = OJson::array();
  for (const Event& event : events) {
    json.push_back(std::visit([](const auto& e) { return Json(e); }, event));
  }
  return json;
}

OJson StepJson(const StepRecord& step) {
  OJson frames = OJson::array();
  for (const FrameRecord& frame : step.frames) {
    frames.push_back(OJson{
        {"frame", frame.frame}, {"time", frame.seconds}, {"events", EventsJson(frame.events)}});
  }
  return OJson{{"step", step.number},
               {"action", step.text},
               {"events", EventsJson(step.events)},
               {"frames", std::move(frames)}};
}

OJson LeaksJson(const LeakReport& leaks) {
  OJson suites = OJson::array();
  for (const auto& [suite, held] : leaks.suites_held) {
    suites.push_back(OJson{{"suite", suite}, {"held", held}});
  }
  return OJson{{"none", leaks.None()},
               {"effects", leaks.references.effects},
               {"streams", leaks.references.streams},
               {"stream_values", leaks.references.values},
               {"memory_handles", leaks.references.memory},
               {"host_handles", leaks.handles},
               {"suites_held", std::move(suites)}};
}

}  // namespace

nlohmann::ordered_json TimelineJson(const Timeline& timeline) {
  OJson steps = OJson::array();
  for (const StepRecord& step : timeline.steps) steps.push_back(StepJson(step));
  OJson keyframes = OJson::array();
  for (const FinalKeyframe& keyframe : timeline.final_keyframes) {
    OJson entry = AddressJson(keyframe.address);
    if (keyframe.gone) {
      entry["gone"] = *keyframe.gone;
    } else {
      entry["value"] = ValueJson(keyframe.value, keyframe.address.form);
    }
    keyframes.push_back(std::move(entry));
  }
  return OJson{
      {"scenario", timeline.scenario_name},
      {"description", timeline.description},
      {"frame_rate",
       {{"time_scale", timeline.frame_rate.time_scale},
        {"frame_duration", timeline.frame_rate.frame_duration}}},
      {"layer", LayerJson(timeline.initial_layer)},
      {"setup", {{"failed", timeline.setup_failed}, {"events", EventsJson(timeline.setup_events)}}},
      {"steps", std::move(steps)},
      {"teardown", EventsJson(timeline.teardown_events)},
      {"keyframes_written", std::move(keyframes)},
      {"unfired_failures", timeline.unfired_failures},
      {"leaks", LeaksJson(timeline.leaks)},
      {"host_misuse", timeline.host_violations},
  };
}

}  // namespace scenario

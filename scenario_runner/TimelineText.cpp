#include "scenario_runner/TimelineText.h"

#include "scenario_runner/EventText.h"
#include "scenario_runner/TavrelioControls.h"
#include "scenario_runner/ValueText.h"

namespace scenario {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string RateText(const FrameRate& rate) {
  if (rate.frame_duration == 1) return std::to_string(rate.time_scale) + " frames per second";
  return NumberText(static_cast<double>(rate.time_scale) / rate.frame_duration) +
         " frames per second (" + std::to_string(rate.frame_duration) + "/" +
         std::to_string(rate.time_scale) + " s each)";
}

std::string ContentText(const StreamView& stream) {
  std::string text;
  if (stream.keyframes.empty()) {
    text = ValueText(stream.value, stream.form);
  } else {
    text = "keyframes";
    for (std::size_t i = 0; i < stream.keyframes.size(); ++i) {
      text += (i == 0 ? " " : ", ") + SecondsText(stream.keyframes[i].time) + ": " +
              ValueText(stream.keyframes[i].value, stream.form);
    }
  }
  if (stream.expression) text += ", expression " + Quoted(*stream.expression);
  return text;
}

void PrintTavrelio(const EffectView& effect, const std::string& indent, std::ostream& out) {
  const auto control = [&](PF_ParamIndex index) -> const StreamView& {
    return effect.streams.at(static_cast<std::size_t>(index));
  };
  out << "Effect " << ContentText(control(kControlEffect)) << ", Index "
      << ContentText(control(kControlIndex)) << ", No " << ContentText(control(kControlNo))
      << ", Type " << ContentText(control(kControlType)) << ", ON "
      << ContentText(control(kControlOn)) << "\n";
  const double type = control(kControlType).value[0];
  if (type >= 1 && type <= static_cast<double>(kTypeNames.size())) {
    const auto source = static_cast<PF_ParamIndex>(type) + 4;
    out << indent << Quoted(control(source).name) << " " << ContentText(control(source)) << "\n";
  }
  if (control(kControlInfo).expression) {
    out << indent << "memo " << *control(kControlInfo).expression << "\n";
  }
}

void PrintLayer(const ProjectView& layer, std::ostream& out) {
  out << "Layer, top first:\n";
  std::size_t width = 0;
  for (const EffectView& effect : layer.effects) width = std::max(width, effect.name.size() + 2);
  for (std::size_t i = 0; i < layer.effects.size(); ++i) {
    const EffectView& effect = layer.effects[i];
    std::string head = "  " + std::to_string(i) + "  " + Quoted(effect.name);
    const std::string indent(4 + std::to_string(i).size() + width + 2, ' ');
    head.resize(indent.size(), ' ');
    out << head;
    if (effect.is_tavrelio) {
      PrintTavrelio(effect, indent, out);
      continue;
    }
    if (effect.streams.size() == 1) out << "(no parameters)\n";
    for (std::size_t s = 1; s < effect.streams.size(); ++s) {
      out << (s == 1 ? "" : indent) << "[" << s << "] " << Quoted(effect.streams[s].name) << " "
          << ContentText(effect.streams[s]) << "\n";
    }
  }
}

void PrintEvents(const std::vector<Event>& events, const std::string& indent, std::ostream& out) {
  for (const Event& event : events) out << indent << EventText(event) << "\n";
}

std::string LeakText(const LeakReport& leaks) {
  if (leaks.None()) return "no host references leaked";
  const auto count = [](std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  const standin::LiveReferences& refs = leaks.references;
  std::string text = "host references leaked: " + count(refs.effects, "effect") + ", " +
                     count(refs.streams, "stream") + ", " + count(refs.values, "stream value") +
                     ", " + count(refs.memory, "memory handle") + ", " +
                     count(leaks.handles, "host handle");
  for (const auto& [suite, held] : leaks.suites_held) {
    text +=
        "; suite " + Quoted(suite) + " still held " + count(static_cast<std::size_t>(held), "time");
  }
  return text;
}

}  // namespace

void PrintTimelineText(const Timeline& timeline, std::ostream& out) {
  out << "Scenario " << timeline.scenario_name << "\n";
  if (!timeline.description.empty()) out << timeline.description << "\n";
  out << RateText(timeline.frame_rate) << "\n\n";
  PrintLayer(timeline.initial_layer, out);
  out << (timeline.setup_failed ? "Applying failed:\n"
                                : "Applied: global, parameter and sequence setup.\n");
  PrintEvents(timeline.setup_events, "  ", out);
  if (timeline.setup_failed) out << "Setup failed, so no step was played.\n";

  for (const StepRecord& step : timeline.steps) {
    out << "\nStep " << step.number << ": " << step.text << "\n";
    PrintEvents(step.events, "  ", out);
    for (const FrameRecord& frame : step.frames) {
      out << "  frame " << frame.frame << " at " << SecondsText(frame.seconds)
          << (frame.events.empty() ? ": nothing changed" : "") << "\n";
      PrintEvents(frame.events, "    ", out);
    }
  }

  out << "\nRemoved the effect";
  if (timeline.teardown_events.empty()) {
    out << ": sequence and global set-down.\n";
  } else {
    out << ":\n";
    PrintEvents(timeline.teardown_events, "  ", out);
  }
  if (timeline.final_keyframes.empty()) {
    out << "No keyframe was written.\n";
  } else {
    out << "Keyframes written, as they end:\n";
    for (const FinalKeyframe& keyframe : timeline.final_keyframes) {
      out << "  " << AddressText(keyframe.address) << ": "
          << (keyframe.gone ? "gone, " + *keyframe.gone
                            : ValueText(keyframe.value, keyframe.address.form))
          << "\n";
    }
  }
  for (const std::string& note : timeline.unfired_failures) out << "Note: " << note << "\n";
  for (const std::string& misuse : timeline.host_violations)
    out << "HOST MISUSE: " << misuse << "\n";
  out << LeakText(timeline.leaks) << "\n";
}

}  // namespace scenario

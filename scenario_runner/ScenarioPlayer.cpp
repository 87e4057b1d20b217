#include "scenario_runner/ScenarioPlayer.h"

#include <algorithm>
#include <memory>
#include <span>
#include <tuple>
#include <type_traits>
#include <variant>

#include "host/HostConstants.h"
#include "scenario_runner/FrameChanges.h"
#include "scenario_runner/TavrelioControls.h"
#include "standin_host/EffectInstance.h"
#include "standin_host/StandInHost.h"

namespace scenario {

namespace {

using standin::EffectInstance;
using KeyframeKey = std::tuple<std::uint64_t, std::size_t, std::size_t>;

void ApplyContent(standin::Stream& stream, const StreamContent& content) {
  if (content.value) {
    stream.value = *content.value;
    stream.keyframes.clear();
  }
  if (!content.keyframes.empty()) {
    stream.keyframes.clear();
    for (const KeyframeSetup& key : content.keyframes) {
      stream.keyframes.push_back(standin::Keyframe{key.time, key.value});
    }
  }
  if (content.expression) {
    // The empty text removes an expression, as in the host.
    stream.expression = content.expression->empty() ? std::nullopt : content.expression;
    stream.stated_expression_value = content.expression_value;
  }
}

void AddEffectTo(standin::Project& project, const EffectSetup& setup, std::size_t at) {
  standin::Effect& effect = project.AddEffect(setup.name, at);
  for (const StreamSetup& param : setup.params) {
    standin::Stream stream = standin::MakeStream(param.name, param.kind, param.can_vary);
    ApplyContent(stream, param.content);
    effect.streams.push_back(std::move(stream));
  }
}

// The value controls and "Info", whose visibility the UI update manages.
constexpr PF_ParamIndex kManagedControls[] = {5, 6, 7, 8, 9, kControlInfo};

std::optional<VisibilityEvent> VisibilityChange(const ProjectView& before,
                                                const ProjectView& after) {
  bool changed = false;
  VisibilityEvent event;
  for (const PF_ParamIndex index : kManagedControls) {
    const auto stream = static_cast<std::size_t>(index);
    const StreamView& now = after.Tavrelio().streams.at(stream);
    changed = changed || now.hidden != before.Tavrelio().streams.at(stream).hidden;
    (now.hidden ? event.hidden : event.shown).push_back(now.name);
  }
  if (!changed) return std::nullopt;
  return event;
}

// A failure the scenario injected, kept to tell whether it ever happened.
struct InjectedFailure {
  std::size_t step = 0;
  FailStep fail;
  std::size_t log_from = 0;
  std::optional<std::size_t> log_to;  // set when "stop_failing" took it back
};

class Player {
 public:
  Player(const Scenario& scenario, const standin::PluginLibrary& plugin)
      : scenario_(scenario), plugin_(plugin) {}

  Timeline Play(const std::string& name) {
    timeline_.scenario_name = name;
    timeline_.description = scenario_.description;
    timeline_.frame_rate = scenario_.frame_rate;
    BuildLayer();
    SetUp();
    timeline_.initial_layer = View();
    if (!timeline_.setup_failed) {
      for (std::size_t i = 0; i < scenario_.steps.size(); ++i) {
        StepRecord record{i + 1, scenario_.steps[i].text, {}, {}};
        PlayStep(scenario_.steps[i].action, record);
        timeline_.steps.push_back(std::move(record));
      }
    }
    Finish();
    return std::move(timeline_);
  }

 private:
  ProjectView View() { return ViewOf(host_.TheProject(), instance_->EffectId()); }

  // Reports a command that failed, or during which host calls failed.
  void Report(const char* command, PF_Err result, std::vector<Event>& events) {
    CommandEvent event{command, result, {}};
    for (const standin::HostCall& call : host_.Log().CurrentCommandCalls()) {
      if (call.result && *call.result != 0) {
        event.failed_calls.push_back(FailedHostCall{call.function, *call.result});
      }
    }
    if (result != 0 || !event.failed_calls.empty()) events.push_back(std::move(event));
  }

  void BuildLayer() {
    std::size_t other = 0;
    const std::size_t total = scenario_.effects.size() + 1;
    for (std::size_t position = 0; position < total; ++position) {
      if (position == scenario_.tavrelio.position) {
        instance_ = std::make_unique<EffectInstance>(host_, plugin_, scenario_.tavrelio.name);
      } else {
        AddEffectTo(host_.TheProject(), scenario_.effects[other++], position);
      }
    }
  }

  void SetUp() {
    auto& events = timeline_.setup_events;
    const auto step = [&](const char* command, PF_Err result) {
      Report(command, result, events);
      if (result != 0) timeline_.setup_failed = true;
      return result == 0;
    };
    if (!step("GLOBAL_SETUP", instance_->GlobalSetup())) return;
    if (!step("PARAMS_SETUP", instance_->ParamsSetup())) return;
    if (!step("SEQUENCE_SETUP", instance_->SequenceSetup())) return;
    standin::Effect& own = instance_->AsEffect();
    for (const ControlSetting& setting : scenario_.tavrelio.controls) {
      ApplyContent(own.streams.at(static_cast<std::size_t>(setting.index)), setting.content);
    }
    // The host brings the controls' UI up to date once the effect is applied.
    UpdateUi(events);
  }

  void SetClock(A_long frame) {
    const FrameRate& rate = scenario_.frame_rate;
    instance_->clock =
        standin::FrameClock{frame * rate.frame_duration, rate.frame_duration, rate.time_scale};
  }

  // The host tells the effect of a change only for a supervised control, and
  // updates the controls' UI only when the effect asked for it at global setup.
  void ControlChanged(PF_ParamIndex index, std::vector<Event>& events) {
    const auto& registration =
        instance_->AsEffect().streams.at(static_cast<std::size_t>(index)).registration;
    if (registration && (registration->definition.flags & PF_ParamFlag_SUPERVISE) != 0) {
      const PF_Err result = instance_->UserChangedParam(index);
      Report("USER_CHANGED_PARAM", result, events);
      if (result != 0) return;
    }
    UpdateUi(events);
  }

  void UpdateUi(std::vector<Event>& events) {
    if ((instance_->announced_out_flags & PF_OutFlag_SEND_UPDATE_PARAMS_UI) == 0) return;
    const ProjectView before = View();
    Report("UPDATE_PARAMS_UI", instance_->UpdateParamsUI(), events);
    if (auto visibility = VisibilityChange(before, View())) events.push_back(*visibility);
  }

  void RememberWrites(const ProjectView& after, std::span<const standin::KeyframeWrite> writes) {
    for (const standin::KeyframeWrite& write : writes) {
      const KeyframeKey key{write.effect_id, write.param, static_cast<std::size_t>(write.key)};
      const auto found = std::find_if(written_.begin(), written_.end(),
                                      [&](const auto& entry) { return entry.first == key; });
      const KeyframeAddress address =
          AddressOf(after, write.effect_id, write.param, static_cast<std::size_t>(write.key));
      if (found == written_.end()) {
        written_.emplace_back(key, address);
      } else {
        found->second = address;
      }
    }
  }

  void Render(const RenderStep& render, StepRecord& record) {
    for (A_long frame = render.first; frame <= render.last; ++frame) {
      SetClock(frame);
      const ProjectView before = View();
      const std::size_t writes_from = host_.keyframe_writes.size();
      const std::size_t info_from = host_.info_panel.size();
      std::vector<Event> commands;
      PF_Err result = instance_->PreRender();
      Report("SMART_PRE_RENDER", result, commands);
      // The host renders only a frame whose pre-render succeeded.
      if (result == 0) {
        result = instance_->Render();
        Report("SMART_RENDER", result, commands);
      }
      const ProjectView after = View();
      const std::span writes(
          host_.keyframe_writes.begin() + static_cast<std::ptrdiff_t>(writes_from),
          host_.keyframe_writes.end());
      const std::span info(host_.info_panel.begin() + static_cast<std::ptrdiff_t>(info_from),
                           host_.info_panel.end());
      FrameRecord frame_record{frame, instance_->clock.Seconds(),
                               FrameChanges(FrameActivity{before, after, writes, info})};
      frame_record.events.insert(frame_record.events.end(), commands.begin(), commands.end());
      RememberWrites(after, writes);
      record.frames.push_back(std::move(frame_record));
    }
  }

  void StackChanged(std::vector<Event>& events) {
    StackEvent stack;
    for (const standin::Effect& effect : host_.TheProject().layer.effects) {
      stack.names.push_back(effect.name);
    }
    stack.tavrelio_position = host_.TheProject().PositionOf(instance_->EffectId()).value_or(0);
    events.push_back(std::move(stack));
  }

  standin::Stream& StreamAt(std::size_t effect, std::size_t param) {
    return host_.TheProject().EffectAt(effect).streams.at(param);
  }

  bool IsTavrelio(std::size_t effect) {
    return host_.TheProject().EffectAt(effect).id == instance_->EffectId();
  }

  void PlayStep(const StepAction& action, StepRecord& record) {
    standin::Project& project = host_.TheProject();
    auto& events = record.events;
    std::visit(
        [&](const auto& step) {
          using T = std::decay_t<decltype(step)>;
          if constexpr (std::is_same_v<T, RenderStep>) {
            Render(step, record);
          } else if constexpr (std::is_same_v<T, SetStep>) {
            ApplyContent(StreamAt(step.effect, step.param), step.content);
            if (IsTavrelio(step.effect))
              ControlChanged(static_cast<PF_ParamIndex>(step.param), events);
          } else if constexpr (std::is_same_v<T, ArmStep>) {
            instance_->SetParam(kControlOn, step.on ? 1.0 : 0.0);
            ControlChanged(kControlOn, events);
          } else if constexpr (std::is_same_v<T, MoveStep>) {
            project.MoveEffect(step.from, step.to);
            StackChanged(events);
          } else if constexpr (std::is_same_v<T, AddStep>) {
            AddEffectTo(project, step.effect, step.at);
            StackChanged(events);
          } else if constexpr (std::is_same_v<T, DeleteStep>) {
            project.DeleteEffect(step.effect);
            StackChanged(events);
          } else if constexpr (std::is_same_v<T, RenameStep>) {
            project.EffectAt(step.effect).name = step.to;
            StackChanged(events);
          } else if constexpr (std::is_same_v<T, AddKeyframeStep>) {
            auto& keyframes = StreamAt(step.effect, step.param).keyframes;
            const auto later =
                std::find_if(keyframes.begin(), keyframes.end(),
                             [&](const auto& key) { return key.time > step.keyframe.time; });
            keyframes.insert(later, standin::Keyframe{step.keyframe.time, step.keyframe.value});
          } else if constexpr (std::is_same_v<T, DeleteKeyframeStep>) {
            auto& keyframes = StreamAt(step.effect, step.param).keyframes;
            keyframes.erase(keyframes.begin() + static_cast<std::ptrdiff_t>(step.key));
          } else if constexpr (std::is_same_v<T, FailStep>) {
            host_.Faults().FailFunction(step.function, step.code, step.occurrence);
            failures_.push_back(
                InjectedFailure{record.number, step, host_.Log().Calls().size(), {}});
          } else if constexpr (std::is_same_v<T, StopFailingStep>) {
            host_.Faults().Clear();
            for (InjectedFailure& failure : failures_) {
              if (!failure.log_to) failure.log_to = host_.Log().Calls().size();
            }
          } else if constexpr (std::is_same_v<T, ReadOnlyRenderStep>) {
            host_.refuse_edits_during_render = step.on;
          }
        },
        action);
  }

  void TearDown() {
    auto& events = timeline_.teardown_events;
    // The host lets go of a record whose frame it never rendered.
    instance_->DeletePendingRecord();
    if (instance_->sequence_data != nullptr) {
      Report("SEQUENCE_SETDOWN", instance_->SequenceSetdown(), events);
    }
    Report("GLOBAL_SETDOWN", instance_->GlobalSetdown(), events);
  }

  void FinalKeyframes() {
    const ProjectView last = View();
    for (const auto& [key, address] : written_) {
      const auto& [id, stream, index] = key;
      const EffectView* effect = last.Find(id);
      if (effect == nullptr) {
        timeline_.final_keyframes.push_back(FinalKeyframe{address, "its effect was deleted", {}});
      } else if (index >= effect->streams.at(stream).keyframes.size()) {
        timeline_.final_keyframes.push_back(FinalKeyframe{address, "the keyframe was deleted", {}});
      } else {
        timeline_.final_keyframes.push_back(
            FinalKeyframe{AddressOf(last, id, stream, index), std::nullopt,
                          effect->streams[stream].keyframes[index].value});
      }
    }
  }

  void UnfiredFailures() {
    const auto& calls = host_.Log().Calls();
    for (const InjectedFailure& failure : failures_) {
      const std::size_t to = failure.log_to.value_or(calls.size());
      const auto count = static_cast<std::size_t>(std::count_if(
          calls.begin() + static_cast<std::ptrdiff_t>(failure.log_from),
          calls.begin() + static_cast<std::ptrdiff_t>(to),
          [&](const standin::HostCall& call) { return call.function == failure.fail.function; }));
      const std::size_t needed = std::max<std::size_t>(failure.fail.occurrence, 1);
      if (count < needed) {
        timeline_.unfired_failures.push_back(
            "the failure injected at step " + std::to_string(failure.step) +
            " never happened: " + failure.fail.function + " was called " + std::to_string(count) +
            " time" + (count == 1 ? "" : "s") + " after it");
      }
    }
  }

  void Finish() {
    FinalKeyframes();
    TearDown();
    UnfiredFailures();
    LeakReport& leaks = timeline_.leaks;
    leaks.references = host_.Refs().Live();
    leaks.handles = host_.Handles().LiveCount();
    for (const auto& [name, version] : host_.Suites().HeldSuites()) {
      leaks.suites_held.emplace_back(name + " " + std::to_string(version),
                                     host_.Suites().Held(name, version));
    }
    timeline_.host_violations = host_.AllViolations();
  }

  const Scenario& scenario_;
  const standin::PluginLibrary& plugin_;
  standin::StandInHost host_;
  std::unique_ptr<EffectInstance> instance_;
  Timeline timeline_;
  std::vector<std::pair<KeyframeKey, KeyframeAddress>> written_;
  std::vector<InjectedFailure> failures_;
};

}  // namespace

Timeline PlayScenario(const Scenario& scenario, const std::string& scenario_name,
                      const standin::PluginLibrary& plugin) {
  Player player(scenario, plugin);
  return player.Play(scenario_name);
}

}  // namespace scenario

#include "scenario_runner/FrameChanges.h"

#include <set>
#include <tuple>

#include "scenario_runner/ChangeReasons.h"
#include "scenario_runner/TavrelioControls.h"
#include "scenario_runner/ValueText.h"

namespace scenario {

namespace {

// Tavrelio's controls whose changes have their own events.
constexpr std::size_t kAddressControls[] = {kControlEffect, kControlIndex, kControlNo};

using WrittenKeys = std::set<std::tuple<std::uint64_t, std::size_t, std::size_t>>;

std::string StackText(const ProjectView& view) {
  std::string text;
  for (const EffectView& effect : view.effects) text += (text.empty() ? "" : ", ") + effect.name;
  return text;
}

bool SameStack(const ProjectView& before, const ProjectView& after) {
  if (before.effects.size() != after.effects.size()) return false;
  for (std::size_t i = 0; i < before.effects.size(); ++i) {
    const EffectView& was = before.effects[i];
    const EffectView& now = after.effects[i];
    if (was.id != now.id || was.name != now.name || was.streams.size() != now.streams.size()) {
      return false;
    }
  }
  return true;
}

void AddressChanges(const FrameActivity& activity, std::vector<Event>& events) {
  const ProjectView& before = activity.before;
  const ProjectView& after = activity.after;
  const auto& memo = before.Tavrelio().streams.at(kControlInfo).expression;
  for (const std::size_t control : kAddressControls) {
    const double from = before.Control(control);
    const double to = after.Control(control);
    if (from == to) continue;
    if (control == kControlEffect && memo) {
      const auto name = NameInMemo(*memo);
      const auto target = static_cast<std::size_t>(to);
      if (name && target < after.effects.size() && after.effects[target].name == *name) {
        events.push_back(FollowEvent{*name, from, to});
        continue;
      }
    }
    events.push_back(CorrectionEvent{std::string(ControlName(static_cast<PF_ParamIndex>(control))),
                                     from, to, CorrectionReason(before, after, control, from)});
  }
}

void OnChange(const FrameActivity& activity, std::vector<Event>& events) {
  const double from = activity.before.Control(kControlOn);
  const double to = activity.after.Control(kControlOn);
  if (from == to) return;
  if (to == 0) {
    events.push_back(SwitchOffReason(activity.before, activity.after));
  } else {
    events.push_back(UnexpectedEvent{"\"ON\" went from " + NumberText(from) + " to " +
                                     NumberText(to) + " during the frame"});
  }
}

void MemoChange(const FrameActivity& activity, std::vector<Event>& events) {
  const auto& from = activity.before.Tavrelio().streams.at(kControlInfo).expression;
  const auto& to = activity.after.Tavrelio().streams.at(kControlInfo).expression;
  if (from == to) return;
  if (to) {
    events.push_back(MemoEvent{true, *to});
  } else {
    events.push_back(MemoEvent{false, *from});
  }
}

void Transfers(const FrameActivity& activity, std::vector<Event>& events, WrittenKeys& written) {
  const double type = activity.after.Control(kControlType);
  const std::string source = ValueText({type}, ValueForm::TypeChoice);
  for (const standin::KeyframeWrite& write : activity.keyframe_writes) {
    const auto key = static_cast<std::size_t>(write.key);
    TransferEvent transfer{
        source, AddressOf(activity.after, write.effect_id, write.param, key), {}, write.value};
    if (const EffectView* effect = activity.before.Find(write.effect_id)) {
      transfer.before = effect->streams.at(write.param).keyframes.at(key).value;
    }
    written.insert({write.effect_id, write.param, key});
    events.push_back(transfer);
  }
}

bool IsReported(const EffectView& effect, std::size_t stream) {
  if (!effect.is_tavrelio) return false;
  return stream == kControlEffect || stream == kControlIndex || stream == kControlNo ||
         stream == kControlOn || stream == kControlInfo;
}

// Every other difference: none is expected of a frame.
void OtherChanges(const FrameActivity& activity, const WrittenKeys& written,
                  std::vector<Event>& events) {
  const ProjectView& before = activity.before;
  const ProjectView& after = activity.after;
  if (!SameStack(before, after)) {
    events.push_back(
        UnexpectedEvent{"the stack changed from " + StackText(before) + " to " + StackText(after)});
    return;
  }
  for (std::size_t e = 0; e < after.effects.size(); ++e) {
    const EffectView& was = before.effects[e];
    const EffectView& now = after.effects[e];
    for (std::size_t s = 0; s < now.streams.size() && s < was.streams.size(); ++s) {
      const StreamView& old_stream = was.streams[s];
      const StreamView& new_stream = now.streams[s];
      const std::string where = "\"" + new_stream.name + "\" of \"" + now.name + "\"";
      if (IsReported(now, s)) continue;
      if (old_stream.value != new_stream.value) {
        events.push_back(UnexpectedEvent{where + " changed its value from " +
                                         ValueText(old_stream.value, old_stream.form) + " to " +
                                         ValueText(new_stream.value, new_stream.form)});
      }
      if (old_stream.expression != new_stream.expression) {
        events.push_back(UnexpectedEvent{where + " changed its expression"});
      }
      if (old_stream.hidden != new_stream.hidden) {
        events.push_back(
            UnexpectedEvent{where + (new_stream.hidden ? " was hidden" : " was shown")});
      }
      if (old_stream.keyframes.size() != new_stream.keyframes.size()) {
        events.push_back(
            UnexpectedEvent{where + " went from " + std::to_string(old_stream.keyframes.size()) +
                            " to " + std::to_string(new_stream.keyframes.size()) + " keyframes"});
        continue;
      }
      for (std::size_t k = 0; k < new_stream.keyframes.size(); ++k) {
        const bool moved = old_stream.keyframes[k].time != new_stream.keyframes[k].time;
        const bool changed = old_stream.keyframes[k].value != new_stream.keyframes[k].value;
        if (moved || (changed && !written.contains({now.id, s, k}))) {
          events.push_back(UnexpectedEvent{where + " keyframe " + std::to_string(k) +
                                           " changed without a keyframe write"});
        }
      }
    }
  }
}

}  // namespace

KeyframeAddress AddressOf(const ProjectView& view, std::uint64_t id, std::size_t stream,
                          std::size_t key) {
  KeyframeAddress address;
  address.stream = stream;
  address.key = key;
  const auto position = view.PositionOf(id);
  if (!position) return address;
  const EffectView& effect = view.effects[*position];
  address.effect = effect.name;
  address.position = *position;
  if (stream < effect.streams.size()) {
    const StreamView& target = effect.streams[stream];
    address.param = target.name;
    address.form = target.form;
    if (key < target.keyframes.size()) address.time = target.keyframes[key].time;
  }
  return address;
}

std::vector<Event> FrameChanges(const FrameActivity& activity) {
  // In the order the plug-in edits the project: memo, write-backs, transfer.
  std::vector<Event> events;
  MemoChange(activity, events);
  for (const auto& [first, second] : activity.info_panel_lines) {
    events.push_back(InfoPanelEvent{first, second});
  }
  AddressChanges(activity, events);
  OnChange(activity, events);
  WrittenKeys written;
  Transfers(activity, events, written);
  OtherChanges(activity, written, events);
  return events;
}

}  // namespace scenario

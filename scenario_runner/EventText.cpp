#include "scenario_runner/EventText.h"

#include "scenario_runner/ErrorNames.h"
#include "scenario_runner/ValueText.h"

namespace scenario {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Text(const FollowEvent& event) {
  return "followed " + Quoted(event.target) + " to position " + NumberText(event.to) + ": Effect " +
         NumberText(event.from) + " -> " + NumberText(event.to);
}

std::string Text(const CorrectionEvent& event) {
  return "corrected " + event.control + " " + NumberText(event.from) + " -> " +
         NumberText(event.to) + ": " + event.why;
}

std::string Text(const SwitchOffEvent& event) {
  return "switched \"ON\" off (" + event.reason + "): " + event.detail;
}

std::string Text(const MemoEvent& event) {
  return event.written ? "memo written: " + event.text : "memo cleared (was " + event.text + ")";
}

std::string Text(const InfoPanelEvent& event) {
  return "info panel: " + event.first_line + " / " + event.second_line;
}

std::string Text(const TransferEvent& event) {
  const KeyframeAddress& target = event.target;
  std::string text = "transfer " + event.source + " -> " + AddressText(target) + ": ";
  const std::string after = ValueText(event.after, target.form);
  if (event.before == event.after) return text + after + ", unchanged";
  return text + ValueText(event.before, target.form) + " -> " + after;
}

std::string Text(const CommandEvent& event) {
  std::string text =
      event.command +
      (event.result == 0 ? " succeeded" : " returned error " + ErrorText(event.result));
  if (!event.failed_calls.empty()) {
    text += "; host calls that failed:";
    for (const FailedHostCall& call : event.failed_calls) {
      text += " " + call.function + " " + ErrorText(call.code) + ",";
    }
    text.pop_back();
  }
  return text;
}

std::string Text(const StackEvent& event) {
  std::string text = "layer now:";
  for (std::size_t i = 0; i < event.names.size(); ++i) {
    text += (i == 0 ? " " : ", ") + std::to_string(i) + " " + Quoted(event.names[i]);
  }
  return text;
}

std::string Names(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + Quoted(name);
  return text.empty() ? "none" : text;
}

std::string Text(const VisibilityEvent& event) {
  return "controls shown: " + Names(event.shown) + "; hidden: " + Names(event.hidden);
}

std::string Text(const UnexpectedEvent& event) { return "UNEXPECTED: " + event.what; }

}  // namespace

std::string AddressText(const KeyframeAddress& address) {
  return "keyframe " + std::to_string(address.key) + " at " + SecondsText(address.time) + " of " +
         Quoted(address.param) + " of " + Quoted(address.effect) + " (Effect " +
         std::to_string(address.position) + ", Index " + std::to_string(address.stream) + ", No " +
         std::to_string(address.key) + ")";
}

std::string EventText(const Event& event) {
  return std::visit([](const auto& e) { return Text(e); }, event);
}

}  // namespace scenario

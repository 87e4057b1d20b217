// What playing a scenario showed, step by step and frame by frame, as data
// that the text and JSON printers both render.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "host/HostTypes.h"
#include "scenario_runner/ProjectView.h"
#include "scenario_runner/Scenario.h"
#include "standin_host/ProjectRefs.h"

namespace scenario {

// A keyframe of an effect's parameter, named as the project stood then.
struct KeyframeAddress {
  std::string effect;
  std::size_t position = 0;  // in the stack
  std::size_t stream = 0;
  std::string param;
  std::size_t key = 0;
  double time = 0;
  ValueForm form = ValueForm::Number;
};

// Tavrelio stored a value into a keyframe.
struct TransferEvent {
  std::string source;  // the value control "Type" chose: "Slider"...
  KeyframeAddress target;
  standin::StreamNumbers before{};
  standin::StreamNumbers after{};
};

// "Effect", "Index" or "No" written back with a new value.
struct CorrectionEvent {
  std::string control;
  double from = 0;
  double to = 0;
  std::string why;  // what in the project makes the old value wrong
};

// "Effect" moved to where the remembered target now sits.
struct FollowEvent {
  std::string target;
  double from = 0;
  double to = 0;
};

struct SwitchOffEvent {
  std::string reason;  // "name not found", "target gone", "out of range", "cannot take value"
  std::string detail;
};

struct MemoEvent {
  bool written = true;  // false: cleared
  std::string text;     // the expression written, or the one cleared
};

struct InfoPanelEvent {
  std::string first_line;
  std::string second_line;
};

struct FailedHostCall {
  std::string function;
  A_long code = 0;
};

// A command that returned an error, or during which host calls failed.
struct CommandEvent {
  std::string command;
  PF_Err result = 0;
  std::vector<FailedHostCall> failed_calls;
};

// The layer's stack after a step changed it.
struct StackEvent {
  std::vector<std::string> names;
  std::size_t tavrelio_position = 0;
};

// Tavrelio's controls shown and hidden after a UI update changed them.
struct VisibilityEvent {
  std::vector<std::string> shown;   // value controls ("Slider"...) now visible
  std::vector<std::string> hidden;  // value controls and "Info" now hidden
};

// A change in the project that none of the events above accounts for.
struct UnexpectedEvent {
  std::string what;
};

using Event =
    std::variant<FollowEvent, CorrectionEvent, SwitchOffEvent, MemoEvent, InfoPanelEvent,
                 TransferEvent, CommandEvent, StackEvent, VisibilityEvent, UnexpectedEvent>;

struct FrameRecord {
  A_long frame = 0;
  double seconds = 0;
  std::vector<Event> events;
};

struct StepRecord {
  std::size_t number = 0;  // from 1
  std::string text;
  std::vector<Event> events;  // of the step itself (commands, stack)
  std::vector<FrameRecord> frames;
};

struct FinalKeyframe {
  KeyframeAddress address;          // where it is now, or where it was last written
  std::optional<std::string> gone;  // why it is no longer in the project
  standin::StreamNumbers value{};
};

struct LeakReport {
  standin::LiveReferences references;
  std::size_t handles = 0;
  std::vector<std::pair<std::string, int>> suites_held;
  bool None() const { return references.Total() == 0 && handles == 0 && suites_held.empty(); }
};

struct Timeline {
  std::string scenario_name;  // the file name alone, the same wherever the file lies
  std::string description;
  FrameRate frame_rate;
  ProjectView initial_layer;
  std::vector<Event> setup_events;
  bool setup_failed = false;
  std::vector<StepRecord> steps;
  std::vector<Event> teardown_events;
  std::vector<FinalKeyframe> final_keyframes;
  std::vector<std::string> unfired_failures;
  LeakReport leaks;
  std::vector<std::string> host_violations;
};

}  // namespace scenario

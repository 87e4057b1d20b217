// The stand-in host: everything the plug-in reaches through its command
// records and the basic suite, with a call log, handle and reference
// accounting and fault injection. The plug-in's callbacks are plain C
// functions without context, so exactly one host is current at a time.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostSuites.h"
#include "standin_host/ArgText.h"
#include "standin_host/CallLog.h"
#include "standin_host/FaultPlan.h"
#include "standin_host/HandleStore.h"
#include "standin_host/KeyframeWrite.h"
#include "standin_host/Project.h"
#include "standin_host/ProjectRefs.h"
#include "standin_host/SuiteRegistry.h"

namespace standin {

class StandInHost {
 public:
  StandInHost();
  ~StandInHost();
  StandInHost(const StandInHost&) = delete;
  StandInHost& operator=(const StandInHost&) = delete;

  static StandInHost& Current();

  CallLog& Log() { return log_; }
  FaultPlan& Faults() { return faults_; }
  HandleStore& Handles() { return handles_; }
  SuiteRegistry& Suites() { return suites_; }
  Project& TheProject() { return project_; }
  ProjectRefs& Refs() { return refs_; }
  std::vector<std::string>& Violations() { return violations_; }
  // Every misuse the host saw: its own and the suite registry's.
  std::vector<std::string> AllViolations();

  SPBasicSuite* BasicSuite() { return &basic_suite_; }
  PF_UtilCallbacks* UtilCallbacks() { return &util_callbacks_; }

  // Consulted by every host call: logs it and tells the injected fault, if any.
  std::optional<A_long> Gate(std::string_view function) { return faults_.Next(function); }
  void Record(std::string_view function, std::string args, std::optional<A_long> result) {
    log_.Record(function, std::move(args), result);
  }

  // The command records being handed to the plug-in right now; the host's
  // string routines use them to catch writes past the message field.
  PF_OutData* current_out_data = nullptr;

  // Registration with the AEGP layer.
  AEGP_PluginID next_plugin_id = 0x5A11;
  std::vector<std::string> registered_names;

  // Info panel lines shown by the plug-in.
  std::vector<std::pair<std::string, std::string>> info_panel;

  // Every keyframe value the plug-in stored, in order.
  std::vector<KeyframeWrite> keyframe_writes;

  // When set, project edits made while a pre-render runs are refused, as the
  // host does since it renders on a read-only copy of the project.
  bool refuse_edits_during_render = false;
  bool rendering = false;

 private:
  CallLog log_;
  FaultPlan faults_;
  std::vector<std::string> violations_;
  HandleStore handles_{violations_};
  SuiteRegistry suites_;
  Project project_;
  ProjectRefs refs_{violations_};
  SPBasicSuite basic_suite_{};
  PF_UtilCallbacks util_callbacks_{};
};

// Runs one gated host call: an injected fault answers instead of `body`;
// either way the call and its result are logged.
template <class Body>
A_long GatedCall(std::string_view function, std::string args, Body&& body) {
  StandInHost& host = StandInHost::Current();
  if (const auto fault = host.Gate(function)) {
    host.Record(function, std::move(args), *fault);
    return *fault;
  }
  const A_long result = body();
  host.Record(function, std::move(args), result);
  return result;
}

}  // namespace standin

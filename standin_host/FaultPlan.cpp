#include "standin_host/FaultPlan.h"

namespace standin {

void FaultPlan::FailNthCall(std::size_t n, A_long code) {
  calls_seen_ = 0;
  nth_call_ = n;
  nth_code_ = code;
}

void FaultPlan::FailFunction(std::string function, A_long code, std::size_t occurrence) {
  function_faults_.push_back(FunctionFault{std::move(function), code, occurrence});
}

void FaultPlan::Clear() {
  calls_seen_ = 0;
  nth_call_.reset();
  function_faults_.clear();
}

std::optional<A_long> FaultPlan::Next(std::string_view function) {
  ++calls_seen_;
  std::optional<A_long> fault;
  if (nth_call_ && *nth_call_ == calls_seen_) fault = nth_code_;
  for (auto& entry : function_faults_) {
    if (entry.function != function) continue;
    ++entry.seen;
    if (entry.occurrence == 0 || entry.occurrence == entry.seen) fault = entry.code;
  }
  return fault;
}

}  // namespace standin

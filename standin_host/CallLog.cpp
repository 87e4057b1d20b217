#include "standin_host/CallLog.h"

#include <algorithm>

namespace standin {

void CallLog::BeginCommand(std::string_view name) { command_names_.emplace_back(name); }

void CallLog::Record(std::string_view function, std::string args, std::optional<A_long> result) {
  calls_.push_back(HostCall{std::string(function), std::move(args), result, command_names_.size()});
}

std::vector<HostCall> CallLog::CallsOf(std::string_view function) const {
  std::vector<HostCall> found;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
               [&](const HostCall& call) { return call.function == function; });
  return found;
}

std::size_t CallLog::Count(std::string_view function) const {
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(),
                    [&](const HostCall& call) { return call.function == function; }));
}

std::vector<HostCall> CallLog::CurrentCommandCalls() const {
  std::vector<HostCall> found;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
               [&](const HostCall& call) { return call.command == command_names_.size(); });
  return found;
}

std::vector<std::string> CallLog::CurrentCommandFunctions() const {
  std::vector<std::string> names;
  for (const auto& call : CurrentCommandCalls()) names.push_back(call.function);
  return names;
}

void CallLog::Clear() {
  calls_.clear();
  command_names_.clear();
}

}  // namespace standin

// Every host call the plug-in makes, in order, with its arguments and result.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

struct HostCall {
  std::string function;
  std::string args;
  // Calls that return nothing (void callbacks) carry no result.
  std::optional<A_long> result;
  std::size_t command;  // which command (counted from 1) the call belongs to
};

class CallLog {
 public:
  void BeginCommand(std::string_view name);
  void Record(std::string_view function, std::string args, std::optional<A_long> result);

  const std::vector<HostCall>& Calls() const { return calls_; }
  std::vector<HostCall> CallsOf(std::string_view function) const;
  std::size_t Count(std::string_view function) const;
  // Calls made during the most recent command.
  std::vector<HostCall> CurrentCommandCalls() const;
  std::vector<std::string> CurrentCommandFunctions() const;
  std::size_t CommandCount() const { return command_names_.size(); }
  void Clear();

 private:
  std::vector<HostCall> calls_;
  std::vector<std::string> command_names_;
};

}  // namespace standin

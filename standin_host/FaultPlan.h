// Fault injection: make the Nth host call, or calls of a named function, fail
// with a chosen code.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

class FaultPlan {
 public:
  // The nth host call from now (counted from 1) fails with `code`.
  void FailNthCall(std::size_t n, A_long code);
  // Calls of `function` fail with `code`: every one, or only its `occurrence`th (from 1).
  void FailFunction(std::string function, A_long code, std::size_t occurrence = 0);
  void Clear();

  // Called once per gated host call; gives the code to fail with, if any.
  std::optional<A_long> Next(std::string_view function);

 private:
  struct FunctionFault {
    std::string function;
    A_long code;
    std::size_t occurrence;
    std::size_t seen = 0;
  };
  std::size_t calls_seen_ = 0;
  std::optional<std::size_t> nth_call_;
  A_long nth_code_ = 0;
  std::vector<FunctionFault> function_faults_;
};

}  // namespace standin

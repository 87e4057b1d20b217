// The ways one pre-render of Tavrelio can go, as the benchmark names them.
#pragma once

#include <array>
#include <string_view>

namespace bench {

enum class Branch {
  Disarmed,       // "ON" off: the memo is cleared and the addressing checked
  WritesMemo,     // armed, no memo yet: the target is checked and remembered
  CorrectsValue,  // armed, no memo, "Index" out of range: corrected and written back
  FollowsMemo,    // armed with a memo: the name is found where "Effect" points
};

inline constexpr std::array kBranches = {Branch::Disarmed, Branch::WritesMemo,
                                         Branch::CorrectsValue, Branch::FollowsMemo};

constexpr std::string_view BranchName(Branch branch) {
  switch (branch) {
    case Branch::Disarmed:
      return "disarmed";
    case Branch::WritesMemo:
      return "armed-writes-memo";
    case Branch::CorrectsValue:
      return "armed-corrects-index";
    case Branch::FollowsMemo:
      return "armed-follows-memo";
  }
  return "?";
}

}  // namespace bench

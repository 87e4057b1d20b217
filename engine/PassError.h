// The one error of a pre-render run. Host calls are chained: a call runs only
// while nothing has failed, so the first failure is what the run returns.
// Releases run whatever happened before and report only into a clean run.
#pragma once

#include "host/HostConstants.h"

namespace tavrelio {

class PassError {
 public:
  bool Ok() const { return code_ == PF_Err_NONE; }
  PF_Err Code() const { return code_; }

  // Makes the host call only while no error stands; a failure becomes the error.
  template <typename HostCall>
  void Chain(HostCall&& call) {
    if (Ok()) code_ = call();
  }

  // The result of a call that ran anyway (a release) or of a check of our own:
  // it counts only while no error stands, so the first failure is kept.
  void Feed(PF_Err result) {
    if (Ok()) code_ = result;
  }

 private:
  PF_Err code_ = PF_Err_NONE;
};

}  // namespace tavrelio

// Tavrelio's controls set so that every pre-render takes one branch. A frame
// may leave the project so that the next would go another way (the memo now
// written, "Index" now corrected); Rearm() puts that back, host-side only.
#pragma once

#include "benchmarks/Branch.h"
#include "benchmarks/FrameScene.h"

namespace bench {

class TavrelioBranch {
 public:
  // Sets the controls and plays one frame, so the next frame is a steady one.
  TavrelioBranch(FrameScene& scene, Branch branch);

  void Rearm();
  // Rearm() and one pre-render.
  PF_Err PlayFrame();

 private:
  FrameScene& scene_;
  Branch branch_;
  standin::Stream* info_;
};

}  // namespace bench

#include "benchmarks/TavrelioBranch.h"

#include <stdexcept>

#include "params/ParamIndex.h"

namespace bench {

namespace {

using namespace tavrelio;

// Beyond the target's two streams, so every frame corrects it to 1.
constexpr A_long kIndexOutOfRange = 99;
constexpr A_long kTypeSlider = 1;
constexpr double kSliderValue = 42;

}  // namespace

TavrelioBranch::TavrelioBranch(FrameScene& scene, Branch branch)
    : scene_(scene), branch_(branch), info_(&scene.Instance().AsEffect().streams.at(kParamInfo)) {
  standin::EffectInstance& instance = scene_.Instance();
  instance.SetParam(kParamEffect, scene_.TargetPosition());
  instance.SetParam(kParamIndex, 1);
  instance.SetParam(kParamKeyNo, 0);
  instance.SetParam(kParamType, kTypeSlider);
  instance.SetParam(kParamSlider, kSliderValue);
  instance.SetParam(kParamOn, branch_ == Branch::Disarmed ? 0 : 1);
  if (PlayFrame() != 0) throw std::runtime_error("the first frame failed");
  if (branch_ == Branch::FollowsMemo && !info_->expression) {
    throw std::runtime_error("the first armed frame left no memo");
  }
}

void TavrelioBranch::Rearm() {
  switch (branch_) {
    case Branch::WritesMemo:
      info_->expression.reset();
      // The panel line shown with each memo would pile up.
      scene_.Host().info_panel.clear();
      break;
    case Branch::CorrectsValue:
      scene_.Instance().SetParam(kParamIndex, kIndexOutOfRange);
      break;
    case Branch::Disarmed:
    case Branch::FollowsMemo:
      break;
  }
}

PF_Err TavrelioBranch::PlayFrame() {
  Rearm();
  return scene_.Instance().PreRender();
}

}  // namespace bench

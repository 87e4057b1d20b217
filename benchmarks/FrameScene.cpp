#include "benchmarks/FrameScene.h"

#include <stdexcept>

namespace bench {

namespace {

standin::Stream KeyedStream() {
  standin::Stream stream = standin::MakeStream("Amount", standin::StreamKind::FloatSlider);
  stream.keyframes.push_back(standin::Keyframe{0.0, standin::StreamNumbers{5}});
  return stream;
}

}  // namespace

FrameScene::FrameScene(const std::string& plugin_path, int effects)
    : library_(plugin_path), effects_(effects) {
  if (effects < 1) throw std::invalid_argument("the layer needs at least the target");
  standin::Project& project = host_.TheProject();
  for (int i = 1; i < effects; ++i) {
    project.AddEffect("Effect " + std::to_string(i)).streams.push_back(KeyedStream());
  }
  project.AddEffect("Target").streams.push_back(KeyedStream());
  instance_ = std::make_unique<standin::EffectInstance>(host_, library_, "Tavrelio", 0);
  if (instance_->Apply() != 0) throw std::runtime_error("the plug-in did not apply");
}

FrameScene::~FrameScene() {
  // Set-downs run while the library is still loaded.
  instance_->Remove();
}

void FrameScene::UseWorlds(PF_PixelFormat format, A_long width, A_long height) {
  const PF_LRect area{0, 0, width, height};
  instance_->output_request_rect = area;
  instance_->input_result_rect = area;
  instance_->input_max_result_rect = area;
  instance_->render_input = std::make_unique<standin::HostWorld>(format, width, height);
  instance_->render_input->FillPattern(1);
  instance_->render_output = std::make_unique<standin::HostWorld>(format, width, height);
}

}  // namespace bench

// One stand-in host with one plug-in applied at the top of a layer whose
// other effects end with the target: "Target", whose stream 1 has a
// keyframe. Tavrelio and the yardstick are measured in the same scene.
#pragma once

#include <memory>
#include <string>

#include "standin_host/EffectInstance.h"
#include "standin_host/PluginLibrary.h"
#include "standin_host/StandInHost.h"

namespace bench {

class FrameScene {
 public:
  // `effects` other effects below the plug-in; throws when the plug-in does
  // not load or apply.
  FrameScene(const std::string& plugin_path, int effects);
  ~FrameScene();
  FrameScene(const FrameScene&) = delete;
  FrameScene& operator=(const FrameScene&) = delete;

  standin::StandInHost& Host() { return host_; }
  standin::EffectInstance& Instance() { return *instance_; }
  // The target's position in the stack: the plug-in is at 0.
  A_long TargetPosition() const { return effects_; }

  // Frames of this size; the input in this format, filled, the output alike.
  void UseWorlds(PF_PixelFormat format, A_long width, A_long height);

 private:
  standin::StandInHost host_;
  standin::PluginLibrary library_;
  std::unique_ptr<standin::EffectInstance> instance_;
  A_long effects_;
};

}  // namespace bench

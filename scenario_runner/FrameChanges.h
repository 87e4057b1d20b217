// What one pre-render and render did to the project, told as timeline events:
// the views before and after the frame, and the keyframe values the host
// took during it.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "scenario_runner/ProjectView.h"
#include "scenario_runner/Timeline.h"
#include "standin_host/KeyframeWrite.h"

namespace scenario {

struct FrameActivity {
  const ProjectView& before;
  const ProjectView& after;
  std::span<const standin::KeyframeWrite> keyframe_writes;
  std::span<const std::pair<std::string, std::string>> info_panel_lines;
};

std::vector<Event> FrameChanges(const FrameActivity& activity);

// The address of keyframe `key` of stream `stream` of the effect with `id`.
KeyframeAddress AddressOf(const ProjectView& view, std::uint64_t id, std::size_t stream,
                          std::size_t key);

}  // namespace scenario

// tavrelio_frame_loop EFFECTS FRAMES [BRANCH]: sets a scene up and plays
// FRAMES pre-renders of one branch (armed-follows-memo by default), for
// tools/callgrind-frame.sh, which runs it at two frame counts and keeps the
// difference, so loading and setting up cancel out.
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "benchmarks/PluginPaths.h"
#include "benchmarks/TavrelioBranch.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr << "usage: tavrelio_frame_loop EFFECTS FRAMES [BRANCH]\n";
    return 2;
  }
  const int effects = std::atoi(argv[1]);
  const long frames = std::atol(argv[2]);
  bench::Branch branch = bench::Branch::FollowsMemo;
  if (argc == 4) {
    bool known = false;
    for (const bench::Branch b : bench::kBranches) {
      if (bench::BranchName(b) == std::string_view(argv[3])) {
        branch = b;
        known = true;
      }
    }
    if (!known) {
      std::cerr << "unknown branch: " << argv[3] << "\n";
      return 2;
    }
  }
  bench::FrameScene scene(bench::kTavrelioPluginPath, effects);
  bench::TavrelioBranch loop(scene, branch);
  for (long frame = 0; frame < frames; ++frame) {
    if (loop.PlayFrame() != 0) {
      std::cerr << "frame " << frame << " failed\n";
      return 1;
    }
    scene.Host().Log().Clear();
  }
  return 0;
}

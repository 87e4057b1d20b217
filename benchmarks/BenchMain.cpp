// tavrelio_bench: what a frame of Tavrelio costs in the stand-in host, set
// against the pass-through yardstick loaded by the same host in the same run.
// The host's call log is cleared after every frame, in the timed part for
// both effects alike, so its cost stays per frame and memory stays flat.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "benchmarks/FrameScene.h"
#include "benchmarks/PluginPaths.h"
#include "benchmarks/RatioReporter.h"
#include "benchmarks/TavrelioBranch.h"
#include "host/HostConstants.h"

namespace bench {

namespace {

constexpr int kLayerSizes[] = {1, 10, 100, 1000};
// Render cost does not depend on the stack, so it is measured at one size.
constexpr int kRenderLayerSize = 10;
constexpr A_long kWidth = 1920;
constexpr A_long kHeight = 1080;

struct Depth {
  const char* name;
  PF_PixelFormat format;
};
constexpr Depth kDepths[] = {{"8-bit", PF_PixelFormat_ARGB32},
                             {"16-bit", PF_PixelFormat_ARGB64},
                             {"32-bit float", PF_PixelFormat_ARGB128}};

void PreRenderTavrelio(benchmark::State& state, Branch branch, int effects) {
  FrameScene scene(kTavrelioPluginPath, effects);
  TavrelioBranch frames(scene, branch);
  standin::CallLog& log = scene.Host().Log();
  log.Clear();
  std::size_t calls = 0;
  for (auto _ : state) {
    if (frames.PlayFrame() != PF_Err_NONE) {
      state.SkipWithError("the pre-render failed");
      break;
    }
    calls = log.Calls().size();
    log.Clear();
  }
  state.counters["host_calls"] = static_cast<double>(calls);
}

void PreRenderBaseline(benchmark::State& state, int effects) {
  FrameScene scene(kBaselinePluginPath, effects);
  standin::EffectInstance& instance = scene.Instance();
  standin::CallLog& log = scene.Host().Log();
  std::size_t calls = 0;
  for (auto _ : state) {
    if (instance.PreRender() != PF_Err_NONE) {
      state.SkipWithError("the pre-render failed");
      break;
    }
    calls = log.Calls().size();
    log.Clear();
  }
  state.counters["host_calls"] = static_cast<double>(calls);
}

// Only the render is timed; each frame's pre-render (Tavrelio's steady armed
// one) runs with the clock stopped. The render includes the host's delete
// of the frame's pre-render record.
void Render(benchmark::State& state, bool tavrelio, Depth depth) {
  FrameScene scene(tavrelio ? kTavrelioPluginPath : kBaselinePluginPath, kRenderLayerSize);
  std::optional<TavrelioBranch> frames;
  if (tavrelio) frames.emplace(scene, Branch::FollowsMemo);
  scene.UseWorlds(depth.format, kWidth, kHeight);
  standin::EffectInstance& instance = scene.Instance();
  standin::CallLog& log = scene.Host().Log();
  for (auto _ : state) {
    state.PauseTiming();
    const PF_Err pre_render = frames ? frames->PlayFrame() : instance.PreRender();
    log.Clear();
    state.ResumeTiming();
    if (pre_render != PF_Err_NONE || instance.Render() != PF_Err_NONE) {
      state.SkipWithError("the frame failed");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight *
                          standin::BytesPerPixel(depth.format));
}

std::vector<Comparison> RegisterAll() {
  std::vector<Comparison> comparisons;
  for (const int effects : kLayerSizes) {
    const std::string size = std::to_string(effects);
    const std::string baseline = "PreRender/baseline/" + size;
    for (const Branch branch : kBranches) {
      const std::string name = "PreRender/" + std::string(BranchName(branch)) + "/" + size;
      benchmark::RegisterBenchmark(name.c_str(), PreRenderTavrelio, branch, effects)
          ->Unit(benchmark::kMicrosecond);
      comparisons.push_back({"pre-render " + std::string(BranchName(branch)) + ", " + size +
                                 (effects == 1 ? " effect" : " effects"),
                             name, baseline});
    }
    benchmark::RegisterBenchmark(baseline.c_str(), PreRenderBaseline, effects)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const Depth& depth : kDepths) {
    const std::string tavrelio = std::string("Render/tavrelio/") + depth.name;
    const std::string baseline = std::string("Render/baseline/") + depth.name;
    benchmark::RegisterBenchmark(tavrelio.c_str(), Render, true, depth)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(baseline.c_str(), Render, false, depth)
        ->Unit(benchmark::kMillisecond);
    comparisons.push_back(
        {std::string("render ") + depth.name + ", 1920×1080", tavrelio, baseline});
  }
  return comparisons;
}

}  // namespace

}  // namespace bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RatioReporter reporter(bench::RegisterAll(), isatty(STDOUT_FILENO) != 0);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

// tavrelio_frame_audit: per-frame host traffic of each pre-render branch and
// of the render, read from the stand-in host's call log, and what the
// plug-in holds after the first frame and after many. Prints Markdown
// tables; exits 1 when a frame fails, a suite is acquired twice in one
// command, the traffic of a frame changes, holdings grow or the host saw misuse.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "benchmarks/FrameCounts.h"
#include "benchmarks/Holdings.h"
#include "benchmarks/PluginPaths.h"
#include "benchmarks/TavrelioBranch.h"

namespace bench {

namespace {

constexpr int kLayerSizes[] = {1, 10, 100, 1000};

// A row of the audit: a pre-render branch, or the render after a steady pre-render.
struct Row {
  std::optional<Branch> branch;  // none: the render
  std::string_view Name() const { return branch ? BranchName(*branch) : "render"; }
};

std::vector<Row> Rows() {
  std::vector<Row> rows;
  for (const Branch branch : kBranches) rows.push_back(Row{branch});
  rows.push_back(Row{std::nullopt});
  return rows;
}

// The frame's commands as logged: the host's delete of the previous frame's
// record is a callback outside any command, so it is logged as one of its own.
struct FrameLedger {
  CommandCounts record_delete;
  CommandCounts command;  // the pre-render, or the render
  bool ok = true;
  friend bool operator==(const FrameLedger& a, const FrameLedger& b) {
    return a.record_delete.host_calls == b.record_delete.host_calls &&
           a.command.host_calls == b.command.host_calls &&
           a.command.suite_acquires == b.command.suite_acquires;
  }
};

void DeleteRecord(standin::StandInHost& host, standin::PendingRender record) {
  host.Log().BeginCommand("DELETE_PRE_RENDER_RECORD");
  if (record.delete_func != nullptr) record.delete_func(record.pre_render_data);
}

FrameLedger PlayAuditedFrame(FrameScene& scene, TavrelioBranch& branch, const Row& row) {
  standin::StandInHost& host = scene.Host();
  standin::EffectInstance& instance = scene.Instance();
  FrameLedger ledger;
  host.Log().Clear();
  if (row.branch) {
    DeleteRecord(host, std::exchange(instance.pending, standin::PendingRender{}));
    ledger.ok = branch.PlayFrame() == 0;
  } else {
    ledger.ok = branch.PlayFrame() == 0;
    host.Log().Clear();
    // The render's record is deleted by the host once the render returns.
    const standin::PendingRender record = instance.pending;
    instance.pending.delete_func = nullptr;
    ledger.ok = ledger.ok && instance.Render() == 0;
    DeleteRecord(host, record);
  }
  const auto& calls = host.Log().Calls();
  // Command 1 is one delete and command 2 the pre-render, or the reverse for the render.
  ledger.record_delete = CountCommand(calls, row.branch ? 1 : 2);
  ledger.command = CountCommand(calls, row.branch ? 2 : 1);
  return ledger;
}

bool SuitesOnce(const FrameLedger& ledger) {
  return ledger.command.most_acquires_of_one_suite <= 1 &&
         ledger.record_delete.most_acquires_of_one_suite <= 1;
}

std::string Refs(const standin::LiveReferences& refs) {
  return std::to_string(refs.Total()) + " (" + std::to_string(refs.effects) + "e " +
         std::to_string(refs.streams) + "s " + std::to_string(refs.values) + "v " +
         std::to_string(refs.memory) + "m)";
}

bool PrintTraffic() {
  bool fine = true;
  std::cout << "## Host traffic of one steady frame\n\n"
               "| frame | effects | host calls in the command | suites acquired (distinct) | "
               "most acquires of one suite | host calls in the record's delete | stored: "
               "expression / own value / keyframe |\n|---|--:|--:|--:|--:|--:|--:|\n";
  for (const Row& row : Rows()) {
    for (const int effects : kLayerSizes) {
      FrameScene scene(kTavrelioPluginPath, effects);
      TavrelioBranch branch(scene, row.branch.value_or(Branch::FollowsMemo));
      const FrameLedger ledger = PlayAuditedFrame(scene, branch, row);
      const CommandCounts& c = ledger.command;
      fine = fine && ledger.ok && SuitesOnce(ledger) && scene.Host().AllViolations().empty();
      std::cout << "| " << row.Name() << (ledger.ok ? "" : " (FAILED)") << " | " << effects << " | "
                << c.host_calls << " | " << c.suite_acquires << " (" << c.distinct_suites << ") | "
                << c.most_acquires_of_one_suite << " | " << ledger.record_delete.host_calls << " | "
                << c.expressions_set << " / " << c.stream_values_set << " / " << c.keyframes_set
                << " |\n";
    }
  }
  std::cout << '\n';
  return fine;
}

bool PrintGrowth(int effects, long frames) {
  bool fine = true;
  std::cout << "## Holdings after the first frame and after " << frames << " frames (" << effects
            << " effects)\n\n"
            << "| frame | live handles | bytes in own handles | live references "
               "(effects, streams, values, memory) | same host traffic every frame | "
               "misuse seen by the host |\n|---|---|---|---|---|---|\n";
  for (const Row& row : Rows()) {
    FrameScene scene(kTavrelioPluginPath, effects);
    TavrelioBranch branch(scene, row.branch.value_or(Branch::FollowsMemo));
    const FrameLedger first = PlayAuditedFrame(scene, branch, row);
    const Holdings after_first = HoldingsOf(scene.Host(), scene.Instance());
    bool steady = first.ok && SuitesOnce(first);
    for (long frame = 2; frame <= frames && steady; ++frame) {
      const FrameLedger ledger = PlayAuditedFrame(scene, branch, row);
      steady = ledger.ok && ledger == first && SuitesOnce(ledger);
    }
    const Holdings after_last = HoldingsOf(scene.Host(), scene.Instance());
    const auto misuse = scene.Host().AllViolations();
    const bool equal = after_first == after_last;
    fine = fine && steady && equal && misuse.empty();
    std::cout << "| " << row.Name() << " | " << after_first.handles << " → " << after_last.handles
              << " | " << after_first.handle_bytes << " → " << after_last.handle_bytes << " | "
              << Refs(after_first.refs) << " → " << Refs(after_last.refs) << (equal ? "" : " GROWS")
              << " | " << (steady ? "yes" : "NO") << " | " << misuse.size() << " |\n";
  }
  std::cout << '\n';
  return fine;
}

void PrintCalls(int effects) {
  for (const Row& row : Rows()) {
    FrameScene scene(kTavrelioPluginPath, effects);
    TavrelioBranch branch(scene, row.branch.value_or(Branch::FollowsMemo));
    PlayAuditedFrame(scene, branch, row);
    std::cout << "### " << row.Name() << ", " << effects << " effects\n\n```\n";
    const auto& commands = row.branch ? std::vector<std::string>{"record delete", "pre-render"}
                                      : std::vector<std::string>{"render", "record delete"};
    for (const standin::HostCall& call : scene.Host().Log().Calls()) {
      std::cout << commands.at(call.command - 1) << ": " << call.function << "(" << call.args
                << ")\n";
    }
    std::cout << "```\n\n";
  }
}

struct Options {
  long frames = 100000;
  int growth_effects = 10;
  std::optional<int> list_calls_effects;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--frames" && has_value) {
      options.frames = std::stol(argv[++i]);
    } else if (arg == "--growth-effects" && has_value) {
      options.growth_effects = std::stoi(argv[++i]);
    } else if (arg == "--calls" && has_value) {
      options.list_calls_effects = std::stoi(argv[++i]);
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

}  // namespace bench

int main(int argc, char** argv) {
  const auto options = bench::ParseOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: tavrelio_frame_audit [--frames N] [--growth-effects N] "
                 "[--calls EFFECTS]\n";
    return 2;
  }
  if (options->list_calls_effects) {
    bench::PrintCalls(*options->list_calls_effects);
    return 0;
  }
  const bool traffic = bench::PrintTraffic();
  const bool growth = bench::PrintGrowth(options->growth_effects, options->frames);
  return traffic && growth ? 0 : 1;
}

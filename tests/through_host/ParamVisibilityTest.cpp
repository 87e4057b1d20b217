// The UI update of selectors 13 and 14: hidden flags by "Type", the
// parameter-state snapshot in the sequence data, the failure paths, and the
// order in which references and suites are given back.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "PluginFixture.h"
#include "host/HostConstants.h"
#include "standin_host/ParamState.h"

namespace tavrelio_test {
namespace {

using standin::EffectInstance;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr PF_ParamIndex kType = 4;
constexpr PF_ParamIndex kOn = 10;
constexpr PF_ParamIndex kInfo = 11;
// The streams whose hidden flag a run sets, in the order it sets them.
constexpr PF_ParamIndex kFlagged[] = {5, 6, 7, 8, 9, kInfo};
constexpr PF_ParamIndex kUntouched[] = {1, 2, 3, kType, kOn};

constexpr PF_OutFlags kHostFlags = 0x1;  // a bit the host set before the command
constexpr PF_OutFlags kRefreshUI = 0x20000;
constexpr PF_OutFlags kErrorMessage = 0x100;

// What "Type" should leave visible: value parameter t + 4, or none.
bool ExpectHidden(PF_ParamIndex param, A_long type) {
  return param == kInfo || type < 1 || type > 5 || param != type + 4;
}

struct FlagCall {
  std::size_t param;
  int flag, undoable, set;
  friend bool operator==(const FlagCall&, const FlagCall&) = default;
  friend std::ostream& operator<<(std::ostream& out, const FlagCall& call) {
    return out << "{" << call.param << ", flag " << call.flag << ", undoable " << call.undoable
               << ", set " << call.set << "}";
  }
};

std::vector<FlagCall> ExpectedFlagCalls(A_long type) {
  std::vector<FlagCall> calls;
  for (PF_ParamIndex param : kFlagged) {
    calls.push_back({static_cast<std::size_t>(param), 2, 0, ExpectHidden(param, type) ? 1 : 0});
  }
  return calls;
}

class ParamVisibilityTest : public PluginTest {
 protected:
  // An applied instance whose first UI update has taken its snapshot.
  std::unique_ptr<EffectInstance> WithSnapshot(A_long type) {
    auto instance = NewInstance();
    EXPECT_EQ(instance->Apply(), 0);
    instance->SetParam(kType, type);
    EXPECT_EQ(instance->UpdateParamsUI(), 0);
    EXPECT_EQ(host_.Handles().Bytes(instance->sequence_data).size(), 16u);
    instance->before_command = [](PF_InData&, PF_OutData& out) { out.out_flags = kHostFlags; };
    return instance;
  }

  static bool Hidden(EffectInstance& instance, PF_ParamIndex param) {
    return instance.AsEffect().streams.at(static_cast<std::size_t>(param)).hidden;
  }

  std::vector<standin::HostCall> CommandCallsOf(const std::string& function) {
    std::vector<standin::HostCall> found;
    for (const auto& call : host_.Log().CurrentCommandCalls()) {
      if (call.function == function) found.push_back(call);
    }
    return found;
  }

  // The flag calls of the last command, read back from their logged arguments.
  std::vector<FlagCall> FlagCalls() {
    std::vector<FlagCall> calls;
    for (const auto& call : CommandCallsOf("AEGP_SetDynamicStreamFlag")) {
      FlagCall parsed{};
      const int read = std::sscanf(call.args.c_str(), "%zu, \"%*[^\"]\", %d, %d, %d", &parsed.param,
                                   &parsed.flag, &parsed.undoable, &parsed.set);
      EXPECT_EQ(read, 4) << call.args;
      calls.push_back(parsed);
    }
    return calls;
  }

  // The releases of host references in the last command, in order.
  std::vector<std::string> Releases() {
    std::vector<std::string> names;
    for (const auto& call : host_.Log().CurrentCommandCalls()) {
      if (call.function == "AEGP_DisposeEffect" || call.function == "AEGP_DisposeStream") {
        names.push_back(call.function);
      }
    }
    return names;
  }

  static std::vector<std::string> EffectThenStreams(std::size_t streams) {
    std::vector<std::string> names{"AEGP_DisposeEffect"};
    names.insert(names.end(), streams, "AEGP_DisposeStream");
    return names;
  }

  std::vector<std::byte> CurrentState(EffectInstance& instance) {
    const PF_State state = standin::ParamStateOf(instance.AsEffect());
    std::vector<std::byte> bytes(sizeof state);
    std::memcpy(bytes.data(), &state, sizeof state);
    return bytes;
  }

  static A_Boolean& InitializedByte(EffectInstance& instance) {
    return *static_cast<A_Boolean*>(*instance.global_data);
  }
};

TEST_P(ParamVisibilityTest, TypeShowsOnlyItsValueParameterThroughBothSelectors) {
  struct Case {
    A_long type;
    const char* shown;
  };
  const Case cases[] = {{1, "Slider"}, {2, "Angle"}, {3, "Checkbox"}, {4, "Color"},
                        {5, "Point"},  {0, "none"},  {7, "none"}};
  auto instance = NewInstance();
  ASSERT_EQ(instance->Apply(), 0);
  for (const Case& c : cases) {
    instance->SetParam(kType, c.type);
    for (const PF_Cmd selector : {PF_Cmd_USER_CHANGED_PARAM, PF_Cmd_UPDATE_PARAMS_UI}) {
      SCOPED_TRACE("Type " + std::to_string(c.type) + " (" + c.shown + "), selector " +
                   std::to_string(selector));
      // Every flagged stream starts the wrong way round so that each flag set
      // shows; the untouched ones carry a mark that must survive.
      auto& streams = instance->AsEffect().streams;
      for (PF_ParamIndex param : kFlagged) streams[param].hidden = !ExpectHidden(param, c.type);
      for (PF_ParamIndex param : kUntouched) streams[param].hidden = true;

      const PF_Err err = selector == PF_Cmd_USER_CHANGED_PARAM ? instance->UserChangedParam(kType)
                                                               : instance->UpdateParamsUI();
      ASSERT_EQ(err, 0);
      for (PF_ParamIndex param : kFlagged) {
        EXPECT_EQ(Hidden(*instance, param), ExpectHidden(param, c.type)) << "param " << param;
      }
      for (PF_ParamIndex param : kUntouched) EXPECT_TRUE(Hidden(*instance, param)) << param;
      // Same six calls on every run, whether or not anything changed since.
      EXPECT_THAT(FlagCalls(), ElementsAreArray(ExpectedFlagCalls(c.type)));
      EXPECT_EQ(instance->out_data.out_flags, kRefreshUI);
      EXPECT_EQ(host_.Refs().Live().Total(), 0u);
      EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
    }
  }
}

TEST_P(ParamVisibilityTest, SequenceWithoutSnapshotGetsOneWithoutComparison) {
  auto instance = NewInstance();
  ASSERT_EQ(instance->Apply(), 0);
  // Once after sequence setup, once after re-setup: both leave a placeholder.
  for (const char* after : {"setup", "re-setup"}) {
    SCOPED_TRACE(after);
    const PF_Handle placeholder = instance->sequence_data;
    ASSERT_EQ(host_.Handles().Bytes(placeholder).size(), 1u);
    ASSERT_EQ(instance->UpdateParamsUI(), 0);
    EXPECT_TRUE(CommandCallsOf("PF_HasParamChanged").empty());
    EXPECT_EQ(CommandCallsOf("PF_GetCurrentState").size(), 1u);
    EXPECT_NE(instance->sequence_data, placeholder);
    EXPECT_FALSE(host_.Handles().IsLive(placeholder));
    EXPECT_EQ(host_.Handles().Bytes(instance->sequence_data), CurrentState(*instance));
    ASSERT_EQ(instance->SequenceResetup(), 0);
  }
}

TEST_P(ParamVisibilityTest, UnchangedParametersKeepTheSnapshotHandle) {
  auto instance = WithSnapshot(1);
  const PF_Handle snapshot = instance->sequence_data;
  const std::size_t live_handles = host_.Handles().LiveCount();
  ASSERT_EQ(instance->UpdateParamsUI(), 0);
  const auto checks = CommandCallsOf("PF_HasParamChanged");
  ASSERT_EQ(checks.size(), 1u);
  EXPECT_THAT(checks[0].args, ::testing::EndsWith(", -3"));
  EXPECT_EQ(checks[0].result, 0);
  EXPECT_TRUE(CommandCallsOf("host_new_handle").empty());
  EXPECT_EQ(instance->sequence_data, snapshot);
  EXPECT_EQ(instance->out_data.sequence_data, snapshot);
  EXPECT_EQ(host_.Handles().LiveCount(), live_handles);
}

TEST_P(ParamVisibilityTest, ChangedParameterRenewsTheSnapshotInBothRecords) {
  auto instance = WithSnapshot(1);
  const PF_Handle old_snapshot = instance->sequence_data;
  const std::size_t live_handles = host_.Handles().LiveCount();
  // The host sends the UI update on its own after the change.
  ASSERT_EQ(instance->ChangeParam(1, 2), 0);
  ASSERT_EQ(CommandCallsOf("PF_HasParamChanged").size(), 1u);
  const PF_Handle renewed = instance->sequence_data;
  EXPECT_NE(renewed, old_snapshot);
  EXPECT_FALSE(host_.Handles().IsLive(old_snapshot));
  EXPECT_EQ(instance->out_data.sequence_data, renewed);
  EXPECT_EQ(instance->in_data.sequence_data, renewed);
  EXPECT_EQ(host_.Handles().Bytes(renewed), CurrentState(*instance));
  EXPECT_EQ(host_.Handles().LiveCount(), live_handles);
  EXPECT_EQ(instance->out_data.out_flags, kHostFlags | kRefreshUI);
}

TEST_P(ParamVisibilityTest, ClearedInitializedByteForcesSnapshotAndIsSetAgain) {
  auto instance = WithSnapshot(1);
  const PF_Handle old_snapshot = instance->sequence_data;
  InitializedByte(*instance) = 0;
  ASSERT_EQ(instance->UpdateParamsUI(), 0);
  EXPECT_NE(instance->sequence_data, old_snapshot);
  EXPECT_FALSE(host_.Handles().IsLive(old_snapshot));
  EXPECT_EQ(InitializedByte(*instance), 1);
}

TEST_P(ParamVisibilityTest, InitializedByteStaysClearedWhenTheRunFails) {
  const std::pair<const char*, const char*> failing[] = {
      {"AEGP_SetDynamicStreamFlag", "a flag"},
      {"PF_GetCurrentState", "the snapshot"},
  };
  for (const auto& [function, what] : failing) {
    SCOPED_TRACE(what);
    host_.Faults().Clear();
    auto instance = WithSnapshot(1);
    InitializedByte(*instance) = 0;
    host_.Faults().FailFunction(function, 9);
    EXPECT_EQ(instance->UpdateParamsUI(), 9);
    EXPECT_EQ(InitializedByte(*instance), 0);
  }
}

TEST_P(ParamVisibilityTest, FailuresStopWhereTheyHappenAndGiveEverythingBack) {
  struct Case {
    const char* name;
    std::function<void(standin::FaultPlan&)> arrange;
    PF_Err result;
    const char* message;
    PF_OutFlags out_flags;
    std::size_t stream_requests;  // stream references asked for
    std::size_t flag_calls;       // flag calls made, the failing one included
    std::size_t flags_set;        // flag calls that took effect
    bool compared;                // the change check ran
    bool renewed;                 // a new snapshot replaced the old one
    std::vector<std::string> releases;
    std::size_t refs_left;  // references whose release the host refused
  };
  const PF_OutFlags kNoMessage = kHostFlags | kRefreshUI;
  const PF_OutFlags kMessage = kErrorMessage | kRefreshUI;
  const Case cases[] = {
      {"effect reference",
       [](auto& faults) { faults.FailFunction("AEGP_GetNewEffectForEffect", 7); },
       7,
       "",
       kNoMessage,
       0,
       0,
       0,
       false,
       false,
       {},
       0},
      {"third stream reference",
       [](auto& faults) { faults.FailFunction("AEGP_GetNewEffectStreamByIndex", 7, 3); }, 7, "",
       kNoMessage, 3, 0, 0, false, false, EffectThenStreams(2), 0},
      {"third flag", [](auto& faults) { faults.FailFunction("AEGP_SetDynamicStreamFlag", 7, 3); },
       7, "", kNoMessage, 6, 3, 2, false, false, EffectThenStreams(6), 0},
      {"change check", [](auto& faults) { faults.FailFunction("PF_HasParamChanged", 9); }, 9,
       "ERROR", kMessage, 6, 6, 6, true, false, EffectThenStreams(6), 0},
      {"current state", [](auto& faults) { faults.FailFunction("PF_GetCurrentState", 9); }, 9,
       "ERROR", kMessage, 6, 6, 6, true, false, EffectThenStreams(6), 0},
      {"no memory for the new snapshot",
       [](auto& faults) { faults.FailFunction("host_new_handle", 4); }, 0, "", kNoMessage, 6, 6, 6,
       true, false, EffectThenStreams(6), 0},
      {"effect release", [](auto& faults) { faults.FailFunction("AEGP_DisposeEffect", 7); }, 7, "",
       kNoMessage, 6, 6, 6, true, true, EffectThenStreams(6), 1},
      {"second stream release",
       [](auto& faults) { faults.FailFunction("AEGP_DisposeStream", 8, 2); }, 8, "", kNoMessage, 6,
       6, 6, true, true, EffectThenStreams(6), 1},
      {"stream release after a failed change check",
       [](auto& faults) {
         faults.FailFunction("PF_HasParamChanged", 9);
         faults.FailFunction("AEGP_DisposeStream", 8, 2);
       },
       9, "ERROR", kMessage, 6, 6, 6, true, false, EffectThenStreams(6), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host_.Faults().Clear();
    // Shown before: "Point" (9); asked for now: "Checkbox" (7), a change.
    auto instance = WithSnapshot(5);
    const std::size_t refs_before = host_.Refs().Live().Total();
    const PF_Handle old_snapshot = instance->sequence_data;
    const std::size_t live_handles = host_.Handles().LiveCount();
    instance->SetParam(kType, 3);
    c.arrange(host_.Faults());

    EXPECT_EQ(instance->UpdateParamsUI(), c.result);
    EXPECT_STREQ(instance->out_data.return_msg, c.message);
    EXPECT_EQ(instance->out_data.out_flags, c.out_flags);
    EXPECT_EQ(CommandCallsOf("AEGP_GetNewEffectStreamByIndex").size(), c.stream_requests);
    EXPECT_EQ(FlagCalls().size(), c.flag_calls);
    // The flags set before a failure stay; the later ones keep the old "Type".
    for (std::size_t i = 0; i < std::size(kFlagged); ++i) {
      const A_long in_effect = i < c.flags_set ? 3 : 5;
      EXPECT_EQ(Hidden(*instance, kFlagged[i]), ExpectHidden(kFlagged[i], in_effect))
          << "param " << kFlagged[i];
    }
    EXPECT_EQ(CommandCallsOf("PF_HasParamChanged").size(), c.compared ? 1u : 0u);
    if (c.renewed) {
      EXPECT_NE(instance->sequence_data, old_snapshot);
      EXPECT_FALSE(host_.Handles().IsLive(old_snapshot));
      EXPECT_EQ(host_.Handles().Bytes(instance->sequence_data), CurrentState(*instance));
    } else {
      EXPECT_EQ(instance->sequence_data, old_snapshot);
      EXPECT_TRUE(host_.Handles().IsLive(old_snapshot));
    }
    EXPECT_EQ(host_.Handles().LiveCount(), live_handles);
    EXPECT_THAT(Releases(), ElementsAreArray(c.releases));
    EXPECT_EQ(host_.Refs().Live().Total() - refs_before, c.refs_left);
    EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
  }
}

TEST_P(ParamVisibilityTest, RefusedSuiteEndsTheRunWithoutRefreshAndLeavesNoReference) {
  const std::pair<std::string, int> suites[] = {
      {"AEGP PF Interface Suite", 1},
      {"AEGP Effect Suite", 3},
      {"AEGP Stream Suite", 7},
      {"AEGP Dynamic Stream Suite", 2},
      {"PF Param Utils Suite", ParamUtilsVersion()},
      {"PF Handle Suite", HandleSuiteVersion()},
  };
  for (const auto& [name, version] : suites) {
    SCOPED_TRACE(name + " " + std::to_string(version));
    auto instance = WithSnapshot(5);
    const PF_Handle snapshot = instance->sequence_data;
    const std::size_t live_handles = host_.Handles().LiveCount();
    instance->SetParam(kType, 3);
    host_.Suites().Refuse(name, version);
    EXPECT_EQ(instance->UpdateParamsUI(), 516);
    host_.Suites().Allow(name, version);
    EXPECT_EQ(instance->out_data.out_flags, kHostFlags);
    EXPECT_STREQ(instance->out_data.return_msg, "");
    EXPECT_EQ(host_.Refs().Live().Total(), 0u);
    EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
    EXPECT_EQ(instance->sequence_data, snapshot);
    EXPECT_EQ(host_.Handles().LiveCount(), live_handles);
  }
}

TEST_P(ParamVisibilityTest, ReferencesThenSuitesAreGivenBackInFixedOrder) {
  auto instance = WithSnapshot(1);
  ASSERT_EQ(instance->ChangeParam(kType, 2), 0);

  std::vector<std::string> asked;
  for (const auto& call : CommandCallsOf("AEGP_GetNewEffectStreamByIndex")) {
    asked.push_back(call.args.substr(call.args.rfind(", ") + 2));
  }
  EXPECT_THAT(asked, ElementsAre("5", "6", "7", "8", "9", "11"));
  EXPECT_THAT(Releases(), ElementsAreArray(EffectThenStreams(6)));
  // Stream references are tokens handed out in rising order: rising tokens
  // at release mean the streams go back in the order they were taken.
  std::vector<unsigned long long> tokens;
  for (const auto& call : CommandCallsOf("AEGP_DisposeStream")) {
    tokens.push_back(std::stoull(call.args, nullptr, 16));
  }
  EXPECT_TRUE(std::is_sorted(tokens.begin(), tokens.end()));

  // Release follows the suite catalogue, not the order of first use.
  std::vector<std::string> released;
  for (const auto& call : CommandCallsOf("ReleaseSuite")) released.push_back(call.args);
  const std::string utils = std::to_string(ParamUtilsVersion());
  const std::string handles = std::to_string(HandleSuiteVersion());
  EXPECT_THAT(released,
              ElementsAre("\"AEGP Stream Suite\", 7", "\"AEGP Dynamic Stream Suite\", 2",
                          "\"AEGP PF Interface Suite\", 1", "\"PF Param Utils Suite\", " + utils,
                          "\"AEGP Effect Suite\", 3", "\"PF Handle Suite\", " + handles));
  EXPECT_EQ(CommandCallsOf("AcquireSuite").size(), released.size());
  EXPECT_EQ(host_.Refs().Live().Total(), 0u);
}

TEST_P(ParamVisibilityTest, MissingRecordsAreRefusedBeforeAnyHostCall) {
  auto instance = WithSnapshot(1);
  std::vector<PF_ParamDef> defs(12);
  defs[kType].u.pd.value = 1;
  std::vector<PF_ParamDef*> params;
  for (auto& def : defs) params.push_back(&def);
  std::vector<PF_ParamDef*> without_type = params;
  without_type[kType] = nullptr;

  struct Case {
    const char* name;
    bool global_data;
    PF_ParamDef** params;
  };
  const Case cases[] = {
      {"no global data", false, params.data()},
      {"no parameters", true, nullptr},
      {"no Type parameter", true, without_type.data()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PF_InData in_data = instance->in_data;
    if (!c.global_data) in_data.global_data = nullptr;
    PF_OutData out_data{};
    out_data.out_flags = kHostFlags;
    out_data.sequence_data = instance->sequence_data;
    const std::size_t calls_before = host_.Log().Calls().size();
    EXPECT_EQ(library_->EntryPoint()(PF_Cmd_UPDATE_PARAMS_UI, &in_data, &out_data, c.params,
                                     nullptr, nullptr),
              516);
    EXPECT_EQ(host_.Log().Calls().size(), calls_before);
    EXPECT_EQ(out_data.out_flags, kHostFlags);
    EXPECT_EQ(out_data.sequence_data, instance->sequence_data);
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, ParamVisibilityTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

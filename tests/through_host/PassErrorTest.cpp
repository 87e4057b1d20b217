// The error convention of the pre-render: a failure at any host call is the
// run's result, every reference taken is given back, and nothing is decided
// on what a skipped call would have said.
#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "EngineScene.h"

namespace tavrelio_test {
namespace {

using ::testing::IsEmpty;

constexpr A_long kInjected = 77;

// Calls that give a reference back; they run also after a failure.
const std::set<std::string> kReleases = {"AEGP_DisposeEffect", "AEGP_DisposeStream",
                                         "AEGP_DisposeStreamValue", "AEGP_FreeMemHandle"};
// What may follow a failure: releases, suite traffic for them, and the
// disposal of a record whose lock failed.
bool AllowedAfterFailure(const std::string& function) {
  return kReleases.contains(function) || function == "AcquireSuite" || function == "ReleaseSuite" ||
         function == "host_dispose_handle";
}
// The look-ups of the memo writing that the info panel follows even when one failed.
const std::set<std::string> kMemoLookups = {"AEGP_GetNewEffectStreamByIndex",
                                            "AEGP_GetNewStreamRefForLayer",
                                            "AEGP_GetNewStreamRefByMatchname",
                                            "AEGP_GetNewStreamRefByIndex",
                                            "AEGP_GetStreamName",
                                            "AcquireSuite"};

// What the run returns when the call of `function` fails.
PF_Err ExpectedResult(const std::string& function) {
  if (function == "AcquireSuite") return PF_Err_BAD_CALLBACK_PARAM;
  if (function == "host_new_handle" || function == "host_lock_handle") return PF_Err_OUT_OF_MEMORY;
  // Answers the run does not use as errors.
  if (function == "AEGP_LockMemHandle" || function == "PF_InfoDrawText" ||
      function == "ReleaseSuite") {
    return PF_Err_NONE;
  }
  return kInjected;
}

bool SameRect(const PF_LRect& a, const PF_LRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class PassErrorTest : public EngineTest {
 public:
  using Arrangement = void (PassErrorTest::*)();

  // Scenes, each reaching one branch with as many host calls as it can make.

  // The target moved: "Effect" follows it, is written back, and the value is transferred.
  void ArmedWithMemo() {
    AddEffect("Glow", {Keyed("Radius", KeysOf({1, 2}))});
    AddEffect("Blur", {Keyed("Amount", KeysOf({3, 4}))});
    OwnStream(kInfo).expression = "'Blur';1";
    Arm(0, 1, 1);
  }
  // The target where "Effect" says: only the value is transferred.
  void ArmedWithMemoInPlace() {
    AddEffect("Blur", {Keyed("Amount", KeysOf({3, 4}))});
    OwnStream(kInfo).expression = "'Blur';1";
    Arm(0, 1, 1);
  }
  // Everything in range: the memo is written and the value transferred.
  void ArmedWritingMemo() {
    AddEffect("Blur", {Keyed("Amount", KeysOf({3, 4}))});
    Arm(0, 1, 1);
  }
  // "Index" beyond: corrected, written back, and the value transferred.
  void ArmedCorrecting() {
    AddEffect("Blur", {Keyed("Amount", KeysOf({3, 4}))});
    Arm(0, 5, 1);
  }
  // "Effect" beyond: the memo cleared, every check run, corrections written back.
  void Disarmed() {
    AddEffect("Blur", {Keyed("Amount", KeysOf({3, 4}))});
    OwnStream(kInfo).expression = "'Blur';1";
    SetAddress(4, 1, 0);
  }

 protected:
  void Arrange(Arrangement arrangement) {
    StartScene();
    (this->*arrangement)();
    tavrelio_->input_result_rect = kInputRect;
    tavrelio_->input_max_result_rect = kInputMaxRect;
    tavrelio_->pre_render_output_preset.result_rect = kAskedRect;
    tavrelio_->pre_render_output_preset.max_result_rect = kAskedMaxRect;
  }

  // Every suite acquisition the host has not seen released.
  int SuitesHeld() {
    int held = 0;
    for (const auto& [name, version] : host_.Suites().HeldSuites()) {
      held += host_.Suites().Held(name, version);
    }
    return held;
  }

  // What the host hands over in the output, what the input covers, and the union.
  static constexpr PF_LRect kAskedRect{40, 45, 70, 80};
  static constexpr PF_LRect kAskedMaxRect{50, 5, 90, 20};
  static constexpr PF_LRect kInputRect{1, 2, 30, 40};
  static constexpr PF_LRect kInputMaxRect{0, 0, 60, 50};
  static constexpr PF_LRect kUnitedRect{1, 2, 70, 80};
  static constexpr PF_LRect kUnitedMaxRect{0, 0, 90, 50};
};

struct Branch {
  const char* name;
  PassErrorTest::Arrangement arrange;
};

// Where in the clean run the info panel is drawn after the memo's look-ups:
// the positions (from 1) of those look-ups, empty when the run draws nothing.
std::set<std::size_t> MemoLookupPositions(const std::vector<standin::HostCall>& calls) {
  std::set<std::size_t> positions;
  const auto draw = std::find_if(calls.begin(), calls.end(), [](const auto& call) {
    return call.function == "PF_InfoDrawText";
  });
  if (draw == calls.end()) return positions;
  for (auto it = draw; it != calls.begin() && kMemoLookups.contains(std::prev(it)->function);
       --it) {
    positions.insert(static_cast<std::size_t>(std::prev(it) - calls.begin()) + 1);
  }
  return positions;
}

TEST_P(PassErrorTest, AFailureAtAnyHostCallIsTheResultAndLeavesNothingBehind) {
  const Branch branches[] = {
      {"armed with memo", &PassErrorTest::ArmedWithMemo},
      {"armed without memo, writing it", &PassErrorTest::ArmedWritingMemo},
      {"armed without memo, correcting", &PassErrorTest::ArmedCorrecting},
      {"disarmed", &PassErrorTest::Disarmed},
  };
  for (const Branch& branch : branches) {
    SCOPED_TRACE(branch.name);
    Arrange(branch.arrange);
    ASSERT_EQ(PlayFrame(), 0);
    const std::vector<standin::HostCall> clean = host_.Log().CurrentCommandCalls();
    const std::set<std::size_t> memo_lookups = MemoLookupPositions(clean);

    for (std::size_t n = 1; n <= clean.size(); ++n) {
      const std::string& function = clean[n - 1].function;
      if (!clean[n - 1].result) continue;
      SCOPED_TRACE("call " + std::to_string(n) + ": " + function + "(" + clean[n - 1].args + ")");
      Arrange(branch.arrange);
      // Earlier iterations may have left references the host refused to take back.
      const std::size_t handles_before = host_.Handles().LiveCount();
      const std::size_t refs_before = host_.Refs().Live().Total();
      const int suites_before = SuitesHeld();
      host_.Faults().FailNthCall(n, kInjected);
      const PF_Err result = PlayFrame();
      host_.Faults().Clear();
      const std::vector<standin::HostCall> calls = host_.Log().CurrentCommandCalls();
      ASSERT_GE(calls.size(), n);
      ASSERT_EQ(calls[n - 1].function, function);

      EXPECT_EQ(result, ExpectedResult(function));
      // A release the host refused leaves its one reference (or suite) with the host.
      EXPECT_EQ(host_.Refs().Live().Total() - refs_before, kReleases.contains(function) ? 1u : 0u);
      EXPECT_EQ(SuitesHeld() - suites_before, function == "ReleaseSuite" ? 1 : 0);
      // Nothing is left but the record, when the host holds one.
      const auto* output = &tavrelio_->last_pre_render.output;
      EXPECT_EQ(host_.Handles().LiveCount(), handles_before + (output->pre_render_data ? 1 : 0));

      // The rectangles are united once the input is checked out, unless a
      // missing suite ended the run at once.
      const bool input_checked_out = std::any_of(calls.begin(), calls.end(), [](const auto& call) {
        return call.function == "checkout_layer" && call.result == 0;
      });
      if (input_checked_out && function != "AcquireSuite") {
        EXPECT_TRUE(SameRect(output->result_rect, kUnitedRect));
        EXPECT_TRUE(SameRect(output->max_result_rect, kUnitedMaxRect));
      } else {
        EXPECT_TRUE(SameRect(output->result_rect, kAskedRect));
        EXPECT_TRUE(SameRect(output->max_result_rect, kAskedMaxRect));
      }

      if (ExpectedResult(function) == PF_Err_NONE) continue;
      // Once the error stands only releases follow; the info panel only
      // when a look-up of the memo writing failed.
      const bool draw_allowed = memo_lookups.contains(n) && function != "AcquireSuite";
      for (std::size_t later = n; later < calls.size(); ++later) {
        const std::string& next = calls[later].function;
        EXPECT_TRUE(AllowedAfterFailure(next) || (draw_allowed && next == "PF_InfoDrawText"))
            << next << " called after the failure";
      }
      if (draw_allowed) {
        EXPECT_EQ(
            std::count_if(calls.begin(), calls.end(),
                          [](const auto& call) { return call.function == "PF_InfoDrawText"; }),
            1);
      }
    }
  }
}

TEST_P(PassErrorTest, AFailedReleaseAfterAnEarlierFailureDoesNotReplaceIt) {
  Arrange(&PassErrorTest::ArmedWithMemo);
  host_.Faults().FailFunction("AEGP_GetNumStreamsInGroup", kInjected);
  // The first stream given back is that of "Info", before the search; the
  // next two are the search's root stream and effect group.
  host_.Faults().FailFunction("AEGP_DisposeStream", kInjected + 1, 2);
  host_.Faults().FailFunction("AEGP_DisposeStream", kInjected + 1, 3);
  EXPECT_EQ(PlayFrame(), kInjected);
  // The search ended: memo and "ON" stay, nothing is written back.
  EXPECT_EQ(Memo(), "'Blur';1");
  EXPECT_EQ(Own(kOn), 1);
  EXPECT_EQ(Own(kEffect), 0);
  EXPECT_THAT(StreamWrites(), IsEmpty());
  // Both were still offered back; only the host kept them.
  EXPECT_EQ(host_.Refs().Live().streams, 2u);
  EXPECT_EQ(host_.Refs().Live().Total(), 2u);
}

// The host renders on a read-only copy of the project and refuses edits.
TEST_P(PassErrorTest, ARefusedEditIsTheResultAndTheProjectStaysAsItWas) {
  const Branch scenes[] = {
      {"memo writing refused", &PassErrorTest::ArmedWritingMemo},
      {"write-back of Effect refused", &PassErrorTest::ArmedWithMemo},
      {"keyframe write refused", &PassErrorTest::ArmedWithMemoInPlace},
      {"memo clearing refused", &PassErrorTest::Disarmed},
  };
  constexpr PF_Err kConstProjectModification = 6;
  for (const Branch& scene : scenes) {
    SCOPED_TRACE(scene.name);
    Arrange(scene.arrange);
    host_.refuse_edits_during_render = true;
    const std::string before = LayerSnapshot();
    const std::size_t handles_before = host_.Handles().LiveCount();
    EXPECT_EQ(PlayFrame(), kConstProjectModification);
    EXPECT_EQ(LayerSnapshot(), before);
    EXPECT_EQ(host_.Refs().Live().Total(), 0u);
    EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
    EXPECT_EQ(host_.Handles().LiveCount(), handles_before + 1);
    // The next frame meets the same refusal and copes the same way.
    EXPECT_EQ(PlayFrame(), kConstProjectModification);
    EXPECT_EQ(LayerSnapshot(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, PassErrorTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

// Keeping "Effect", "Index" and "No" inside what exists, switching "ON" off
// when the value cannot go anywhere, and writing corrections back.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "EngineScene.h"

namespace tavrelio_test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class ClampingTest : public EngineTest {
 protected:
  static constexpr double kSliderValue = 50;

  // [Levels, Solo, Glow, Tavrelio]:
  //   Levels: 1 "Gamma" with 3 keyframes, 2 "Clip" cannot vary, 3 "Bias" no keyframes;
  //   Solo: nothing but its input layer;
  //   Glow: 1 "Radius" with 2 keyframes, 2 "Amount" with 3.
  void BuildStack() {
    AddEffect("Levels", {Keyed("Gamma", KeysOf({1, 2, 3})), Still("Clip"), Unkeyed("Bias")});
    AddEffect("Solo", {});
    AddEffect("Glow", {Keyed("Radius", KeysOf({1, 2})), Keyed("Amount", KeysOf({1, 2, 3}))});
    tavrelio_->SetParam(kSlider, kSliderValue);
  }
};

const std::string kWroteEffect = "Tavrelio/1";
const std::string kWroteIndex = "Tavrelio/2";
const std::string kWroteNo = "Tavrelio/3";
const std::string kWroteOn = "Tavrelio/10";

struct Transfer {
  std::size_t effect;
  std::size_t stream;
  std::size_t key;
};

struct ClampCase {
  const char* name;
  bool armed;
  A_long effect, index, no;
  A_long want_effect, want_index, want_no, want_on;
  // The write-backs, in the order they must happen.
  std::vector<std::string> writes;
  std::optional<Transfer> transfer;
};

const ClampCase kClampCases[] = {
    {"armed, all in range", true, 0, 1, 2, 0, 1, 2, 1, {}, Transfer{0, 1, 2}},
    // "Index" and "No" lie beyond the last effect too, but are not looked at.
    {"armed, Effect at the count: branch ends",
     true,
     4,
     20,
     4,
     3,
     20,
     4,
     0,
     {kWroteEffect, kWroteOn},
     {}},
    {"disarmed, Effect beyond the stack: checks go on against the last effect",
     false,
     9,
     20,
     4,
     3,
     11,
     0,
     0,
     {kWroteEffect, kWroteIndex, kWroteNo},
     {}},
    {"armed, Index at the count: last stream, ON stays",
     true,
     2,
     3,
     1,
     2,
     2,
     1,
     1,
     {kWroteIndex},
     Transfer{2, 2, 1}},
    {"armed, Index beyond onto a stream without keyframes",
     true,
     0,
     7,
     2,
     0,
     3,
     0,
     0,
     {kWroteIndex, kWroteNo, kWroteOn},
     {}},
    {"disarmed, Index beyond", false, 2, 7, 1, 2, 2, 1, 0, {kWroteIndex}, {}},
    {"armed, single-stream target, Index 3",
     true,
     1,
     3,
     0,
     1,
     1,
     0,
     0,
     {kWroteIndex, kWroteOn},
     {}},
    // The target has no parameter to write into, whatever "Index" says.
    {"armed, single-stream target, Index 1", true, 1, 1, 0, 1, 1, 0, 0, {kWroteOn}, {}},
    {"armed, single-stream target, Index 0", true, 1, 0, 0, 1, 0, 0, 0, {kWroteOn}, {}},
    {"disarmed, single-stream target, Index 3", false, 1, 3, 0, 1, 1, 0, 0, {kWroteIndex}, {}},
    {"disarmed, single-stream target, Index 1", false, 1, 1, 0, 1, 1, 0, 0, {}, {}},
    {"armed, stream cannot vary, No 2", true, 0, 2, 2, 0, 2, 0, 0, {kWroteNo, kWroteOn}, {}},
    {"armed, stream cannot vary, No 0", true, 0, 2, 0, 0, 2, 0, 0, {kWroteOn}, {}},
    {"armed, stream without keyframes, No 0", true, 0, 3, 0, 0, 3, 0, 0, {kWroteOn}, {}},
    {"disarmed, stream cannot vary, No 2", false, 0, 2, 2, 0, 2, 0, 0, {kWroteNo}, {}},
    {"disarmed, stream without keyframes, No 0", false, 0, 3, 0, 0, 3, 0, 0, {}, {}},
    {"armed, No at the count: last keyframe, ON stays",
     true,
     2,
     1,
     2,
     2,
     1,
     1,
     1,
     {kWroteNo},
     Transfer{2, 1, 1}},
    {"disarmed, No beyond", false, 0, 1, 9, 0, 1, 2, 0, {kWroteNo}, {}},
    {"disarmed, all in range", false, 0, 1, 0, 0, 1, 0, 0, {}, {}},
};

// Whether every parameter write of the last command came before its first keyframe write.
bool CorrectionsPrecedeTheTransfer(const std::vector<standin::HostCall>& calls) {
  const auto is = [](const char* function) {
    return [function](const standin::HostCall& call) { return call.function == function; };
  };
  const auto transfer = std::find_if(calls.begin(), calls.end(), is("AEGP_SetKeyframeValue"));
  return transfer != calls.end() && std::none_of(transfer, calls.end(), is("AEGP_SetStreamValue"));
}

TEST_P(ClampingTest, ChecksOfBothBranchesCorrectSwitchOffAndWriteBackInOrder) {
  for (const ClampCase& c : kClampCases) {
    SCOPED_TRACE(c.name);
    StartScene();
    BuildStack();
    SetAddress(c.effect, c.index, c.no);
    tavrelio_->SetParam(kOn, c.armed ? 1 : 0);

    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_EQ(Own(kEffect), c.want_effect);
    EXPECT_EQ(Own(kIndex), c.want_index);
    EXPECT_EQ(Own(kNo), c.want_no);
    EXPECT_EQ(Own(kOn), c.want_on);
    EXPECT_THAT(StreamWrites(), ElementsAreArray(c.writes));

    if (c.transfer) {
      const auto& target = host_.TheProject().EffectAt(c.transfer->effect);
      EXPECT_THAT(KeyframeWrites(),
                  ElementsAreArray({target.name + "/" + std::to_string(c.transfer->stream)}));
      EXPECT_EQ(target.streams.at(c.transfer->stream).keyframes.at(c.transfer->key).value[0],
                kSliderValue);
      EXPECT_TRUE(CorrectionsPrecedeTheTransfer(host_.Log().CurrentCommandCalls()));
    } else {
      EXPECT_THAT(KeyframeWrites(), IsEmpty());
    }

    // Only an armed run that needed no correction remembers its target.
    const bool remembers = c.armed && c.writes.empty();
    EXPECT_EQ(Memo(), remembers ? std::optional<std::string>(
                                      "'" + host_.TheProject().EffectAt(c.effect).name + "';1")
                                : std::nullopt);
    if (c.armed && c.want_on == 1 && !c.writes.empty()) {
      // A correction only delays the memo to the next armed run.
      ASSERT_EQ(PlayFrame(), 0);
      EXPECT_THAT(StreamWrites(), IsEmpty());
      EXPECT_EQ(Memo(), "'" + host_.TheProject().EffectAt(c.want_effect).name + "';1");
    }
  }
}

// With a memo only "Effect" is checked; an "Index" or "No" the target does not
// have reaches the host, whose refusal is the run's result.
TEST_P(ClampingTest, WithAMemoIndexAndNoAreTakenAsTheyStand) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
  };
  const Case cases[] = {
      {"No beyond the keyframes",
       [this] { host_.TheProject().EffectAt(2).streams[1].keyframes.pop_back(); }},
      {"Index beyond the streams", [this] { tavrelio_->SetParam(kIndex, 5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartScene();
    BuildStack();
    Arm(2, 1, 1);
    ASSERT_EQ(PlayFrame(), 0);
    ASSERT_EQ(Memo(), "'Glow';1");
    c.spoil();
    const A_long index_before = Own(kIndex);
    EXPECT_EQ(PlayFrame(), 3);  // the host's parameter error
    EXPECT_THAT(StreamWrites(), IsEmpty());
    EXPECT_EQ(Own(kIndex), index_before);
    EXPECT_EQ(Own(kNo), 1);
    EXPECT_EQ(Own(kOn), 1);
    EXPECT_EQ(host_.Refs().Live().Total(), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, ClampingTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

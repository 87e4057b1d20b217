// Following the target by name: the memo on "Info", the search through the
// layer's effects and what happens when the name is gone.
#include <functional>
#include <string>

#include "EngineScene.h"

namespace tavrelio_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

class TargetTrackingTest : public EngineTest {};

TEST_P(TargetTrackingTest, TheMemoIsWrittenAndShownOnceAcrossArmedFrames) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  Arm(0, 1, 0);
  for (A_long frame = 0; frame < 4; ++frame) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(PlayFrame(frame), 0);
    EXPECT_EQ(Memo(), "'Blur';1");
    EXPECT_THAT(StreamWrites(), IsEmpty());
    if (frame == 0) {
      EXPECT_THAT(ExpressionsSet(), ElementsAre("'Blur';1"));
    } else {
      EXPECT_THAT(ExpressionsSet(), IsEmpty());
    }
  }
  EXPECT_THAT(host_.info_panel, ElementsAre(Pair("Target Effect", "Blur")));
}

TEST_P(TargetTrackingTest, EffectFollowsTheTargetThroughChangesOfTheStack) {
  const auto blur = AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  AddEffect("Glow", {Keyed("Radius", KeysOf({8}))});
  Arm(0, 1, 0);  // [Blur, Glow, Tavrelio]
  ASSERT_EQ(PlayFrame(), 0);
  ASSERT_EQ(Memo(), "'Blur';1");

  struct Step {
    const char* name;
    std::function<void(standin::Project&)> edit;
  };
  const Step steps[] = {
      {"target moved down", [](auto& project) { project.MoveEffect(0, 1); }},
      {"target moved up", [](auto& project) { project.MoveEffect(1, 0); }},
      {"Tavrelio moved above the target", [](auto& project) { project.MoveEffect(2, 0); }},
      {"an effect added above", [](auto& project) { project.AddEffect("Noise", 0); }},
      {"an effect removed above", [](auto& project) { project.DeleteEffect(0); }},
  };
  double value = 100;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.edit(host_.TheProject());
    tavrelio_->SetParam(kSlider, ++value);
    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_EQ(Own(kEffect), static_cast<A_long>(Position(blur)));
    EXPECT_THAT(StreamWrites(), ElementsAre("Tavrelio/1"));
    // The transfer of the same run goes to the moved effect.
    EXPECT_THAT(KeyframeWrites(), ElementsAre("Blur/1"));
    EXPECT_EQ(KeyValue(blur, 1, 0)[0], value);
    EXPECT_EQ(Own(kOn), 1);
    EXPECT_EQ(Memo(), "'Blur';1");
  }
}

TEST_P(TargetTrackingTest, ARenamedTargetSwitchesOffAndClearsTheMemo) {
  const auto blur = AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  tavrelio_->SetParam(kSlider, 7);
  Arm(0, 1, 0);
  ASSERT_EQ(PlayFrame(), 0);
  EffectById(blur).name = "blur";  // case matters
  tavrelio_->SetParam(kSlider, 42);
  ASSERT_EQ(PlayFrame(), 0);
  EXPECT_EQ(Own(kOn), 0);
  EXPECT_EQ(Memo(), std::nullopt);
  EXPECT_THAT(StreamWrites(), ElementsAre("Tavrelio/10"));
  EXPECT_THAT(KeyframeWrites(), IsEmpty());
  EXPECT_EQ(KeyValue(blur, 1, 0)[0], 7);
}

TEST_P(TargetTrackingTest, ADeletedTargetWhoseNameIsGoneSwitchesOffAndClearsTheMemo) {
  AddEffect("Glow", {Keyed("Radius", KeysOf({8}))});
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  Arm(1, 1, 0);  // [Glow, Blur, Tavrelio]
  ASSERT_EQ(PlayFrame(), 0);
  host_.TheProject().DeleteEffect(1);
  ASSERT_EQ(PlayFrame(), 0);
  EXPECT_EQ(Own(kOn), 0);
  EXPECT_EQ(Own(kEffect), 1);
  EXPECT_EQ(Memo(), std::nullopt);
  EXPECT_THAT(StreamWrites(), ElementsAre("Tavrelio/10"));
  EXPECT_THAT(KeyframeWrites(), IsEmpty());
}

TEST_P(TargetTrackingTest, ADeletedTargetBeyondTheStackKeepsTheMemoUntilADisarmedRun) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))}, 1);
  Arm(1, 1, 0);  // [Tavrelio, Blur]
  ASSERT_EQ(PlayFrame(), 0);
  host_.TheProject().DeleteEffect(1);

  ASSERT_EQ(PlayFrame(), 0);
  EXPECT_EQ(Own(kEffect), 0);
  EXPECT_EQ(Own(kOn), 0);
  EXPECT_THAT(StreamWrites(), ElementsAre("Tavrelio/1", "Tavrelio/10"));
  EXPECT_EQ(Memo(), "'Blur';1");

  ASSERT_EQ(PlayFrame(), 0);  // now disarmed
  EXPECT_EQ(Memo(), std::nullopt);
}

TEST_P(TargetTrackingTest, OfTwoEffectsWithOneNameTheUpperIsTaken) {
  const auto upper = AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  const auto lower = AddEffect("Blur", {Keyed("Radius", KeysOf({6}))});
  Arm(1, 1, 0);  // addresses the lower one
  tavrelio_->SetParam(kSlider, 20);
  ASSERT_EQ(PlayFrame(), 0);
  EXPECT_EQ(KeyValue(lower, 1, 0)[0], 20);

  tavrelio_->SetParam(kSlider, 30);
  ASSERT_EQ(PlayFrame(), 0);
  EXPECT_EQ(Own(kEffect), 0);
  EXPECT_THAT(StreamWrites(), ElementsAre("Tavrelio/1"));
  EXPECT_EQ(KeyValue(upper, 1, 0)[0], 30);
  EXPECT_EQ(KeyValue(lower, 1, 0)[0], 20);
}

TEST_P(TargetTrackingTest, NamesGoIntoTheMemoAsReadAndAreFoundAgain) {
  const std::string name31(31, 'n');
  const std::string name40 = std::string(31, 'x') + "123456789";
  struct Case {
    const char* what;
    std::string name;
    std::string memo;
  };
  const Case cases[] = {
      {"an apostrophe, unescaped", "Bob's Blur", "'Bob's Blur';1"},
      {"31 characters: a memo of 35", name31, "'" + name31 + "';1"},
      {"40 characters, read back cut at 31", name40, "'" + std::string(31, 'x') + "';1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartScene();
    const auto target = AddEffect(c.name, {Keyed("Radius", KeysOf({5}))});
    Arm(0, 1, 0);
    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_EQ(Memo(), c.memo);

    host_.TheProject().AddEffect("Noise", 0);
    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_EQ(Own(kOn), 1);
    EXPECT_EQ(Own(kEffect), static_cast<A_long>(Position(target)));
    EXPECT_EQ(Memo(), c.memo);
  }
}

TEST_P(TargetTrackingTest, EveryDisarmedRunClearsTheMemo) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  OwnStream(kInfo).expression = "'Blur';1";
  SetAddress(0, 1, 0);
  for (A_long frame = 0; frame < 2; ++frame) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(PlayFrame(frame), 0);
    EXPECT_THAT(ExpressionsSet(), ElementsAre(""));
    EXPECT_EQ(Memo(), std::nullopt);
  }
}

// A memo that names no effect stops the transfer rather than guess: an
// empty text, a text too long for the read-back buffer, or a memory handle
// that will not lock.
TEST_P(TargetTrackingTest, AMemoThatNamesNoEffectSwitchesOffAndIsCleared) {
  struct Case {
    const char* name;
    std::string expression;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"empty text", "", [] {}},
      {"48 bytes", "'Blur';1" + std::string(40, ' '), [] {}},
      {"lock gives no pointer", "'Blur';1",
       [this] { host_.Faults().FailFunction("AEGP_LockMemHandle", 3); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartScene();
    const auto blur = AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
    OwnStream(kInfo).expression = c.expression;
    Arm(0, 1, 0);
    c.arrange();
    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_EQ(Own(kOn), 0);
    EXPECT_EQ(Memo(), std::nullopt);
    EXPECT_THAT(KeyframeWrites(), IsEmpty());
    EXPECT_EQ(KeyValue(blur, 1, 0)[0], 5);
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, TargetTrackingTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

// The value that "Type" selects, written into the target keyframe on every
// armed frame.
#include "EngineScene.h"

namespace tavrelio_test {
namespace {

using standin::StreamKind;
using standin::StreamNumbers;
using ::testing::DoubleEq;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class TransferValueTest : public EngineTest {};

TEST_P(TransferValueTest, EachFrameWritesTheSlidersValueAtItsTimeIntoTheTargetKeyframe) {
  const auto blur = AddEffect("Blur", {Keyed("Radius", KeysOf({5, 6, 7}))});
  // Over the first second the slider runs from 0 to 24: its value is the frame number.
  OwnStream(kSlider).keyframes = {{0.0, {0.0}}, {1.0, {24.0}}};
  Arm(0, 1, 1);
  for (const A_long frame : {0, 7, 24, 12}) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(PlayFrame(frame), 0);
    EXPECT_THAT(KeyframeWrites(), ElementsAre("Blur/1"));
    EXPECT_THAT(KeyValue(blur, 1, 1)[0], DoubleEq(frame));
  }
  // The frame pre-rendered last decides; the neighbours are not touched.
  EXPECT_THAT(KeyValue(blur, 1, 1)[0], DoubleEq(12));
  EXPECT_EQ(KeyValue(blur, 1, 0)[0], 5);
  EXPECT_EQ(KeyValue(blur, 1, 2)[0], 7);
}

TEST_P(TransferValueTest, AnExpressionOnTheSourceIsApplied) {
  const auto blur = AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  tavrelio_->SetParam(kSlider, 3);
  OwnStream(kSlider).expression = "time * 10 + 1";
  Arm(0, 1, 0);
  ASSERT_EQ(PlayFrame(12), 0);  // half a second
  EXPECT_THAT(KeyValue(blur, 1, 0)[0], DoubleEq(6));
}

TEST_P(TransferValueTest, EachTypeCopiesItsOwnNumbersAndLeavesTheRestOfTheKeyframe) {
  struct Case {
    const char* name;
    A_long type;
    OwnParam source;
    StreamNumbers source_value;
    StreamKind target_kind;
    StreamNumbers key_before;
    StreamNumbers key_after;
  };
  const Case cases[] = {
      {"slider", kTypeSlider, kSlider, {2.5}, StreamKind::FloatSlider, {9}, {2.5}},
      {"angle", kTypeAngle, kAngle, {-45.25}, StreamKind::Angle, {10}, {-45.25}},
      {"checkbox", kTypeCheckbox, kCheckbox, {1}, StreamKind::Checkbox, {0}, {1}},
      // Alpha, red, green, blue, each into the same member.
      {"colour",
       kTypeColor,
       kColor,
       {0.1, 0.2, 0.3, 0.4},
       StreamKind::Color,
       {1, 1, 1, 1},
       {0.1, 0.2, 0.3, 0.4}},
      {"point", kTypePoint, kPoint, {12.5, -3.75}, StreamKind::Point, {1, 2}, {12.5, -3.75}},
      // Kinds are not compared: a point's two numbers land on the first two
      // members of a colour keyframe, the other two stay as they were.
      {"point into a colour",
       kTypePoint,
       kPoint,
       {12.5, -3.75},
       StreamKind::Color,
       {0.9, 0.8, 0.7, 0.6},
       {12.5, -3.75, 0.7, 0.6}},
      {"slider into a point", kTypeSlider, kSlider, {4}, StreamKind::Point, {1, 2}, {4, 2}},
      // A "Type" that selects no value parameter transfers nothing.
      {"type 0", 0, kSlider, {4}, StreamKind::FloatSlider, {9}, {9}},
      {"type 6", 6, kSlider, {4}, StreamKind::FloatSlider, {9}, {9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartScene();
    const auto target = AddEffect("Target", {Keyed("Value", {{0.0, c.key_before}}, c.target_kind)});
    tavrelio_->SetParam(c.source, c.source_value);
    Arm(0, 1, 0, c.type);
    ASSERT_EQ(PlayFrame(), 0);
    EXPECT_THAT(KeyValue(target, 1, 0), ElementsAreArray(c.key_after));
    EXPECT_EQ(Own(kOn), 1);
    // Where nothing changes, nothing is written at all.
    if (c.key_after == c.key_before) {
      EXPECT_THAT(KeyframeWrites(), IsEmpty());
    }
  }
}

TEST_P(TransferValueTest, TheEffectCanWriteIntoAKeyframeOfItsOwnParameter) {
  OwnStream(kAngle).keyframes = KeysOf({1, 2});
  tavrelio_->SetParam(kSlider, 33);
  Arm(0, kAngle, 1);
  ASSERT_EQ(PlayFrame(), 0);
  ASSERT_EQ(PlayFrame(), 0);  // the second run follows the memo to itself
  EXPECT_EQ(Memo(), "'Tavrelio';1");
  EXPECT_EQ(OwnStream(kAngle).keyframes.at(1).value[0], 33);
  EXPECT_EQ(OwnStream(kAngle).keyframes.at(0).value[0], 1);
  EXPECT_EQ(Own(kOn), 1);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, TransferValueTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

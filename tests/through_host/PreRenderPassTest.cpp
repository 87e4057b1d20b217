// The skeleton of the smart pre-render: the frame's record, the request for
// the input layer, the reported rectangles and what a run leaves behind.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "EngineScene.h"

namespace tavrelio_test {
namespace {

using ::testing::DoubleEq;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The frame's record as the host holds it.
struct RecordView {
  double scale_x;
  double scale_y;
  std::int32_t effect_index;
  std::int32_t param_index;
  std::int32_t key_index;
  std::int32_t value_type;
  std::int32_t on;
};

bool SameRect(const PF_LRect& a, const PF_LRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class PreRenderPassTest : public EngineTest {
 protected:
  std::vector<std::byte> PendingRecordBytes() {
    return host_.Handles().Bytes(static_cast<PF_Handle>(tavrelio_->pending.pre_render_data));
  }
  RecordView PendingRecord() {
    RecordView record{};
    const auto bytes = PendingRecordBytes();
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
  }
};

TEST_P(PreRenderPassTest, TheRecordHoldsTheScalesAndTheControlsAsDelivered) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  Arm(6, 4, 3, kTypePoint);  // "Effect" lies beyond the two effects
  tavrelio_->before_command = [](PF_InData& in, PF_OutData&) {
    in.downsample_x = PF_RationalScale{1, 4};
    // A denominator past the signed range: only an unsigned reading gives one half.
    in.downsample_y = PF_RationalScale{1500000000, 3000000000u};
  };
  ASSERT_EQ(PlayFrame(), 0);
  ASSERT_EQ(Own(kEffect), 1);  // corrected in the project ...
  ASSERT_EQ(Own(kOn), 0);

  const RecordView record = PendingRecord();  // ... but not in the record
  EXPECT_THAT(record.scale_x, DoubleEq(0.25));
  EXPECT_THAT(record.scale_y, DoubleEq(0.5));
  EXPECT_EQ(record.effect_index, 6);
  EXPECT_EQ(record.param_index, 4);
  EXPECT_EQ(record.key_index, 3);
  EXPECT_EQ(record.value_type, kTypePoint);
  EXPECT_EQ(record.on, 1);
  // The record is cleared before it is filled: the padding after the last
  // member holds no trace of the host's fresh memory.
  const auto bytes = PendingRecordBytes();
  constexpr std::size_t kMembersEnd = offsetof(RecordView, on) + sizeof(RecordView::on);
  ASSERT_GE(bytes.size(), kMembersEnd);
  EXPECT_TRUE(std::all_of(bytes.begin() + kMembersEnd, bytes.end(),
                          [](std::byte b) { return b == std::byte{0}; }));
  EXPECT_EQ(host_.Handles().LockCount(static_cast<PF_Handle>(tavrelio_->pending.pre_render_data)),
            1);
}

// The host's own callback, so that the request can carry values the stand-in
// host would never set; it remembers what it was asked.
struct AskedForInput {
  static inline PF_RenderRequest request{};
  static inline A_long checkout_id = -1;
  static inline PF_ParamIndex index = -1;
  static PF_Err Checkout(PF_ProgPtr, PF_ParamIndex layer, A_long id, const PF_RenderRequest* req,
                         A_long, A_long, A_u_long, PF_CheckoutResult* result) {
    index = layer;
    checkout_id = id;
    request = *req;
    result->result_rect = PF_LRect{0, 0, 10, 10};
    result->max_result_rect = PF_LRect{0, 0, 10, 10};
    return PF_Err_NONE;
  }
};

TEST_P(PreRenderPassTest, TheInputIsRequestedAsTheHostAskedButKeepingTransparentColour) {
  PF_RenderRequest asked{};
  asked.rect = PF_LRect{-3, 5, 77, 91};
  asked.field = 2;
  asked.channel_mask = 0x5;
  asked.preserve_rgb_of_zero_alpha = 0;
  asked.unused[1] = 9;
  asked.reserved[0] = 11;
  asked.reserved[3] = -12;
  PF_PreRenderInput input{};
  input.output_request = asked;
  PF_PreRenderOutput output{};
  PF_PreRenderCallbacks callbacks{};
  callbacks.checkout_layer = AskedForInput::Checkout;
  PF_PreRenderExtra extra{&input, &output, &callbacks};

  ASSERT_EQ(tavrelio_->Send(23, &extra), 0);
  ASSERT_NE(output.delete_pre_render_data_func, nullptr);
  output.delete_pre_render_data_func(output.pre_render_data);

  EXPECT_EQ(AskedForInput::index, 0);
  EXPECT_EQ(AskedForInput::checkout_id, 0);
  PF_RenderRequest expected = asked;
  expected.preserve_rgb_of_zero_alpha = 1;
  EXPECT_EQ(std::memcmp(&AskedForInput::request, &expected, sizeof expected), 0);
  // The host's record is left as it was.
  EXPECT_EQ(std::memcmp(&input.output_request, &asked, sizeof asked), 0);
}

TEST_P(PreRenderPassTest, EmptyOutputRectanglesBecomeTheInputs) {
  tavrelio_->input_result_rect = PF_LRect{3, 4, 50, 40};
  tavrelio_->input_max_result_rect = PF_LRect{-8, 0, 80, 60};
  ASSERT_EQ(PlayFrame(), 0);
  const PF_PreRenderOutput& output = tavrelio_->last_pre_render.output;
  EXPECT_TRUE(SameRect(output.result_rect, tavrelio_->input_result_rect));
  EXPECT_TRUE(SameRect(output.max_result_rect, tavrelio_->input_max_result_rect));
}

// Every frame makes a record; the host gives each back through the delete
// function, after the render or unrendered at the next pre-render.
TEST_P(PreRenderPassTest, RecordsDoNotPileUpOverManyFrames) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  OwnStream(kSlider).keyframes = KeysOf({0, 48});
  Arm(0, 1, 0);
  for (const bool render : {true, false}) {
    SCOPED_TRACE(render ? "pre-render and render" : "pre-render only");
    const auto play = [&](A_long frame) {
      ASSERT_EQ(PlayFrame(frame % 48), 0);
      if (render) {
        ASSERT_EQ(tavrelio_->Render(), 0);
      }
    };
    play(0);
    const std::size_t after_first = host_.Handles().LiveCount();
    for (A_long frame = 1; frame < 10000; ++frame) {
      host_.Log().Clear();
      play(frame);
    }
    EXPECT_EQ(host_.Handles().LiveCount(), after_first);
    EXPECT_EQ(host_.Refs().Live().Total(), 0u);
    EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
  }
}

TEST_P(PreRenderPassTest, WithoutGlobalDataTheRunIsRefusedBeforeAnyHostCall) {
  AddEffect("Blur", {Keyed("Radius", KeysOf({5}))});
  Arm(0, 1, 0);
  tavrelio_->before_command = [](PF_InData& in, PF_OutData&) { in.global_data = nullptr; };
  const std::string before = LayerSnapshot();
  EXPECT_EQ(PlayFrame(), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_THAT(host_.Log().CurrentCommandCalls(), IsEmpty());
  EXPECT_EQ(tavrelio_->last_pre_render.output.pre_render_data, nullptr);
  EXPECT_TRUE(SameRect(tavrelio_->last_pre_render.output.result_rect, PF_LRect{}));
  EXPECT_EQ(LayerSnapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, PreRenderPassTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

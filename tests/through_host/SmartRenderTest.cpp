// The pass-through smart render: the output is the input layer, copied by
// the host, for the three ARGB depths only; every failure keeps its code and
// leaves no world suite or pre-render lock behind.
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "PluginFixture.h"
#include "host/HostConstants.h"
#include "standin_host/RenderCallbacks.h"

namespace tavrelio_test {
namespace {

using standin::HostWorld;

constexpr const char* kWorldSuite = "PF World Suite";
constexpr int kWorldSuiteVersion = 2;

class SmartRenderTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    instance_ = NewInstance();
    ASSERT_EQ(instance_->Apply(), 0);
  }
  void TearDown() override {
    instance_->Remove();
    PluginTest::TearDown();
  }

  // Input and output rows are padded differently, so a copy that reads or
  // writes with the wrong row length or pixel size scrambles the output.
  void UseWorlds(PF_PixelFormat format) {
    instance_->render_input = std::make_unique<HostWorld>(format, 9, 6, 12);
    instance_->render_input->FillPattern(1);
    instance_->render_output = std::make_unique<HostWorld>(format, 9, 6, 4);
    instance_->render_output->FillPattern(2);
  }

  PF_Err RenderFrame() {
    EXPECT_EQ(instance_->PreRender(), 0);
    return instance_->Render();
  }

  std::size_t RenderCalls(const std::string& function) {
    std::size_t count = 0;
    for (const auto& name : host_.Log().CurrentCommandFunctions()) count += name == function;
    return count;
  }

  int WorldSuiteAcquires() { return host_.Suites().Acquires(kWorldSuite, kWorldSuiteVersion); }
  int WorldSuiteReleases() { return host_.Suites().Releases(kWorldSuite, kWorldSuiteVersion); }
  bool ShowsMessage(const char* text) const {
    return (instance_->out_data.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) != 0 &&
           std::strcmp(instance_->out_data.return_msg, text) == 0;
  }

  std::unique_ptr<standin::EffectInstance> instance_;
};

TEST_P(SmartRenderTest, CopiesEachArgbDepthUnchanged) {
  const PF_PixelFormat formats[] = {PF_PixelFormat_ARGB32, PF_PixelFormat_ARGB64,
                                    PF_PixelFormat_ARGB128};
  for (const PF_PixelFormat format : formats) {
    SCOPED_TRACE(format);
    UseWorlds(format);
    const auto input = instance_->render_input->Pixels();
    ASSERT_NE(instance_->render_output->Pixels(), input);

    EXPECT_EQ(RenderFrame(), 0);
    EXPECT_EQ(instance_->render_output->Pixels(), input);
    EXPECT_EQ(instance_->render_input->Pixels(), input);
    EXPECT_EQ(instance_->out_data.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_EQ(RenderCalls("copy"), 1u);
    EXPECT_EQ(RenderCalls("checkin_layer_pixels"), 0u);
    EXPECT_EQ(host_.Suites().Held(kWorldSuite, kWorldSuiteVersion), 0);
    EXPECT_THAT(host_.Suites().HeldSuites(), ::testing::IsEmpty());
  }
  EXPECT_EQ(WorldSuiteAcquires(), 3);
  EXPECT_EQ(WorldSuiteReleases(), 3);
}

TEST_P(SmartRenderTest, RefusesOtherPixelFormatsWithoutWriting) {
  UseWorlds(standin::kPixelFormatBGRA32);
  const auto output = instance_->render_output->Buffer();

  EXPECT_EQ(RenderFrame(), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_EQ(instance_->render_output->Buffer(), output);
  EXPECT_EQ(RenderCalls("copy"), 0u);
  EXPECT_EQ(WorldSuiteAcquires(), 1);
  EXPECT_EQ(WorldSuiteReleases(), 1);
  // Refusing a format is not a suite failure: nothing is shown.
  EXPECT_EQ(instance_->out_data.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
}

TEST_P(SmartRenderTest, WithoutALockableRecordNothingIsCheckedOut) {
  struct Case {
    const char* name;
    std::function<void(standin::EffectInstance&, standin::StandInHost&)> arrange;
  };
  const Case cases[] = {
      {"no pre-render, no record", [](auto&, auto&) {}},
      {"record does not lock",
       [](auto& instance, auto& host) {
         ASSERT_EQ(instance.PreRender(), 0);
         host.Faults().FailFunction("host_lock_handle", PF_Err_OUT_OF_MEMORY, 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host_.Faults().Clear();
    UseWorlds(PF_PixelFormat_ARGB32);
    const auto output = instance_->render_output->Buffer();
    c.arrange(*instance_, host_);

    EXPECT_EQ(instance_->Render(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(RenderCalls("checkout_layer_pixels"), 0u);
    EXPECT_EQ(RenderCalls("checkout_output"), 0u);
    EXPECT_EQ(instance_->render_output->Buffer(), output);
    EXPECT_EQ(WorldSuiteAcquires(), 0);
  }
}

TEST_P(SmartRenderTest, MalformedRecordsAreRefusedBeforeAnyHostCall) {
  UseWorlds(PF_PixelFormat_ARGB32);
  ASSERT_EQ(instance_->PreRender(), 0);
  PF_SmartRenderInput input{};
  input.pre_render_data = instance_->pending.pre_render_data;
  PF_SmartRenderCallbacks callbacks = standin::MakeSmartRenderCallbacks();
  PF_SmartRenderCallbacks empty_callbacks{};
  PF_SmartRenderExtra complete{&input, &callbacks};
  PF_SmartRenderExtra no_input{nullptr, &callbacks};
  PF_SmartRenderExtra no_callbacks{&input, nullptr};
  PF_SmartRenderExtra null_callbacks{&input, &empty_callbacks};
  struct Case {
    const char* name;
    void* extra;
    bool drop_utils;
  };
  const Case cases[] = {
      {"no extra", nullptr, false},
      {"no input record", &no_input, false},
      {"no callback table", &no_callbacks, false},
      {"callbacks missing", &null_callbacks, false},
      {"no utility callbacks", &complete, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    instance_->before_command = [&](PF_InData& in, PF_OutData&) {
      if (c.drop_utils) in.utils = nullptr;
    };
    EXPECT_EQ(instance_->Send(PF_Cmd_SMART_RENDER, c.extra), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_THAT(host_.Log().CurrentCommandFunctions(), ::testing::IsEmpty());
  }
  instance_->before_command = nullptr;
  // The same records, complete, are accepted.
  EXPECT_EQ(instance_->Send(PF_Cmd_SMART_RENDER, &complete), PF_Err_NONE);
  EXPECT_EQ(host_.Handles().LockCount(static_cast<PF_Handle>(input.pre_render_data)), 1);
}

TEST_P(SmartRenderTest, FailingCheckoutKeepsItsCodeAndBorrowsNoSuite) {
  const std::pair<const char*, PF_Err> cases[] = {{"checkout_layer_pixels", 0x2A},
                                                  {"checkout_output", 0x2B}};
  for (const auto& [function, code] : cases) {
    SCOPED_TRACE(function);
    host_.Faults().Clear();
    UseWorlds(PF_PixelFormat_ARGB32);
    const auto output = instance_->render_output->Buffer();
    ASSERT_EQ(instance_->PreRender(), 0);
    host_.Faults().FailFunction(function, code);

    EXPECT_EQ(instance_->Render(), code);
    EXPECT_EQ(instance_->record_locks_after_render, 1);
    EXPECT_EQ(instance_->render_output->Buffer(), output);
    EXPECT_EQ(WorldSuiteAcquires(), 0);
  }
}

TEST_P(SmartRenderTest, FailureAfterTheSuiteKeepsItsCodeAndReleasesIt) {
  const std::pair<const char*, PF_Err> cases[] = {{"PF_GetPixelFormat", 0x2C}, {"copy", 0x2D}};
  int released = 0;
  for (const auto& [function, code] : cases) {
    SCOPED_TRACE(function);
    host_.Faults().Clear();
    UseWorlds(PF_PixelFormat_ARGB64);
    const auto output = instance_->render_output->Buffer();
    ASSERT_EQ(instance_->PreRender(), 0);
    host_.Faults().FailFunction(function, code);

    EXPECT_EQ(instance_->Render(), code);
    EXPECT_EQ(WorldSuiteReleases(), ++released);
    EXPECT_EQ(host_.Suites().Held(kWorldSuite, kWorldSuiteVersion), 0);
    EXPECT_EQ(instance_->render_output->Buffer(), output);
    EXPECT_EQ(instance_->out_data.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
  }
}

TEST_P(SmartRenderTest, MissingWorldSuiteIsShownAndNotReleased) {
  UseWorlds(PF_PixelFormat_ARGB32);
  const auto output = instance_->render_output->Buffer();
  host_.Suites().Refuse(kWorldSuite, kWorldSuiteVersion);

  EXPECT_EQ(RenderFrame(), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_TRUE(ShowsMessage("Couldn't load suite."));
  EXPECT_EQ(WorldSuiteAcquires(), 1);
  EXPECT_EQ(WorldSuiteReleases(), 0);
  EXPECT_EQ(RenderCalls("PF_GetPixelFormat"), 0u);
  EXPECT_EQ(instance_->render_output->Buffer(), output);
}

// The basic suite vanishes from the command's records after the world suite
// was borrowed, so it cannot be given back through them. The message shows
// either way; the code counts only when nothing failed before.
TEST_P(SmartRenderTest, FailedReleaseIsShownAndCountsOnlyAfterSuccess) {
  const std::pair<PF_Err, PF_Err> cases[] = {{PF_Err_NONE, PF_Err_BAD_CALLBACK_PARAM},
                                             {0x2E, 0x2E}};
  for (const auto& [copy_fault, expected] : cases) {
    SCOPED_TRACE(copy_fault);
    host_.Faults().Clear();
    UseWorlds(PF_PixelFormat_ARGB128);
    const auto input = instance_->render_input->Pixels();
    ASSERT_EQ(instance_->PreRender(), 0);
    instance_->during_copy = [](PF_InData& in) { in.pica_basicP = nullptr; };
    if (copy_fault != PF_Err_NONE) host_.Faults().FailFunction("copy", copy_fault);

    EXPECT_EQ(instance_->Render(), expected);
    EXPECT_TRUE(ShowsMessage("Couldn't release suite."));
    EXPECT_EQ(instance_->render_output->Pixels() == input, copy_fault == PF_Err_NONE);
    EXPECT_EQ(WorldSuiteReleases(), 0);
    // The suite cache kept its own basic suite and still returned what it borrowed.
    EXPECT_EQ(host_.Suites().Held("PF Handle Suite", HandleSuiteVersion()), 0);
  }
  instance_->during_copy = nullptr;
}

TEST_P(SmartRenderTest, RecordsStayBalancedAndAreFreedFrameAfterFrame) {
  UseWorlds(PF_PixelFormat_ARGB32);
  const std::size_t live_before = host_.Handles().LiveCount();
  for (int frame = 0; frame < 3; ++frame) {
    SCOPED_TRACE(frame);
    instance_->clock.time = frame;
    ASSERT_EQ(instance_->PreRender(), 0);
    const auto record = static_cast<PF_Handle>(instance_->pending.pre_render_data);
    ASSERT_TRUE(host_.Handles().IsLive(record));

    EXPECT_EQ(instance_->Render(), 0);
    // Only the pre-render's own lock is left for the delete function to undo.
    EXPECT_EQ(instance_->record_locks_after_render, 1);
    EXPECT_FALSE(host_.Handles().IsLive(record));
    EXPECT_EQ(host_.Handles().LiveCount(), live_before);
  }
}

TEST_P(SmartRenderTest, RecordOfAnUnrenderedFrameIsFreedWithoutARender) {
  ASSERT_EQ(instance_->PreRender(), 0);
  const auto unrendered = static_cast<PF_Handle>(instance_->pending.pre_render_data);
  ASSERT_EQ(instance_->PreRender(), 0);
  EXPECT_FALSE(host_.Handles().IsLive(unrendered));

  const auto last = static_cast<PF_Handle>(instance_->pending.pre_render_data);
  ASSERT_TRUE(host_.Handles().IsLive(last));
  instance_->Remove();
  EXPECT_FALSE(host_.Handles().IsLive(last));
}

INSTANTIATE_TEST_SUITE_P(BothVariants, SmartRenderTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

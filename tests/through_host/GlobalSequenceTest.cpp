// Global setup and set-down; sequence setup, re-setup and set-down.
#include <cstring>

#include "PluginFixture.h"
#include "host/HostConstants.h"

namespace tavrelio_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GlobalSequenceTest : public PluginTest {
 protected:
  struct GlobalRecord {
    A_Boolean initialized;
    AEGP_PluginID plugin_id;
  };
  GlobalRecord ReadGlobal(PF_Handle handle) {
    GlobalRecord record{};
    const auto bytes = host_.Handles().Bytes(handle);
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
  }
};

TEST_P(GlobalSequenceTest, GlobalSetupReportsVersionFlagsAndRegisters) {
  auto instance = NewInstance();
  instance->before_command = [](PF_InData&, PF_OutData& out) {
    out.out_flags = 0x1;
    out.out_flags2 = 0x8;
  };
  ASSERT_EQ(instance->GlobalSetup(), 0);
  EXPECT_EQ(instance->out_data.my_version, 0x80E01u);
  EXPECT_EQ(instance->out_data.out_flags, 0x06000001);
  EXPECT_EQ(instance->out_data.out_flags2, 0x1408);
  ASSERT_NE(instance->global_data, nullptr);
  const GlobalRecord record = ReadGlobal(instance->global_data);
  EXPECT_EQ(record.initialized, 1);
  EXPECT_EQ(record.plugin_id, host_.next_plugin_id - 1);
  EXPECT_THAT(host_.registered_names, ElementsAre("Error!"));
  EXPECT_EQ(host_.Handles().LockCount(instance->global_data), 0);
  EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
}

TEST_P(GlobalSequenceTest, GlobalSetupFailuresRecordNoHandle) {
  struct Case {
    const char* name;
    std::function<void(standin::StandInHost&)> arrange;
    PF_Err expected;
  };
  const Case cases[] = {
      {"no handle", [](auto& host) { host.Faults().FailFunction("host_new_handle", 4); }, 512},
      {"lock fails", [](auto& host) { host.Faults().FailFunction("host_lock_handle", 4); }, 4},
      {"utility suite refused", [](auto& host) { host.Suites().Refuse("AEGP Utility Suite", 7); },
       516},
      {"registration fails",
       [](auto& host) { host.Faults().FailFunction("AEGP_RegisterWithAEGP", 7); }, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host_.Faults().Clear();
    host_.Suites().Allow("AEGP Utility Suite", 7);
    auto instance = NewInstance();
    c.arrange(host_);
    EXPECT_EQ(instance->GlobalSetup(), c.expected);
    EXPECT_EQ(instance->out_data.global_data, nullptr);
    // Version and flags are written before anything can fail.
    EXPECT_EQ(instance->out_data.my_version, 0x80E01u);
    EXPECT_EQ(instance->out_data.out_flags, 0x06000000);
    EXPECT_EQ(host_.Handles().LiveCount(), 0u);
    EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
  }
}

TEST_P(GlobalSequenceTest, SequenceSetupLeavesOneBytePlaceholder) {
  auto instance = NewInstance();
  ASSERT_EQ(instance->SequenceSetup(), 0);
  ASSERT_NE(instance->sequence_data, nullptr);
  const auto bytes = host_.Handles().Bytes(instance->sequence_data);
  ASSERT_EQ(bytes.size(), 1u);
  EXPECT_EQ(bytes[0], std::byte{0});
  EXPECT_EQ(host_.Handles().LockCount(instance->sequence_data), 0);
}

TEST_P(GlobalSequenceTest, ResetupDisposesIncomingSnapshotAndLeavesFreshPlaceholder) {
  auto instance = NewInstance();
  PF_Handle snapshot = host_.Handles().New(16);
  instance->sequence_data = snapshot;
  ASSERT_EQ(instance->SequenceResetup(), 0);
  EXPECT_FALSE(host_.Handles().IsLive(snapshot));
  ASSERT_NE(instance->sequence_data, snapshot);
  EXPECT_EQ(host_.Handles().Bytes(instance->sequence_data).size(), 1u);
  EXPECT_EQ(host_.Handles().LiveCount(), 1u);
}

TEST_P(GlobalSequenceTest, ResetupWithoutMemoryHandsNoDisposedHandleBack) {
  auto instance = NewInstance();
  PF_Handle snapshot = host_.Handles().New(16);
  instance->sequence_data = snapshot;
  host_.Faults().FailFunction("host_new_handle", 4);
  EXPECT_EQ(instance->SequenceResetup(), 4);
  EXPECT_FALSE(host_.Handles().IsLive(snapshot));
  EXPECT_EQ(instance->out_data.sequence_data, nullptr);
}

TEST_P(GlobalSequenceTest, SetdownsWithoutDataSucceedWithoutSuites) {
  auto instance = NewInstance();
  EXPECT_EQ(instance->SequenceSetdown(), 0);
  EXPECT_EQ(host_.Log().Count("AcquireSuite"), 0u);
  EXPECT_EQ(instance->GlobalSetdown(), 0);
  EXPECT_EQ(host_.Handles().LiveCount(), 0u);
}

TEST_P(GlobalSequenceTest, FullLifecycleLeavesNoHandleAndNoSuite) {
  auto instance = NewInstance();
  ASSERT_EQ(instance->Apply(), 0);
  EXPECT_EQ(host_.Handles().LiveCount(), 2u);
  ASSERT_EQ(instance->SequenceResetup(), 0);
  ASSERT_EQ(instance->Remove(), 0);
  EXPECT_EQ(host_.Handles().LiveCount(), 0u);
  EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothVariants, GlobalSequenceTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

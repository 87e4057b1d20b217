// Suite access of the build under test (compiled once per build): the
// catalogue, the per-command cache and the two free functions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "FakeBasicSuite.h"
#include "host/EffectSuiteAccess.h"
#include "host/SuiteCache.h"

namespace {

using suite_test::fake_state;
using suite_test::SuiteEvent;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kStreamSuite = 7;
const int kHandleVersion = tavrelio::kIs32BitVariant ? 1 : 2;

TEST(SuiteCatalogue, HasEachBuildsEntriesInOrder) {
  EXPECT_EQ(tavrelio::kSuiteCatalogue64.size(), 101u);
  EXPECT_EQ(tavrelio::kSuiteCatalogue32.size(), 85u);
  EXPECT_EQ(tavrelio::kSuiteCatalogue64.front(), (tavrelio::SuiteId{"AEGP Marker Suite", 1}));
  EXPECT_EQ(tavrelio::kSuiteCatalogue64.back(), (tavrelio::SuiteId{"DRAWBOT Path Suite", 1}));
  EXPECT_EQ(tavrelio::kSuiteCatalogue32.front(), (tavrelio::SuiteId{"AEGP Layer Suite", 8}));
  EXPECT_EQ(tavrelio::kSuiteCatalogue32.back(), (tavrelio::SuiteId{"PF SamplingFloat Suite", 1}));
  EXPECT_EQ(tavrelio::BuildCatalogue().size(), tavrelio::kIs32BitVariant ? 85u : 101u);
}

class SuiteCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    basic_ = suite_test::MakeFakeBasicSuite();
    in_data_.pica_basicP = &basic_;
  }
  SPBasicSuite basic_{};
  PF_InData in_data_{};
};

TEST_F(SuiteCacheTest, AcquiresLazilyOncePerSuiteAndReleasesOnce) {
  {
    tavrelio::SuiteCache suites(in_data_);
    EXPECT_THAT(fake_state.events, IsEmpty());
    for (int i = 0; i < 3; ++i) suites.StreamSuite();
  }
  EXPECT_THAT(fake_state.events, ElementsAre(SuiteEvent{"acquire", "AEGP Stream Suite", 7},
                                             SuiteEvent{"release", "AEGP Stream Suite", 7}));
}

TEST_F(SuiteCacheTest, ACacheAskedForNothingMakesNoCall) {
  { tavrelio::SuiteCache suites(in_data_); }
  EXPECT_THAT(fake_state.events, IsEmpty());
}

TEST_F(SuiteCacheTest, ReleasesInCatalogueOrderNotOrderOfUse) {
  {
    tavrelio::SuiteCache suites(in_data_);
    suites.EffectSuite();
    suites.StreamSuite();
    suites.DynamicStreamSuite3();
    suites.DynamicStreamSuite2();
  }
  // Both builds list Stream 7 and the two Dynamic Stream numbers before Effect 3.
  EXPECT_THAT(fake_state.events,
              ElementsAre(SuiteEvent{"acquire", "AEGP Effect Suite", 3},
                          SuiteEvent{"acquire", "AEGP Stream Suite", kStreamSuite},
                          SuiteEvent{"acquire", "AEGP Dynamic Stream Suite", 3},
                          SuiteEvent{"acquire", "AEGP Dynamic Stream Suite", 2},
                          SuiteEvent{"release", "AEGP Stream Suite", kStreamSuite},
                          SuiteEvent{"release", "AEGP Dynamic Stream Suite", 2},
                          SuiteEvent{"release", "AEGP Dynamic Stream Suite", 3},
                          SuiteEvent{"release", "AEGP Effect Suite", 3}));
}

TEST_F(SuiteCacheTest, RefusedThirdSuiteRaises516AndReleasesTheTwoBefore) {
  for (const bool refusal_hands_table : {false, true}) {
    SCOPED_TRACE(refusal_hands_table);
    SetUp();
    fake_state.refuse_acquire_number = 3;
    fake_state.refusal_hands_table = refusal_hands_table;
    int raised = 0;
    try {
      tavrelio::SuiteCache suites(in_data_);
      suites.HandleSuite();
      suites.MemorySuite();
      suites.KeyframeSuite();
    } catch (const tavrelio::RaisedError& code) {
      raised = code;
    }
    EXPECT_EQ(raised, 516);
    // A table that came with an error code is neither kept nor released.
    int releases = 0;
    for (const auto& event : fake_state.events) {
      if (event.what == "release") {
        ++releases;
        EXPECT_NE(event.name, "AEGP Keyframe Suite");
      }
    }
    EXPECT_EQ(releases, 2);
  }
}

TEST_F(SuiteCacheTest, NoBasicSuiteRaises516BeforeAnyCall) {
  in_data_.pica_basicP = nullptr;
  EXPECT_THROW(tavrelio::SuiteCache suites(in_data_), tavrelio::RaisedError);
}

TEST_F(SuiteCacheTest, HandleAndParamUtilsNumbersFollowTheBuild) {
  {
    tavrelio::SuiteCache suites(in_data_);
    suites.HandleSuite();
    suites.ParamUtilsSuite();
  }
  EXPECT_EQ(fake_state.events.at(0), (SuiteEvent{"acquire", "PF Handle Suite", kHandleVersion}));
  EXPECT_EQ(fake_state.events.at(1),
            (SuiteEvent{"acquire", "PF Param Utils Suite", kHandleVersion}));
}

// ---- AcquireEffectSuite / ReleaseEffectSuite ----

int RecordingSprintf(A_char* buffer, const A_char* format, ...) {
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(buffer, 256, format, args);
  va_end(args);
  return written;
}

class EffectSuiteAccessTest : public SuiteCacheTest {
 protected:
  void SetUp() override {
    SuiteCacheTest::SetUp();
    utils_.ansi.sprintf = RecordingSprintf;
    in_data_.utils = &utils_;
  }
  PF_UtilCallbacks utils_{};
  PF_OutData out_data_{};
};

TEST_F(EffectSuiteAccessTest, WithABasicSuiteBothSucceedWhateverTheHostAnswers) {
  fake_state.refuse_acquire_number = 1;
  fake_state.refusal_hands_table = true;  // an error code, but a table: it is kept
  fake_state.release_result = 7;          // a failing release is not reported
  const void* suite = nullptr;
  EXPECT_EQ(
      tavrelio::AcquireEffectSuite(&in_data_, &out_data_, "PF World Suite", 2, nullptr, &suite), 0);
  EXPECT_NE(suite, nullptr);
  EXPECT_EQ(tavrelio::ReleaseEffectSuite(&in_data_, &out_data_, "PF World Suite", 2, nullptr), 0);
  EXPECT_EQ(out_data_.out_flags, 0);
  EXPECT_EQ(out_data_.return_msg[0], '\0');
}

TEST_F(EffectSuiteAccessTest, FailuresShowTheGivenOrTheDefaultMessage) {
  struct Case {
    bool acquire;
    const char* message;
    std::string expected;
  };
  const Case cases[] = {
      {true, nullptr, "Not able to acquire AEFX Suite."},
      {true, "Couldn't load suite.", "Couldn't load suite."},
      {false, nullptr, "Not able to release AEFX Suite."},
      {false, "Couldn't release suite.", "Couldn't release suite."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    out_data_ = PF_OutData{};
    out_data_.out_flags = 0x1;
    in_data_.pica_basicP = nullptr;
    const void* suite = nullptr;
    const PF_Err err =
        c.acquire
            ? tavrelio::AcquireEffectSuite(&in_data_, &out_data_, "PF World Suite", 2, c.message,
                                           &suite)
            : tavrelio::ReleaseEffectSuite(&in_data_, &out_data_, "PF World Suite", 2, c.message);
    EXPECT_EQ(err, 516);
    EXPECT_EQ(out_data_.out_flags, 0x101);
    EXPECT_EQ(std::string(out_data_.return_msg), c.expected);
  }
}

TEST_F(EffectSuiteAccessTest, ARefusedSuiteWithoutTableFails) {
  fake_state.refuse_acquire_number = 1;
  const void* suite = nullptr;
  EXPECT_EQ(tavrelio::AcquireEffectSuite(&in_data_, &out_data_, "PF World Suite", 2,
                                         "Couldn't load suite.", &suite),
            516);
  EXPECT_STREQ(out_data_.return_msg, "Couldn't load suite.");
}

}  // namespace

// The entry point: which selectors reach a handler, the default, the about
// text and the text echo.
#include <cstring>
#include <string>

#include "PluginFixture.h"

namespace tavrelio_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DispatchTest : public PluginTest {};

// Fills both records with a pattern so that any write shows.
void Poison(PF_InData&, PF_OutData& out) { std::memset(&out, 0x5A, sizeof out); }

TEST_P(DispatchTest, UnhandledSelectorsReturnSuccessAndTouchNothing) {
  auto instance = NewInstance();
  instance->before_command = Poison;
  std::vector<PF_Cmd> selectors = {2, 7, 9, 10, 11, 12, 15, 16, 18, 22, 25, 99, -1};
  if (!Is32()) selectors.push_back(17);
  for (const PF_Cmd selector : selectors) {
    SCOPED_TRACE(selector);
    host_.Log().Clear();
    ASSERT_EQ(instance->Send(selector, const_cast<char*>("text")), 0);
    PF_OutData poisoned;
    std::memset(&poisoned, 0x5A, sizeof poisoned);
    EXPECT_EQ(std::memcmp(&instance->out_data, &poisoned, sizeof poisoned), 0);
    EXPECT_THAT(host_.Log().Calls(), IsEmpty());
  }
}

TEST_P(DispatchTest, AboutTextIsNameVersionAndDescription) {
  auto instance = NewInstance();
  ASSERT_EQ(instance->About(), 0);
  const std::string expected = "Tavrelio, v1.01\rImagination!";
  EXPECT_EQ(std::memcmp(instance->out_data.return_msg, expected.c_str(), expected.size() + 1), 0);
  if (Is32()) {
    EXPECT_THAT(host_.Log().CurrentCommandFunctions(),
                ElementsAre("AcquireSuite", "sprintf", "ReleaseSuite"));
    EXPECT_EQ(host_.Suites().Acquires("PF ANSI Suite", 1), 1);
  } else {
    EXPECT_THAT(host_.Log().CurrentCommandFunctions(), ElementsAre("sprintf"));
  }
  EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
}

TEST_P(DispatchTest, GeneralCommandEchoesTextOnlyIn32BitBuild) {
  auto instance = NewInstance();
  const std::string long_text(300, 'x');
  struct Case {
    const char* text;
    std::string expected32;
  };
  for (const Case& c : {Case{"abc", "abc"}, Case{long_text.c_str(), std::string(255, 'x')}}) {
    ASSERT_EQ(instance->General(c.text), 0);
    if (Is32()) {
      EXPECT_EQ(std::string(instance->out_data.return_msg), c.expected32);
    } else {
      EXPECT_EQ(instance->out_data.return_msg[0], '\0');
    }
  }
  // No text at all: nothing to echo, no crash.
  ASSERT_EQ(instance->Send(17, nullptr), 0);
  EXPECT_EQ(instance->out_data.return_msg[0], '\0');
  EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
}

TEST_P(DispatchTest, MissingSuiteMakesTheCommandReturn516AndReleasesEarlierSuites) {
  auto instance = NewInstance();
  // Global setup borrows the handle suite, then the utility suite: refuse the second.
  host_.Suites().Refuse("AEGP Utility Suite", 7);
  EXPECT_EQ(instance->GlobalSetup(), 516);
  EXPECT_EQ(host_.Suites().Acquires("PF Handle Suite", HandleSuiteVersion()), 1);
  EXPECT_EQ(host_.Suites().Releases("PF Handle Suite", HandleSuiteVersion()), 1);
  EXPECT_EQ(host_.Suites().Releases("AEGP Utility Suite", 7), 0);
  EXPECT_THAT(host_.Suites().HeldSuites(), IsEmpty());
}

TEST_P(DispatchTest, NoBasicSuiteGives516) {
  auto instance = NewInstance();
  instance->before_command = [](PF_InData& in, PF_OutData&) { in.pica_basicP = nullptr; };
  EXPECT_EQ(instance->GlobalSetup(), 516);
  EXPECT_EQ(instance->out_data.global_data, nullptr);
  if (Is32()) {
    EXPECT_EQ(instance->About(), 516);
  }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, DispatchTest, kBothVariants, VariantName);

}  // namespace
}  // namespace tavrelio_test

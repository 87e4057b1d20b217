// A stand-in host with one built plug-in variant loaded; every test runs
// against both variants and ends with no host misuse recorded.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "standin_host/EffectInstance.h"
#include "standin_host/PluginLibrary.h"
#include "standin_host/StandInHost.h"

namespace tavrelio_test {

struct Variant {
  int bits;
  const char* path;
};

// Keeps test names and failure messages readable instead of a byte dump.
inline void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.bits << "-bit"; }

inline const Variant kVariant64{64, TAVRELIO_PLUGIN64_PATH};
// A build that defines no 32-bit path (the Windows x86-64 one: a 64-bit
// process cannot load Tavrelio.aex) runs the 64-bit variant alone.
#if defined(TAVRELIO_PLUGIN32_PATH)
inline const Variant kVariant32{32, TAVRELIO_PLUGIN32_PATH};
inline const auto kBothVariants = ::testing::Values(kVariant64, kVariant32);
#else
inline const auto kBothVariants = ::testing::Values(kVariant64);
#endif

inline std::string VariantName(const ::testing::TestParamInfo<Variant>& info) {
  return "Variant" + std::to_string(info.param.bits);
}

class PluginTest : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override { library_ = std::make_unique<standin::PluginLibrary>(GetParam().path); }
  void TearDown() override { EXPECT_THAT(host_.AllViolations(), ::testing::IsEmpty()); }

  bool Is32() const { return GetParam().bits == 32; }
  int HandleSuiteVersion() const { return Is32() ? 1 : 2; }
  int ParamUtilsVersion() const { return Is32() ? 1 : 2; }

  std::unique_ptr<standin::EffectInstance> NewInstance(std::string name = "Tavrelio") {
    return std::make_unique<standin::EffectInstance>(host_, *library_, std::move(name));
  }

  standin::StandInHost host_;
  std::unique_ptr<standin::PluginLibrary> library_;
};

}  // namespace tavrelio_test

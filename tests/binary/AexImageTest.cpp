// What the Windows loader sees of each .aex: its kind, its one export and the
// DLLs it needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "AexTest.h"
#include "SystemDlls.h"
#include "resources/EffectIdentity.h"

namespace tavrelio::aex {
namespace {

class AexImageTest : public AexTest {};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

TEST_P(AexImageTest, IsADllForTheBuildsProcessor) {
  EXPECT_EQ(Image().Machine(), GetParam().machine);
  EXPECT_EQ(Image().OptionalHeaderMagic(), GetParam().optional_header_magic);
  EXPECT_NE(Image().Characteristics() & pe::kCharacteristicDll, 0);
}

// The host finds the entry point by the plain name the property list gives;
// on i386 a decorated name (_EntryPointFunc) would not be found.
TEST_P(AexImageTest, ExportsOnlyTheEntryPointUndecorated) {
  EXPECT_EQ(Image().ExportedFunctionCount(), 1u);
  EXPECT_EQ(Image().ExportNames(), std::vector<std::string>{std::string(kEntryPointName)});
}

TEST_P(AexImageTest, ImportsOnlySystemDlls) {
  const std::vector<std::string> dlls = Image().ImportedDllNames();
  // Every Windows DLL built with this toolchain needs kernel32; without it the
  // import walk itself has gone wrong and the check below would prove nothing.
  EXPECT_TRUE(std::any_of(dlls.begin(), dlls.end(), [](const std::string& dll) {
    return SameNameIgnoringCase(dll, "kernel32.dll");
  })) << testing::PrintToString(dlls);
  for (const std::string& dll : dlls) EXPECT_TRUE(pe::IsSystemDll(dll)) << dll;
}

INSTANTIATE_TEST_SUITE_P(Deliverables, AexImageTest, testing::ValuesIn(kAexBuilds), AexBuildLabel);

}  // namespace
}  // namespace tavrelio::aex

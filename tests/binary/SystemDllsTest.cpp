#include <gtest/gtest.h>

#include <string_view>

#include "SystemDlls.h"

namespace tavrelio::pe {
namespace {

struct DllCase {
  std::string_view name;
  bool is_system;
};

TEST(SystemDllsTest, AcceptsWindowsAndRejectsRuntimeDlls) {
  constexpr DllCase kCases[] = {
      {"KERNEL32.dll", true},
      {"msvcrt.dll", true},
      {"ucrtbase.dll", true},
      {"api-ms-win-crt-runtime-l1-1-0.dll", true},
      {"API-MS-WIN-CORE-SYNCH-L1-2-0.DLL", true},
      // gcc's runtime, which static linking must have folded in.
      {"libstdc++-6.dll", false},
      {"libgcc_s_dw2-1.dll", false},
      {"libgcc_s_seh-1.dll", false},
      {"libwinpthread-1.dll", false},
      // MSVC's redistributable runtime is not part of Windows either.
      {"vcruntime140.dll", false},
      {"msvcp140.dll", false},
      {"kernel32.dll.evil", false},
      {"api-ms-win-crt-runtime-l1-1-0", false},
  };
  for (const DllCase& c : kCases) EXPECT_EQ(IsSystemDll(c.name), c.is_system) << c.name;
}

}  // namespace
}  // namespace tavrelio::pe

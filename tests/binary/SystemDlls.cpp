#include "SystemDlls.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace tavrelio::pe {
namespace {

// Part of Windows itself, not of a redistributable runtime (so msvcp140 and
// vcruntime140 are not here, nor anything of gcc's).
constexpr std::array<std::string_view, 6> kSystemDlls = {
    "kernel32.dll", "ntdll.dll", "user32.dll", "advapi32.dll", "msvcrt.dll", "ucrtbase.dll",
};

// The API sets through which the universal C runtime and the core system are linked.
constexpr std::array<std::string_view, 2> kSystemApiSetPrefixes = {"api-ms-win-crt-",
                                                                   "api-ms-win-core-"};

}  // namespace

bool IsSystemDll(std::string_view dll_name) {
  std::string name(dll_name);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (std::find(kSystemDlls.begin(), kSystemDlls.end(), name) != kSystemDlls.end()) return true;
  return name.ends_with(".dll") &&
         std::any_of(kSystemApiSetPrefixes.begin(), kSystemApiSetPrefixes.end(),
                     [&](std::string_view prefix) { return name.starts_with(prefix); });
}

}  // namespace tavrelio::pe

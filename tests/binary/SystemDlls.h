// Which DLLs every Windows system provides. A plug-in that imports anything
// else (the compiler's runtime DLLs above all) fails to load on a machine
// that lacks them.
#pragma once

#include <string_view>

namespace tavrelio::pe {

bool IsSystemDll(std::string_view dll_name);

}  // namespace tavrelio::pe

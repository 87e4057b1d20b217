// The host's ANSI string routines (the utility callbacks' block and "PF ANSI Suite" 1).
#pragma once

#include "host/HostTypes.h"

namespace standin {

int HostSprintf(A_char* buffer, const A_char* format, ...);
A_char* HostStrcpy(A_char* destination, const A_char* source);

}  // namespace standin

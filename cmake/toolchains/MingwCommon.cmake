# The parts both mingw-w64 toolchains share; TAVRELIO_MINGW_TRIPLE names the target.

# The posix thread model gives the standard library its full threading support
# (std::mutex, std::call_once); the win32 model of this compiler version lacks it.
set(CMAKE_C_COMPILER ${TAVRELIO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRELIO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRELIO_MINGW_TRIPLE}-windres)

# Libraries and headers come from the target's sysroot only; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRELIO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Both .aex files, cross-built with mingw-w64 as sub-builds of this same
# source tree (WindowsPluginTarget.cmake), each with the property list the
# native generator writes for it. The results land in ${CMAKE_BINARY_DIR}/aex/.
include(ExternalProject)

# Native, and built even without the Windows plug-ins: the encoder's unit test needs it.
add_subdirectory(${TAVRELIO_SOURCE_ROOT}/tools/pipl_generator ${CMAKE_BINARY_DIR}/pipl_generator)

if(NOT TAVRELIO_BUILD_WINDOWS_PLUGINS)
  return()
endif()

# Extra cache arguments for each sub-build, e.g. to build more there later.
set(TAVRELIO_WINDOWS_X64_ARGS "" CACHE STRING "Extra CMake arguments for the x86-64 Windows sub-build")
set(TAVRELIO_WINDOWS_X86_ARGS "" CACHE STRING "Extra CMake arguments for the i386 Windows sub-build")

# Each sub-build runs its own Ninja, which the outer -j does not limit; the
# two run one after the other (console pool) with this many jobs each.
cmake_host_system_information(RESULT tavrelio_cores QUERY NUMBER_OF_LOGICAL_CORES)
set(TAVRELIO_WINDOWS_JOBS ${tavrelio_cores} CACHE STRING "Parallel jobs inside each Windows sub-build")

set(tavrelio_aex_dir ${CMAKE_BINARY_DIR}/aex)
set(TAVRELIO_AEX64_PATH "${tavrelio_aex_dir}/Tavrelio(64bit).aex" CACHE INTERNAL "The x86-64 plug-in")
set(TAVRELIO_AEX32_PATH "${tavrelio_aex_dir}/Tavrelio.aex" CACHE INTERNAL "The i386 plug-in")

# A shipped plug-in is built the same way whatever the native build type:
# optimised, so its size and speed do not depend on how tests were built.
# -O2 rather than -O3: mingw's GCC 12 raises false -Wrestrict alarms on
# std::string at -O3, and the plug-in gains nothing from it.
set(tavrelio_windows_build_type RelWithDebInfo)

# One sub-build: build is x64 or x86 (the generator's names), toolchain the file in cmake/toolchains/.
function(tavrelio_add_windows_build build toolchain extra_args)
  set(pipl_file ${CMAKE_BINARY_DIR}/pipl/pipl-${build}.bin)
  add_custom_command(OUTPUT ${pipl_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/pipl
    COMMAND tavrelio_pipl_generator ${build} ${pipl_file}
    DEPENDS tavrelio_pipl_generator
    COMMENT "Writing the ${build} property list")
  add_custom_target(tavrelio_pipl_${build} DEPENDS ${pipl_file})

  ExternalProject_Add(tavrelio_windows_${build}
    SOURCE_DIR ${TAVRELIO_SOURCE_ROOT}
    BINARY_DIR ${CMAKE_BINARY_DIR}/windows-${build}
    PREFIX ${CMAKE_BINARY_DIR}/windows-${build}-steps
    CMAKE_CACHE_ARGS
      -DCMAKE_TOOLCHAIN_FILE:FILEPATH=${TAVRELIO_SOURCE_ROOT}/cmake/toolchains/${toolchain}
      -DCMAKE_BUILD_TYPE:STRING=${tavrelio_windows_build_type}
      -DCMAKE_INSTALL_PREFIX:PATH=${tavrelio_aex_dir}
      -DTAVRELIO_WINDOWS_PLUGIN_ONLY:BOOL=ON
      -DTAVRELIO_PIPL_FILE:FILEPATH=${pipl_file}
    CMAKE_ARGS ${extra_args}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel ${TAVRELIO_WINDOWS_JOBS}
    # The sub-build tracks its own sources; the outer build cannot see them.
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON
    DEPENDS tavrelio_pipl_${build})
endfunction()

# The stand-in host and its tests as Windows x86-64 programs, run under Wine (tests/wine/).
option(TAVRELIO_WINE_CHECKS "Build the stand-in host for Windows x86-64 and run it under Wine" OFF)
set(tavrelio_windows_x64_args ${TAVRELIO_WINDOWS_X64_ARGS}
  -DTAVRELIO_WINDOWS_HOST_TOOLS:BOOL=${TAVRELIO_WINE_CHECKS})
tavrelio_add_windows_build(x64 mingw-x86_64.cmake "${tavrelio_windows_x64_args}")
tavrelio_add_windows_build(x86 mingw-i686.cmake "${TAVRELIO_WINDOWS_X86_ARGS}")

# What tests of the .aex files depend on.
add_custom_target(tavrelio_windows_plugins DEPENDS tavrelio_windows_x64 tavrelio_windows_x86)

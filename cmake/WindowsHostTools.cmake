# In the x86-64 Windows sub-build: the stand-in host, its behaviour tests and
# (when present) the scenario runner as Windows programs, so the real
# Tavrelio(64bit).aex can be loaded and driven under Wine. The native build
# turns this on with TAVRELIO_WINE_CHECKS (WindowsPlugins.cmake).
option(TAVRELIO_WINDOWS_HOST_TOOLS "Also build the stand-in host and its tests for Windows" OFF)
if(NOT TAVRELIO_WINDOWS_HOST_TOOLS)
  return()
endif()
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  # A 32-bit host could only load Tavrelio.aex, which this machine cannot run.
  message(FATAL_ERROR "TAVRELIO_WINDOWS_HOST_TOOLS is for the x86-64 sub-build only")
endif()

# GoogleTest from the Debian source package, compiled with this toolchain;
# its own warnings are not ours to police.
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
get_directory_property(tavrelio_saved_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${tavrelio_saved_options}")

# Static runtimes: Wine then needs no mingw DLLs on its search path.
set(tavrelio_windows_exe_link_options -static -static-libgcc -static-libstdc++)

add_subdirectory(${TAVRELIO_SOURCE_ROOT}/standin_host ${CMAKE_BINARY_DIR}/standin_host)

# The behaviour tests against Tavrelio(64bit).aex only: a 64-bit process
# cannot load the 32-bit plug-in. The test program sits next to the .aex and
# names it without a directory, so LoadLibrary finds it in the program's own
# folder on Windows and under Wine alike.
file(GLOB tavrelio_through_host_sources CONFIGURE_DEPENDS
  ${TAVRELIO_SOURCE_ROOT}/tests/through_host/*.cpp)
add_executable(through_host_tests ${tavrelio_through_host_sources})
target_link_libraries(through_host_tests PRIVATE standin_host gtest_main gmock)
target_compile_definitions(through_host_tests PRIVATE
  TAVRELIO_PLUGIN64_PATH="$<TARGET_FILE_NAME:tavrelio_aex>")
target_link_options(through_host_tests PRIVATE ${tavrelio_windows_exe_link_options})
set_target_properties(through_host_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:tavrelio_aex>)
add_dependencies(through_host_tests tavrelio_aex)

# The scenario runner, from its sources: its own CMakeLists names the native
# plug-in targets, which this build does not have. It reads nlohmann-json,
# which is header-only: give this toolchain the headers alone, not the whole
# of the build machine's /usr/include.
if(EXISTS ${TAVRELIO_SOURCE_ROOT}/scenario_runner/main.cpp)
  set(tavrelio_json_include ${CMAKE_BINARY_DIR}/nlohmann-json-include)
  file(MAKE_DIRECTORY ${tavrelio_json_include})
  file(CREATE_LINK /usr/include/nlohmann ${tavrelio_json_include}/nlohmann SYMBOLIC)
  file(GLOB tavrelio_runner_sources CONFIGURE_DEPENDS ${TAVRELIO_SOURCE_ROOT}/scenario_runner/*.cpp)
  add_executable(tavrelio-run ${tavrelio_runner_sources})
  target_include_directories(tavrelio-run PRIVATE ${tavrelio_json_include})
  target_link_libraries(tavrelio-run PRIVATE standin_host)
  target_compile_definitions(tavrelio-run PRIVATE
    TAVRELIO_DEFAULT_PLUGIN="$<TARGET_FILE_NAME:tavrelio_aex>"
    TAVRELIO_DEFAULT_SCENARIO="${TAVRELIO_SOURCE_ROOT}/scenarios/demo.json")
  target_link_options(tavrelio-run PRIVATE ${tavrelio_windows_exe_link_options})
  # Next to the .aex, where tests/wine/ looks for it.
  set_target_properties(tavrelio-run PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:tavrelio_aex>)
  add_dependencies(tavrelio-run tavrelio_aex)
endif()

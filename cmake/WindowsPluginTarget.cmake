# The .aex of the current mingw-w64 toolchain (see cmake/toolchains/): the
# plug-in core, one export, the property list and the manifest, and no DLL
# beyond what Windows itself provides. The native build (WindowsPlugins.cmake)
# runs this twice and passes in the generated property list.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
  message(FATAL_ERROR "TAVRELIO_WINDOWS_PLUGIN_ONLY needs a toolchain file from cmake/toolchains/")
endif()
set(TAVRELIO_PIPL_FILE "" CACHE FILEPATH "The property list bytes for this build (from tavrelio_pipl_generator)")
if(NOT EXISTS "${TAVRELIO_PIPL_FILE}")
  message(FATAL_ERROR "TAVRELIO_PIPL_FILE must name the generated property list; "
                      "the native build's WindowsPlugins.cmake provides it")
endif()

enable_language(RC)

# windres understands none of the compiler's warning options, which the top
# level sets for every language; keep them for C++ only.
get_directory_property(tavrelio_global_options COMPILE_OPTIONS)
set(tavrelio_cxx_options "")
foreach(option IN LISTS tavrelio_global_options)
  list(APPEND tavrelio_cxx_options "$<$<COMPILE_LANGUAGE:CXX>:${option}>")
endforeach()
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${tavrelio_cxx_options}")

# The variant follows the target's pointer size, so a toolchain cannot pair
# the 32-bit code with the 64-bit name or the other way round.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(tavrelio_variant 64)
  set(tavrelio_aex_name "Tavrelio(64bit)")
else()
  set(tavrelio_variant 32)
  set(tavrelio_aex_name "Tavrelio")
endif()

tavrelio_add_plugin_core(tavrelio_aex_core ${tavrelio_variant})
# Each function and object in its own section, so the linker can drop what
# the statically linked runtime brings along but nothing calls.
target_compile_options(tavrelio_aex_core PRIVATE -ffunction-sections -fdata-sections)

set(TAVRELIO_MANIFEST_FILE ${TAVRELIO_SOURCE_ROOT}/resources/Tavrelio.manifest)
configure_file(${TAVRELIO_SOURCE_ROOT}/resources/Tavrelio.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/Tavrelio.rc @ONLY)
# windres leaves no dependency record; name the embedded files here so an
# edit to either rebuilds the resources.
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/Tavrelio.rc PROPERTIES
  OBJECT_DEPENDS "${TAVRELIO_PIPL_FILE};${TAVRELIO_MANIFEST_FILE}")

set(tavrelio_exports_def ${TAVRELIO_SOURCE_ROOT}/resources/exports.def)
add_library(tavrelio_aex MODULE
  ${TAVRELIO_SOURCE_ROOT}/shell/ExportAnchor.cc ${CMAKE_CURRENT_BINARY_DIR}/Tavrelio.rc)
target_link_libraries(tavrelio_aex PRIVATE
  -Wl,--whole-archive tavrelio_aex_core -Wl,--no-whole-archive)
# The .def lists the one export by its plain name: on i386 the cdecl entry
# point would otherwise carry the leading underscore of its C symbol.
# Static runtime libraries, so the host needs no libstdc++, libgcc or
# winpthread DLL next to the plug-in.
# Shipped plug-ins carry no symbol tables or debug information: users load
# them, nobody debugs them from the installed file.
target_link_options(tavrelio_aex PRIVATE
  ${tavrelio_exports_def} -static -static-libgcc -static-libstdc++ -Wl,--no-undefined -Wl,--gc-sections -s)
set_target_properties(tavrelio_aex PROPERTIES
  PREFIX "" OUTPUT_NAME "${tavrelio_aex_name}" SUFFIX ".aex"
  LINK_DEPENDS ${tavrelio_exports_def})

install(TARGETS tavrelio_aex LIBRARY DESTINATION . RUNTIME DESTINATION .)

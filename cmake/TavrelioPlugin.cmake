# The plug-in's sources, shared by the native and the Windows builds.
file(GLOB TAVRELIO_PLUGIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/../host/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../shell/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../params/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../engine/*.cpp)
set(TAVRELIO_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

# A static library of the plug-in's code for one variant (64 or 32), so unit
# tests can link the pure pieces and the shared library links the rest.
function(tavrelio_add_plugin_core target variant)
  add_library(${target} STATIC ${TAVRELIO_PLUGIN_SOURCES})
  target_include_directories(${target} PUBLIC ${TAVRELIO_SOURCE_ROOT})
  target_compile_definitions(${target} PUBLIC TAVRELIO_VARIANT=${variant})
endfunction()

# The native shared library of one variant: exports EntryPointFunc only.
function(tavrelio_add_native_plugin target variant)
  tavrelio_add_plugin_core(${target}_core ${variant})
  add_library(${target} SHARED ${TAVRELIO_SOURCE_ROOT}/shell/ExportAnchor.cc)
  target_link_libraries(${target} PRIVATE -Wl,--whole-archive ${target}_core -Wl,--no-whole-archive)
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${TAVRELIO_SOURCE_ROOT}/resources/exports.map -Wl,--no-undefined)
  set_target_properties(${target} PROPERTIES PREFIX "lib" OUTPUT_NAME tavrelio${variant}
    LINK_DEPENDS ${TAVRELIO_SOURCE_ROOT}/resources/exports.map)
endfunction()

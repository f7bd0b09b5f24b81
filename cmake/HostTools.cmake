# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The tools a cross build runs while it builds (the icon writer, the page's
# tables' writer and the check of its JSON writer), built for this machine by
# the core preset, in the core preset's own folder, so that the core loop and
# the page share one build of them. Defines vantrel_host_tools and the tools'
# paths VANTREL_HOST_ICONWRITER, VANTREL_HOST_WEBTABLES and
# VANTREL_HOST_JSON_CHECK.
include(ExternalProject)

# The core preset's folder, as CMakePresets.json names it.
file(READ ${PROJECT_SOURCE_DIR}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${presets}" configurePresets ${i} name)
  if(name STREQUAL "core")
    string(JSON host_build GET "${presets}" configurePresets ${i} binaryDir)
  endif()
endforeach()
string(REPLACE "\${sourceDir}" "${PROJECT_SOURCE_DIR}" host_build "${host_build}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CMakePresets.json)

set(VANTREL_HOST_ICONWRITER ${host_build}/tools/vantrel-iconwriter)
set(VANTREL_HOST_WEBTABLES ${host_build}/tools/vantrel-webtables)
set(VANTREL_HOST_JSON_CHECK ${host_build}/tests/core/json_check)
# Configured each time, which costs a second when nothing changed, so that a
# core folder removed or reconfigured by hand is put right; the tools'
# sources are the project's own, so their build always runs to see them.
ExternalProject_Add(vantrel_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${host_build}
  CONFIGURE_COMMAND ""
  BUILD_COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND} --preset core
  COMMAND ${CMAKE_COMMAND} --build ${host_build} --target vantrel-iconwriter vantrel-webtables json_check
  BUILD_ALWAYS TRUE
  BUILD_BYPRODUCTS ${VANTREL_HOST_ICONWRITER} ${VANTREL_HOST_WEBTABLES} ${VANTREL_HOST_JSON_CHECK}
  INSTALL_COMMAND ""
  TEST_COMMAND "")

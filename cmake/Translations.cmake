# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The catalogs: po/LINGUAS names the languages, po/<code>.po holds each one,
# and po/vantrel.pot is what xgettext extracts from the sources.
get_filename_component(VANTREL_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(VANTREL_PO_DIR ${VANTREL_ROOT}/po)
file(STRINGS ${VANTREL_PO_DIR}/LINGUAS VANTREL_LANGUAGES REGEX "^[A-Za-z_]+$")
set(VANTREL_PO_FILES)
foreach(code IN LISTS VANTREL_LANGUAGES)
  list(APPEND VANTREL_PO_FILES ${VANTREL_PO_DIR}/${code}.po)
endforeach()
find_program(VANTREL_MSGFMT msgfmt REQUIRED)
find_program(VANTREL_XGETTEXT xgettext)
find_program(VANTREL_MSGGREP msggrep REQUIRED)

# The sources whose words are extracted: every word lives in src/window, the
# desktop entry and the metainfo in data/.
set(VANTREL_POT_CXX_SOURCES)
foreach(name IN ITEMS commands.cpp elements.cpp lab.cpp presentation.cpp words.cpp words.h)
  if(EXISTS ${VANTREL_ROOT}/src/window/${name})
    list(APPEND VANTREL_POT_CXX_SOURCES src/window/${name})
  endif()
endforeach()
set(VANTREL_POT_DESKTOP data/${VANTREL_APP_ID}.desktop.in)
set(VANTREL_POT_METAINFO data/${VANTREL_APP_ID}.metainfo.xml.in)

# Compiles every catalog and writes them into a C++ source of the target:
# only the texts the program shows, not those of the desktop entry and the
# metainfo, which the software centres read from those files.
function(vantrel_embed_catalogs target)
  set(shown)
  foreach(source IN LISTS VANTREL_POT_CXX_SOURCES)
    list(APPEND shown --location=${source})
  endforeach()
  set(mo_files)
  foreach(code IN LISTS VANTREL_LANGUAGES)
    set(mo ${CMAKE_CURRENT_BINARY_DIR}/catalogs/${code}.mo)
    add_custom_command(OUTPUT ${mo}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/catalogs
      COMMAND ${VANTREL_MSGGREP} ${shown} -o ${mo}.po ${VANTREL_PO_DIR}/${code}.po
      COMMAND ${VANTREL_MSGFMT} --check -o ${mo} ${mo}.po
      DEPENDS ${VANTREL_PO_DIR}/${code}.po
      COMMENT "Compiling the ${code} catalog"
      VERBATIM)
    list(APPEND mo_files ${mo})
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/catalogs.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} "-DOUT=${out}" "-DCODES=${VANTREL_LANGUAGES}" "-DFILES=${mo_files}"
      -P ${VANTREL_ROOT}/cmake/EmbedCatalogs.cmake
    DEPENDS ${mo_files} ${VANTREL_ROOT}/cmake/EmbedCatalogs.cmake ${VANTREL_PO_DIR}/LINGUAS
    COMMENT "Embedding the catalogs"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()

# `cmake --build <dir> --target pot` writes po/vantrel.pot anew; the test
# pot_up_to_date fails while the committed one differs from what it would write.
if(VANTREL_XGETTEXT)
  # A list would come apart in the command line: its items go joined by '|'.
  string(REPLACE ";" "|" cxx_sources "${VANTREL_POT_CXX_SOURCES}")
  set(pot_args -DXGETTEXT=${VANTREL_XGETTEXT} -DSOURCE_DIR=${VANTREL_ROOT}
    "-DCXX_SOURCES=${cxx_sources}" -DDESKTOP=${VANTREL_POT_DESKTOP} -DMETAINFO=${VANTREL_POT_METAINFO}
    -DVERSION=${Vantrel_VERSION})
  add_custom_target(pot
    COMMAND ${CMAKE_COMMAND} ${pot_args} -DOUT=${VANTREL_PO_DIR}/vantrel.pot -P ${VANTREL_ROOT}/cmake/Pot.cmake
    COMMENT "Extracting po/vantrel.pot"
    VERBATIM)
  if(BUILD_TESTING)
    add_test(NAME pot_up_to_date
      COMMAND ${CMAKE_COMMAND} ${pot_args} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/vantrel.pot
        -DCOMPARE=${VANTREL_PO_DIR}/vantrel.pot -P ${VANTREL_ROOT}/cmake/Pot.cmake)
  endif()
endif()

# Debian's own Python, which has polib and the font tools, whatever else is
# on PATH; another where there is none.
find_program(VANTREL_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(VANTREL_PYTHON python3)

# The catalogs as their translators wrote them, in one JSON file for the
# tests, read by scripts/catalogs.py and not by the program's own reader.
function(vantrel_catalogs_json out)
  add_custom_command(OUTPUT ${out}
    COMMAND ${VANTREL_PYTHON} ${VANTREL_ROOT}/scripts/catalogs.py ${VANTREL_PO_DIR} ${out}
    DEPENDS ${VANTREL_ROOT}/scripts/catalogs.py ${VANTREL_PO_DIR}/LINGUAS ${VANTREL_PO_FILES}
    COMMENT "Reading the catalogs for the tests"
    VERBATIM)
endfunction()

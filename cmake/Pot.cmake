# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Extracts the template of every catalog into OUT; with COMPARE, fails when
# that file differs from OUT (the creation date aside).
string(REPLACE "|" ";" CXX_SOURCES "${CXX_SOURCES}")
set(common --from-code=UTF-8 --add-location=file --sort-by-file --package-name=Vantrel
  --package-version=${VERSION} --msgid-bugs-address=https://github.com/vantrel/vantrel/issues
  --copyright-holder=The\ Vantrel\ developers --add-comments=TRANSLATORS: -o ${OUT})
execute_process(COMMAND ${XGETTEXT} ${common} --language=C++ --keyword=N_ --keyword=NC_:1c,2 --keyword=tr:1 --keyword=tr:1c,2 --keyword=trn:1,2
    ${CXX_SOURCES}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
if(status EQUAL 0)
  execute_process(COMMAND ${XGETTEXT} ${common} --join-existing --language=Desktop -k --keyword=GenericName --keyword=Comment --keyword=Keywords ${DESKTOP}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
endif()
if(status EQUAL 0)
  execute_process(COMMAND ${XGETTEXT} ${common} --join-existing --its=/usr/share/gettext/its/metainfo.its ${METAINFO}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xgettext failed")
endif()
if(COMPARE)
  file(READ ${OUT} made)
  file(READ ${COMPARE} kept)
  string(REGEX REPLACE "\"POT-Creation-Date:[^\"]*\"\n" "" made "${made}")
  string(REGEX REPLACE "\"POT-Creation-Date:[^\"]*\"\n" "" kept "${kept}")
  if(NOT made STREQUAL kept)
    message(FATAL_ERROR "po/vantrel.pot is out of date: run `cmake --build <build dir> --target pot`, then "
      "`msgmerge --update po/<code>.po po/vantrel.pot` for each language")
  endif()
endif()

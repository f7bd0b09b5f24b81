# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The licence files cannot be generated, as reuse and Debian read them as
# they are: this check fails while .reuse/dep5 or data/debian/copyright
# leaves out a font that cmake/Fonts.cmake declares, or names one in
# data/fonts/ that it does not.
#   cmake -DSOURCE_DIR=<root> -P cmake/CheckFontsDeclared.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Fonts.cmake)
set(failed FALSE)
foreach(listing .reuse/dep5 data/debian/copyright)
  file(READ ${SOURCE_DIR}/${listing} text)
  string(REGEX MATCHALL "data/fonts/[A-Za-z0-9_-]+\\.ttf" named "${text}")
  list(REMOVE_DUPLICATES named)
  foreach(stem IN LISTS VANTREL_FONTS)
    if(NOT "data/fonts/${stem}.ttf" IN_LIST named)
      message(SEND_ERROR "${listing} does not name data/fonts/${stem}.ttf")
    endif()
    list(REMOVE_ITEM named "data/fonts/${stem}.ttf")
  endforeach()
  foreach(extra IN LISTS named)
    message(SEND_ERROR "${listing} names ${extra}, which cmake/Fonts.cmake does not declare")
  endforeach()
endforeach()
foreach(stem IN LISTS VANTREL_FONTS)
  if(NOT EXISTS ${SOURCE_DIR}/data/fonts/${stem}.ttf)
    message(SEND_ERROR "data/fonts/${stem}.ttf is declared but missing")
  endif()
endforeach()

# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The fonts the program ships, in data/fonts/, declared here alone: the
# desktop's resources and font list, the page's inlined fonts and CSS, the
# script that cuts the Noto fonts and the coverage test all take them from
# here. The order is the fallback order after a caption's designed family.
#   vantrel_font(FILE_STEM FAMILY "family" [PAGE_FAMILY "family"] [CUT_FROM path FACE n])
# PAGE_FAMILY: the page cuts the font to the catalogs' letters and renames it,
# as the font's licence asks of a modified font. CUT_FROM: the Noto font (and
# its face in a collection) that scripts/subset-fonts.sh cut it from.
#
# Also a script: `cmake -DOUT=fonts.json -P cmake/Fonts.cmake` writes the
# list as JSON, for the Python that runs outside a build.
set(VANTREL_FONTS)
function(vantrel_font stem)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FAMILY;PAGE_FAMILY;CUT_FROM;FACE" "")
  if(NOT arg_PAGE_FAMILY)
    set(arg_PAGE_FAMILY ${arg_FAMILY})
  endif()
  set(VANTREL_FONTS ${VANTREL_FONTS} ${stem} PARENT_SCOPE)
  foreach(field FAMILY PAGE_FAMILY CUT_FROM FACE)
    set(VANTREL_FONT_${stem}_${field} "${arg_${field}}" PARENT_SCOPE)
  endforeach()
endfunction()

vantrel_font(LiberationSans-Bold FAMILY "Liberation Sans" PAGE_FAMILY "Vantrel Sans")
vantrel_font(VantrelArabic-Bold FAMILY "Vantrel Arabic"
  CUT_FROM /usr/share/fonts/truetype/noto/NotoSansArabic-Bold.ttf FACE 0)
vantrel_font(VantrelDevanagari-Bold FAMILY "Vantrel Devanagari"
  CUT_FROM /usr/share/fonts/truetype/noto/NotoSansDevanagari-Bold.ttf FACE 0)
# Face 2 of the collection is Noto Sans CJK SC.
vantrel_font(VantrelCJK-Bold FAMILY "Vantrel CJK"
  CUT_FROM /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc FACE 2)

get_filename_component(VANTREL_FONT_DIR ${CMAKE_CURRENT_LIST_DIR}/../data/fonts ABSOLUTE)
set(VANTREL_FONT_FILES)
set(VANTREL_FONT_FAMILIES)
foreach(stem IN LISTS VANTREL_FONTS)
  list(APPEND VANTREL_FONT_FILES ${VANTREL_FONT_DIR}/${stem}.ttf)
  list(APPEND VANTREL_FONT_FAMILIES "${VANTREL_FONT_${stem}_FAMILY}")
endforeach()

# The list as JSON: [{"file", "family", "pageFamily", "cutFrom", "face"}, ...].
function(vantrel_fonts_json out)
  set(rows)
  foreach(stem IN LISTS VANTREL_FONTS)
    set(row "{\"file\": \"${stem}.ttf\", \"family\": \"${VANTREL_FONT_${stem}_FAMILY}\", ")
    string(APPEND row "\"pageFamily\": \"${VANTREL_FONT_${stem}_PAGE_FAMILY}\"")
    if(VANTREL_FONT_${stem}_CUT_FROM)
      string(APPEND row ", \"cutFrom\": \"${VANTREL_FONT_${stem}_CUT_FROM}\", \"face\": ${VANTREL_FONT_${stem}_FACE}")
    endif()
    list(APPEND rows "  ${row}}")
  endforeach()
  list(JOIN rows ",\n" rows)
  file(CONFIGURE OUTPUT ${out} CONTENT "[\n${rows}\n]\n" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND OUT)
  vantrel_fonts_json(${OUT})
endif()

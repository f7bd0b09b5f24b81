# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Removes the files listed in MANIFEST, then each of their folders that is
# left empty, going up until a folder named in KEEP (bin, share, share/man
# under the prefix: those belong to the system) or the prefix itself. RECORD
# holds the DESTDIR and the prefix of the install that wrote the manifest.
#
# Paths are never used as patterns or as lists, and the manifest is read
# whole: a prefix may hold any character, and a glob, a ";" or file(STRINGS),
# which breaks lines at every byte that is not ASCII, would then name other
# files than these.
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${MANIFEST}" OR NOT EXISTS "${RECORD}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} or ${RECORD} is missing (run the install first)")
endif()

# CMake has no removal of a folder that stops at one that is not empty:
# file(REMOVE_RECURSE) and `cmake -E remove_directory` take everything in it,
# and checking first leaves a gap in which a file can arrive. rmdir refuses a
# folder that holds anything, so nothing but an empty folder can go. POSIX
# has it everywhere this target exists (the freedesktop systems).
find_program(rmdir rmdir NO_CACHE REQUIRED)

file(READ "${RECORD}" record)
string(FIND "${record}" "\n" newline)
if(newline EQUAL -1)
  message(FATAL_ERROR "${RECORD} does not hold a DESTDIR and a prefix")
endif()
string(SUBSTRING "${record}" 0 ${newline} destdir)
math(EXPR newline "${newline} + 1")
string(SUBSTRING "${record}" ${newline} -1 prefix)
string(REGEX REPLACE "/+$" "" prefix "${prefix}")
set(root "${destdir}${prefix}")

# The manifest is CMake's list of installed files with every ";" written as a
# line break, so the ";" in a file's own path comes out as one too. Every
# file starts with the prefix: an entry runs from one line that starts with
# it to the next.
file(READ "${MANIFEST}" manifest)
string(REPLACE ";" "\n" split_prefix "${prefix}")
set(marker "\n${split_prefix}/")
string(LENGTH "${marker}" marker_length)
set(rest "\n${manifest}")
string(LENGTH "${rest}" left)
while(left GREATER 1)
  string(FIND "${rest}" "${marker}" at)
  if(NOT at EQUAL 0)
    # Not under the prefix: not this uninstall's to touch.
    if(at EQUAL -1)
      set(at ${left})
    endif()
    math(EXPR length "${at} - 1")
    string(SUBSTRING "${rest}" 1 ${length} skipped)
    message(WARNING "Left alone, not under ${prefix}: ${skipped}")
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(LENGTH "${rest}" left)
    continue()
  endif()
  string(SUBSTRING "${rest}" ${marker_length} -1 rest)
  string(FIND "${rest}" "${marker}" next)
  if(next EQUAL -1)
    set(entry "${rest}")
    set(rest "")
  else()
    string(SUBSTRING "${rest}" 0 ${next} entry)
    string(SUBSTRING "${rest}" ${next} -1 rest)
  endif()
  string(LENGTH "${rest}" left)
  string(REPLACE "\n" ";" entry "${entry}")

  string(FIND "/${entry}/" "/../" up)
  if(entry STREQUAL "" OR NOT up EQUAL -1)
    message(WARNING "Left alone, not under ${prefix}: ${prefix}/${entry}")
    continue()
  endif()
  set(file "${root}/${entry}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()

  set(folder "${entry}")
  while(TRUE)
    string(FIND "${folder}" "/" slash REVERSE)
    if(slash LESS 1)
      break() # the prefix
    endif()
    string(SUBSTRING "${folder}" 0 ${slash} folder)
    set(kept FALSE)
    foreach(keep IN LISTS KEEP)
      if(folder STREQUAL keep)
        set(kept TRUE)
      endif()
    endforeach()
    if(kept)
      break()
    endif()
    # One that is already gone, by an earlier entry or by hand, does not
    # keep its parents.
    if(IS_DIRECTORY "${root}/${folder}" AND NOT IS_SYMLINK "${root}/${folder}")
      execute_process(COMMAND "${rmdir}" -- "${root}/${folder}" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
      if(NOT failed EQUAL 0)
        break() # not empty: what else is in it is not ours
      endif()
      message(STATUS "Removed empty folder ${root}/${folder}")
    elseif(EXISTS "${root}/${folder}" OR IS_SYMLINK "${root}/${folder}")
      break()
    endif()
  endwhile()
endwhile()

# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Removes the files listed in MANIFEST, then each of their folders that is
# left empty, going up until a folder named in KEEP (bin, share, share/man
# under whatever prefix the install used): those belong to the system.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (run the install first)")
endif()
file(STRINGS "${MANIFEST}" files)

foreach(file IN LISTS files)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  get_filename_component(dir "${file}" DIRECTORY)
  while(IS_DIRECTORY "${dir}")
    set(kept FALSE)
    foreach(keep IN LISTS KEEP)
      string(LENGTH "/${keep}" length)
      string(LENGTH "${dir}" dir_length)
      if(dir_length GREATER_EQUAL length)
        math(EXPR at "${dir_length} - ${length}")
        string(SUBSTRING "${dir}" ${at} -1 tail)
        if(tail STREQUAL "/${keep}")
          set(kept TRUE)
        endif()
      endif()
    endforeach()
    file(GLOB left "${dir}/*" "${dir}/.*")
    if(kept OR left)
      break()
    endif()
    message(STATUS "Removing empty folder ${dir}")
    file(REMOVE_RECURSE "${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()

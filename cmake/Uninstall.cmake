# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --build build --target uninstall` removes what the last install of
# this build put under its prefix (any --prefix), and the folders that are
# empty after it.

# The install says where it went: the prefix it was given at install time
# (which the build cannot know) and the DESTDIR, which the manifest leaves
# out of its paths. Guessing the prefix from the paths would be wrong as soon
# as one of its folders is named like a standard one.
install(CODE "file(WRITE [==[${CMAKE_BINARY_DIR}/install_prefix.txt]==] \"\$ENV{DESTDIR}\\n\${CMAKE_INSTALL_PREFIX}\")")

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND}
    -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
    -DRECORD=${CMAKE_BINARY_DIR}/install_prefix.txt
    -DKEEP=${CMAKE_INSTALL_BINDIR}$<SEMICOLON>${CMAKE_INSTALL_DATADIR}$<SEMICOLON>${CMAKE_INSTALL_MANDIR}
    -P ${CMAKE_CURRENT_LIST_DIR}/uninstall-files.cmake
  VERBATIM)

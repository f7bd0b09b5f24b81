# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --build build --target uninstall` removes what the last install of
# this build put under its prefix (any --prefix), and the folders that are
# empty after it.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND}
    -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
    -DKEEP=${CMAKE_INSTALL_BINDIR}$<SEMICOLON>${CMAKE_INSTALL_DATADIR}$<SEMICOLON>${CMAKE_INSTALL_MANDIR}
    -P ${CMAKE_CURRENT_LIST_DIR}/uninstall-files.cmake
  VERBATIM)

# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in a Release build without tests makes
# vantrel_<version>_<arch>.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_CONTACT "The Vantrel developers <vantrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching animation of the rotating magnetic field")
set(CPACK_PACKAGE_DESCRIPTION [[
Vantrel shows in one window how three alternating phase currents, 120
degrees apart, flowing through three pairs of stator conductors, add up to
one magnetic field vector that turns at nearly constant length: the field
of an induction motor.

The window holds a waveform chart of the three currents with a moving time
cursor, the stator's cross-section with the direction of each conductor's
current, the phasor diagram with the resultant field and the phase angle.
The animation plays at three speeds, pauses, or shows any angle typed in
degrees. It can be zoomed and shown full screen for a projector, and is
usable by keyboard and screen reader alone.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Dependencies as dpkg-shlibdeps reads them from the program's libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Debian's modes whatever the umask of the one who builds: 0755 directories,
# 0644 control files.
set(VANTREL_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${VANTREL_DIRECTORY_PERMISSIONS})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${VANTREL_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

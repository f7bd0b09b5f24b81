#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the release Debian package, build-release/vantrel_<version>_<arch>.deb:
# the release preset (Release, no tests, in its folder) with Debian's flags,
# stripped, its dependencies read from the program's libraries.
# Install it with `apt install ./build-release/vantrel_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
# Debian's hardening flags, as a package build gets them from dpkg-buildflags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
# The folder is the one the preset names.
dir=$(cmake --preset release \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" |
  sed -n 's/^-- Build files have been written to: //p')
dir=$(realpath --relative-to=. "$dir")
cmake --build --preset release -j"$(nproc)"
# Only the package this build makes is replaced: one of another version or
# architecture that lies there may be someone's to keep.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
deb=$dir/vantrel_${version}_$(dpkg --print-architecture).deb
rm -f -- "$deb"
(cd "$dir" && cpack -G DEB >/dev/null)
ls -- "$deb"

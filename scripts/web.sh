#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition by the web preset: build-web/site/ (open its
# index.html, or serve the folder) and build-web/vantrel-web-<version>.zip
# holding that folder, and build-web/vantrel-scorm-<version>.zip, the same
# files as a SCORM 1.2 package for learning platforms. The preset's build
# also builds its host tools by the core preset, in build-core/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web

# Debian's cache is complete but may be read-only; a tree of links to it
# lets emcc write its lock and notes without copying its libraries. (The
# web preset points emcc's node at Debian's JavaScript modules.)
cache=$(em-config CACHE)
if [[ ! -w "$cache" ]]; then
  mkdir -p build-web
  [[ -d build-web/em-cache ]] || cp -rs "$cache" build-web/em-cache
  export EM_CACHE="$PWD/build-web/em-cache"
fi
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-web/CMakeCache.txt)
zip=build-web/vantrel-web-$version.zip
scorm=build-web/vantrel-scorm-$version.zip
echo "Built build-web/site/, $zip ($(stat -c %s "$zip") bytes) and $scorm ($(stat -c %s "$scorm") bytes)"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a task needs, and only those that are missing.
# Usage: scripts/install-deps.sh run|package|test|web|fonts
set -euo pipefail

# zlib writes the icons' PNG files; gettext compiles the catalogs; polib
# reads them for the tests, apart from the program.
build=(cmake g++ make qt6-base-dev libgl-dev zlib1g-dev gettext python3 python3-polib)
# cpack's dependency scan runs dpkg-shlibdeps (dpkg-dev), which uses file.
package=(dpkg-dev file)
test=(xvfb xauth xdotool x11-utils x11-apps openbox python3 clang libclang-rt-14-dev desktop-file-utils appstream
  qt6-base-private-dev reuse lintian libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine wine64 locales
  python3-fonttools)
# The browser edition and its tests. Node comes from Debian only where none
# is installed: Debian's packages conflict with other builds of it.
web=(cmake g++ make zlib1g-dev gettext emscripten python3 python3-polib python3-fonttools python3-brotli chromium firefox-esr webkit2gtk-driver xvfb
  xauth)
command -v node >/dev/null || web+=(nodejs)
command -v npm >/dev/null || web+=(npm)
# The shipped Arabic, Devanagari and Chinese fonts are cut from Noto by
# scripts/subset-fonts.sh, which shapes every catalog text to find the glyphs.
fonts=(fonts-noto-core fonts-noto-cjk cmake python3 python3-polib python3-fonttools python3-brotli libharfbuzz-bin)

case "${1:-run}" in
  run) wanted=("${build[@]}") ;;
  package) wanted=("${build[@]}" "${package[@]}") ;;
  test) wanted=("${build[@]}" "${package[@]}" "${test[@]}") ;;
  web) wanted=("${web[@]}") ;;
  fonts) wanted=("${fonts[@]}") ;;
  *) echo "usage: $0 run|package|test|web|fonts" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

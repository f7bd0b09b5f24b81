#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vantrel and runs every test, each build
# by its preset in CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
# How parallel every preset's build and tests run.
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs CTEST_PARALLEL_LEVEL=$jobs

# Every file carries its licence and copyright.
reuse lint

# The core alone on three C++ runtimes (Linux, macOS's libc++, Windows under
# Wine): the same frames and Set Angle outcomes, byte for byte.
scripts/test-runtimes.sh

# Configures, builds and tests one preset; its configure says little.
preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1"
}

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer:
# the first report ends the test that made it, and so fails the run.
preset asan

# A minute of fuzzing Set Angle from the seed corpus; a failing input is
# kept in build-fuzz/.
preset fuzz

# The suite built the other way round, with clang and without optimising, so
# that neither the compiler nor the optimiser decides what passes.
preset clang-debug

# The release package, checked as Debian checks packages: any error fails.
scripts/package.sh
lintian --fail-on error build-release/vantrel_*.deb

# The browser edition, built from the same C++ and driven in Chromium, Firefox
# and WebKitGTK, and on phones and tablets in Chromium's device emulation.
scripts/web.sh
(cd tests/web && npm ci --no-audit --no-fund && npm test)

# The plain build last, as users get it, so that the run closes on its summary.
cmake --preset default >/dev/null
cmake --build --preset default
# The README's run command itself, on a virtual X server: the program quits
# after its first painted frame, and must do so, with success, in time.
echo "scripts/run.sh on Xvfb:"
VANTREL_QUIT_AFTER_FIRST_FRAME=1 timeout --kill-after=10 120 \
  env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" scripts/run.sh
echo "scripts/run.sh opened the window and quit after its first frame."
ctest --preset default

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vantrel and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

# Every file carries its licence and copyright.
reuse lint

# The core alone on three C++ runtimes (Linux, macOS's libc++, Windows under
# Wine): the same frames and Set Angle outcomes, byte for byte.
scripts/test-runtimes.sh

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer:
# the first report ends the test that made it, and so fails the run.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

# A minute of fuzzing Set Angle from the seed corpus; new inputs go to a
# scratch directory, a failing one is kept in build-fuzz/.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_setangle
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-fuzz/fuzz/fuzz_setangle -max_total_time=60 -max_len=512 -timeout=10 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/ "$corpus" fuzz/corpus 2>&1 | grep -v "^#[0-9]"

# The suite built the other way round, with clang and without optimising, so
# that neither the compiler nor the optimiser decides what passes.
cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-clang -j"$jobs"
ctest --test-dir build-clang --output-on-failure -j"$jobs"

# The release package, checked as Debian checks packages: any error fails.
scripts/package.sh
lintian --fail-on error build-package/vantrel_*.deb

# The browser edition, built from the same C++ and driven in headless Chromium.
scripts/web.sh
(cd tests/web && npm ci --no-audit --no-fund && npm test)

# The plain build last, as users get it, so that the run closes on its summary.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

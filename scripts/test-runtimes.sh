#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core and its check (tests/core/) three ways, as the platforms
# build it: GCC with libstdc++ (Linux), Clang with libc++ (the library macOS
# uses) and MinGW-w64 (Windows, run under Wine). Every build must pass the
# check, also under a German locale, and all three must write the same frames,
# Set Angle outcomes, handler session and picture pixels byte for byte; the
# frames must equal the Python reference's.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
scratch=$(mktemp -d)
# Wine's server keeps writing into its prefix until it is told to stop.
trap 'WINEPREFIX=$scratch/wine wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

configure() {
  local dir=$1
  shift
  cmake -S tests/core -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$jobs" >/dev/null
}
configure build-core-gcc -DCMAKE_CXX_COMPILER=g++
configure build-core-libcxx -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
  -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++
configure build-core-mingw -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix

# Qt sets the C library's locale from the environment; a German desktop's
# decimal separator is a comma.
localedef -i de_DE -f UTF-8 -c "$scratch/de_DE.UTF-8" || true
export LOCPATH=$scratch
# No Mono or Gecko: the check is a console program.
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
started=$SECONDS
wineboot --init >/dev/null 2>&1 || true # the first start sets up the prefix
echo "Wine prefix set up in $((SECONDS - started)) s"

# Paths are relative: Wine maps the current directory, not every Unix path.
run() {
  local dir=$1
  shift
  case $dir in
    *mingw) wine "$dir/core_check.exe" "$@" ;;
    *) "$dir/core_check" "$@" ;;
  esac
}
for dir in build-core-gcc build-core-libcxx build-core-mingw; do
  locale=de_DE.UTF-8
  [[ $dir == *mingw ]] && locale=German_Germany.1252
  started=$SECONDS
  run "$dir" check "$dir/rules.txt"
  run "$dir" check "$dir/rules-de.txt" "$locale"
  run "$dir" frames "$dir/frames.txt"
  run "$dir" corpus "$dir/corpus.txt" fuzz/corpus/*
  run "$dir" session "$dir/session.txt"
  run "$dir" pictures "$dir/pictures.txt"
  cmp "$dir/rules.txt" "$dir/rules-de.txt"
  echo "$dir: checked in $((SECONDS - started)) s"
done

python3 tests/reference/frames.py >"$scratch/frames-reference.txt"
cmp build-core-gcc/frames.txt "$scratch/frames-reference.txt"
for out in rules.txt frames.txt corpus.txt session.txt pictures.txt; do
  cmp build-core-gcc/$out build-core-libcxx/$out
  cmp build-core-gcc/$out build-core-mingw/$out
done
echo "The three runtimes agree: $(wc -l <build-core-gcc/frames.txt) frames," \
  "$(wc -l <build-core-gcc/rules.txt) rules, $(wc -l <build-core-gcc/corpus.txt) corpus inputs," \
  "$(grep -c '^[A-Za-z]' build-core-gcc/session.txt) handler calls, $(grep -c ' [0-9]*x[0-9]*$' build-core-gcc/pictures.txt) pictures."

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core and its check (tests/core/) three ways, as the platforms
# build it, by the presets core (GCC with libstdc++, Linux), clang-libcxx
# (Clang with libc++, the library macOS uses) and mingw (MinGW-w64, Windows,
# run under Wine). Every build must pass the check, also under a German
# locale, and all three must write the same frames, Set Angle outcomes,
# handler session and picture pixels byte for byte; the frames must equal the
# Python reference's.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
scratch=$(mktemp -d)
# Wine's server keeps writing into its prefix until it is told to stop.
trap 'WINEPREFIX=$scratch/wine wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

presets=(core clang-libcxx mingw)
# Each build's folder as its preset names it, relative: Wine maps the
# current directory, not every Unix path.
declare -A dirs
for preset in "${presets[@]}"; do
  dir=$(cmake --preset "$preset" | sed -n 's/^-- Build files have been written to: //p')
  dirs[$preset]=$(realpath --relative-to=. "$dir")
  cmake --build --preset "$preset" -j"$jobs" >/dev/null
done

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
  local preset=$1
  shift
  case $preset in
    mingw) wine "${dirs[$preset]}/tests/core/core_check.exe" "$@" ;;
    *) "${dirs[$preset]}/tests/core/core_check" "$@" ;;
  esac
}
for preset in "${presets[@]}"; do
  dir=${dirs[$preset]}/tests/core
  locale=de_DE.UTF-8
  [[ $preset == mingw ]] && locale=German_Germany.1252
  started=$SECONDS
  run "$preset" check "$dir/rules.txt"
  run "$preset" check "$dir/rules-de.txt" "$locale"
  run "$preset" frames "$dir/frames.txt"
  run "$preset" corpus "$dir/corpus.txt" fuzz/corpus/*
  run "$preset" session "$dir/session.txt"
  run "$preset" pictures "$dir/pictures.txt"
  cmp "$dir/rules.txt" "$dir/rules-de.txt"
  echo "$preset: checked in $((SECONDS - started)) s"
done

gcc=${dirs[core]}/tests/core
python3 tests/reference/frames.py >"$scratch/frames-reference.txt"
cmp $gcc/frames.txt "$scratch/frames-reference.txt"
for out in rules.txt frames.txt corpus.txt session.txt pictures.txt; do
  cmp $gcc/$out "${dirs[clang-libcxx]}/tests/core/$out"
  cmp $gcc/$out "${dirs[mingw]}/tests/core/$out"
done
echo "The three runtimes agree: $(wc -l <$gcc/frames.txt) frames," \
  "$(wc -l <$gcc/rules.txt) rules, $(wc -l <$gcc/corpus.txt) corpus inputs," \
  "$(grep -c '^[A-Za-z]' $gcc/session.txt) handler calls, $(grep -c ' [0-9]*x[0-9]*$' $gcc/pictures.txt) pictures."

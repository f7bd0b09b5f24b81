#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode and runs every one of them: the cost
# of a tick, a whole cycle on the real timer, start-up, and memory over a
# million ticks; then the browser edition. Takes about eleven minutes; run it
# on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# The default preset: Release, with the benchmarks.
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target bench_tick bench_timing bench_startup bench_memory >/dev/null
bench=build/bench
# Everything the run writes goes here, and goes with it however it ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$scratch}"

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
  "$(uname -sr), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?')"
# Full screen needs a screen of a known size: 1920 x 1080.
screen=$scratch/screen.json
echo '{"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}' >"$screen"
for view in 1 1.5 2 full; do
  echo
  QT_QPA_PLATFORM="offscreen:configfile=$screen" "$bench/bench_tick" 1 "$view"
done
echo
"$bench/bench_tick" 2
echo
"$bench/bench_timing"
# The same cycle on a real X server of 1920 x 1080 with a window manager,
# where each frame is also sent to the server: at each zoom, in full screen,
# against the same program made to repaint its whole window every tick, and
# against the least any repaint costs (paused, a 2 x 2 corner each tick).
# Twice over, interleaved, since the machine's load moves between runs.
if command -v xvfb-run >/dev/null && command -v openbox >/dev/null; then
  echo
  xcb=$scratch/xcb.txt
  QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    sleep 1
    for round in 1 2; do
      for run in "1 whole" "1 floor" 1 1.5 2 full; do
        "$0/bench_timing" 1 $run | grep -E "^(Timing|CPU)"
      done
    done
    kill %1' "$bench" | tee "$xcb"
  # Each round's figures against the whole-window repaint of the same round.
  awk '/^Timing/ { what = $0 }
    /^CPU/ { for (i = 1; i <= NF; ++i) if ($i == "%") share = $(i - 1)
      if (what ~ /whole window/) { whole = share; next }
      if (what ~ /2 x 2 corner/) {
        printf "any repaint at all: %.2f of the whole-window repaint\n", share / whole; next }
      if (what ~ /zoom 100 %/) { tick = share
        printf "tick at 100 %%: %.2f of the whole-window repaint (target at most 0.25)\n", share / whole }
      if (what ~ /full screen/)
        printf "full screen: %.2f times the tick at 100 %% (target at most 1.5)\n", share / tick }' "$xcb"
fi
echo
"$bench/bench_startup"
echo
"$bench/bench_memory"
# The browser edition in headless Chromium: its size, its start from a file,
# and its CPU over a cycle at Fast against a page that rebuilds its scene.
echo
scripts/web.sh >/dev/null
(cd tests/web && npm ci --no-audit --no-fund >/dev/null && node bench.js)

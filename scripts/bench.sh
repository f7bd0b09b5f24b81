#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs every one of them: the cost
# of a tick, a whole cycle on the real timer, start-up, and memory over a
# million ticks. Takes about five minutes; run it on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_tick bench_timing bench_startup bench_memory >/dev/null
bench=build-bench/bench
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
  "$(uname -sr), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?')"
echo
"$bench/bench_tick" 1
echo
"$bench/bench_tick" 2
echo
"$bench/bench_timing"
# The same cycle on a real X server, where each frame is also sent to it.
if command -v xvfb-run >/dev/null; then
  echo
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench/bench_timing"
fi
echo
"$bench/bench_startup"
echo
"$bench/bench_memory"

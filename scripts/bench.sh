#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures as ratios against a
# baseline measured in the same run (a plain read, the gs command, or qpdf).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLICORA_BUILD_BENCH=ON
cmake --build build --target bench_probe bench_gs bench_exact bench_sizes -j"$(nproc)"
build/bench/bench_probe
build/bench/bench_gs
build/bench/bench_exact
build/bench/bench_sizes "$@"   # --large: also 100,000 pages
# Page pictures: only in a build with Qt's PDF module.
if cmake --build build --target help | grep -qw bench_thumbs; then
  cmake --build build --target bench_thumbs -j"$(nproc)"
  build/bench/bench_thumbs
fi
